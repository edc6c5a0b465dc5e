#pragma once

#include "base/ApplicationFolder.h"
#include "base/UserSettings.h"

#include <QTemporaryDir>

#include <memory>

// A temporary application folder for one test: Lists/ and Saved/ exist,
// settings.ini holds the installed engine table, and the per-user settings
// live in a file of their own beside it.
class TestAppFolder
{
public:
    enum class Content { Installed, Empty };

    explicit TestAppFolder(Content content = Content::Installed);

    bool isValid() const { return m_dir.isValid(); }
    ApplicationFolder folder() const { return ApplicationFolder(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    UserSettings& settings() { return *m_settings; }
    // A key's text as the per-user store holds it, and a text put there as
    // an older or hand-edited store may hold it.
    QString storedSetting(const QString& key) const;
    void storeSetting(const QString& key, const QString& text);

    // Writes bytes to a file of the folder (creating subfolders).
    bool writeFile(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relativePath) const;

private:
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("user-settings.ini")); }

    QTemporaryDir m_dir;
    std::unique_ptr<UserSettings> m_settings;
};

// The installed settings.ini of the source tree.
QByteArray installedSettingsIni();
