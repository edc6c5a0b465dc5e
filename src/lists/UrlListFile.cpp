#include "lists/UrlListFile.h"

#include "base/LocalFile.h"

#include <QCoreApplication>
#include <QDir>

QStringList UrlListFile::splitLines(const QString& text, qsizetype limit, qsizetype* beyond)
{
    QStringList lines;
    qsizetype counted = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype length = end - start;
        // The CR of a CR LF pair belongs to the line end, not to the line.
        if (end < text.size() && length > 0 && text.at(end - 1) == QLatin1Char('\r'))
            --length;
        if (length > 0 && lines.size() < limit)
            lines << text.mid(start, length);
        else if (length > 0)
            ++counted;
        start = end + 1;
    }
    if (beyond)
        *beyond = counted;
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

bool UrlListFile::read(const QString& path, QStringList& urls, QString& errorText, qsizetype limit, qsizetype* beyond)
{
    QByteArray bytes;
    if (LocalFile::readBytes(path, bytes, &errorText) != LocalFile::ReadStatus::Read)
        return false;
    // Text in an 8-bit encoding holds no null bytes; a file that does
    // (UTF-16 text, or no text at all) would fill the list with nonsense.
    if (bytes.contains('\0')) {
        errorText = QCoreApplication::translate("UrlListFile", "It holds null bytes, so it is not 8-bit text: it "
                                                               "may be UTF-16 text, or not text at all.");
        return false;
    }
    urls = splitLines(LocalFile::decode(bytes), limit, beyond);
    return true;
}

QString UrlListFile::readFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("UrlListFile", "The URL list file \"%1\" could not be read: %2")
        .arg(QDir::toNativeSeparators(path), reason);
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
