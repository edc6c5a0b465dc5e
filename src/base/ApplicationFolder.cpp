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

// Moves every entry of `from` that `to` does not hold into `to`; a folder
// both hold is merged the same way. Renames only, so nothing is copied
// twice; an entry that cannot be moved stays where it was. `from` is
// removed once it is empty.
void moveEntries(const QString& from, const QString& to)
{
    const QDir source(from);
    const QDir target(to);
    const QFileInfoList entries =
        source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString destination = target.filePath(entry.fileName());
        const QFileInfo existing(destination);
        if (!existing.exists() && !existing.isSymLink())
            QDir().rename(entry.filePath(), destination);
        else if (entry.isDir() && !entry.isSymLink() && existing.isDir() && !existing.isSymLink())
            moveEntries(entry.filePath(), destination);
    }
    QDir().rmdir(from);
}

// Takes over the per-user folder of earlier versions, once: afterwards it is
// gone, or holds only what the new folder already had.
void moveEarlierFolder(const QString& earlier, const QString& folder)
{
    const QFileInfo info(earlier);
    if (earlier.isEmpty() || !info.isDir())
        return;
    if (!QFileInfo::exists(folder) && QDir().rename(earlier, folder)) {
        // The organisation folder above it was made for it alone.
        QDir().rmdir(info.path());
        return;
    }
    moveEntries(earlier, folder);
    QDir().rmdir(info.path());
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
{}

ApplicationFolder ApplicationFolder::locate()
{
    const QDir userData(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    // The folder Qt names after the organisation and the application, where
    // earlier versions kept their files.
    const QString earlier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return locate(qEnvironmentVariable("QUORVEX_HOME"), QCoreApplication::applicationDirPath(),
                  userData.filePath(QStringLiteral("quorvex")),
                  QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation), earlier);
}

ApplicationFolder ApplicationFolder::locate(const QString& homeFromEnvironment, const QString& programFolder,
                                            const QString& userDataFolder, const QStringList& genericDataFolders,
                                            const QString& earlierUserDataFolder)
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

    moveEarlierFolder(earlierUserDataFolder, userDataFolder);
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
