#include "webview/WebAddresses.h"

#include "engines/SourceList.h"
#include "webview/UrlEncode.h"

QString webResultAddress(const QString& sourceKey, const QString& site, const QString& settingsIni)
{
    if (sourceKey.isEmpty())
        return site;
    const SourceList sources = SourceList::read(settingsIni);
    const Source* source = sources.find(sourceKey);
    if (!source)
        return {};
    if (source->isBuiltIn())
        return source->queryTemplate + urlEncode(site);
    return source->queryAddress(site);
}

QUrl browserUrl(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() ? url : QUrl();
}
