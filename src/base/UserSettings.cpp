#include "base/UserSettings.h"

#include "Branding.h"

#include <QSettings>
#include <QStringList>

namespace {

// The stored names, as the stores have always held them.
namespace Key {
constexpr char lowThreshold[] = "txtProfile0";
constexpr char mediumThreshold[] = "txtProfile1";
constexpr char highThreshold[] = "txtProfile2";
constexpr char autoSort[] = "chkAutoSort";
constexpr char clearBeforeScan[] = "chkClear";
constexpr char keepUrlList[] = "chkKeepList";
constexpr char showHelp[] = "showHelp";
constexpr char chartType[] = "cmbChart2";
constexpr char spaceDatesByTime[] = "chkSpaceDates";
constexpr char windowGeometry[] = "windowGeometry";
constexpr char resultsColumnWidths[] = "resultsColumnWidths";
constexpr char webResultsColumnWidths[] = "webResultsColumnWidths";
constexpr char currentView[] = "currentView";
} // namespace Key

struct KeyDefault
{
    const char* key;
    const char* defaultText;
};

const KeyDefault keyTable[] = {
    {Key::lowThreshold, "500"},     {Key::mediumThreshold, "1000"},
    {Key::highThreshold, "1000"},   {Key::autoSort, "1"},
    {Key::clearBeforeScan, "1"},    {Key::showHelp, "1"},
    {Key::chartType, "3"},          {Key::windowGeometry, ""},
    {Key::resultsColumnWidths, ""}, {Key::webResultsColumnWidths, ""},
    {Key::currentView, "0"},        {Key::keepUrlList, "1"},
    {Key::spaceDatesByTime, "1"},
};

const char* const rankNumberKeys[UserSettings::rankNumberCount] = {Key::lowThreshold, Key::mediumThreshold,
                                                                   Key::highThreshold};

QString defaultValue(const char* key)
{
    for (const KeyDefault& entry : keyTable) {
        if (qstrcmp(key, entry.key) == 0)
            return QString::fromLatin1(entry.defaultText);
    }
    return {};
}

QString sectionKey(const char* key)
{
    return QStringLiteral("Settings/") + QString::fromLatin1(key);
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
    return value(rankNumberKeys[index]);
}

void UserSettings::setRankNumberText(int index, const QString& text)
{
    if (index >= 0 && index < rankNumberCount)
        setValue(rankNumberKeys[index], text);
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
    bool ok = false;
    const int view = value(Key::currentView).toInt(&ok);
    return ok ? std::optional<int>(view) : std::nullopt;
}

void UserSettings::setCurrentView(int index)
{
    setValue(Key::currentView, QString::number(index));
}

QString UserSettings::value(const char* key) const
{
    return m_store->value(sectionKey(key), defaultValue(key)).toString();
}

void UserSettings::setValue(const char* key, const QString& text)
{
    m_store->setValue(sectionKey(key), text);
    m_store->sync();
}

bool UserSettings::isOn(const char* key) const
{
    return wholeNumber(value(key)) == 1;
}

void UserSettings::setOn(const char* key, bool on)
{
    setValue(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

int UserSettings::threshold(const char* key) const
{
    return wholeNumber(value(key)).value_or(defaultValue(key).toInt());
}

QList<int> UserSettings::widths(const char* key) const
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

void UserSettings::setWidths(const char* key, const QList<int>& widths)
{
    QStringList texts;
    for (const int width : widths)
        texts << QString::number(width);
    setValue(key, texts.join(u','));
}
