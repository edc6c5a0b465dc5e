#pragma once

#include <QString>
#include <QUrl>

// The address a row of the web-results list opens, for the source under the
// settings key as the given settings.ini has it now: without a key (the
// site's home page) the site itself, unchanged; for an engine the engine's
// query template (empty when missing) followed by the encoded site, no
// query suffix added; for a user source its query address for the site.
// The empty text when the file has no such source.
QString webResultAddress(const QString& sourceKey, const QString& site, const QString& settingsIni);

// An address as a browser's address bar reads it: "example.com" is a web
// page, a full address stays as it is. An empty URL when the text is no
// address at all (empty, or text such as "two words").
QUrl browserUrl(const QString& address);
