#include "support/TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

QByteArray installedSettingsIni()
{
    QFile file(qEnvironmentVariable("QUORVEX_SOURCE_DIR") + QStringLiteral("/data/settings.ini"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TestAppFolder::TestAppFolder(Content content)
{
    QDir dir(m_dir.path());
    dir.mkpath(QStringLiteral("Lists"));
    dir.mkpath(QStringLiteral("Saved"));
    if (content == Content::Installed)
        writeFile(QStringLiteral("settings.ini"), installedSettingsIni());
    m_settings = UserSettings::openFile(settingsPath());
}

bool TestAppFolder::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray TestAppFolder::readFile(const QString& relativePath) const
{
    QFile file(m_dir.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The store of settings() shares the file's contents within the process, so
// it sees these at once.
QString TestAppFolder::storedSetting(const QString& key) const
{
    return QSettings(settingsPath(), QSettings::IniFormat).value(QStringLiteral("Settings/") + key).toString();
}

void TestAppFolder::storeSetting(const QString& key, const QString& text)
{
    QSettings store(settingsPath(), QSettings::IniFormat);
    store.setValue(QStringLiteral("Settings/") + key, text);
    store.sync();
}
