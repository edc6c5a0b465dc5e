#include "GzipFileWriter.h"

#include <zlib.h>

struct GzipFileWriter::Stream
{
    z_stream zlib{};
    bool ready = false;
};

GzipFileWriter::GzipFileWriter(const QString& path, int level)
    : m_file(path)
    , m_level(level)
    , m_stream(std::make_unique<Stream>())
{}

GzipFileWriter::~GzipFileWriter()
{
    if (m_stream->ready)
        deflateEnd(&m_stream->zlib);
}

bool GzipFileWriter::open()
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = m_file.errorString();
        return false;
    }
    // 15 bits of window, plus 16: a gzip wrapper.
    m_stream->ready = deflateInit2(&m_stream->zlib, m_level, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    if (!m_stream->ready)
        m_error = QStringLiteral("cannot start a gzip stream");
    return m_stream->ready;
}

bool GzipFileWriter::deflateInto(QByteArrayView text, bool finish)
{
    char output[1 << 16];
    z_stream& zlib = m_stream->zlib;
    zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    zlib.avail_in = uInt(text.size());
    int result = Z_OK;
    do {
        zlib.next_out = reinterpret_cast<Bytef*>(output);
        zlib.avail_out = sizeof output;
        result = deflate(&zlib, finish ? Z_FINISH : Z_NO_FLUSH);
        const qint64 produced = qint64(sizeof output) - zlib.avail_out;
        if (m_file.write(output, produced) != produced) {
            m_error = m_file.errorString();
            return false;
        }
    } while (zlib.avail_in > 0 || (finish && result != Z_STREAM_END));
    if (finish)
        deflateReset(&zlib);
    return true;
}

bool GzipFileWriter::write(QByteArrayView text)
{
    m_inMember = true;
    // deflate() takes 32-bit sizes.
    for (qsizetype at = 0; at < text.size(); at += 1 << 30) {
        if (!deflateInto(text.sliced(at, qMin<qsizetype>(text.size() - at, 1 << 30)), false))
            return false;
    }
    return true;
}

bool GzipFileWriter::endMember()
{
    if (!m_inMember)
        return true;
    m_inMember = false;
    return deflateInto({}, true);
}

bool GzipFileWriter::close()
{
    // An empty file still holds one (empty) member.
    const bool ended = (m_inMember || m_file.pos() == 0) ? deflateInto({}, true) : true;
    m_inMember = false;
    m_file.close();
    return ended && m_file.error() == QFileDevice::NoError;
}
