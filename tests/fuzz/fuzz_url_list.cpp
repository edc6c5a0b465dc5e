// Reads a URL list file of any bytes. Only one holding a null byte is
// refused; no URL read is empty or holds a line feed, and a list written
// back reads as the same list.
#include "FuzzSupport.h"

#include "lists/UrlListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzSupport::scratchPath(QStringLiteral("list.txt"));
    FuzzSupport::writeScratch(path, FuzzSupport::bytesOf(data, size));
    QStringList urls;
    QString error;
    if (!UrlListFile::read(path, urls, error)) {
        if (!FuzzSupport::bytesOf(data, size).contains('\0'))
            FuzzSupport::fail(QStringLiteral("an existing file could not be read: %1").arg(error));
        return 0;
    }
    for (const QString& url : urls) {
        if (url.isEmpty() || url.contains(u'\n'))
            FuzzSupport::fail(QStringLiteral("the URL \"%1\" was read").arg(url));
    }

    const QString copy = FuzzSupport::scratchPath(QStringLiteral("copy.txt"));
    QStringList reread;
    if (!UrlListFile::write(copy, urls, error) || !UrlListFile::read(copy, reread, error))
        FuzzSupport::fail(QStringLiteral("the list could not be written back: %1").arg(error));
    if (reread != urls)
        FuzzSupport::fail(QStringLiteral("%1 URLs written back read as %2").arg(urls.size()).arg(reread.size()));
    return 0;
}
