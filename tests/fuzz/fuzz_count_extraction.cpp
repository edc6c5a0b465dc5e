// Reads a result page of any bytes (one character per byte, as the fetcher
// turns pages into text) as each engine's page, by its own rule and by user
// markers taken from the input's last lines. A count text is at most 10
// characters; one read by markers is digits only.
#include "FuzzSupport.h"

#include "engines/CountExtraction.h"
#include "engines/EngineTable.h"

#include <QStringList>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString page = QString::fromLatin1(FuzzSupport::bytesOf(data, size));
    const QStringList lines = page.split(u'\n');
    const CountMarkers markers{lines.value(lines.size() - 3), lines.value(lines.size() - 2),
                               lines.value(lines.size() - 1)};
    for (const Engine& engine : engines()) {
        const QString count = parseEngineCount(page, engine);
        if (count.size() > 10)
            FuzzSupport::fail(QStringLiteral("%1 gave the count text \"%2\"").arg(engine.header(), count));
        const CountReading marked = readEngineCount(page, engine, markers);
        const bool digits =
            std::all_of(marked.text.cbegin(), marked.text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (markers.isSet() && (marked.text.size() > 10 || !digits))
            FuzzSupport::fail(QStringLiteral("markers gave the count text \"%1\"").arg(marked.text));
        if (marked.kind == QueryOutcome::Kind::Counted && marked.text.isEmpty())
            FuzzSupport::fail(QStringLiteral("a count without digits"));
    }
    return 0;
}
