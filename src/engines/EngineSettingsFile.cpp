#include "engines/EngineSettingsFile.h"

#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "engines/EngineTable.h"

#include <QDir>

namespace {

// The section of settings.ini that holds the query templates.
QString enginesSection()
{
    return QStringLiteral("Engines");
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
    return document.sectionText(enginesSection()) ? State::Usable : State::NoEnginesSection;
}

QString problem(State state, const QString& iniPath, const QString& reason)
{
    const QString shownPath = QDir::toNativeSeparators(iniPath);
    switch (state) {
    case State::Usable:
        break;
    case State::Unreadable:
        return QStringLiteral("The settings file \"%1\" could not be read: %2").arg(shownPath, reason);
    case State::Missing:
        return QStringLiteral("The settings file \"%1\" is missing, so a scan has no search engine addresses.")
            .arg(shownPath);
    case State::NoEnginesSection:
        return QStringLiteral("The settings file \"%1\" has no [Engines] section, so a scan has no search engine "
                              "addresses.")
            .arg(shownPath);
    }
    return {};
}

QString queryTemplate(const QString& iniPath, const Engine& engine)
{
    return readIniKey(enginesSection(), engine.key(), QString(), iniPath);
}

bool writeQueryTemplate(const QString& iniPath, const Engine& engine, const QString& text, QString* error)
{
    return writeProfileString(enginesSection(), engine.key(), text, iniPath, error);
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
