#include "app/WindowMemory.h"

#include "app/MainWindow.h"
#include "base/UserSettings.h"
#include "results/ResultsView.h"
#include "webview/WebViewPanel.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

namespace {

QList<int> widthsOf(const QHeaderView* header)
{
    QList<int> widths;
    for (int section = 0; section < header->count(); ++section)
        widths << header->sectionSize(section);
    return widths;
}

// Only a full set of widths is taken: a partial one would leave the columns
// out of proportion.
bool restoreWidths(QHeaderView* header, const QList<int>& widths)
{
    if (widths.size() != header->count())
        return false;
    for (int section = 0; section < widths.size(); ++section)
        header->resizeSection(section, widths[section]);
    return true;
}

} // namespace

namespace WindowMemory {

void restore(MainWindow& window, const UserSettings& settings)
{
    const QByteArray geometry = settings.windowGeometry();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);

    restoreWidths(window.resultsView()->table()->horizontalHeader(), settings.resultsColumnWidths());
    if (restoreWidths(window.webViewPanel()->resultsList()->header(), settings.webResultsColumnWidths()))
        window.webViewPanel()->keepColumnWidths();

    const std::optional<int> view = settings.currentView();
    if (view && *view >= 0 && *view < window.tabs()->count())
        window.tabs()->setCurrentIndex(*view);
}

void save(const MainWindow& window, UserSettings& settings)
{
    settings.setWindowGeometry(window.saveGeometry());
    settings.setResultsColumnWidths(widthsOf(window.resultsView()->table()->horizontalHeader()));
    // Widths the list never got (its view was not shown) are not kept.
    if (window.webViewPanel()->columnsSized())
        settings.setWebResultsColumnWidths(widthsOf(window.webViewPanel()->resultsList()->header()));
    settings.setCurrentView(window.tabs()->currentIndex());
}

} // namespace WindowMemory
