#pragma once

#include "webgraph/GrowableArray.h"

#include <unordered_map>

class IndexFileWriter;

// One in-degree per vertex in 4 bytes, exact beyond 2^32 - 1 too: a count
// that wraps around adds one to its vertex's entry in a small map of high
// parts.
class InDegreeCounts
{
public:
    explicit InDegreeCounts(quint64 vertexCount = 0)
        : m_low(vertexCount)
    {}

    quint64 size() const { return m_low.size(); }

    // One edge to each of the ids (all below size()). The counters are
    // fetched ahead, so that their cache misses overlap rather than queue.
    void addEdgesTo(const quint64* ids, qsizetype count)
    {
        quint32* low = m_low.data();
        for (qsizetype i = 0; i < count; ++i)
            prefetchForWrite(low + ids[i]);
        for (qsizetype i = 0; i < count; ++i) {
            if (++low[ids[i]] == 0)
                ++m_high[ids[i]];
        }
    }
    // The count of the next vertex, for counts made elsewhere.
    void append(quint64 count)
    {
        if (count >> 32)
            m_high[m_low.size()] = count >> 32;
        m_low.append(quint32(count));
    }

    quint64 value(quint64 id) const
    {
        if (m_high.empty())
            return m_low[id];
        const auto high = m_high.find(id);
        return (high == m_high.end() ? 0 : high->second << 32) | m_low[id];
    }
    // The counts and their overflow, as the index file holds them.
    bool write(IndexFileWriter& writer, quint64* overflowCount) const;

    void clear()
    {
        m_low.clear();
        m_high.clear();
    }

private:
    GrowableArray<quint32> m_low;
    std::unordered_map<quint64, quint64> m_high;
};
