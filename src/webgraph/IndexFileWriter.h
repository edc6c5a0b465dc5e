#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// Writes an index into a temporary file in the folder of its final path
// and puts it in place with one rename at the end, so that an index there
// before stays whole until the new one is complete. A writer destroyed
// before commit() removes its temporary file: a failed or cancelled build
// leaves nothing behind.
class IndexFileWriter
{
public:
    explicit IndexFileWriter(const QString& path);
    ~IndexFileWriter();
    IndexFileWriter(const IndexFileWriter&) = delete;
    IndexFileWriter& operator=(const IndexFileWriter&) = delete;

    bool open();
    quint64 position() const { return m_written + quint64(m_pending); }

    // Appends through a buffer of its own.
    bool append(const void* bytes, qsizetype size);
    bool appendU64(quint64 value);
    // Arrays of numbers, in the file's byte order (little-endian).
    bool appendU64s(const quint64* values, quint64 count);
    bool appendU32s(const quint32* values, quint64 count);
    bool padTo8();
    // Bytes written before; the buffer is written out first.
    bool readAt(quint64 offset, char* to, qsizetype size);
    bool writeAt(quint64 offset, const QByteArray& bytes);
    // Writes out, closes and renames over the final path.
    bool commit();

    QString errorString() const { return m_error; }

private:
    bool flush();
    bool failed(const QString& what);

    QString m_path;
    QTemporaryFile m_file;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_pending = 0;
    quint64 m_written = 0;
    QString m_error;
};
