#pragma once

#include <QString>

// The folder that holds settings.ini, Help.rtf, Lists/ and Saved/. It is
// passed to whatever needs a path, so tests can run in temporary folders.
class ApplicationFolder
{
public:
    explicit ApplicationFolder(const QString& path);

    // Finds the folder for this run: QUORVEX_HOME when set; else the
    // program's own folder when it holds settings.ini and is writable (a
    // portable install); else the per-user data folder. Lists/ and Saved/
    // are created when missing, and a new QUORVEX_HOME or data folder gets
    // copies of the files installed beside the program.
    static ApplicationFolder locate();

    // The rule of locate() with its inputs spelled out, for tests.
    static ApplicationFolder locate(const QString& homeFromEnvironment, const QString& programFolder,
                                    const QString& userDataFolder);

    QString path() const { return m_path; }
    QString filePath(const QString& fileName) const;

    QString settingsIni() const;
    QString helpFile() const;
    QString listsFolder() const;
    QString savedFolder() const;

private:
    QString m_path;
};
