#include "webgraph/LineBlockReader.h"

#include "webgraph/GrowableArray.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const char* lastNewline(const char* begin, qsizetype size)
{
    for (const char* at = begin + size; at != begin; --at) {
        if (at[-1] == '\n')
            return at - 1;
    }
    return nullptr;
}

} // namespace

template <typename Condition> void LineBlockReader::waitUntil(std::unique_lock<std::mutex>& lock, Condition condition)
{
    // A cancel request comes without a notification, so waits look again now and then.
    while (!condition())
        m_changed.wait_for(lock, std::chrono::milliseconds(50));
}

LineBlockReader::LineBlockReader(const QString& path, const std::atomic<bool>& cancel, GzipTextFile::Inflater inflater,
                                 int bufferCount)
    : m_path(path)
    , m_file(path, inflater)
    , m_cancel(cancel)
    , m_bufferCount(bufferCount <= 0 ? 0 : qMax(bufferCount, 2))
{}

LineBlockReader::~LineBlockReader()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void LineBlockReader::FreeBytes::operator()(char* bytes) const
{
    std::free(bytes);
}

bool LineBlockReader::start()
{
    if (m_started)
        return *m_started;
    m_started = m_file.open();
    if (!*m_started) {
        m_error = m_file.errorString();
        return false;
    }
    m_fileSize = m_file.fileSize();
    // Room for the newline a last line may lack, and the bytes past a
    // block that a parser may read. The buffers share one block of memory
    // in huge pages, which the first filling faults in a few hundred times
    // more cheaply than in pages of 4 KiB.
    constexpr size_t stride = roundedUp(size_t(blockCapacity + 1 + paddingBytes), 64);
    const size_t bufferCount = size_t(qMax(m_bufferCount, 1));
    const size_t bytes = roundedUp(stride * bufferCount, hugePageBytes);
    m_bytes.reset(static_cast<char*>(std::aligned_alloc(hugePageBytes, bytes)));
    if (!m_bytes)
        throw std::bad_alloc();
    adviseHugePages(m_bytes.get(), bytes);
    m_carry = std::make_unique_for_overwrite<char[]>(size_t(blockCapacity));
    m_buffers.resize(bufferCount);
    for (size_t i = 0; i < bufferCount; ++i) {
        Buffer& buffer = m_buffers[i];
        buffer.bytes = m_bytes.get() + i * stride;
        m_free.push_back(&buffer);
    }
    if (m_bufferCount > 0)
        m_thread = std::thread([this] { inflateAll(); });
    return true;
}

LineBlockReader::Buffer* LineBlockReader::takeFreeBuffer()
{
    std::unique_lock lock(m_mutex);
    waitUntil(lock, [this] { return !m_free.empty() || m_stopping || m_cancel.load(); });
    if (m_stopping || m_cancel.load())
        return nullptr;
    Buffer* buffer = m_free.front();
    m_free.pop_front();
    return buffer;
}

void LineBlockReader::hand(Buffer* buffer)
{
    {
        std::lock_guard lock(m_mutex);
        m_ready.push_back(buffer);
    }
    m_changed.notify_all();
}

void LineBlockReader::finish(const QString& error)
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_error = error;
    }
    m_changed.notify_all();
}

LineBlockReader::Fill LineBlockReader::fill(Buffer& buffer, QString& error)
{
    // Memory is first touched by the thread that fills it.
    if (!buffer.padded) {
        std::memset(buffer.bytes + blockCapacity, 0, size_t(1 + paddingBytes));
        buffer.padded = true;
    }
    std::memcpy(buffer.bytes, m_carry.get(), size_t(m_carried));
    const qsizetype read = m_file.read(buffer.bytes + m_carried, blockCapacity - m_carried);
    m_bytesRead.store(m_file.bytesRead(), std::memory_order_relaxed);
    if (read < 0) {
        error = m_file.errorString();
        return Fill::Failed;
    }
    const qsizetype filled = m_carried + read;
    if (filled < blockCapacity) {
        // The end of the file.
        m_carried = 0;
        if (filled == 0)
            return Fill::End;
        if (buffer.bytes[filled - 1] != '\n')
            buffer.bytes[filled] = '\n';
        buffer.size = buffer.bytes[filled - 1] == '\n' ? filled : filled + 1;
        std::memset(buffer.bytes + buffer.size, 0, size_t(paddingBytes));
        return Fill::Last;
    }
    const char* newline = lastNewline(buffer.bytes, filled);
    if (!newline) {
        error = QStringLiteral("a line longer than %1 MiB").arg(blockCapacity >> 20);
        return Fill::Failed;
    }
    buffer.size = newline + 1 - buffer.bytes;
    m_carried = filled - buffer.size;
    std::memcpy(m_carry.get(), newline + 1, size_t(m_carried));
    return Fill::Block;
}

void LineBlockReader::inflateAll()
{
    for (;;) {
        Buffer* buffer = takeFreeBuffer();
        if (!buffer)
            return finish({});
        QString error;
        switch (fill(*buffer, error)) {
        case Fill::Block:
            hand(buffer);
            break;
        case Fill::Last:
            hand(buffer);
            return finish({});
        case Fill::End:
            return finish({});
        case Fill::Failed:
            return finish(error);
        }
    }
}

int LineBlockReader::blocksAhead() const
{
    std::lock_guard lock(m_mutex);
    return int(m_ready.size());
}

bool LineBlockReader::next(Block& block)
{
    if (m_bufferCount == 0) {
        if (m_finished || m_cancel.load())
            return false;
        Buffer& buffer = m_buffers.front();
        QString error;
        const Fill filled = fill(buffer, error);
        if (filled != Fill::Block) {
            std::lock_guard lock(m_mutex);
            m_finished = true;
            m_error = error;
        }
        if (filled != Fill::Block && filled != Fill::Last)
            return false;
        block.begin = buffer.bytes;
        block.end = buffer.bytes + buffer.size;
        return true;
    }
    std::unique_lock lock(m_mutex);
    if (m_inUse) {
        m_free.push_back(m_inUse);
        m_inUse = nullptr;
        m_changed.notify_all();
    }
    waitUntil(lock, [this] { return !m_ready.empty() || m_finished || m_cancel.load(); });
    if (m_cancel.load() || m_ready.empty())
        return false;
    m_inUse = m_ready.front();
    m_ready.pop_front();
    block.begin = m_inUse->bytes;
    block.end = block.begin + m_inUse->size;
    return true;
}

QString LineBlockReader::errorString() const
{
    std::lock_guard lock(m_mutex);
    return m_error;
}
