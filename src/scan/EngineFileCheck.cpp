#include "scan/EngineFileCheck.h"

#include "Branding.h"
#include "app/ApplicationFolder.h"
#include "app/Prompts.h"
#include "scan/EngineSettingsFile.h"

#include <QDir>

namespace {

void reportUnreadable(Prompts& prompts, const QString& iniPath, const QString& reason)
{
    prompts.error(
        QStringLiteral("The settings file \"%1\" could not be read: %2").arg(QDir::toNativeSeparators(iniPath), reason),
        Prompts::errorCaption());
}

} // namespace

void checkEngineFile(const ApplicationFolder& folder, Prompts& prompts)
{
    const QString ini = folder.settingsIni();
    const QString shownPath = QDir::toNativeSeparators(ini);
    QString reason;
    QString question;
    switch (EngineSettingsFile::check(ini, &reason)) {
    case EngineSettingsFile::State::Usable:
        return;
    case EngineSettingsFile::State::Unreadable:
        reportUnreadable(prompts, ini, reason);
        return;
    case EngineSettingsFile::State::Missing:
        question = QStringLiteral("The settings file \"%1\" is missing, so a scan has no search engine addresses.\n\n"
                                  "Do you want to write the default addresses to it?")
                       .arg(shownPath);
        break;
    case EngineSettingsFile::State::NoEnginesSection:
        question = QStringLiteral("The settings file \"%1\" has no [Engines] section, so a scan has no search engine "
                                  "addresses.\n\nDo you want to add the default addresses to it?")
                       .arg(shownPath);
        break;
    }
    if (!prompts.question(question, QStringLiteral("Warning")))
        return;
    if (!EngineSettingsFile::writeDefaults(ini, &reason))
        reportEngineSaveFailure(prompts, ini, reason);
}

bool engineFileReadable(const ApplicationFolder& folder, Prompts& prompts)
{
    QString reason;
    if (EngineSettingsFile::check(folder.settingsIni(), &reason) != EngineSettingsFile::State::Unreadable)
        return true;
    reportUnreadable(prompts, folder.settingsIni(), reason);
    return false;
}

void reportEngineSaveFailure(Prompts& prompts, const QString& iniPath, const QString& reason)
{
    prompts.error(QStringLiteral("The search engine addresses could not be saved to \"%1\": %2")
                      .arg(QDir::toNativeSeparators(iniPath), reason),
                  QString::fromLatin1(Branding::applicationTitle));
}
