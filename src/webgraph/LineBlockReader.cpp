#include "webgraph/LineBlockReader.h"

#include <cstring>

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
    , m_bufferCount(qMax(bufferCount, 2))
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
    m_buffers.resize(size_t(m_bufferCount));
    for (Buffer& buffer : m_buffers) {
        // Room for the newline a last line may lack, and the bytes past a
        // block that a parser may read.
        buffer.bytes = std::make_unique_for_overwrite<char[]>(size_t(blockCapacity + 1 + paddingBytes));
        std::memset(buffer.bytes.get() + blockCapacity, 0, size_t(1 + paddingBytes));
        m_free.push_back(&buffer);
    }
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

void LineBlockReader::inflateAll()
{
    // The part of a line that did not fit into the previous block.
    std::unique_ptr<char[]> carry = std::make_unique_for_overwrite<char[]>(size_t(blockCapacity));
    qsizetype carried = 0;
    for (;;) {
        Buffer* buffer = takeFreeBuffer();
        if (!buffer)
            return finish({});
        std::memcpy(buffer->bytes.get(), carry.get(), size_t(carried));
        const qsizetype read = m_file.read(buffer->bytes.get() + carried, blockCapacity - carried);
        m_bytesRead.store(m_file.bytesRead(), std::memory_order_relaxed);
        if (read < 0)
            return finish(m_file.errorString());
        const qsizetype filled = carried + read;
        if (filled < blockCapacity) {
            // The end of the file.
            if (filled == 0)
                return finish({});
            if (buffer->bytes[filled - 1] != '\n')
                buffer->bytes[filled] = '\n';
            buffer->size = buffer->bytes[filled - 1] == '\n' ? filled : filled + 1;
            std::memset(buffer->bytes.get() + buffer->size, 0, size_t(paddingBytes));
            hand(buffer);
            return finish({});
        }
        const char* newline = lastNewline(buffer->bytes.get(), filled);
        if (!newline)
            return finish(QStringLiteral("a line longer than %1 MiB").arg(blockCapacity >> 20));
        buffer->size = newline + 1 - buffer->bytes.get();
        carried = filled - buffer->size;
        std::memcpy(carry.get(), newline + 1, size_t(carried));
        hand(buffer);
    }
}

bool LineBlockReader::next(Block& block)
{
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
    block.begin = m_inUse->bytes.get();
    block.end = block.begin + m_inUse->size;
    return true;
}

QString LineBlockReader::errorString() const
{
    std::lock_guard lock(m_mutex);
    return m_error;
}
