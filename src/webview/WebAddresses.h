#pragma once

#include <QString>
#include <QUrl>

struct Engine;

// The address a row of the web-results list opens: without an engine (the
// site's home page) the site itself, unchanged; for an engine the engine's
// query template in the given settings.ini (empty when missing) followed by
// the encoded site. No query suffix is added here.
QString webResultAddress(const Engine* engine, const QString& site, const QString& settingsIni);

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
