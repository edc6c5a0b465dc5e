#include "base/ApplicationFolder.h"

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

// A new folder starts with copies of the installed files; files already
// there are the user's and stay as they are.
void copyInstalledFiles(const QStringList& sources, const QString& folder)
{
    const QDir target(folder);
    for (const char* name : installedFiles) {
        const QString fileName = QString::fromLatin1(name);
        if (target.exists(fileName))
            continue;
        for (const QString& source : sources) {
            const QString installed = QDir(source).filePath(fileName);
            if (QFileInfo(installed).isFile()) {
                QFile::copy(installed, target.filePath(fileName));
                break;
            }
        }
    }
}

QStringList installedDataFolders(const QString& programFolder, const QStringList& genericDataFolders)
{
    const QString dataFolderName = QStringLiteral("quorvex");
    QStringList folders{programFolder, QDir(programFolder).filePath(QStringLiteral("../share/") + dataFolderName)};
    for (const QString& generic : genericDataFolders)
        folders << QDir(generic).filePath(dataFolderName);
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

} // namespace

ApplicationFolder::ApplicationFolder(const QString& path)
    : m_path(QDir::cleanPath(path))
{
}

ApplicationFolder ApplicationFolder::locate()
{
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return locate(qEnvironmentVariable("QUORVEX_HOME"), QCoreApplication::applicationDirPath(), userData,
                  QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

ApplicationFolder ApplicationFolder::locate(const QString& homeFromEnvironment, const QString& programFolder,
                                            const QString& userDataFolder, const QStringList& genericDataFolders)
{
    const QStringList installed = installedDataFolders(programFolder, genericDataFolders);
    if (!homeFromEnvironment.isEmpty()) {
        QDir().mkpath(homeFromEnvironment);
        ensureSubfolders(homeFromEnvironment);
        copyInstalledFiles(installed, homeFromEnvironment);
        return ApplicationFolder(homeFromEnvironment);
    }

    const QDir program(programFolder);
    if (program.exists(QStringLiteral("settings.ini")) && isWritableFolder(programFolder)) {
        ensureSubfolders(programFolder);
        return ApplicationFolder(programFolder);
    }

    QDir().mkpath(userDataFolder);
    ensureSubfolders(userDataFolder);
    copyInstalledFiles(installed, userDataFolder);
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
