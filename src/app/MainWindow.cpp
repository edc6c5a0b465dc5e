#include "app/MainWindow.h"

#include "Branding.h"
#include "app/DesktopNotification.h"
#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/ScanEndNotifier.h"
#include "app/SessionKeeper.h"
#include "app/ShellCommands.h"
#include "app/SystemUrlOpener.h"
#include "app/ToolStrip.h"
#include "app/WindowMemory.h"
#include "base/CsvExport.h"
#include "base/Prompts.h"
#include "base/Twips.h"
#include "base/UserSettings.h"
#include "base/WindowPlacement.h"
#include "charts/ChartPanel.h"
#include "engines/SourceList.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlPanel.h"
#include "results/ResultsCsv.h"
#include "results/ResultsSortProxy.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "saved/LoadSearchDialog.h"
#include "saved/SaveCommand.h"
#include "scan/EngineFileCheck.h"
#include "scan/OptionsCommand.h"
#include "scan/ScanController.h"
#include "scan/ScanDriver.h"
#include "scan/ScanLog.h"
#include "scan/ScanLogWindow.h"
#include "webview/WebResultsCommands.h"
#include "webview/WebResultsList.h"
#include "webview/WebViewPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString windowCaption()
{
    return QString::fromLatin1(Branding::productName) + QCoreApplication::translate("MainWindow", " by ") +
           QString::fromUtf8(Branding::companyName);
}

// A view's page scrolls where the window is smaller than the view needs (a
// small screen, large text) rather than squeeze its controls over each
// other; otherwise it fills the tab.
QWidget* framedPage(QWidget* frame)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(twips(100), twips(60), twips(100), twips(100));
    layout->addWidget(frame);
    auto* scroller = new QScrollArea;
    scroller->setWidget(page);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    return scroller;
}

} // namespace

MainWindow::MainWindow(AppContext& context, BrowserFactory makeBrowser, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    wireCommands(std::move(makeBrowser));
    loadWindow();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    setWindowTitle(windowCaption());
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));

    m_menus = new MainMenus(menuBar(), this);

    m_toolStrip = new ToolStrip(QString::fromUtf8(Branding::comments), this);
    m_urlPanel = new UrlPanel(this);

    m_results = new ScanResults(this);
    m_resultsView = new ResultsView(m_results);
    m_chartPanel = new ChartPanel(m_context);
    m_webViewPanel = new WebViewPanel;

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setDocumentMode(false);
    m_tabs->tabBar()->setAccessibleName(tr("Result views"));
    m_tabs->addTab(framedPage(m_resultsView), QIcon(QStringLiteral(":/icons/tab-data.svg")), tr("Data View"));
    m_tabs->addTab(framedPage(m_chartPanel), QIcon(QStringLiteral(":/icons/tab-chart.svg")), tr("Chart View"));
    m_tabs->addTab(framedPage(m_webViewPanel), QIcon(QStringLiteral(":/icons/tab-web.svg")), tr("Website View"));

    auto* views = new QHBoxLayout;
    views->setContentsMargins(twips(60), 0, twips(200), twips(200));
    views->setSpacing(twips(45));
    views->addWidget(m_urlPanel);
    views->addWidget(m_tabs, 1);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolStrip);
    layout->addLayout(views, 1);
    setCentralWidget(central);

    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
}

void MainWindow::loadWindow()
{
    m_statusBar->setPanelText(1, QString());
    m_menus->stop->setEnabled(false);
    m_chartPanel->restoreChartType();
    showSourceColumns();
    m_sessionKeeper->restore(m_webViewPanel->webResultsList(), m_statusBar);

    // The client area starts at 878 x 741 pixels, centred on the screen;
    // larger when large text needs more room for every control, smaller on
    // a screen that has less room.
    resize(QSize(878, 741 + menuBar()->sizeHint().height()).expandedTo(minimumSizeHint()));
    centreOnScreen(this);
    WindowMemory::restore(*this, m_context.settings);
}

void MainWindow::wireCommands(BrowserFactory makeBrowser)
{
    connect(m_menus->exitNow, &QAction::triggered, this, &QWidget::close);

    m_shellCommands = new ShellCommands(m_context, systemUrlOpener(), this);
    connect(m_menus->helpItem, &QAction::triggered, m_shellCommands, &ShellCommands::showHelp);
    connect(m_menus->about, &QAction::triggered, m_shellCommands, &ShellCommands::showAbout);
    connect(m_toolStrip->visitButton(), &QToolButton::clicked, m_shellCommands, &ShellCommands::visitPublisher);

    wireUrlList();
    m_sessionKeeper = new SessionKeeper(m_urlListCommands, m_resultsView->shownResults(), m_context, this);
    connect(m_menus->exportResults, &QAction::triggered, this, &MainWindow::exportResults);
    m_resultsView->setPopupMenu(m_menus->listViewMenu, m_menus->saveResults, m_menus->webResults,
                                m_menus->clearResults);
    connect(m_resultsView, &ResultsView::clearRequested, this, &MainWindow::clearResults);
    connect(m_resultsView, &ResultsView::saveRequested, this, [this] {
        QString confirmation;
        if (runSaveCommand(m_resultsView->selectedRow(), m_results->sourceColumns(), m_context, this, &confirmation))
            m_statusBar->setPanelText(1, confirmation);
    });

    m_webViewPanel->setBrowserFactory(std::move(makeBrowser));
    connect(m_webViewPanel, &WebViewPanel::statusPanelText, m_statusBar, &MainStatusBar::setPanelText);
    auto* webResults = new WebResultsCommands(m_webViewPanel, m_resultsView, m_context, this);
    connect(m_resultsView, &ResultsView::webResultsRequested, webResults, &WebResultsCommands::showWebResults);
    connect(webResults, &WebResultsCommands::websiteViewRequested, this, [this] { showView(WebsiteView); });

    wireScan();

    m_optionsCommand = new OptionsCommand(m_context, this);
    m_optionsCommand->setTestSite([this] { return m_urlListCommands->urls().value(0); });
    connect(m_menus->config, &QAction::triggered, m_optionsCommand, &OptionsCommand::showModal);
    connect(m_toolStrip->optionsButton(), &QToolButton::clicked, m_optionsCommand, &OptionsCommand::showModeless);
    connect(m_optionsCommand, &OptionsCommand::closed, this, &MainWindow::showSourceColumns);

    // The scan asks for the chart of its results at its end.
    connect(this, &MainWindow::currentResultsChartRequested, this, [this](const QList<ResultRow>& rows) {
        m_chartPanel->drawCurrentResultsChart(m_results->sourceColumns(), rows);
    });

    connect(m_chartPanel, &ChartPanel::loadDataRequested, this, &MainWindow::loadSavedSearch);
    connect(m_menus->graph, &QAction::triggered, this, &MainWindow::loadSavedSearch);
}

void MainWindow::wireUrlList()
{
    m_urlListCommands = new UrlListCommands(m_urlPanel, m_context.prompts, m_context.folder, this);
    m_urlListCommands->acceptDroppedListFiles(this);
    m_urlListCommands->setPopupMenu(m_menus->urlMenu, m_menus->deleteSelected, m_menus->clearList,
                                    m_menus->urlSaveUrlList);
    // The File menu's items and the pop-up's run the same commands.
    const auto startBy = [this](std::initializer_list<QAction*> items, void (UrlListCommands::*command)()) {
        for (QAction* item : items)
            connect(item, &QAction::triggered, m_urlListCommands, command);
    };
    startBy({m_menus->newUrl, m_menus->urlNewUrl}, &UrlListCommands::addUrl);
    startBy({m_menus->deleteSelected}, &UrlListCommands::deleteSelected);
    startBy({m_menus->clearList}, &UrlListCommands::clearList);
    startBy({m_menus->saveUrlList, m_menus->urlSaveUrlList}, &UrlListCommands::saveList);
    startBy({m_menus->openUrlList, m_menus->urlLoadUrlList}, &UrlListCommands::loadList);
    startBy({m_menus->openClipboard, m_menus->loadClipboard}, &UrlListCommands::loadFromClipboard);
}

void MainWindow::wireScan()
{
    WebResultsList* webRows = m_webViewPanel->webResultsList();
    const ScanController::Controls controls{.startButton = m_toolStrip->startButton(),
                                            .stopButton = m_toolStrip->stopButton(),
                                            .startAction = m_menus->scan,
                                            .stopAction = m_menus->stop,
                                            .results = m_resultsView,
                                            .urlList = m_urlListCommands,
                                            .addButton = m_urlPanel->addButton()};
    m_scanController = new ScanController(controls, m_context, this);
    connect(m_scanController, &ScanController::progressStarted, m_statusBar, &MainStatusBar::startProgress);
    connect(m_scanController, &ScanController::progressStepped, m_statusBar, &MainStatusBar::stepProgress);
    connect(m_scanController, &ScanController::progressEnded, m_statusBar, &MainStatusBar::endProgress);
    connect(m_scanController, &ScanController::statusText, m_statusBar,
            [this](const QString& text) { m_statusBar->setPanelText(1, text); });
    connect(m_scanController, &ScanController::clearResultsRequested, this, &MainWindow::clearResults);
    connect(m_scanController, &ScanController::currentResultsChartRequested, this,
            &MainWindow::currentResultsChartRequested);
    connect(m_scanController, &ScanController::scanCompleted, m_sessionKeeper, &SessionKeeper::keepResults);
    connect(m_scanController, &ScanController::failureSummary, m_statusBar, &MainStatusBar::setFailureText);
    connect(m_statusBar, &MainStatusBar::failuresClicked, this, &MainWindow::showScanLog);
    connect(m_menus->scanLog, &QAction::triggered, this, &MainWindow::showScanLog);

    // The session bus is asked for only when a notification is due.
    auto* endNotifier = new ScanEndNotifier(
        this, [](const QString& text) { sendDesktopNotification(QDBusConnection::sessionBus(), text); }, this);
    connect(m_scanController, &ScanController::progressStarted, endNotifier, &ScanEndNotifier::scanStarted);
    connect(m_scanController, &ScanController::scanCompleted, endNotifier, [this, endNotifier] {
        endNotifier->scanCompleted(m_scanController->driver()->siteCount(), m_scanController->log()->failedCount());
    });

    // Each site scanned gets its web-results rows: its home page at the
    // start, a source's page as the source answers.
    const ScanDriver* driver = m_scanController->driver();
    connect(driver, &ScanDriver::siteStarted, webRows,
            [webRows](int, const QString& site) { webRows->addHomePageRow(site); });
    connect(driver, &ScanDriver::engineDone, webRows, [webRows, driver](int, const QString& site, int number) {
        webRows->addSourceRow(driver->source(number), number, site);
    });
}

ScanLogWindow* MainWindow::showScanLog()
{
    if (!m_scanLogWindow)
        m_scanLogWindow = new ScanLogWindow(m_scanController->log(), this);
    m_scanLogWindow->show();
    m_scanLogWindow->raise();
    m_scanLogWindow->activateWindow();
    return m_scanLogWindow;
}

void MainWindow::loadSavedSearch()
{
    LoadSearchDialog dialog(m_context, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chartFileName().isEmpty())
        return;
    m_chartPanel->drawSavedSearchChart(dialog.chartFileName());
    showView(ChartView);
}

void MainWindow::loadUrlListFile(const QString& path)
{
    m_urlListCommands->loadListFile(path, UrlListCommands::LoadMode::Replace);
}

void MainWindow::exportResults()
{
    exportCsv(m_context.prompts, tr("Export Results as CSV"), [this](const QString& path, QString* error) {
        return ResultsCsv::write(path, m_results->sourceColumns(), m_resultsView->shownResults()->rowsAsShown(), error);
    });
}

void MainWindow::clearResults()
{
    if (m_scanController && m_scanController->isScanning())
        return;
    m_results->clear();
    m_webViewPanel->webResultsList()->removeAllRows();
    showSourceColumns();
    emit resultsCleared();
}

void MainWindow::showSourceColumns()
{
    // Rows keep the columns they were scanned with until they go.
    if (m_results->rowCount() > 0 || (m_scanController && m_scanController->isScanning()))
        return;
    const QList<SourceColumn> columns =
        ResultsColumns::columnsOf(SourceList::read(m_context.folder.settingsIni()).active());
    // With no source to ask, the table keeps the columns it has.
    if (!columns.isEmpty())
        m_results->setSourceColumns(columns);
}

void MainWindow::showView(View view)
{
    m_tabs->setCurrentIndex(view);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // Once shown, the window's frame is known: the whole window, title bar
    // and menus included, goes onto a screen.
    moveOntoScreen(this);
    // Asked once the window is up, so the question comes up above it.
    QMetaObject::invokeMethod(
        this, [this] { checkEngineFile(m_context.folder, m_context.prompts); }, Qt::QueuedConnection);
    // A fresh installation shows the help; only a stored "1" keeps doing so.
    // It opens once the main window is up, so that it comes up above it.
    if (m_context.settings.showHelpAtStart())
        m_shellCommands->showHelp();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program: every other window of the
    // program goes with it. The window's placement and views and the URL
    // list are kept for the next start.
    if (m_scanController->isScanning()) {
        // Quitting would lose the scan's work: only on the user's word, and
        // with the results so far kept.
        if (!m_context.prompts.question(tr("A scan is running. Stop it and quit?"),
                                        QString::fromLatin1(Branding::applicationTitle))) {
            event->ignore();
            return;
        }
        m_scanController->stopForQuit();
        m_sessionKeeper->keepResults();
    }
    WindowMemory::save(*this, m_context.settings);
    m_sessionKeeper->keepList();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}
