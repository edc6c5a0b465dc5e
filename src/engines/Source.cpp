#include "engines/Source.h"

#include "engines/EngineTable.h"
#include "engines/SiteName.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

const QString maskText = QStringLiteral("\u2022\u2022\u2022\u2022");

// Shorter values are no secrets, and masking them would garble the text.
constexpr qsizetype shortestMaskedValue = 4;

} // namespace

QString maskedHeader(const SourceHeader& header)
{
    return header.name + QStringLiteral(": ") + maskText;
}

bool isMaskedValue(const QString& value)
{
    return value == maskText;
}

Source Source::builtIn(const Engine& engine)
{
    Source source;
    source.kind = Kind::Engine;
    source.name = engine.header();
    source.settingsKey = engine.key();
    source.engine = &engine;
    source.queryTemplate = engine.defaultQueryTemplate();
    return source;
}

Source::Kind Source::kindOf(const QString& queryTemplate, const QString& jsonPath)
{
    if (isWebGraphQuery(queryTemplate))
        return Kind::WebGraph;
    return jsonPath.isEmpty() ? Kind::WebPage : Kind::Json;
}

bool Source::isWebGraphQuery(const QString& queryTemplate)
{
    return queryTemplate.trimmed().startsWith(webGraphQuery({}), Qt::CaseInsensitive);
}

QString Source::webGraphPath(const QString& queryTemplate)
{
    return isWebGraphQuery(queryTemplate) ? queryTemplate.trimmed().mid(webGraphQuery({}).size()).trimmed() : QString();
}

bool Source::hasWebPage() const
{
    const QString scheme = QUrl(queryTemplate).scheme();
    return engine || scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
           scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

QString Source::statusName() const
{
    return engine ? engine->statusName() : name;
}

QString Source::webViewText() const
{
    return engine ? engine->webText() : name;
}

QString Source::siteText(const QString& listedSite) const
{
    switch (siteForm) {
    case SiteForm::Listed:
        break;
    case SiteForm::Host:
        return siteHost(listedSite);
    case SiteForm::Domain:
        return registeredDomain(siteHost(listedSite));
    }
    return listedSite;
}

QString Source::queryAddress(const QString& listedSite) const
{
    if (engine)
        return engine->queryAddress(queryTemplate, listedSite);
    if (kind == Kind::WebGraph)
        return webGraphQuery(indexFile);
    const QString site = siteText(listedSite);
    if (site.isEmpty())
        return {};
    static const QString placeholder = QStringLiteral("{site}");
    if (!queryTemplate.contains(placeholder))
        return queryTemplate + site;
    QString address = queryTemplate;
    return address.replace(placeholder, QString::fromLatin1(QUrl::toPercentEncoding(site)));
}

QStringList Source::maskedHeaders() const
{
    QStringList shown;
    for (const SourceHeader& header : headers)
        shown << maskedHeader(header);
    return shown;
}

QString Source::redacted(const QString& text) const
{
    QString result = text;
    for (const SourceHeader& header : headers) {
        if (header.value.size() >= shortestMaskedValue)
            result.replace(header.value, maskText);
    }
    return result;
}

namespace {

const char* kindNameText(Source::Kind kind)
{
    switch (kind) {
    case Source::Kind::Engine:
    case Source::Kind::WebPage:
        return QT_TRANSLATE_NOOP("Source", "web page");
    case Source::Kind::Json:
        return QT_TRANSLATE_NOOP("Source", "JSON");
    case Source::Kind::WebGraph:
        return QT_TRANSLATE_NOOP("Source", "web graph");
    }
    return "";
}

} // namespace

QString kindName(Source::Kind kind)
{
    return QString::fromLatin1(kindNameText(kind));
}

QString shownKindName(Source::Kind kind)
{
    return QCoreApplication::translate("Source", kindNameText(kind));
}

QString graphValueName(Source::GraphValue value)
{
    return value == Source::GraphValue::Rank ? QStringLiteral("rank") : QStringLiteral("indegree");
}

QString siteFormName(Source::SiteForm form)
{
    switch (form) {
    case Source::SiteForm::Listed:
        return QStringLiteral("listed");
    case Source::SiteForm::Host:
        return QStringLiteral("host");
    case Source::SiteForm::Domain:
        return QStringLiteral("domain");
    }
    return {};
}

CountReading readSourceCount(const QString& page, const Source& source)
{
    switch (source.kind) {
    case Source::Kind::Engine:
        return readEngineCount(page, *source.engine, source.markers);
    case Source::Kind::WebPage:
        return readMarkedCount(page, source.markers);
    case Source::Kind::Json:
        return readJsonCount(page, source.jsonPath);
    case Source::Kind::WebGraph:
        break;
    }
    return {};
}
