#include "lists/UrlListFile.h"

#include "base/LocalFile.h"

#include <QDir>

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
    return LocalFile::encodeFile(text);
}

bool UrlListFile::read(const QString& path, QStringList& urls, QString& errorText)
{
    QByteArray bytes;
    if (LocalFile::readBytes(path, bytes, &errorText) != LocalFile::ReadStatus::Read)
        return false;
    urls = splitLines(LocalFile::decode(bytes));
    return true;
}

QString UrlListFile::readFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("The URL list file \"%1\" could not be read: %2").arg(QDir::toNativeSeparators(path), reason);
}

bool UrlListFile::write(const QString& path, const QStringList& urls, QString& errorText)
{
    for (const QString& url : urls) {
        if (!LocalFile::isEncodable(url, &errorText))
            return false;
    }
    return LocalFile::writeBytes(path, encode(urls), &errorText);
}

bool UrlListFile::hasTextExtension(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}
