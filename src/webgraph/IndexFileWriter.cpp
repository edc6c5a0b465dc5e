#include "webgraph/IndexFileWriter.h"

#include "base/NativeFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr qsizetype bufferCapacity = qsizetype(1) << 20;

} // namespace

IndexFileWriter::IndexFileWriter(const QString& path)
    : m_path(path)
    , m_file(QFileInfo(path).absoluteFilePath() + QStringLiteral(".XXXXXX.part"))
    , m_buffer(std::make_unique_for_overwrite<char[]>(size_t(bufferCapacity)))
{}

IndexFileWriter::~IndexFileWriter() = default;

bool IndexFileWriter::failed(const QString& what)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("cannot %1 %2: %3").arg(what, QDir::toNativeSeparators(m_path), m_file.errorString());
    return false;
}

bool IndexFileWriter::open()
{
    if (!m_file.open())
        return failed(QStringLiteral("write"));
    return true;
}

bool IndexFileWriter::flush()
{
    if (m_pending == 0)
        return true;
    if (m_file.write(m_buffer.get(), m_pending) != m_pending)
        return failed(QStringLiteral("write"));
    m_written += quint64(m_pending);
    m_pending = 0;
    return true;
}

bool IndexFileWriter::append(const void* bytes, qsizetype size)
{
    // An empty array may have no address at all.
    if (size == 0)
        return true;
    if (m_pending + size > bufferCapacity) {
        if (!flush())
            return false;
        if (size > bufferCapacity) {
            if (m_file.write(static_cast<const char*>(bytes), size) != size)
                return failed(QStringLiteral("write"));
            m_written += quint64(size);
            return true;
        }
    }
    std::memcpy(m_buffer.get() + m_pending, bytes, size_t(size));
    m_pending += size;
    return true;
}

bool IndexFileWriter::appendU64(quint64 value)
{
    uchar bytes[8];
    qToLittleEndian(value, bytes);
    return append(bytes, 8);
}

template <typename Number> static bool appendNumbers(IndexFileWriter& writer, const Number* values, quint64 count)
{
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
        return writer.append(values, qsizetype(count * sizeof(Number)));
    constexpr quint64 chunkSize = 1 << 14;
    Number chunk[chunkSize];
    for (quint64 first = 0; first < count; first += chunkSize) {
        const quint64 size = qMin(chunkSize, count - first);
        qToLittleEndian<Number>(values + first, qsizetype(size), chunk);
        if (!writer.append(chunk, qsizetype(size * sizeof(Number))))
            return false;
    }
    return true;
}

bool IndexFileWriter::appendU64s(const quint64* values, quint64 count)
{
    return appendNumbers(*this, values, count);
}

bool IndexFileWriter::appendU32s(const quint32* values, quint64 count)
{
    return appendNumbers(*this, values, count);
}

bool IndexFileWriter::padTo8()
{
    static const char zeros[8] = {};
    return append(zeros, qsizetype((8 - position() % 8) % 8));
}

bool IndexFileWriter::readAt(quint64 offset, char* to, qsizetype size)
{
    if (!flush())
        return false;
    const bool read = m_file.seek(qint64(offset)) && m_file.read(to, size) == size;
    if (!m_file.seek(qint64(m_written)) || !read)
        return failed(QStringLiteral("read back"));
    return true;
}

bool IndexFileWriter::writeAt(quint64 offset, const QByteArray& bytes)
{
    if (!flush())
        return false;
    const bool written = m_file.seek(qint64(offset)) && m_file.write(bytes) == bytes.size();
    if (!m_file.seek(qint64(m_written)) || !written)
        return failed(QStringLiteral("write"));
    return true;
}

bool IndexFileWriter::commit()
{
    if (!flush())
        return false;
    if (!m_file.flush())
        return failed(QStringLiteral("write"));
    m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                          QFileDevice::ReadOther);
    const QString temporaryPath = m_file.fileName();
    m_file.close();
    // Unlike QFile::rename, this replaces an index already there in one step.
    std::error_code error;
    std::filesystem::rename(NativeFileName::path(temporaryPath), NativeFileName::path(m_path), error);
    if (error) {
        m_error = QStringLiteral("cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(m_path), QString::fromStdString(error.message()));
        return false;
    }
    m_file.setAutoRemove(false);
    return true;
}
