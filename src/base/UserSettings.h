#pragma once

#include "base/NetworkSettings.h"
#include "base/RankThresholds.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QSettings;
struct SettingKey;

// The per-user settings: text values under section "Settings" of the store,
// each key with its default. The key names are those the stores have
// always held; nothing outside this class names them. Nothing is cached;
// every read goes to the store.
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

    // The Options dialog's three rank numbers as typed: 0 the low threshold,
    // 1 the medium/high boundary, 2 the high value.
    static constexpr int rankNumberCount = 3;
    QString rankNumberText(int index) const;
    void setRankNumberText(int index, const QString& text);
    // The low threshold and the medium/high boundary a scan ranks by; a
    // stored text that is not a whole number counts as the default.
    RankThresholds rankThresholds() const;

    // The Options dialog's check boxes; on only when the stored text reads
    // as the number 1.
    bool autoSort() const;
    void setAutoSort(bool on);
    bool clearBeforeScan() const;
    void setClearBeforeScan(bool on);
    bool keepUrlList() const;
    void setKeepUrlList(bool on);
    // Whether a scan asks the six engines about a site at the same time;
    // off by default.
    bool parallelEngines() const;
    void setParallelEngines(bool on);

    // The proxy and the user agent of every query. A stored proxy choice
    // other than "none" or "manual" is the system's; a port that is no
    // number from 1 to 65535 is 0; an empty user agent is the default.
    NetworkSettings networkSettings() const;
    void setNetworkSettings(const NetworkSettings& settings);

    // Whether the help opens at start: only the stored text "1" says so.
    bool showHelpAtStart() const;
    // The help window's "Show at Startup" box as stored: the number 0 or 1;
    // nothing for any other text.
    std::optional<bool> showHelpChoice() const;
    void setShowHelpAtStart(bool show);

    // The index of the chart type last chosen; nothing when the stored text
    // is not a whole number.
    std::optional<int> chartType() const;
    void setChartType(int index);
    // Whether flat history charts space their dates by the time between
    // them; on only when the stored text reads as the number 1.
    bool spaceDatesByTime() const;
    void setSpaceDatesByTime(bool on);

    // The main window as it was left: its placement (Qt's saveGeometry),
    // the column widths of the results table and of the web-results list
    // (pixels; none unless every stored width is a number from 0 to 100000)
    // and the tab shown.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    QList<int> resultsColumnWidths() const;
    void setResultsColumnWidths(const QList<int>& widths);
    QList<int> webResultsColumnWidths() const;
    void setWebResultsColumnWidths(const QList<int>& widths);
    std::optional<int> currentView() const;
    void setCurrentView(int index);

private:
    QString value(const SettingKey& key) const;
    void setValue(const SettingKey& key, const QString& text);
    bool isOn(const SettingKey& key) const;
    void setOn(const SettingKey& key, bool on);
    int threshold(const SettingKey& key) const;
    QList<int> widths(const SettingKey& key) const;
    void setWidths(const SettingKey& key, const QList<int>& widths);

    std::unique_ptr<QSettings> m_store;
};
