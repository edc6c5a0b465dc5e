#include "webview/WebAddresses.h"

#include "base/IniFile.h"
#include "engines/EngineTable.h"
#include "webview/UrlEncode.h"

std::optional<QString> webResultAddress(const QString& rowText, const QString& site, const QString& settingsIni)
{
    if (rowText == QLatin1String(homePageRowText))
        return site;
    const Engine* engine = engineByWebViewText(rowText);
    if (!engine)
        return std::nullopt;
    const QString queryTemplate =
        ReadIniKey(QString::fromLatin1(enginesSection), engine->key(), QString(), settingsIni);
    return queryTemplate + URLEncode(site);
}

QUrl browserUrl(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() ? url : QUrl();
}
