#include "webgraph/WebGraphIndex.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

using namespace WebGraphFormat;

bool WebGraphIndex::open(const QString& path)
{
    m_file.close();
    m_data = nullptr;
    m_error.clear();
    m_file.setFileName(path);
    if (!QFileInfo(path).isFile()) {
        m_error = QCoreApplication::translate("WebGraphIndex", "no web-graph index at %1").arg(path);
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = QCoreApplication::translate("WebGraphIndex", "cannot read the web-graph index %1: %2")
                      .arg(path, m_file.errorString());
        return false;
    }
    const QByteArray headerBytes = m_file.read(qint64(WebGraphFormat::headerBytes));
    HeaderProblem problem = HeaderProblem::None;
    const std::optional<Header> header = decodeHeader(headerBytes, &problem);
    switch (problem) {
    case HeaderProblem::None:
        break;
    case HeaderProblem::NotAnIndex:
        m_error = QCoreApplication::translate("WebGraphIndex", "%1 is not a web-graph index").arg(path);
        break;
    case HeaderProblem::OlderVersion:
        m_error = QCoreApplication::translate("WebGraphIndex",
                                              "the web-graph index %1 is of an older format: build it again with "
                                              "quorvex --index-webgraph")
                      .arg(path);
        break;
    case HeaderProblem::NewerVersion:
        m_error = QCoreApplication::translate(
                      "WebGraphIndex", "the web-graph index %1 is of a newer format than this version of Quorvex reads")
                      .arg(path);
        break;
    case HeaderProblem::Damaged:
        m_error = QCoreApplication::translate("WebGraphIndex", "the web-graph index %1 is damaged").arg(path);
        break;
    }
    if (!header) {
        m_file.close();
        return false;
    }
    if (quint64(m_file.size()) != header->fileBytes) {
        m_error = QCoreApplication::translate("WebGraphIndex",
                                              "the web-graph index %1 is damaged (%2 bytes where %3 were written)")
                      .arg(path, QString::number(m_file.size()), QString::number(header->fileBytes));
        m_file.close();
        return false;
    }
    const uchar* data = m_file.map(0, m_file.size());
    if (!data) {
        m_error = QCoreApplication::translate("WebGraphIndex", "cannot map the web-graph index %1 into memory: %2")
                      .arg(path, m_file.errorString());
        m_file.close();
        return false;
    }
    m_header = *header;
    m_layout = layoutOf(m_header);
    // The first and last entries of the two tables of offsets: a file cut
    // short or shifted shows here without reading the tables through.
    const auto u64 = [data](quint64 offset) { return readU64(data + offset); };
    const quint64 blocks = nameBlockCount(m_header.vertexCount);
    const quint64 buckets = bucketCount(m_header.bucketBits);
    if (u64(m_layout.nameBlocks) != 0 || u64(m_layout.nameBlocks + 8 * blocks) != m_header.namesBytes ||
        u64(m_layout.buckets) != 0 || u64(m_layout.buckets + 8 * buckets) != m_header.vertexCount) {
        m_error = QCoreApplication::translate("WebGraphIndex", "the web-graph index %1 is damaged").arg(path);
        m_file.close();
        return false;
    }
    m_data = data;
    return true;
}

QByteArrayView WebGraphIndex::nameOf(quint64 id) const
{
    const quint64 block = id / namesPerBlock;
    const quint64 begin = u64At(m_layout.nameBlocks + 8 * block);
    const quint64 end = u64At(m_layout.nameBlocks + 8 * (block + 1));
    if (begin > end || end > m_header.namesBytes)
        return {};
    const char* names = reinterpret_cast<const char*>(m_data + m_layout.names);
    const char* at = names + begin;
    const char* blockEnd = names + end;
    for (quint64 skip = id % namesPerBlock; skip > 0; --skip) {
        const void* newline = std::memchr(at, '\n', size_t(blockEnd - at));
        if (!newline)
            return {};
        at = static_cast<const char*>(newline) + 1;
    }
    const void* newline = std::memchr(at, '\n', size_t(blockEnd - at));
    if (!newline)
        return {};
    return QByteArrayView(at, static_cast<const char*>(newline) - at);
}

quint64 WebGraphIndex::inDegreeOf(quint64 id) const
{
    const quint32 count = readU32(m_data + m_layout.counts + 4 * id);
    if (count != countOverflow)
        return count;
    // The overflow pairs are sorted by id.
    quint64 low = 0;
    quint64 high = m_header.overflowCount;
    while (low < high) {
        const quint64 middle = low + (high - low) / 2;
        const quint64 middleId = u64At(m_layout.overflow + 16 * middle);
        if (middleId == id)
            return u64At(m_layout.overflow + 16 * middle + 8);
        if (middleId < id)
            low = middle + 1;
        else
            high = middle;
    }
    return count;
}

std::optional<WebGraphEntry> WebGraphIndex::find(QByteArrayView reversedName) const
{
    if (!m_data || reversedName.isEmpty())
        return std::nullopt;
    const quint64 hash = nameHash(reversedName);
    const quint64 bucket = bucketOf(hash, m_header.bucketBits);
    const quint64 n = m_header.vertexCount;
    const quint64 first = u64At(m_layout.buckets + 8 * bucket);
    const quint64 last = std::min(u64At(m_layout.buckets + 8 * (bucket + 1)), n);
    const quint64 mask = idMask(m_header.idBits);
    const quint64 wanted = hash & ~mask;
    for (quint64 i = first; i < last; ++i) {
        const quint64 key = u64At(m_layout.keys + 8 * i);
        if ((key & ~mask) > wanted)
            break;
        const quint64 id = key & mask;
        if ((key & ~mask) != wanted || id >= n || nameOf(id) != reversedName)
            continue;
        WebGraphEntry entry;
        entry.inDegree = inDegreeOf(id);
        if (m_header.hasRanks) {
            if (const quint64 position = u64At(m_layout.positions + 8 * id))
                entry.harmonicPosition = position;
        }
        return entry;
    }
    return std::nullopt;
}

QByteArray reversedHostName(QStringView asciiHost)
{
    QStringView host = asciiHost;
    if (host.endsWith(u'.'))
        host.chop(1);
    QByteArray reversed;
    reversed.reserve(host.size());
    qsizetype labelEnd = host.size();
    for (qsizetype i = host.size(); i >= 0; --i) {
        if (i > 0 && host[i - 1] != u'.')
            continue;
        const QStringView label = host.sliced(i, labelEnd - i);
        if (label.isEmpty())
            return {};
        if (!reversed.isEmpty())
            reversed.append('.');
        for (const QChar c : label) {
            const char16_t u = c.unicode();
            const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                                 u == u'-' || u == u'_';
            if (!allowed)
                return {};
            reversed.append(char(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u));
        }
        labelEnd = i - 1;
    }
    return reversed;
}
