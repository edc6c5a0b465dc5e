#include "lists/ClipboardUrls.h"

#include "lists/UrlListFile.h"

QStringList ClipboardUrls::fromText(const QString& text)
{
    QStringList urls = UrlListFile::splitLines(text);
    for (QString& url : urls)
        url = withWebPrefix(url);
    return urls;
}

QString ClipboardUrls::withWebPrefix(const QString& line)
{
    // "https://" counts as a scheme too: prefixing it would give
    // "http://https://...", which no engine understands.
    if (line.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
        line.contains(QLatin1String("https://"), Qt::CaseInsensitive))
        return line;
    if (line.contains(QLatin1String("www."), Qt::CaseInsensitive))
        return QLatin1String("http://") + line;
    return QLatin1String("http://www.") + line;
}
