#include "EngineServer.h"

#include "loopback/EnginePages.h"

namespace {

QString countKey(const QString& site, int engineNumber)
{
    return QString::number(engineNumber) + u'\n' + site;
}

} // namespace

EngineServer::EngineServer()
{
    m_http.setHandler([this](const LoopbackHttpServer::Request& request) { return respond(request); });
}

QByteArray EngineServer::settingsIni() const
{
    return EnginePages::loopbackSettingsIni(port());
}

QString EngineServer::address(const QString& pathAndQuery) const
{
    return m_http.url(pathAndQuery).toString();
}

void EngineServer::setCount(const QString& site, int engineNumber, qint64 count)
{
    m_counts.insert(countKey(site, engineNumber), count);
}

qint64 EngineServer::count(const QString& site, int engineNumber) const
{
    return m_counts.value(countKey(site, engineNumber), EnginePages::demoCount(site, engineNumber));
}

QString EngineServer::expectedCell(const QString& site, int engineNumber) const
{
    const qint64 value = count(site, engineNumber);
    if (value == unrecognised)
        return {};
    if (value == withoutMarkers)
        return engineNumber == 4 || engineNumber == 5 ? QStringLiteral("0") : QString();
    if (value == noResults)
        return QStringLiteral("0");
    return QString::number(value);
}

QStringList EngineServer::queries() const
{
    QStringList list;
    for (const LoopbackHttpServer::Request& request : m_http.requests()) {
        if (const auto query = EnginePages::recognise(request.target))
            list << QString::number(query->engineNumber) + u':' + query->site;
    }
    return list;
}

LoopbackHttpServer::Response EngineServer::respond(const LoopbackHttpServer::Request& request) const
{
    LoopbackHttpServer::Response response;
    const auto query = EnginePages::recognise(request.target);
    if (!query) {
        response = LoopbackHttpServer::Response::page("<html><body>Not Found</body></html>", 404);
    } else {
        const qint64 value = count(query->site, query->engineNumber);
        if (value == unrecognised)
            response = LoopbackHttpServer::Response::page("<html><body>Service Unavailable</body></html>", 503);
        else if (value == withoutMarkers)
            response = LoopbackHttpServer::Response::page("<html><body>The page has a new layout</body></html>");
        else
            response = LoopbackHttpServer::Response::page(EnginePages::resultPage(query->engineNumber, value));
    }
    response.delayMs = m_delayMs;
    return response;
}
