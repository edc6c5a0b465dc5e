#pragma once

#include "webgraph/GrowableArray.h"
#include "webgraph/WebGraphFormat.h"

#include <atomic>
#include <vector>

class IndexFileWriter;

// The graph's lookup table while an index is built: one 64-bit key per
// vertex (the name's hash with its low bits replaced by the id), sorted,
// and where each hash bucket starts. The index file holds the same two
// arrays. 8 bytes a vertex and 1 a bucket of eight.
class VertexKeyTable
{
public:
    // From the names' hashes, by id. Setting `stop` cuts the sorting short,
    // leaving a table that is not complete().
    explicit VertexKeyTable(GrowableArray<quint64> hashes, const std::atomic<bool>* stop = nullptr);
    bool complete() const { return m_complete; }

    quint64 vertexCount() const { return m_keys.size(); }
    int idBits() const { return m_idBits; }
    int bucketBits() const { return m_bucketBits; }
    const GrowableArray<quint64>& keys() const { return m_keys; }
    const std::vector<quint64>& bucketStarts() const { return m_bucketStarts; }

    // Calls visit(idA, idB) for two ids whose names have the same hash,
    // each such pair once: the only ones that can be the same name.
    template <typename Visit> void forEachSharedHash(Visit visit) const
    {
        const quint64 mask = WebGraphFormat::idMask(m_idBits);
        quint64 runStart = 0;
        for (quint64 i = 1; i <= m_keys.size(); ++i) {
            if (i < m_keys.size() && (m_keys[i] & ~mask) == (m_keys[runStart] & ~mask))
                continue;
            for (quint64 a = runStart; a < i; ++a) {
                for (quint64 b = a + 1; b < i; ++b)
                    visit(m_keys[a] & mask, m_keys[b] & mask);
            }
            runStart = i;
        }
    }

    // The first and past-the-last key of the name hash's candidates.
    struct Range
    {
        quint64 first = 0;
        quint64 last = 0;
    };
    Range candidates(quint64 hash) const;
    quint64 idAt(quint64 position) const { return m_keys[position] & WebGraphFormat::idMask(m_idBits); }
    // The buckets' starts and the keys, as the index file holds them.
    bool write(IndexFileWriter& writer) const;

    void prefetchBucket(quint64 hash) const { prefetchForWrite(&m_bucketStarts[bucketOf(hash)]); }
    void prefetchKeys(quint64 hash) const { prefetchForWrite(&m_keys[m_bucketStarts[bucketOf(hash)]]); }

private:
    quint64 bucketOf(quint64 hash) const { return WebGraphFormat::bucketOf(hash, m_bucketBits); }

    GrowableArray<quint64> m_keys;
    std::vector<quint64> m_bucketStarts;
    int m_idBits = 1;
    int m_bucketBits = 0;
    bool m_complete = true;
};
