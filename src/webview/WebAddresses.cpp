#include "webview/WebAddresses.h"

#include "engines/EngineSettingsFile.h"
#include "webview/UrlEncode.h"

QString webResultAddress(const Engine* engine, const QString& site, const QString& settingsIni)
{
    if (!engine)
        return site;
    return EngineSettingsFile::engineSettings(settingsIni, *engine).queryTemplate + urlEncode(site);
}

QUrl browserUrl(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() ? url : QUrl();
}
