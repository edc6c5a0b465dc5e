#include "engines/SourceList.h"

#include "base/IniDocument.h"
#include "base/IniFileAccess.h"
#include "engines/EngineSettingsFile.h"
#include "engines/EngineTable.h"

#include <QUrl>

#include <algorithm>
#include <map>
#include <optional>

namespace {

const QString sourcePrefix = QStringLiteral("Source ");
const QString headerKeyPrefix = QStringLiteral("Header");

// One key of a user source's section: how its value is taken into the
// source (giving the reason when it cannot be) and what is written for it.
struct SourceKey
{
    const char* key;
    QString (*read)(Source& source, const QString& value);
    QString (*write)(const Source& source);
};

const SourceKey sourceKeys[] = {
    {"Query",
     [](Source& source, const QString& value) {
         source.queryTemplate = value.trimmed();
         return QString();
     },
     [](const Source& source) { return source.queryTemplate; }},
    {"Site",
     [](Source& source, const QString& value) {
         for (const Source::SiteForm form :
              {Source::SiteForm::Listed, Source::SiteForm::Host, Source::SiteForm::Domain}) {
             if (value.trimmed().compare(siteFormName(form), Qt::CaseInsensitive) == 0) {
                 source.siteForm = form;
                 return QString();
             }
         }
         if (value.trimmed().isEmpty())
             return QString();
         return QStringLiteral("Site=%1 is not listed, host or domain").arg(value.trimmed());
     },
     [](const Source& source) {
         return source.siteForm == Source::SiteForm::Listed ? QString() : siteFormName(source.siteForm);
     }},
    {"Json",
     [](Source& source, const QString& value) {
         source.jsonPath = value.trimmed();
         return QString();
     },
     [](const Source& source) { return source.jsonPath; }},
    // Markers are taken exactly as written, as the engines' are.
    {"Before",
     [](Source& source, const QString& value) {
         source.markers.before = value;
         return QString();
     },
     [](const Source& source) { return source.markers.before; }},
    {"After",
     [](Source& source, const QString& value) {
         source.markers.after = value;
         return QString();
     },
     [](const Source& source) { return source.markers.after; }},
    {"NoResults",
     [](Source& source, const QString& value) {
         source.markers.noResults = value;
         return QString();
     },
     [](const Source& source) { return source.markers.noResults; }},
    {"Total",
     [](Source& source, const QString& value) {
         const QString text = value.trimmed();
         if (text != QLatin1String("0") && text != QLatin1String("1") && !text.isEmpty())
             return QStringLiteral("Total=%1 is not 0 or 1").arg(text);
         source.countsTowardTotal = text != QLatin1String("0");
         return QString();
     },
     [](const Source& source) { return source.countsTowardTotal ? QString() : QStringLiteral("0"); }},
    {"Interval",
     [](Source& source, const QString& value) {
         const std::optional<int> ms = SourceList::intervalOf(value);
         if (!ms)
             return QStringLiteral("Interval=%1 is not a number of milliseconds").arg(value.trimmed());
         source.intervalMs = *ms;
         return QString();
     },
     [](const Source& source) { return source.intervalMs ? QString::number(source.intervalMs) : QString(); }},
    {"UserAgent",
     [](Source& source, const QString& value) {
         source.userAgent = value.trimmed();
         return QString();
     },
     [](const Source& source) { return source.userAgent; }},
};

// The number of a "Header<n>" key, or nothing.
std::optional<int> headerNumber(const QString& key)
{
    if (!IniFileAccess::startsWithName(key, headerKeyPrefix))
        return std::nullopt;
    const QString digits = key.mid(headerKeyPrefix.size());
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return number;
}

// A header name is an HTTP token: letters, digits and !#$%&'*+-.^_`|~.
bool isHeaderName(const QString& name)
{
    static const QString symbols = QStringLiteral("!#$%&'*+-.^_`|~");
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || symbols.contains(c));
    });
}

std::optional<SourceHeader> parseHeader(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QString name = text.left(colon).trimmed();
    if (!isHeaderName(name))
        return std::nullopt;
    return SourceHeader{name, text.mid(colon + 1).trimmed()};
}

// The key lines of a section as the reader takes them: the first line of a
// key counts, names compared without letter case.
QList<std::pair<QString, QString>> keyValues(const QStringList& lines)
{
    QList<std::pair<QString, QString>> values;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        const bool known = std::any_of(values.cbegin(), values.cend(),
                                       [&key](const auto& value) { return IniFileAccess::sameName(value.first, key); });
        if (!known)
            values.append({key, line.mid(equals + 1)});
    }
    return values;
}

Source readUserSource(const IniDocument::Section& section)
{
    Source source;
    source.settingsKey = section.name;
    source.name = section.name.mid(sourcePrefix.size());
    std::map<int, QString> headerTexts;
    QString problem;
    for (const auto& [key, value] : keyValues(section.lines)) {
        if (const std::optional<int> number = headerNumber(key)) {
            headerTexts.emplace(*number, value);
            continue;
        }
        for (const SourceKey& known : sourceKeys) {
            if (!IniFileAccess::sameName(key, QString::fromLatin1(known.key)))
                continue;
            const QString reason = known.read(source, value);
            if (problem.isEmpty())
                problem = reason;
        }
    }
    for (const auto& [number, text] : headerTexts) {
        if (const std::optional<SourceHeader> header = parseHeader(text))
            source.headers << *header;
        else if (problem.isEmpty())
            problem = QStringLiteral("Header%1 is not \"Name: value\"").arg(number);
    }
    source.kind = source.jsonPath.isEmpty() ? Source::Kind::WebPage : Source::Kind::Json;
    source.invalidReason = problem.isEmpty() ? SourceList::problemOf(source) : problem;
    return source;
}

bool isHidden(const IniDocument& document, const Engine& engine)
{
    return document.value(SourceList::hiddenSection(), engine.key()).value_or(QString()).trimmed() == QLatin1String("1");
}

} // namespace

SourceList::SourceList()
{
    for (const Engine& engine : engines()) {
        Source source = Source::builtIn(engine);
        source.queryTemplate.clear();
        m_sources << source;
    }
}

SourceList SourceList::read(const QString& iniPath)
{
    IniDocument document;
    if (document.load(iniPath) != IniDocument::LoadStatus::Loaded)
        return {};
    return fromDocument(document);
}

SourceList SourceList::fromDocument(const IniDocument& document)
{
    SourceList list;
    for (Source& source : list.m_sources) {
        const EngineSettings settings = EngineSettingsFile::engineSettings(document, *source.engine);
        source.queryTemplate = settings.queryTemplate;
        source.markers = settings.markers;
        source.hidden = isHidden(document, *source.engine);
        // An interval that is no number is no interval: the engine is asked as ever.
        source.intervalMs = SourceList::intervalOf(document.value(SourceList::pacingSection(), source.engine->key()).value_or(QString())).value_or(0);
    }
    for (const IniDocument::Section& section : document.sections()) {
        if (!IniFileAccess::startsWithName(section.name, sourcePrefix))
            continue;
        Source source = readUserSource(section);
        // Each later problem only matters when the earlier ones are absent.
        if (const QString nameReason = list.nameProblem(source.name); !nameReason.isEmpty())
            source.invalidReason = nameReason;
        else if (list.userSourceCount() >= maxUserSources)
            source.invalidReason = QStringLiteral("more than %1 sources").arg(maxUserSources);
        list.m_sources << source;
    }
    return list;
}

QList<Source> SourceList::active() const
{
    QList<Source> sources;
    std::copy_if(m_sources.cbegin(), m_sources.cend(), std::back_inserter(sources),
                 [](const Source& source) { return source.isActive(); });
    return sources;
}

QList<Source> SourceList::invalid() const
{
    QList<Source> sources;
    std::copy_if(m_sources.cbegin(), m_sources.cend(), std::back_inserter(sources),
                 [](const Source& source) { return !source.isValid(); });
    return sources;
}

const Source* SourceList::find(const QString& settingsKey) const
{
    const auto found = std::find_if(m_sources.cbegin(), m_sources.cend(), [&settingsKey](const Source& source) {
        return IniFileAccess::sameName(source.settingsKey, settingsKey);
    });
    return found == m_sources.cend() ? nullptr : &*found;
}

int SourceList::userSourceCount() const
{
    return static_cast<int>(
        std::count_if(m_sources.cbegin(), m_sources.cend(), [](const Source& source) { return !source.isBuiltIn(); }));
}

QString SourceList::nameProblem(const QString& name, const QString& ownKey) const
{
    if (name.isEmpty() || name.size() > maxNameLength)
        return QStringLiteral("a name has 1 to %1 characters").arg(maxNameLength);
    for (const QChar c : name) {
        if (c == u'[' || c == u']' || c == u'=' || c == u',')
            return QStringLiteral("a name holds none of [ ] = ,");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("a name holds no control characters");
    }
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("a name does not begin or end with a space");
    // The table's other columns, the CSV's last one and the chart's entry
    // for every series are named so too.
    for (const char* taken : {"Domain Name", "Total", "Rank", "All Engines"}) {
        if (IniFileAccess::sameName(name, QString::fromLatin1(taken)))
            return QStringLiteral("\"%1\" names a column of the results").arg(name);
    }
    for (const Source& other : m_sources) {
        if (!IniFileAccess::sameName(other.name, name) || IniFileAccess::sameName(other.settingsKey, ownKey))
            continue;
        return other.isBuiltIn() ? QStringLiteral("\"%1\" is the name of a built-in engine").arg(name)
                                 : QStringLiteral("another source is named \"%1\"").arg(other.name);
    }
    return {};
}

QString SourceList::sectionOf(const QString& name)
{
    return sourcePrefix + name;
}

QString SourceList::problemOf(const Source& source)
{
    if (source.queryTemplate.isEmpty())
        return QStringLiteral("no Query address");
    const QUrl sample(source.queryTemplate.contains(QLatin1String("{site}"))
                          ? QString(source.queryTemplate).replace(QLatin1String("{site}"), QLatin1String("example.com"))
                          : source.queryTemplate + QStringLiteral("example.com"));
    const QString scheme = sample.scheme().toLower();
    if (!sample.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        sample.host().isEmpty())
        return QStringLiteral("the Query address does not begin with http:// or https:// and a host");
    const bool hasMarkers = !source.markers.before.isEmpty() || !source.markers.after.isEmpty();
    if (!source.jsonPath.isEmpty() && (hasMarkers || !source.markers.noResults.isEmpty()))
        return QStringLiteral("both a Json path and markers: give one of them");
    if (source.jsonPath.isEmpty() && !hasMarkers)
        return QStringLiteral("no count rule: give a Json path or the markers Before and After");
    if (source.jsonPath.split(u'.').contains(QString()) && !source.jsonPath.isEmpty())
        return QStringLiteral("the Json path %1 has an empty part").arg(source.jsonPath);
    for (const SourceHeader& header : source.headers) {
        if (!isHeaderName(header.name))
            return QStringLiteral("\"%1\" cannot name a header").arg(header.name);
    }
    return {};
}

QList<std::pair<QString, QString>> SourceList::settingsOf(const Source& source)
{
    QList<std::pair<QString, QString>> lines;
    for (const SourceKey& key : sourceKeys) {
        const QString value = key.write(source);
        if (!value.isEmpty())
            lines.append({QLatin1String(key.key), value});
    }
    for (qsizetype i = 0; i < source.headers.size(); ++i)
        lines.append({headerKeyPrefix + QString::number(i + 1),
                      source.headers[i].name + QStringLiteral(": ") + source.headers[i].value});
    return lines;
}

bool SourceList::isSourceKey(const QString& key)
{
    return headerNumber(key) ||
           std::any_of(std::cbegin(sourceKeys), std::cend(sourceKeys), [&key](const SourceKey& known) {
               return IniFileAccess::sameName(key, QString::fromLatin1(known.key));
           });
}

std::optional<QList<SourceHeader>> SourceList::headersFromLines(const QStringList& lines,
                                                                const QList<SourceHeader>& previous, QString* problem)
{
    QList<SourceHeader> headers;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        std::optional<SourceHeader> header = parseHeader(line);
        if (!header) {
            *problem = QStringLiteral("\"%1\" is not a header \"Name: value\"").arg(line.trimmed());
            return std::nullopt;
        }
        if (isMaskedValue(header->value)) {
            const auto kept = std::find_if(previous.cbegin(), previous.cend(), [&header](const SourceHeader& old) {
                return old.name.compare(header->name, Qt::CaseInsensitive) == 0;
            });
            if (kept == previous.cend()) {
                *problem = QStringLiteral("type the value of the header %1").arg(header->name);
                return std::nullopt;
            }
            header->value = kept->value;
        }
        headers << *header;
    }
    return headers;
}

QString SourceList::hiddenSection()
{
    return QStringLiteral("Hidden");
}

QString SourceList::pacingSection()
{
    return QStringLiteral("Pacing");
}

std::optional<int> SourceList::intervalOf(const QString& value)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int ms = text.toInt(&ok);
    if (!ok || ms < 0 || ms > 86400000 || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return ms;
}
