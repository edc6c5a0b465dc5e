#include "base/LocalFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArrayView byteOrderMark("\xEF\xBB\xBF");

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

QStringConverter::Encoding textEncoding()
{
#ifdef Q_OS_WIN
    return QStringConverter::System;
#else
    return QStringConverter::Latin1;
#endif
}

QString decode(const QByteArray& bytes)
{
    const QByteArrayView text = bytes.startsWith(byteOrderMark) ? QByteArrayView(bytes).sliced(3) : bytes;
    QStringDecoder decoder(textEncoding());
    return decoder.decode(text);
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(textEncoding());
    return encoder.encode(text);
}

QByteArray encodeFile(const QString& text)
{
    QByteArray bytes = encode(text);
    if (bytes.startsWith(byteOrderMark))
        bytes.prepend(byteOrderMark);
    return bytes;
}

bool isEncodable(const QString& text, QString* error)
{
    QStringDecoder decoder(textEncoding());
    if (decoder.decode(encode(text)) == text)
        return true;
    const QString encodingName = textEncoding() == QStringConverter::Latin1
                                     ? QStringLiteral("Latin-1")
                                     : QCoreApplication::translate("LocalFile", "the system's code page");
    setError(error, QCoreApplication::translate("LocalFile", "\"%1\" holds characters that cannot be written in the "
                                                             "file's encoding (%2).")
                        .arg(text, encodingName));
    return false;
}

} // namespace LocalFile
