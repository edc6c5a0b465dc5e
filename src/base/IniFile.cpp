#include "base/IniFile.h"

#include "base/IniFileAccess.h"

#include <QCoreApplication>

using IniFileAccess::checkWriteArguments;
using IniFileAccess::setError;

QString readIniKey(const QString& section, const QString& key, const QString& defaultText, const QString& file)
{
    if (!isValidIniName(section) || !isValidIniName(key))
        return defaultText;
    IniDocument document;
    document.load(file);
    return document.value(section, key).value_or(defaultText);
}

QString readIniSection(const QString& section, const QString& defaultText, const QString& file)
{
    if (!isValidIniName(section))
        return defaultText;
    IniDocument document;
    document.load(file);
    return document.sectionText(section).value_or(defaultText);
}

QStringList iniSectionNames(const QString& file)
{
    IniDocument document;
    document.load(file);
    return document.sectionNames();
}

bool writeIniKey(const QString& section, const QString& key, const QString& value, const QString& file, QString* error)
{
    if (!checkWriteArguments(section, key, value, error))
        return false;
    IniDocument document;
    if (document.load(file, error) != IniDocument::LoadStatus::Loaded)
        return false;
    if (!document.setValue(section, key, value)) {
        setError(error, QCoreApplication::translate("IniFile", "The file is empty."));
        return false;
    }
    return document.save(file, error);
}

bool clearIniSection(const QString& section, const QString& file, QString* error)
{
    if (!checkWriteArguments(section, QString(), QString(), error))
        return false;
    IniDocument document;
    // A file that exists but cannot be read must not be replaced.
    QString loadError;
    if (document.load(file, &loadError) == IniDocument::LoadStatus::Failed) {
        setError(error, loadError);
        return false;
    }
    document.clearSection(section);
    return document.save(file, error);
}
