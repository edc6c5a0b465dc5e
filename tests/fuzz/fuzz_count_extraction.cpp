// Reads a result page of any bytes (one character per byte, as the fetcher
// turns pages into text) as each engine's page. A count text is at most 10
// characters.
#include "FuzzSupport.h"

#include "engines/CountExtraction.h"
#include "engines/EngineTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString page = QString::fromLatin1(FuzzSupport::bytesOf(data, size));
    for (const Engine& engine : engines()) {
        const QString count = parseEngineCount(page, engine);
        if (count.size() > 10)
            FuzzSupport::fail(QStringLiteral("%1 gave the count text \"%2\"").arg(engine.header(), count));
    }
    return 0;
}
