#include "webview/WebAddresses.h"

#include "engines/SourceList.h"
#include "webview/UrlEncode.h"

#include <QCoreApplication>

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

bool mayOpenInWebView(const QUrl& address)
{
    if (!address.isValid())
        return false;
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !address.host().isEmpty();
    return scheme == QLatin1String("about") &&
           (address.path() == QLatin1String("blank") || address.path() == QLatin1String("srcdoc"));
}

QString refusedAddressText(const QUrl& address)
{
    // Short, for the narrow panel that says which page opens. The scheme
    // says why; the rest of such an address may be a long script.
    return QCoreApplication::translate("WebAddresses", "Not opened: %1: address").arg(address.scheme());
}
