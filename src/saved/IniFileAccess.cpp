#include "saved/IniFileAccess.h"

#include "saved/IniDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace IniFileAccess {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

ReadStatus readBytes(const QString& file, QByteArray& bytes, QString* error)
{
    bytes.clear();
    QFile input(file);
    if (!input.exists()) {
        setError(error, QCoreApplication::translate("IniFile", "The file does not exist."));
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

bool writeBytes(const QString& file, const QByteArray& bytes, QString* error)
{
    const QFileInfo info(file);
    if (info.exists() && !info.isDir() && !info.isWritable()) {
        setError(error, QCoreApplication::translate("IniFile", "The file is write-protected."));
        return false;
    }
    // Unbuffered, so that a short write (a full disk, a file size limit) is
    // seen here: through the write buffer it can be lost without an error.
    QSaveFile output(file);
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

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

bool sameName(QStringView a, QStringView b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    // The user's locale may fold letters differently (the dotted and
    // dotless i, for one).
    const QLocale locale;
    return locale.toLower(a.toString()) == locale.toLower(b.toString());
}

bool startsWithName(QStringView line, QStringView prefix)
{
    if (line.size() < prefix.size())
        return false;
    return sameName(line.left(prefix.size()), prefix);
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool checkWriteArguments(const QString& section, const QString& key, const QString& value, QString* error)
{
    for (const QString& name : {section, key}) {
        if (!IsValidIniName(name) || hasLineBreak(name)) {
            setError(
                error,
                QCoreApplication::translate("IniFile", "The name \"%1\" cannot be used in an INI file.").arg(name));
            return false;
        }
    }
    if (hasLineBreak(value)) {
        setError(error, QCoreApplication::translate("IniFile", "A value cannot hold a line break."));
        return false;
    }
    return true;
}

} // namespace IniFileAccess
