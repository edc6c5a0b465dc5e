#include "webgraph/VertexKeyTable.h"

#include "webgraph/IndexFileWriter.h"

#include <algorithm>
#include <array>

namespace {

// Sorts in place by the byte at `shift` and then the bytes below it, in
// the manner of a most-significant-digit radix sort: the hashes' top bytes
// are evenly spread, so each pass splits a range into 256 nearly equal
// parts and the small ones are left to std::sort.
void radixSort(quint64* keys, quint64 count, int shift, const std::atomic<bool>* stop)
{
    if (count < 256 || shift < 0) {
        std::sort(keys, keys + count);
        return;
    }
    std::array<quint64, 256> starts{};
    for (quint64 i = 0; i < count; ++i)
        ++starts[(keys[i] >> shift) & 0xFF];
    std::array<quint64, 256> ends{};
    quint64 sum = 0;
    for (int digit = 0; digit < 256; ++digit) {
        const quint64 size = starts[digit];
        starts[digit] = sum;
        sum += size;
        ends[digit] = sum;
    }
    std::array<quint64, 256> next = starts;
    for (int digit = 0; digit < 256; ++digit) {
        while (next[digit] < ends[digit]) {
            quint64 key = keys[next[digit]];
            int keyDigit = int((key >> shift) & 0xFF);
            while (keyDigit != digit) {
                std::swap(key, keys[next[keyDigit]++]);
                keyDigit = int((key >> shift) & 0xFF);
            }
            keys[next[digit]++] = key;
        }
    }
    for (int digit = 0; digit < 256; ++digit) {
        if (stop && stop->load(std::memory_order_relaxed))
            return;
        radixSort(keys + starts[digit], ends[digit] - starts[digit], shift - 8, stop);
    }
}

} // namespace

VertexKeyTable::VertexKeyTable(GrowableArray<quint64> hashes, const std::atomic<bool>* stop)
    : m_keys(std::move(hashes))
{
    const quint64 n = m_keys.size();
    m_keys.shrinkToFit();
    m_idBits = WebGraphFormat::idBitsFor(n);
    m_bucketBits = WebGraphFormat::bucketBitsFor(n);
    const quint64 mask = WebGraphFormat::idMask(m_idBits);
    for (quint64 id = 0; id < n; ++id)
        m_keys[id] = (m_keys[id] & ~mask) | id;
    radixSort(m_keys.data(), n, 56, stop);
    if (stop && stop->load()) {
        m_complete = false;
        return;
    }

    m_bucketStarts.assign(WebGraphFormat::bucketCount(m_bucketBits) + 1, 0);
    for (quint64 i = 0; i < n; ++i)
        ++m_bucketStarts[bucketOf(m_keys[i]) + 1];
    for (quint64 bucket = 1; bucket < m_bucketStarts.size(); ++bucket)
        m_bucketStarts[bucket] += m_bucketStarts[bucket - 1];
}

VertexKeyTable::Range VertexKeyTable::candidates(quint64 hash) const
{
    const quint64 mask = WebGraphFormat::idMask(m_idBits);
    const quint64 wanted = hash & ~mask;
    const quint64 bucket = bucketOf(hash);
    quint64 first = m_bucketStarts[bucket];
    const quint64 last = m_bucketStarts[bucket + 1];
    while (first < last && (m_keys[first] & ~mask) < wanted)
        ++first;
    quint64 end = first;
    while (end < last && (m_keys[end] & ~mask) == wanted)
        ++end;
    return {first, end};
}

bool VertexKeyTable::write(IndexFileWriter& writer) const
{
    return writer.appendU64s(m_bucketStarts.data(), m_bucketStarts.size()) &&
           writer.appendU64s(m_keys.data(), m_keys.size());
}
