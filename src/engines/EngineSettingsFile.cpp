#include "engines/EngineSettingsFile.h"

#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "engines/EngineTable.h"
#include "engines/SourceList.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>

namespace {

// The section of settings.ini that holds the query templates.
QString enginesSection()
{
    return QStringLiteral("Engines");
}

QString markersSection()
{
    return QStringLiteral("Markers");
}

// The keys of an engine's markers, in the order before, after, no results.
std::array<QString, 3> markerKeys(const Engine& engine)
{
    return {engine.key() + QStringLiteral(".Before"), engine.key() + QStringLiteral(".After"),
            engine.key() + QStringLiteral(".NoResults")};
}

} // namespace

namespace EngineSettingsFile {

State check(const QString& iniPath, QString* error)
{
    IniDocument document;
    switch (document.load(iniPath, error)) {
    case IniDocument::LoadStatus::Missing:
        return State::Missing;
    case IniDocument::LoadStatus::Failed:
        return State::Unreadable;
    case IniDocument::LoadStatus::Loaded:
        break;
    }
    // Found the way the scan reads its templates.
    // A scan that asks no engine, only sources of the user's own, needs no
    // engine addresses.
    const QList<Source> active = SourceList::fromDocument(document).active();
    const bool asksEngine =
        active.isEmpty() || std::any_of(active.cbegin(), active.cend(), [](const Source& s) { return s.isBuiltIn(); });
    if (!asksEngine)
        return State::Usable;
    if (!document.sectionText(enginesSection()))
        return State::NoEnginesSection;
    const auto hasAddress = [&document](const Engine& engine) {
        return !document.value(enginesSection(), engine.key()).value_or(QString()).isEmpty();
    };
    return std::any_of(engines().cbegin(), engines().cend(), hasAddress) ? State::Usable : State::NoAddresses;
}

namespace {

const char* problemText(State state)
{
    switch (state) {
    case State::Usable:
        break;
    case State::Unreadable:
        return QT_TRANSLATE_NOOP("EngineSettingsFile", "The settings file \"%1\" could not be read: %2");
    case State::Missing:
        return QT_TRANSLATE_NOOP("EngineSettingsFile",
                                 "The settings file \"%1\" is missing, so a scan has no search engine addresses.");
    case State::NoEnginesSection:
        return QT_TRANSLATE_NOOP("EngineSettingsFile", "The settings file \"%1\" has no [Engines] section, so a scan "
                                                       "has no search engine addresses.");
    case State::NoAddresses:
        return QT_TRANSLATE_NOOP("EngineSettingsFile",
                                 "The [Engines] section of the settings file \"%1\" holds no search engine address.");
    }
    return nullptr;
}

QString problemFrom(const QString& text, State state, const QString& iniPath, const QString& reason)
{
    const QString shownPath = QDir::toNativeSeparators(iniPath);
    return state == State::Unreadable ? text.arg(shownPath, reason) : text.arg(shownPath);
}

} // namespace

QString problem(State state, const QString& iniPath, const QString& reason)
{
    const char* text = problemText(state);
    return text ? problemFrom(QString::fromLatin1(text), state, iniPath, reason) : QString();
}

QString shownProblem(State state, const QString& iniPath, const QString& reason)
{
    const char* text = problemText(state);
    return text ? problemFrom(QCoreApplication::translate("EngineSettingsFile", text), state, iniPath, reason)
                : QString();
}

EngineSettings engineSettings(const QString& iniPath, const Engine& engine)
{
    IniDocument document;
    if (document.load(iniPath) != IniDocument::LoadStatus::Loaded)
        return {};
    return engineSettings(document, engine);
}

EngineSettings engineSettings(const IniDocument& document, const Engine& engine)
{
    const auto read = [&document](const QString& section, const QString& key) {
        return document.value(section, key).value_or(QString());
    };
    const std::array<QString, 3> keys = markerKeys(engine);
    return {read(enginesSection(), engine.key()),
            {read(markersSection(), keys[0]), read(markersSection(), keys[1]), read(markersSection(), keys[2])}};
}

bool writeQueryTemplate(const QString& iniPath, const Engine& engine, const QString& text, QString* error)
{
    return writeProfileString(enginesSection(), engine.key(), text, iniPath, error);
}

bool writeMarkers(const QString& iniPath, const Engine& engine, const CountMarkers& markers, QString* error)
{
    IniDocument document;
    document.load(iniPath);
    const std::array<QString, 3> keys = markerKeys(engine);
    const std::array<QString, 3> values = {markers.before, markers.after, markers.noResults};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::optional<QString> stored = document.value(markersSection(), keys[i]);
        if (stored == values[i] || (!stored && values[i].isEmpty()))
            continue;
        if (!writeProfileString(markersSection(), keys[i], values[i], iniPath, error))
            return false;
    }
    return true;
}

bool writeDefaults(const QString& iniPath, QString* error)
{
    for (const Engine& engine : engines()) {
        if (!writeQueryTemplate(iniPath, engine, engine.defaultQueryTemplate(), error))
            return false;
    }
    return true;
}

} // namespace EngineSettingsFile
