#include "engines/SourceSettingsFile.h"

#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "base/IniFileAccess.h"
#include "engines/EngineTable.h"
#include "engines/SourceList.h"

#include <algorithm>

namespace {

// The keys of the section's lines, as the reader tells them.
QStringList keysOf(const QString& iniPath, const QString& section)
{
    IniDocument document;
    document.load(iniPath);
    QStringList keys;
    for (const IniDocument::Section& found : document.sections()) {
        if (!IniFileAccess::sameName(found.name, section))
            continue;
        for (const QString& line : found.lines) {
            if (line.contains(u'='))
                keys << line.left(line.indexOf(u'='));
        }
        break;
    }
    return keys;
}

} // namespace

namespace SourceSettingsFile {

bool writeSource(const QString& iniPath, const Source& source, const QString& previousName, QString* error)
{
    const QString section = SourceList::sectionOf(source.name);
    IniDocument document;
    document.load(iniPath);
    if (!previousName.isEmpty() && previousName != source.name &&
        document.sectionText(SourceList::sectionOf(previousName))) {
        if (!renameProfileSection(SourceList::sectionOf(previousName), section, iniPath, error))
            return false;
        document.load(iniPath);
    }
    const QList<std::pair<QString, QString>> lines = SourceList::settingsOf(source);
    for (const QString& key : keysOf(iniPath, section)) {
        const bool kept = std::any_of(lines.cbegin(), lines.cend(),
                                      [&key](const auto& line) { return IniFileAccess::sameName(line.first, key); });
        if (!kept && SourceList::isSourceKey(key) && !deleteProfileKey(section, key, iniPath, error))
            return false;
    }
    for (const auto& [key, value] : lines) {
        if (document.value(section, key) == value)
            continue;
        if (!writeProfileString(section, key, value, iniPath, error))
            return false;
    }
    return true;
}

bool removeSource(const QString& iniPath, const QString& name, QString* error)
{
    return deleteProfileSection(SourceList::sectionOf(name), iniPath, error);
}

bool moveSource(const QString& iniPath, const QString& name, const QString& beforeName, QString* error)
{
    return moveProfileSection(SourceList::sectionOf(name),
                              beforeName.isEmpty() ? QString() : SourceList::sectionOf(beforeName), iniPath, error);
}

namespace {

// Writes the engine's key of a section of built-in settings, or deletes it
// when the value is empty, and the section with it once it holds no key.
bool writeEngineKey(const QString& iniPath, const QString& section, const Engine& engine, const QString& value,
                    QString* error)
{
    if (!value.isEmpty())
        return writeProfileString(section, engine.key(), value, iniPath, error);
    if (!deleteProfileKey(section, engine.key(), iniPath, error))
        return false;
    IniDocument document;
    document.load(iniPath);
    const std::optional<QString> left = document.sectionText(section);
    if (left && left->trimmed().isEmpty())
        return deleteProfileSection(section, iniPath, error);
    return true;
}

} // namespace

bool setHidden(const QString& iniPath, const Engine& engine, bool hidden, QString* error)
{
    return writeEngineKey(iniPath, SourceList::hiddenSection(), engine, hidden ? QStringLiteral("1") : QString(),
                          error);
}

bool setInterval(const QString& iniPath, const Source& source, int intervalMs, QString* error)
{
    if (source.engine) {
        return writeEngineKey(iniPath, SourceList::pacingSection(), *source.engine,
                              intervalMs > 0 ? QString::number(intervalMs) : QString(), error);
    }
    Source paced = source;
    paced.intervalMs = intervalMs;
    return writeSource(iniPath, paced, source.name, error);
}

} // namespace SourceSettingsFile
