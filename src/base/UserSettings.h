#pragma once

#include <QString>

#include <memory>

class QSettings;
struct RankThresholds;

// Keys of the per-user settings store (section "Settings").
namespace SettingKey {
inline constexpr char lowThreshold[] = "txtProfile0";
inline constexpr char mediumThreshold[] = "txtProfile1";
inline constexpr char highThreshold[] = "txtProfile2";
inline constexpr char autoSort[] = "chkAutoSort";
inline constexpr char clearBeforeScan[] = "chkClear";
inline constexpr char showHelp[] = "showHelp";
inline constexpr char chartType[] = "cmbChart2";
// The main window as it was left: placement (Qt's saveGeometry, base64),
// column widths of the two tables (pixels, comma-separated), the tab shown.
inline constexpr char windowGeometry[] = "windowGeometry";
inline constexpr char resultsColumnWidths[] = "resultsColumnWidths";
inline constexpr char webResultsColumnWidths[] = "webResultsColumnWidths";
inline constexpr char currentView[] = "currentView";
inline constexpr char keepUrlList[] = "chkKeepList";
} // namespace SettingKey

// The per-user settings: text values under section "Settings", each key with
// its default. Nothing is cached; every read goes to the store.
class UserSettings
{
public:
    explicit UserSettings(std::unique_ptr<QSettings> store);
    ~UserSettings();

    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    // The platform's per-user store (registry on Windows, a config file
    // elsewhere), organisation and application "Quorvex".
    static std::unique_ptr<UserSettings> openUserStore();
    // A store kept in the given INI file; tests use one in a temporary folder.
    static std::unique_ptr<UserSettings> openFile(const QString& iniPath);

    // The default of a key of the table; the empty text for any other key.
    static QString defaultValue(const QString& key);

    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& text);

    // Check-box values count as on only when they read as the number 1.
    bool isOn(const QString& key) const;
    // A rank threshold; a stored text that is not a whole number counts as
    // the key's default.
    int threshold(const QString& key) const;
    // The low threshold and the medium/high boundary.
    RankThresholds rankThresholds() const;

private:
    std::unique_ptr<QSettings> m_store;
};
