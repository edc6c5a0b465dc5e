#include "scan/EngineSettingsFile.h"

#include "saved/IniDocument.h"
#include "saved/IniFile.h"
#include "scan/EngineTable.h"

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
    return document.sectionText(QString::fromLatin1(enginesSection)) ? State::Usable : State::NoEnginesSection;
}

bool writeDefaults(const QString& iniPath, QString* error)
{
    for (const Engine& engine : engines()) {
        if (!WriteProfileString(QString::fromLatin1(enginesSection), engine.key(), engine.defaultQueryTemplate(),
                                iniPath, error))
            return false;
    }
    return true;
}

} // namespace EngineSettingsFile
