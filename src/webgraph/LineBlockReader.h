#pragma once

#include "webgraph/GzipTextFile.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Reads a text file, inflating it, and hands the text over in blocks of
// whole lines. With buffers it reads on a thread of its own, so that the
// inflating on one core and the caller's parsing on another go on at the
// same time; without, it reads on the caller's thread as each block is
// asked for, which suits work that only fills another loop's waits. Every
// block ends with '\n' (a file whose last line has none gets one), and at
// least paddingBytes more bytes may be read after it.
class LineBlockReader
{
public:
    struct Block
    {
        const char* begin = nullptr;
        const char* end = nullptr;
    };

    // More buffers let the inflating run further ahead of the parsing;
    // none reads on the caller's thread.
    LineBlockReader(const QString& path, const std::atomic<bool>& cancel,
                    GzipTextFile::Inflater inflater = GzipTextFile::fastestInflater(), int bufferCount = 4);
    ~LineBlockReader();
    LineBlockReader(const LineBlockReader&) = delete;
    LineBlockReader& operator=(const LineBlockReader&) = delete;

    // Opens the file and starts reading; false with errorString() when the
    // file cannot be read. Calls after the first give its answer again.
    bool start();
    QString path() const { return m_path; }
    qint64 fileSize() const { return m_fileSize; }
    qint64 bytesRead() const { return m_bytesRead.load(std::memory_order_relaxed); }

    // The next block, valid until the next call; false at the end of the
    // file, on an error (errorString() says which) and once cancelled.
    bool next(Block& block);
    // The blocks inflated and not yet taken: work the inflating has done
    // ahead, which lets the caller turn to something else for a while.
    int blocksAhead() const;
    int bufferCount() const { return m_bufferCount; }
    QString errorString() const;

    // The largest line a block can hold.
    static constexpr qsizetype blockCapacity = qsizetype(1) << 20;
    static constexpr qsizetype paddingBytes = 32;

private:
    struct Buffer
    {
        char* bytes = nullptr;
        qsizetype size = 0;
        bool padded = false;
    };
    struct FreeBytes
    {
        void operator()(char* bytes) const;
    };
    enum class Fill { Block, Last, End, Failed };

    void inflateAll();
    // Reads the next block into the buffer, after the part of a line the
    // previous block could not hold.
    Fill fill(Buffer& buffer, QString& error);
    // Waits for a free buffer; null once cancelled or stopped.
    Buffer* takeFreeBuffer();
    void hand(Buffer* buffer);
    void finish(const QString& error);
    template <typename Condition> void waitUntil(std::unique_lock<std::mutex>& lock, Condition condition);

    const QString m_path;
    GzipTextFile m_file;
    const std::atomic<bool>& m_cancel;
    const int m_bufferCount;
    std::optional<bool> m_started;
    qint64 m_fileSize = 0;
    std::atomic<qint64> m_bytesRead{0};

    std::unique_ptr<char[], FreeBytes> m_bytes;
    std::unique_ptr<char[]> m_carry;
    qsizetype m_carried = 0;
    std::vector<Buffer> m_buffers;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Buffer*> m_free;
    std::deque<Buffer*> m_ready;
    Buffer* m_inUse = nullptr;
    bool m_finished = false;
    bool m_stopping = false;
    QString m_error;
    std::thread m_thread;
};
