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

// Whether the web view may open the address: an http or https address with
// a host, or the empty page (about:blank, and about:srcdoc for frames).
// Other schemes would run a script in the page shown (javascript:), open
// local files whose scripts read other local files (file:), or reach the
// browser engine's own pages.
bool mayOpenInWebView(const QUrl& address);

// The status-bar line when the web view does not open an address.
QString refusedAddressText(const QUrl& address);
