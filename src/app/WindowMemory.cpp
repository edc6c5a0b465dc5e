#include "app/WindowMemory.h"

#include "app/MainWindow.h"
#include "base/UserSettings.h"
#include "results/ResultsView.h"
#include "webview/WebViewPanel.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

QString key(const char* settingKey)
{
    return QString::fromLatin1(settingKey);
}

QString widthsText(const QHeaderView* header)
{
    QStringList widths;
    for (int section = 0; section < header->count(); ++section)
        widths << QString::number(header->sectionSize(section));
    return widths.join(u',');
}

// Only a full set of usable widths is taken: a partial one would leave the
// columns out of proportion.
bool restoreWidths(QHeaderView* header, const QString& text)
{
    const QStringList widths = text.split(u',');
    if (widths.size() != header->count())
        return false;
    QList<int> sizes;
    for (const QString& width : widths) {
        bool isNumber = false;
        const int size = width.toInt(&isNumber);
        if (!isNumber || size < 0 || size > 100000)
            return false;
        sizes << size;
    }
    for (int section = 0; section < sizes.size(); ++section)
        header->resizeSection(section, sizes[section]);
    return true;
}

} // namespace

namespace WindowMemory {

bool restore(MainWindow& window, const UserSettings& settings)
{
    // Qt brings a window whose screen is gone, or whose title bar would be
    // off the screen, partly back.
    const QByteArray geometry = QByteArray::fromBase64(settings.value(key(SettingKey::windowGeometry)).toLatin1());
    const bool placed = !geometry.isEmpty() && window.restoreGeometry(geometry);

    restoreWidths(window.resultsView()->table()->header(), settings.value(key(SettingKey::resultsColumnWidths)));
    if (restoreWidths(window.webViewPanel()->resultsList()->header(),
                      settings.value(key(SettingKey::webResultsColumnWidths))))
        window.webViewPanel()->keepColumnWidths();

    bool isNumber = false;
    const int view = settings.value(key(SettingKey::currentView)).toInt(&isNumber);
    if (isNumber && view >= 0 && view < window.tabs()->count())
        window.tabs()->setCurrentIndex(view);
    return placed;
}

void save(const MainWindow& window, UserSettings& settings)
{
    settings.setValue(key(SettingKey::windowGeometry), QString::fromLatin1(window.saveGeometry().toBase64()));
    settings.setValue(key(SettingKey::resultsColumnWidths), widthsText(window.resultsView()->table()->header()));
    // Widths the list never got (its view was not shown) are not kept.
    if (window.webViewPanel()->columnsSized())
        settings.setValue(key(SettingKey::webResultsColumnWidths),
                          widthsText(window.webViewPanel()->resultsList()->header()));
    settings.setValue(key(SettingKey::currentView), QString::number(window.tabs()->currentIndex()));
}

} // namespace WindowMemory
