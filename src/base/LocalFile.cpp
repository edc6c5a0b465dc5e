#include "base/LocalFile.h"

#include "base/NativeFileName.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const QByteArrayView byteOrderMark("\xEF\xBB\xBF");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString translated(const char* text)
{
    return QCoreApplication::translate("LocalFile", text);
}

// What a save does with what is at the path.
enum class Target {
    // Nothing, or a regular file: replaced through a temporary file, so a
    // failed write leaves the old file whole.
    Replaceable,
    // A character device or a FIFO (/dev/null, /dev/stdout, a pipe):
    // written as it is. Replacing it with a regular file would take the
    // device away from everyone else, and the reader would get nothing.
    Stream,
    // A folder, a socket, a block device: no file of ours goes there.
    Refused,
};

Target targetOf(const QString& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // Follows links: a link to /dev/null is /dev/null.
    switch (fs::status(NativeFileName::path(path), error).type()) {
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::regular:
        return Target::Replaceable;
    case fs::file_type::character:
    case fs::file_type::fifo:
        return Target::Stream;
    default:
        return Target::Refused;
    }
}

// Opens the file in Qt's way when Qt can spell its name, else through the
// C library with the name's own bytes.
bool openFile(QFile& file, const QString& path, QIODevice::OpenMode mode, const char* cMode, QString* error)
{
    if (NativeFileName::isQtSpellable(path)) {
        file.setFileName(path);
        if (file.open(mode))
            return true;
        setError(error, file.errorString());
        return false;
    }
    std::FILE* handle = std::fopen(NativeFileName::encode(path).constData(), cMode);
    if (!handle) {
        setError(error, qt_error_string(errno));
        return false;
    }
    if (file.open(handle, mode, QFileDevice::AutoCloseHandle))
        return true;
    setError(error, file.errorString());
    std::fclose(handle);
    return false;
}

bool writeAll(QFileDevice& output, const QByteArray& bytes, QString* error)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = output.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            setError(error, output.errorString());
            return false;
        }
        written += chunk;
    }
    return true;
}

// Writes a device or FIFO in place.
bool writeStream(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile output;
    if (!openFile(output, path, QIODevice::WriteOnly | QIODevice::Unbuffered, "wb", error))
        return false;
    if (!writeAll(output, bytes, error) || !output.flush()) {
        setError(error, output.errorString());
        return false;
    }
    output.close();
    if (output.error() != QFileDevice::NoError) {
        setError(error, output.errorString());
        return false;
    }
    return true;
}

// QSaveFile's way for a name it cannot spell: a new file beside the target,
// renamed over it once written whole.
bool replaceUnspellable(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString temporary =
        path + QStringLiteral(".new-") + QString::number(QRandomGenerator::global()->generate(), 36);
    QFile output;
    // "x": never a file that is there already.
    if (!openFile(output, temporary, QIODevice::WriteOnly, "wbx", error))
        return false;
    bool written = writeAll(output, bytes, error) && output.flush();
    output.close();
    written = written && output.error() == QFileDevice::NoError;
    std::error_code renameError;
    if (written)
        std::filesystem::rename(NativeFileName::path(temporary), NativeFileName::path(path), renameError);
    if (written && !renameError)
        return true;
    if (written)
        setError(error, QString::fromStdString(renameError.message()));
    else
        setError(error, output.errorString());
    std::filesystem::remove(NativeFileName::path(temporary), renameError);
    return false;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    if (!NativeFileName::isQtSpellable(path))
        return replaceUnspellable(path, bytes, error);
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) {
        setError(error, translated("The file is write-protected."));
        return false;
    }
    // Unbuffered, so that a short write (a full disk, a file size limit) is
    // seen here: through the write buffer it can be lost without an error.
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, output.errorString());
        return false;
    }
    if (!writeAll(output, bytes, error)) {
        output.cancelWriting();
        return false;
    }
    if (!output.commit()) {
        setError(error, output.errorString());
        return false;
    }
    return true;
}

} // namespace

namespace LocalFile {

ReadStatus readBytes(const QString& path, QByteArray& bytes, QString* error, qint64 sizeLimit)
{
    bytes.clear();
    std::error_code statusError;
    if (!std::filesystem::exists(NativeFileName::path(path), statusError) && !statusError) {
        setError(error, translated("The file does not exist."));
        return ReadStatus::Missing;
    }
    QFile input;
    if (!openFile(input, path, QIODevice::ReadOnly, "rb", error))
        return ReadStatus::Failed;
    // Checked before reading, so a huge file never comes into memory.
    if (!input.isSequential() && input.size() > sizeLimit) {
        setError(error, translated("The file is larger than %1.")
                            .arg(QLocale::system().formattedDataSize(sizeLimit, 0, QLocale::DataSizeTraditionalFormat)));
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
    switch (targetOf(path)) {
    case Target::Replaceable:
        return replaceFile(path, bytes, error);
    case Target::Stream:
        return writeStream(path, bytes, error);
    case Target::Refused:
        break;
    }
    setError(error, translated("It is not a regular file (a folder, a socket or a device), so nothing is written "
                               "over it."));
    return false;
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
