#include "scan/EngineFileCheck.h"

#include "Branding.h"
#include "base/ApplicationFolder.h"
#include "base/Prompts.h"
#include "engines/EngineSettingsFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

void reportUnreadable(Prompts& prompts, const QString& iniPath, const QString& reason)
{
    prompts.error(EngineSettingsFile::shownProblem(EngineSettingsFile::State::Unreadable, iniPath, reason),
                  Prompts::errorCaption());
}

} // namespace

void checkEngineFile(const ApplicationFolder& folder, Prompts& prompts)
{
    const QString ini = folder.settingsIni();
    QString reason;
    const EngineSettingsFile::State state = EngineSettingsFile::check(ini, &reason);
    switch (state) {
    case EngineSettingsFile::State::Usable:
        return;
    case EngineSettingsFile::State::Unreadable:
        reportUnreadable(prompts, ini, reason);
        return;
    case EngineSettingsFile::State::Missing:
    case EngineSettingsFile::State::NoEnginesSection:
    case EngineSettingsFile::State::NoAddresses:
        break;
    }
    const QString offer =
        state == EngineSettingsFile::State::Missing
            ? QCoreApplication::translate("EngineFileCheck", "Do you want to write the default addresses to it?")
            : QCoreApplication::translate("EngineFileCheck", "Do you want to add the default addresses to it?");
    if (!prompts.question(EngineSettingsFile::shownProblem(state, ini, reason) + QStringLiteral("\n\n") + offer,
                          QCoreApplication::translate("EngineFileCheck", "Warning")))
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
    prompts.error(
        QCoreApplication::translate("EngineFileCheck", "The search engine addresses could not be saved to \"%1\": %2")
            .arg(QDir::toNativeSeparators(iniPath), reason),
        QString::fromLatin1(Branding::applicationTitle));
}
