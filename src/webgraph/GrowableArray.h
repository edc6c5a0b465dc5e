#pragma once

#include <QtGlobal>

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

// An array of plain numbers that grows with realloc. For the graph's large
// arrays, whose final size is unknown while the input streams by: a big
// block grows in place (the C library remaps its pages), so growing never
// holds the old and the new copy at once, and capacity not yet written to
// takes no memory. Throws std::bad_alloc when memory runs out.
template <typename T> class GrowableArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowableArray() = default;
    explicit GrowableArray(quint64 size) { resize(size); }
    ~GrowableArray() { std::free(m_data); }
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
    void reallocate(quint64 capacity)
    {
        if (capacity > quint64(SIZE_MAX) / sizeof(T))
            throw std::bad_alloc();
        void* data = std::realloc(static_cast<void*>(m_data), size_t(capacity) * sizeof(T));
        if (!data)
            throw std::bad_alloc();
        m_data = static_cast<T*>(data);
        m_capacity = capacity;
    }

    T* m_data = nullptr;
    quint64 m_size = 0;
    quint64 m_capacity = 0;
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
