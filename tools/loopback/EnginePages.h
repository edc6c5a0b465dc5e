#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct Engine;

// Result pages as the six engines write them, for a server on this machine
// that stands in for the engines: the demonstration and the tests that scan
// through the real network code. Each page carries the engine's own count
// markers, so reading it back gives the count it was made with.
namespace EnginePages {

// The part of an engine's default query template after the host, such as
// "/search?hl=en&ie=UTF-8&q=link:".
QString pathAndQuery(const Engine& engine);
// The engine's query template for a server on 127.0.0.1 at this port.
QString loopbackTemplate(const Engine& engine, quint16 port);
// A settings.ini that points all six engines at such a server (CR LF lines).
QByteArray loopbackSettingsIni(quint16 port);

// What a request asks: the engine (1..6) whose query form it has and the
// site it asks about, percent-decoded. Nothing for any other request.
struct Query
{
    int engineNumber = 0;
    QString site;
};
std::optional<Query> recognise(const QByteArray& target);

// The engine's result page reporting this many linking pages; a negative
// count gives the engine's "no results" page instead.
QByteArray resultPage(int engineNumber, qint64 count);
// The engine's "no results" page.
QByteArray noResultsPage(int engineNumber);

// A count made up from the site and the engine, the same on every run:
// counts differ between sites and engines, and about one query in nine has
// no results (-1).
qint64 demoCount(const QString& site, int engineNumber);

} // namespace EnginePages
