// Reads a result page of any bytes (one character per byte, as the fetcher
// turns pages into text) as each engine's page, and as an unknown engine's.
// A count text is at most 10 characters.
#include "FuzzSupport.h"

#include "scan/CountExtraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString page = QString::fromLatin1(FuzzSupport::bytesOf(data, size));
    for (int engine = 0; engine <= 7; ++engine) {
        const QString count = ParseEngineData(page, engine);
        if (count.size() > 10)
            FuzzSupport::fail(QStringLiteral("engine %1 gave the count text \"%2\"").arg(engine).arg(count));
    }
    return 0;
}
