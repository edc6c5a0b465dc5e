#pragma once

#include <QtGlobal>

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

constexpr size_t pageBytes = 4096;
constexpr size_t hugePageBytes = size_t(2) << 20;

constexpr size_t roundedUp(size_t bytes, size_t multiple)
{
    return (bytes + multiple - 1) / multiple * multiple;
}

// Asks for huge pages for a large block of memory where the system gives
// them on request: every first touch of a page costs a fault, and in a
// virtual machine a costly one, and a huge page takes 512 times fewer.
inline void adviseHugePages(void* data, size_t bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    if (bytes < 2 * hugePageBytes)
        return;
    const auto begin = roundedUp(reinterpret_cast<quintptr>(data), pageBytes);
    const auto end = (reinterpret_cast<quintptr>(data) + bytes) / pageBytes * pageBytes;
    madvise(reinterpret_cast<void*>(begin), size_t(end - begin), MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

// An array of plain numbers for the graph's large arrays, whose final size
// is unknown while the input streams by. A big block is mapped pages of its
// own and grows by remapping them, never by copying, so growing never holds
// the old and the new copy at once, and capacity not yet written to takes
// no memory. (The C library's realloc remaps only blocks above a threshold
// that rises as large blocks are freed, and copies below it.) Throws
// std::bad_alloc when memory runs out.
template <typename T> class GrowableArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowableArray() = default;
    explicit GrowableArray(quint64 size) { resize(size); }
    ~GrowableArray() { release(); }
    GrowableArray(GrowableArray&& other) noexcept { swap(other); }
    GrowableArray& operator=(GrowableArray&& other) noexcept
    {
        GrowableArray(std::move(other)).swap(*this);
        return *this;
    }
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;

    void swap(GrowableArray& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_mapped, other.m_mapped);
    }

    quint64 size() const { return m_size; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](quint64 i) { return m_data[i]; }
    const T& operator[](quint64 i) const { return m_data[i]; }

    void append(T value)
    {
        if (m_size == m_capacity)
            reallocate(m_capacity < 1024 ? 1024 : m_capacity + m_capacity / 2);
        m_data[m_size++] = value;
    }

    // New elements are zero.
    void resize(quint64 size)
    {
        if (size > m_capacity)
            reallocate(qMax(size, m_capacity + m_capacity / 2));
        if (size > m_size)
            std::memset(static_cast<void*>(m_data + m_size), 0, size_t(size - m_size) * sizeof(T));
        m_size = size;
    }

    void shrinkToFit()
    {
        if (m_size < m_capacity && m_size > 0)
            reallocate(m_size);
    }

    void clear() { GrowableArray().swap(*this); }

private:
    static constexpr size_t mappedFrom = size_t(1) << 20;

    void reallocate(quint64 capacity)
    {
        if (capacity > quint64(SIZE_MAX - pageBytes) / sizeof(T))
            throw std::bad_alloc();
        const size_t bytes = size_t(capacity) * sizeof(T);
#ifdef Q_OS_LINUX
        if (m_mapped || bytes >= mappedFrom) {
            const size_t mappedBytes = roundedUp(bytes, pageBytes);
            void* data = m_mapped
                             ? mremap(m_data, mappedSize(), mappedBytes, MREMAP_MAYMOVE)
                             : mmap(nullptr, mappedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (data == MAP_FAILED)
                throw std::bad_alloc();
            if (!m_mapped) {
                std::memcpy(data, static_cast<const void*>(m_data), size_t(m_size) * sizeof(T));
                std::free(m_data);
            }
            m_data = static_cast<T*>(data);
            m_capacity = capacity;
            m_mapped = true;
            adviseHugePages(data, mappedBytes);
            return;
        }
#endif
        void* data = std::realloc(static_cast<void*>(m_data), bytes);
        if (!data)
            throw std::bad_alloc();
        m_data = static_cast<T*>(data);
        m_capacity = capacity;
    }

    size_t mappedSize() const
    {
        return roundedUp(size_t(m_capacity) * sizeof(T), pageBytes);
    }

    void release()
    {
#ifdef Q_OS_LINUX
        if (m_mapped) {
            munmap(m_data, mappedSize());
            return;
        }
#endif
        std::free(m_data);
    }

    T* m_data = nullptr;
    quint64 m_size = 0;
    quint64 m_capacity = 0;
    bool m_mapped = false;
};

// Asks for the memory at `address` ahead of its use, so that several
// misses overlap.
inline void prefetchForWrite(const void* address)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address, 1);
#else
    Q_UNUSED(address);
#endif
}
