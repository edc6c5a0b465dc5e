// Opens any bytes as a web-graph index and looks names up in it. The
// header's checksum is made right first, so that the fuzzer reaches the
// checks behind it and the lookups in damaged tables.
#include "FuzzSupport.h"

#include "webgraph/WebGraphFormat.h"
#include "webgraph/WebGraphIndex.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = FuzzSupport::bytesOf(data, size);
    if (bytes.size() >= qsizetype(WebGraphFormat::headerBytes))
        qToLittleEndian(WebGraphFormat::headerChecksum(bytes), bytes.data() + WebGraphFormat::checksumOffset);
    const QString path = FuzzSupport::scratchPath(QStringLiteral("index.qvg"));
    FuzzSupport::writeScratch(path, bytes);

    WebGraphIndex index;
    if (!index.open(path)) {
        if (index.errorString().isEmpty())
            FuzzSupport::fail(QStringLiteral("an index that does not open gives no reason"));
        return 0;
    }
    // The names the file holds, and a few it may not.
    QList<QByteArray> names = bytes.mid(qsizetype(WebGraphFormat::headerBytes), 4096).split('\n').mid(0, 64);
    names << QByteArray("com.example") << QByteArray() << QByteArray(300, 'x');
    for (const QByteArray& name : names) {
        const std::optional<WebGraphEntry> entry = index.find(name);
        if (entry && entry->harmonicPosition && !index.hasRanks())
            FuzzSupport::fail(QStringLiteral("a position from an index without ranks"));
        if (entry && name.isEmpty())
            FuzzSupport::fail(QStringLiteral("an entry for the empty name"));
    }
    return 0;
}
