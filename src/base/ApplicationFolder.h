#pragma once

#include <QString>
#include <QStringList>

// The folder that holds settings.ini, Help.rtf, Lists/ and Saved/. It is
// passed to whatever needs a path, so tests can run in temporary folders.
class ApplicationFolder
{
public:
    explicit ApplicationFolder(const QString& path);

    // Finds the folder for this run: QUORVEX_HOME when set; else the
    // program's own folder when it holds settings.ini and is writable (a
    // portable install); else the per-user data folder, "quorvex" in the
    // user's data folder (~/.local/share/quorvex). Lists/ and Saved/
    // are created when missing, and a new QUORVEX_HOME or data folder gets
    // copies of the installed settings.ini and Help.rtf, each taken from
    // the first of: the program's folder (a build or a portable copy),
    // share/quorvex/ beside the program's bin/ (an install under any prefix),
    // quorvex/ in each of the system's shared data folders.
    //
    // Earlier versions kept the per-user folder one level deeper, under the
    // organisation and application names (~/.local/share/Quorvex/Quorvex).
    // When the per-user folder is chosen, what that folder holds is moved
    // into the new one first; an entry the new folder already holds stays
    // where it was, so nothing is overwritten or lost.
    static ApplicationFolder locate();

    // The rule of locate() with its inputs spelled out, for tests.
    static ApplicationFolder locate(const QString& homeFromEnvironment, const QString& programFolder,
                                    const QString& userDataFolder, const QStringList& genericDataFolders = {},
                                    const QString& earlierUserDataFolder = {});

    QString path() const { return m_path; }
    QString filePath(const QString& fileName) const;

    QString settingsIni() const;
    QString helpFile() const;
    QString listsFolder() const;
    QString savedFolder() const;

private:
    QString m_path;
};
