#include "lists/UrlListFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QStringList UrlListFile::splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype length = end - start;
        // The CR of a CR LF pair belongs to the line end, not to the line.
        if (end < text.size() && length > 0 && text.at(end - 1) == QLatin1Char('\r'))
            --length;
        if (length > 0)
            lines << text.mid(start, length);
        start = end + 1;
    }
    return lines;
}

QByteArray UrlListFile::encode(const QStringList& urls)
{
    QString text;
    qsizetype size = 0;
    for (const QString& url : urls)
        size += url.size() + 2;
    text.reserve(size);
    for (const QString& url : urls) {
        text += url;
        text += QLatin1String("\r\n");
    }
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QString UrlListFile::decode(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
}

bool UrlListFile::read(const QString& path, QStringList& urls, QString& errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorText = file.errorString();
        return false;
    }
    urls = splitLines(decode(bytes));
    return true;
}

bool UrlListFile::write(const QString& path, const QStringList& urls, QString& errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errorText = file.errorString();
        return false;
    }
    const QByteArray bytes = encode(urls);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString UrlListFile::withTextExtension(const QString& fileName)
{
    if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QLatin1String(".txt");
}
