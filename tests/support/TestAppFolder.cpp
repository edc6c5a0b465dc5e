#include "support/TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    m_settings = UserSettings::openFile(m_dir.filePath(QStringLiteral("user-settings.ini")));
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
