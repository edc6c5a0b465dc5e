#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The address a row of the web-results list opens: for "Home Page" the site
// itself, unchanged; for an engine's row (by its web-view text, compared
// exactly) the engine's query template from section "Engines" of the given
// settings.ini, read afresh on every call (empty when missing), followed by
// the encoded site. No query suffix is added here. std::nullopt for any
// other row text.
std::optional<QString> webResultAddress(const QString& rowText, const QString& site, const QString& settingsIni);

// An address as a browser's address bar reads it: "example.com" is a web
// page, a full address stays as it is. An empty URL when the text is no
// address at all (empty, or text such as "two words").
QUrl browserUrl(const QString& address);
