#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

// Writes a gzip file as one member or several one after another, as the
// published graph files and many parallel compressors make them.
class GzipFileWriter
{
public:
    explicit GzipFileWriter(const QString& path, int level = 6);
    ~GzipFileWriter();
    GzipFileWriter(const GzipFileWriter&) = delete;
    GzipFileWriter& operator=(const GzipFileWriter&) = delete;

    bool open();
    bool write(QByteArrayView text);
    // Ends the current member; the next write starts another.
    bool endMember();
    // Ends the last member and closes the file.
    bool close();
    QString errorString() const { return m_error; }

private:
    struct Stream;
    bool deflateInto(QByteArrayView text, bool finish);

    QFile m_file;
    int m_level;
    std::unique_ptr<Stream> m_stream;
    bool m_inMember = false;
    QString m_error;
};
