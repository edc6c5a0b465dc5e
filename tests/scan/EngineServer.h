#pragma once

#include "loopback/LoopbackHttpServer.h"

#include <QHash>
#include <QList>
#include <QString>

// A loopback server that answers the six engines' query forms with result
// pages in each engine's own format. Unless a test says otherwise, a query's
// count is the demonstration's count for the site and engine; a test can set
// a count, a "no results" page or a page no engine would write for any
// site and engine.
class EngineServer
{
public:
    // A count that stands for an error status (503) whose page has no markers.
    static constexpr qint64 unrecognised = -2;
    // A count that stands for a page (200) without the engine's markers.
    static constexpr qint64 withoutMarkers = -3;
    // A count that stands for the engine's "no results" page.
    static constexpr qint64 noResults = -1;

    EngineServer();

    LoopbackHttpServer& http() { return m_http; }
    quint16 port() const { return m_http.port(); }

    // settings.ini pointing every engine at this server.
    QByteArray settingsIni() const;
    // The address of a path and query on this server.
    QString address(const QString& pathAndQuery) const;

    // Every answer waits this long.
    void setDelay(int ms) { m_delayMs = ms; }
    void setCount(const QString& site, int engineNumber, qint64 count);
    qint64 count(const QString& site, int engineNumber) const;

    // The text the results table shows for a query's answer: the count's
    // digits, "0" for no results, the empty text for an error status, and
    // for a page without markers the empty text (Ask and MSN show "0" then).
    QString expectedCell(const QString& site, int engineNumber) const;

    // Engine queries received, in order, as "engine:site".
    QStringList queries() const;

private:
    LoopbackHttpServer::Response respond(const LoopbackHttpServer::Request& request) const;

    LoopbackHttpServer m_http;
    QHash<QString, qint64> m_counts;
    int m_delayMs = 0;
};
