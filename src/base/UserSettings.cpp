#include "base/UserSettings.h"

#include "Branding.h"
#include "results/ResultRow.h"

#include <QSettings>

namespace {

struct KeyDefault
{
    const char* key;
    const char* defaultText;
};

const KeyDefault keyTable[] = {
    {SettingKey::lowThreshold, "500"},     {SettingKey::mediumThreshold, "1000"},
    {SettingKey::highThreshold, "1000"},   {SettingKey::autoSort, "1"},
    {SettingKey::clearBeforeScan, "1"},    {SettingKey::showHelp, "1"},
    {SettingKey::chartType, "3"},          {SettingKey::windowGeometry, ""},
    {SettingKey::resultsColumnWidths, ""}, {SettingKey::webResultsColumnWidths, ""},
    {SettingKey::currentView, "0"},        {SettingKey::keepUrlList, "1"},
};

QString sectionKey(const QString& key)
{
    return QStringLiteral("Settings/") + key;
}

} // namespace

UserSettings::UserSettings(std::unique_ptr<QSettings> store)
    : m_store(std::move(store))
{}

UserSettings::~UserSettings() = default;

std::unique_ptr<UserSettings> UserSettings::openUserStore()
{
    const QString name = QString::fromLatin1(Branding::productName);
    return std::make_unique<UserSettings>(std::make_unique<QSettings>(name, name));
}

std::unique_ptr<UserSettings> UserSettings::openFile(const QString& iniPath)
{
    return std::make_unique<UserSettings>(std::make_unique<QSettings>(iniPath, QSettings::IniFormat));
}

QString UserSettings::defaultValue(const QString& key)
{
    for (const KeyDefault& entry : keyTable) {
        if (key == QLatin1String(entry.key))
            return QString::fromLatin1(entry.defaultText);
    }
    return {};
}

QString UserSettings::value(const QString& key) const
{
    return m_store->value(sectionKey(key), defaultValue(key)).toString();
}

void UserSettings::setValue(const QString& key, const QString& text)
{
    m_store->setValue(sectionKey(key), text);
    m_store->sync();
}

bool UserSettings::isOn(const QString& key) const
{
    bool ok = false;
    const int state = value(key).trimmed().toInt(&ok);
    return ok && state == 1;
}

int UserSettings::threshold(const QString& key) const
{
    bool ok = false;
    const int number = value(key).trimmed().toInt(&ok);
    if (ok)
        return number;
    return defaultValue(key).toInt();
}

RankThresholds UserSettings::rankThresholds() const
{
    return {threshold(QString::fromLatin1(SettingKey::lowThreshold)),
            threshold(QString::fromLatin1(SettingKey::mediumThreshold))};
}
