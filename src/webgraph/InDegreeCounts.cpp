#include "webgraph/InDegreeCounts.h"

#include "webgraph/IndexFileWriter.h"
#include "webgraph/WebGraphFormat.h"

#include <vector>

bool InDegreeCounts::write(IndexFileWriter& writer, quint64* overflowCount) const
{
    // Counts from countOverflow up are given in full in the overflow pairs.
    std::vector<quint64> overflow;
    constexpr quint64 chunkSize = 1 << 16;
    std::vector<quint32> chunk(chunkSize);
    for (quint64 first = 0; first < size(); first += chunkSize) {
        const quint64 count = qMin(chunkSize, size() - first);
        for (quint64 i = 0; i < count; ++i) {
            const quint64 full = value(first + i);
            if (full >= WebGraphFormat::countOverflow)
                overflow.insert(overflow.end(), {first + i, full});
            chunk[i] = quint32(qMin<quint64>(full, WebGraphFormat::countOverflow));
        }
        if (!writer.appendU32s(chunk.data(), count))
            return false;
    }
    *overflowCount = overflow.size() / 2;
    return writer.padTo8() && writer.appendU64s(overflow.data(), overflow.size());
}
