#include "app/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const installedFiles[] = {"settings.ini", "Help.rtf"};

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Lists/ and Saved/ are where the file dialogs start and where saved
// searches go; make sure they exist so a first save does not fail.
void ensureSubfolders(const QString& folder)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("Lists"));
    dir.mkpath(QStringLiteral("Saved"));
}

} // namespace

ApplicationFolder::ApplicationFolder(const QString& path)
    : m_path(QDir::cleanPath(path))
{
}

ApplicationFolder ApplicationFolder::locate()
{
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return locate(qEnvironmentVariable("QUORVEX_HOME"), QCoreApplication::applicationDirPath(), userData);
}

ApplicationFolder ApplicationFolder::locate(const QString& homeFromEnvironment, const QString& programFolder,
                                            const QString& userDataFolder)
{
    if (!homeFromEnvironment.isEmpty()) {
        QDir().mkpath(homeFromEnvironment);
        ensureSubfolders(homeFromEnvironment);
        return ApplicationFolder(homeFromEnvironment);
    }

    const QDir program(programFolder);
    if (program.exists(QStringLiteral("settings.ini")) && isWritableFolder(programFolder)) {
        ensureSubfolders(programFolder);
        return ApplicationFolder(programFolder);
    }

    QDir().mkpath(userDataFolder);
    ensureSubfolders(userDataFolder);
    const QDir userData(userDataFolder);
    for (const char* name : installedFiles) {
        const QString fileName = QString::fromLatin1(name);
        if (!userData.exists(fileName) && program.exists(fileName))
            QFile::copy(program.filePath(fileName), userData.filePath(fileName));
    }
    return ApplicationFolder(userDataFolder);
}

QString ApplicationFolder::filePath(const QString& fileName) const
{
    return QDir(m_path).filePath(fileName);
}

QString ApplicationFolder::settingsIni() const
{
    return filePath(QStringLiteral("settings.ini"));
}

QString ApplicationFolder::helpFile() const
{
    return filePath(QStringLiteral("Help.rtf"));
}

QString ApplicationFolder::listsFolder() const
{
    return filePath(QStringLiteral("Lists"));
}

QString ApplicationFolder::savedFolder() const
{
    return filePath(QStringLiteral("Saved"));
}
