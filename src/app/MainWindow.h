#pragma once

#include "base/AppContext.h"
#include "results/ResultRow.h"
#include "webview/BrowserFactory.h"

#include <QMainWindow>

class ChartPanel;
class MainMenus;
class MainStatusBar;
class OptionsCommand;
class QTabWidget;
class ResultsView;
class ScanController;
class ScanLogWindow;
class ScanResults;
class SessionKeeper;
class ShellCommands;
class ToolStrip;
class UrlListCommands;
class UrlPanel;
class WebViewPanel;

// The main window "Form1": the tool strip, the URL panel, the three result
// views on a tab strip, the status bar and the menus. It composes the panels
// and wires the commands; the commands themselves live with their panels.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The web view makes its browser with makeBrowser when it is first needed.
    MainWindow(AppContext& context, BrowserFactory makeBrowser, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() const { return m_context; }
    MainMenus& menus() const { return *m_menus; }
    ToolStrip* toolStrip() const { return m_toolStrip; }
    UrlPanel* urlPanel() const { return m_urlPanel; }
    UrlListCommands* urlListCommands() const { return m_urlListCommands; }
    QTabWidget* tabs() const { return m_tabs; }
    ScanResults* results() const { return m_results; }
    ResultsView* resultsView() const { return m_resultsView; }
    // The chart view "Frame3"; the scan charts its results through it.
    ChartPanel* chartPanel() const { return m_chartPanel; }
    WebViewPanel* webViewPanel() const { return m_webViewPanel; }
    MainStatusBar* statusPanels() const { return m_statusBar; }
    ShellCommands* shellCommands() const { return m_shellCommands; }
    ScanController* scanController() const { return m_scanController; }
    // Opens the scan log window (one for the main window) and brings it to the front.
    ScanLogWindow* showScanLog();
    OptionsCommand* optionsCommand() const { return m_optionsCommand; }

    // Tab indexes of the three views.
    enum View { DataView = 0, ChartView = 1, WebsiteView = 2 };
    void showView(View view);

    // Empties the results table and the web-results list; the column sort
    // directions and the web page stay as they are. Does nothing while a
    // scan runs, which would lose the rows it is filling.
    void clearResults();

    // Gives an empty results table a column per source that a scan would
    // ask now (at start, after Options and after clearing); a table with
    // rows keeps its columns until the next scan.
    void showSourceColumns();

    // Opens the Load Saved Search dialog and charts the chosen search.
    void loadSavedSearch();

    // Puts the URLs of the list file in place of the list, as given on the
    // command line; a file that cannot be read is reported and changes
    // nothing.
    void loadUrlListFile(const QString& path);

    // "Export Results as CSV...": the results as they are shown.
    void exportResults();

signals:
    // After clearResults(): the scan starts again with the first URL.
    void resultsCleared();
    // At the end of a scan: the chart view is to show these rows of the
    // results (ScanController::currentResultsChartRequested).
    void currentResultsChartRequested(const QList<ResultRow>& rows);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void loadWindow();
    void wireCommands(BrowserFactory makeBrowser);
    void wireUrlList();
    void wireScan();

    AppContext& m_context;
    MainMenus* m_menus = nullptr;
    ToolStrip* m_toolStrip = nullptr;
    UrlPanel* m_urlPanel = nullptr;
    UrlListCommands* m_urlListCommands = nullptr;
    SessionKeeper* m_sessionKeeper = nullptr;
    QTabWidget* m_tabs = nullptr;
    ScanResults* m_results = nullptr;
    ResultsView* m_resultsView = nullptr;
    ChartPanel* m_chartPanel = nullptr;
    WebViewPanel* m_webViewPanel = nullptr;
    MainStatusBar* m_statusBar = nullptr;
    ShellCommands* m_shellCommands = nullptr;
    ScanController* m_scanController = nullptr;
    ScanLogWindow* m_scanLogWindow = nullptr;
    OptionsCommand* m_optionsCommand = nullptr;
    bool m_shownBefore = false;
};
