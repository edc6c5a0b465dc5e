#include "webgraph/GzipTextFile.h"

#include <cstring>

#if QUORVEX_HAVE_ISAL
#include <isa-l/igzip_lib.h>
#endif
#if QUORVEX_HAVE_ZLIB
#include <zlib.h>
#endif

// Inflates gzip members; after a member's end it is ready for the next.
class GzipInflaterEngine
{
public:
    virtual ~GzipInflaterEngine() = default;

    struct Step
    {
        qsizetype consumed = 0;
        qsizetype produced = 0;
        bool memberEnded = false;
        QString error;
    };
    virtual Step inflate(const uchar* input, qsizetype inputSize, char* output, qsizetype outputSize) = 0;
};

namespace {

constexpr qsizetype inputCapacity = qsizetype(1) << 20;

// The sizes fit the libraries' 32-bit counters: the input buffer holds
// 1 MiB, and callers ask for far less than 4 GiB at a time.
uint asCounter(qsizetype size)
{
    return uint(qMin<qsizetype>(size, 0x40000000));
}

#if QUORVEX_HAVE_ISAL
class IsalEngine : public GzipInflaterEngine
{
public:
    IsalEngine()
        : m_state(std::make_unique<inflate_state>())
    {
        reset();
    }

    Step inflate(const uchar* input, qsizetype inputSize, char* output, qsizetype outputSize) override
    {
        m_state->next_in = const_cast<uchar*>(input);
        m_state->avail_in = asCounter(inputSize);
        m_state->next_out = reinterpret_cast<uchar*>(output);
        m_state->avail_out = asCounter(outputSize);
        const uint inputBefore = m_state->avail_in;
        const uint outputBefore = m_state->avail_out;
        const int result = isal_inflate(m_state.get());
        Step step;
        step.consumed = inputBefore - m_state->avail_in;
        step.produced = outputBefore - m_state->avail_out;
        if (result != ISAL_DECOMP_OK) {
            step.error = result == ISAL_INCORRECT_CHECKSUM ? QStringLiteral("the compressed data fail their checksum")
                                                           : QStringLiteral("damaged compressed data");
            return step;
        }
        if (m_state->block_state == ISAL_BLOCK_FINISH) {
            step.memberEnded = true;
            reset();
        }
        return step;
    }

private:
    void reset()
    {
        isal_inflate_init(m_state.get());
        m_state->crc_flag = ISAL_GZIP;
    }

    std::unique_ptr<inflate_state> m_state;
};
#endif

#if QUORVEX_HAVE_ZLIB
class ZlibEngine : public GzipInflaterEngine
{
public:
    ZlibEngine()
    {
        // 15 bits of window, plus 16: a gzip wrapper.
        m_ready = inflateInit2(&m_stream, 15 + 16) == Z_OK;
    }
    ~ZlibEngine() override
    {
        if (m_ready)
            inflateEnd(&m_stream);
    }

    Step inflate(const uchar* input, qsizetype inputSize, char* output, qsizetype outputSize) override
    {
        Step step;
        if (!m_ready) {
            step.error = QStringLiteral("out of memory");
            return step;
        }
        m_stream.next_in = const_cast<uchar*>(input);
        m_stream.avail_in = asCounter(inputSize);
        m_stream.next_out = reinterpret_cast<Bytef*>(output);
        m_stream.avail_out = asCounter(outputSize);
        const uint inputBefore = m_stream.avail_in;
        const uint outputBefore = m_stream.avail_out;
        const int result = ::inflate(&m_stream, Z_NO_FLUSH);
        step.consumed = inputBefore - m_stream.avail_in;
        step.produced = outputBefore - m_stream.avail_out;
        if (result == Z_STREAM_END) {
            step.memberEnded = true;
            inflateReset(&m_stream);
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            // zlib's words for a member whose data and checksum disagree.
            const bool checksum = m_stream.msg && (std::strcmp(m_stream.msg, "incorrect data check") == 0 ||
                                                   std::strcmp(m_stream.msg, "incorrect length check") == 0);
            step.error = result == Z_DATA_ERROR && checksum ? QStringLiteral("the compressed data fail their checksum")
                                                            : QStringLiteral("damaged compressed data");
        }
        return step;
    }

private:
    z_stream m_stream{};
    bool m_ready = false;
};
#endif

std::unique_ptr<GzipInflaterEngine> makeEngine(GzipTextFile::Inflater inflater)
{
    switch (inflater) {
    case GzipTextFile::Inflater::Isal:
#if QUORVEX_HAVE_ISAL
        return std::make_unique<IsalEngine>();
#else
        break;
#endif
    case GzipTextFile::Inflater::Zlib:
#if QUORVEX_HAVE_ZLIB
        return std::make_unique<ZlibEngine>();
#else
        break;
#endif
    }
    return nullptr;
}

} // namespace

QList<GzipTextFile::Inflater> GzipTextFile::availableInflaters()
{
    QList<Inflater> inflaters;
#if QUORVEX_HAVE_ISAL
    inflaters.append(Inflater::Isal);
#endif
#if QUORVEX_HAVE_ZLIB
    inflaters.append(Inflater::Zlib);
#endif
    return inflaters;
}

GzipTextFile::Inflater GzipTextFile::fastestInflater()
{
    return availableInflaters().value(0, Inflater::Zlib);
}

GzipTextFile::GzipTextFile(const QString& path, Inflater inflater)
    : m_file(path)
    , m_engine(makeEngine(inflater))
{}

GzipTextFile::~GzipTextFile() = default;

bool GzipTextFile::open()
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        return false;
    }
    m_input = std::make_unique_for_overwrite<uchar[]>(size_t(inputCapacity));
    if (!refill()) {
        m_error = m_file.errorString();
        return false;
    }
    m_compressed = m_inputEnd >= 2 && m_input[0] == 0x1F && m_input[1] == 0x8B;
    if (m_compressed && !m_engine) {
        m_error = QStringLiteral("no gzip inflater is built into this program");
        return false;
    }
    return true;
}

bool GzipTextFile::refill()
{
    // What is left moves to the front, and the rest of the buffer is read.
    const qsizetype left = m_inputEnd - m_inputBegin;
    std::memmove(m_input.get(), m_input.get() + m_inputBegin, size_t(left));
    m_inputBegin = 0;
    m_inputEnd = left;
    const qint64 read = m_file.read(reinterpret_cast<char*>(m_input.get()) + left, inputCapacity - left);
    if (read < 0)
        return false;
    m_inputEnd += qsizetype(read);
    m_bytesRead += read;
    m_atEnd = read == 0;
    return true;
}

qsizetype GzipTextFile::fail(const QString& error)
{
    m_error = error;
    return -1;
}

qsizetype GzipTextFile::read(char* to, qsizetype capacity)
{
    if (!m_error.isEmpty())
        return -1;
    qsizetype produced = 0;
    while (produced < capacity) {
        if (m_inputBegin == m_inputEnd && !m_atEnd && !refill())
            return fail(m_file.errorString());
        const qsizetype available = m_inputEnd - m_inputBegin;
        if (!m_compressed) {
            if (available == 0)
                break;
            const qsizetype copied = qMin(available, capacity - produced);
            std::memcpy(to + produced, m_input.get() + m_inputBegin, size_t(copied));
            m_inputBegin += copied;
            produced += copied;
            continue;
        }
        // The end of the file is only an end between members.
        if (available == 0 && !m_inMember)
            break;
        if (available > 0)
            m_inMember = true;
        const GzipInflaterEngine::Step step =
            m_engine->inflate(m_input.get() + m_inputBegin, available, to + produced, capacity - produced);
        m_inputBegin += step.consumed;
        produced += step.produced;
        if (!step.error.isEmpty())
            return fail(step.error);
        if (step.memberEnded) {
            m_inMember = false;
            continue;
        }
        if (step.consumed == 0 && step.produced == 0) {
            if (m_atEnd)
                return fail(QStringLiteral("the compressed data end early (the file is cut short)"));
            if (m_inputEnd - m_inputBegin == inputCapacity)
                return fail(QStringLiteral("damaged compressed data"));
            if (!refill())
                return fail(m_file.errorString());
        }
    }
    return produced;
}
