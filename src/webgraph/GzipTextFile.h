#pragma once

#include <QFile>
#include <QString>

#include <memory>

class GzipInflaterEngine;

// Reads a text file piece by piece, inflating it when it is gzip data (one
// member or several one after another) and passing it through otherwise.
// The data must end with a whole member: a file cut short is an error.
class GzipTextFile
{
public:
    // The inflaters built into this program; ISA-L's is the faster one.
    enum class Inflater { Isal, Zlib };
    static QList<Inflater> availableInflaters();
    static Inflater fastestInflater();

    explicit GzipTextFile(const QString& path, Inflater inflater = fastestInflater());
    ~GzipTextFile();
    GzipTextFile(const GzipTextFile&) = delete;
    GzipTextFile& operator=(const GzipTextFile&) = delete;

    bool open();
    qint64 fileSize() const { return m_file.size(); }
    // Bytes of the file read so far, compressed or not.
    qint64 bytesRead() const { return m_bytesRead; }

    // Fills `to` with up to `capacity` bytes of text: fewer only at the end,
    // 0 at the end, -1 on an error.
    qsizetype read(char* to, qsizetype capacity);
    QString errorString() const { return m_error; }

private:
    bool refill();
    qsizetype fail(const QString& error);

    QFile m_file;
    std::unique_ptr<GzipInflaterEngine> m_engine;
    std::unique_ptr<uchar[]> m_input;
    qsizetype m_inputBegin = 0;
    qsizetype m_inputEnd = 0;
    qint64 m_bytesRead = 0;
    bool m_atEnd = false;
    bool m_compressed = false;
    bool m_inMember = false;
    QString m_error;
};
