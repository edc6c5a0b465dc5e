#include "base/UserSettings.h"

#include "Branding.h"

#include <QSettings>
#include <QStringList>

// A key of the store with its default text.
struct SettingKey
{
    const char* name; // as the stores have always held it
    const char* defaultText;
};

namespace {

namespace Key {
constexpr SettingKey lowThreshold{"txtProfile0", "500"};
constexpr SettingKey mediumThreshold{"txtProfile1", "1000"};
constexpr SettingKey highThreshold{"txtProfile2", "1000"};
constexpr SettingKey autoSort{"chkAutoSort", "1"};
constexpr SettingKey clearBeforeScan{"chkClear", "1"};
constexpr SettingKey keepUrlList{"chkKeepList", "1"};
constexpr SettingKey parallelEngines{"chkParallelEngines", "0"};
constexpr SettingKey showHelp{"showHelp", "1"};
constexpr SettingKey chartType{"cmbChart2", "3"};
constexpr SettingKey spaceDatesByTime{"chkSpaceDates", "1"};
constexpr SettingKey windowGeometry{"windowGeometry", ""};
constexpr SettingKey resultsColumnWidths{"resultsColumnWidths", ""};
constexpr SettingKey webResultsColumnWidths{"webResultsColumnWidths", ""};
constexpr SettingKey currentView{"currentView", "0"};
constexpr SettingKey proxyChoice{"proxy", "system"};
constexpr SettingKey proxyHost{"proxyHost", ""};
constexpr SettingKey proxyPort{"proxyPort", ""};
constexpr SettingKey proxyUser{"proxyUser", ""};
constexpr SettingKey proxyPassword{"proxyPassword", ""};
constexpr SettingKey userAgent{"userAgent", "Mozilla"};
} // namespace Key

const SettingKey* const rankNumberKeys[UserSettings::rankNumberCount] = {&Key::lowThreshold, &Key::mediumThreshold,
                                                                         &Key::highThreshold};

QString sectionKey(const SettingKey& key)
{
    return QStringLiteral("Settings/") + QString::fromLatin1(key.name);
}

// A whole number after trimming; nothing for any other text.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
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

QString UserSettings::rankNumberText(int index) const
{
    if (index < 0 || index >= rankNumberCount)
        return {};
    return value(*rankNumberKeys[index]);
}

void UserSettings::setRankNumberText(int index, const QString& text)
{
    if (index >= 0 && index < rankNumberCount)
        setValue(*rankNumberKeys[index], text);
}

RankThresholds UserSettings::rankThresholds() const
{
    return {threshold(Key::lowThreshold), threshold(Key::mediumThreshold)};
}

bool UserSettings::autoSort() const
{
    return isOn(Key::autoSort);
}

void UserSettings::setAutoSort(bool on)
{
    setOn(Key::autoSort, on);
}

bool UserSettings::clearBeforeScan() const
{
    return isOn(Key::clearBeforeScan);
}

void UserSettings::setClearBeforeScan(bool on)
{
    setOn(Key::clearBeforeScan, on);
}

bool UserSettings::keepUrlList() const
{
    return isOn(Key::keepUrlList);
}

void UserSettings::setKeepUrlList(bool on)
{
    setOn(Key::keepUrlList, on);
}

bool UserSettings::parallelEngines() const
{
    return isOn(Key::parallelEngines);
}

void UserSettings::setParallelEngines(bool on)
{
    setOn(Key::parallelEngines, on);
}

NetworkSettings UserSettings::networkSettings() const
{
    NetworkSettings settings;
    const QString choice = value(Key::proxyChoice);
    if (choice == QLatin1String("none"))
        settings.proxy = NetworkSettings::ProxyChoice::None;
    else if (choice == QLatin1String("manual"))
        settings.proxy = NetworkSettings::ProxyChoice::Manual;
    settings.proxyHost = value(Key::proxyHost).trimmed();
    const std::optional<int> port = wholeNumber(value(Key::proxyPort));
    settings.proxyPort = port && *port > 0 && *port <= 65535 ? static_cast<quint16>(*port) : 0;
    settings.proxyUser = value(Key::proxyUser);
    settings.proxyPassword = value(Key::proxyPassword);
    const QString agent = value(Key::userAgent);
    if (!agent.trimmed().isEmpty())
        settings.userAgent = agent;
    return settings;
}

void UserSettings::setNetworkSettings(const NetworkSettings& settings)
{
    static const char* const choices[] = {"system", "none", "manual"};
    setValue(Key::proxyChoice, QString::fromLatin1(choices[static_cast<int>(settings.proxy)]));
    setValue(Key::proxyHost, settings.proxyHost);
    setValue(Key::proxyPort, settings.proxyPort ? QString::number(settings.proxyPort) : QString());
    setValue(Key::proxyUser, settings.proxyUser);
    setValue(Key::proxyPassword, settings.proxyPassword);
    setValue(Key::userAgent, settings.userAgent);
}

bool UserSettings::showHelpAtStart() const
{
    return value(Key::showHelp) == QLatin1String("1");
}

std::optional<bool> UserSettings::showHelpChoice() const
{
    const std::optional<int> state = wholeNumber(value(Key::showHelp));
    if (state == 0 || state == 1)
        return state == 1;
    return std::nullopt;
}

void UserSettings::setShowHelpAtStart(bool show)
{
    setOn(Key::showHelp, show);
}

std::optional<int> UserSettings::chartType() const
{
    return wholeNumber(value(Key::chartType));
}

void UserSettings::setChartType(int index)
{
    setValue(Key::chartType, QString::number(index));
}

bool UserSettings::spaceDatesByTime() const
{
    return isOn(Key::spaceDatesByTime);
}

void UserSettings::setSpaceDatesByTime(bool on)
{
    setOn(Key::spaceDatesByTime, on);
}

QByteArray UserSettings::windowGeometry() const
{
    return QByteArray::fromBase64(value(Key::windowGeometry).toLatin1());
}

void UserSettings::setWindowGeometry(const QByteArray& geometry)
{
    setValue(Key::windowGeometry, QString::fromLatin1(geometry.toBase64()));
}

QList<int> UserSettings::resultsColumnWidths() const
{
    return widths(Key::resultsColumnWidths);
}

void UserSettings::setResultsColumnWidths(const QList<int>& widths)
{
    setWidths(Key::resultsColumnWidths, widths);
}

QList<int> UserSettings::webResultsColumnWidths() const
{
    return widths(Key::webResultsColumnWidths);
}

void UserSettings::setWebResultsColumnWidths(const QList<int>& widths)
{
    setWidths(Key::webResultsColumnWidths, widths);
}

std::optional<int> UserSettings::currentView() const
{
    return wholeNumber(value(Key::currentView));
}

void UserSettings::setCurrentView(int index)
{
    setValue(Key::currentView, QString::number(index));
}

QString UserSettings::value(const SettingKey& key) const
{
    return m_store->value(sectionKey(key), QString::fromLatin1(key.defaultText)).toString();
}

void UserSettings::setValue(const SettingKey& key, const QString& text)
{
    m_store->setValue(sectionKey(key), text);
    m_store->sync();
}

bool UserSettings::isOn(const SettingKey& key) const
{
    return wholeNumber(value(key)) == 1;
}

void UserSettings::setOn(const SettingKey& key, bool on)
{
    setValue(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

int UserSettings::threshold(const SettingKey& key) const
{
    return wholeNumber(value(key)).value_or(QString::fromLatin1(key.defaultText).toInt());
}

QList<int> UserSettings::widths(const SettingKey& key) const
{
    QList<int> result;
    for (const QString& width : value(key).split(u',')) {
        bool isNumber = false;
        const int size = width.toInt(&isNumber);
        if (!isNumber || size < 0 || size > 100000)
            return {};
        result << size;
    }
    return result;
}

void UserSettings::setWidths(const SettingKey& key, const QList<int>& widths)
{
    QStringList texts;
    for (const int width : widths)
        texts << QString::number(width);
    setValue(key, texts.join(u','));
}
