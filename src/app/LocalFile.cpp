#include "app/LocalFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

namespace LocalFile {

ReadStatus readBytes(const QString& path, QByteArray& bytes, QString* error)
{
    bytes.clear();
    QFile input(path);
    if (!input.exists()) {
        setError(error, QCoreApplication::translate("LocalFile", "The file does not exist."));
        return ReadStatus::Missing;
    }
    if (!input.open(QIODevice::ReadOnly)) {
        setError(error, input.errorString());
        return ReadStatus::Failed;
    }
    bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        setError(error, input.errorString());
        bytes.clear();
        return ReadStatus::Failed;
    }
    return ReadStatus::Read;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isWritable()) {
        setError(error, QCoreApplication::translate("LocalFile", "The file is write-protected."));
        return false;
    }
    // Unbuffered, so that a short write (a full disk, a file size limit) is
    // seen here: through the write buffer it can be lost without an error.
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, output.errorString());
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = output.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            setError(error, output.errorString());
            output.cancelWriting();
            return false;
        }
        written += chunk;
    }
    if (!output.commit()) {
        setError(error, output.errorString());
        return false;
    }
    return true;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

} // namespace LocalFile
