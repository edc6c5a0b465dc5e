#include "scan/ScanController.h"

#include "app/MainStatusBar.h"
#include "base/AppContext.h"
#include "base/UserSettings.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "results/ResultsColumns.h"
#include "results/ResultsView.h"
#include "scan/EngineFileCheck.h"
#include "scan/PageFetcher.h"
#include "scan/RepaintThrottle.h"
#include "scan/ScanDriver.h"
#include "webview/WebResultsList.h"

#include <QAbstractButton>
#include <QAction>
#include <QProgressBar>

namespace {

const QString startCaption = QStringLiteral("Start");
const QString scanningCaption = QStringLiteral("Searching...");

// How often the widgets a scan changes are repainted at most while it runs:
// often enough to look continuous, seldom enough to cost little next to a
// query to a fast server.
constexpr int repaintIntervalMs = 40;

} // namespace

ScanController::ScanController(const Controls& controls, AppContext& context, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
    , m_context(context)
    , m_fetcher(new PageFetcher(this))
{
    for (QWidget* widget : {static_cast<QWidget*>(controls.statusBar), static_cast<QWidget*>(controls.results->table()),
                            static_cast<QWidget*>(controls.webResults)})
        m_repaintThrottles << new RepaintThrottle(widget, repaintIntervalMs, this);
    m_driver = new ScanDriver(m_fetcher, ScanDriver::templatesOf(m_context.folder.settingsIni()),
                              controls.results->results(), this);
    connect(m_driver, &ScanDriver::siteStarted, this, &ScanController::siteStarted);
    connect(m_driver, &ScanDriver::engineDone, this, &ScanController::engineDone);
    connect(m_driver, &ScanDriver::finished, this, &ScanController::finished);
    connect(m_driver, &ScanDriver::stopped, this, &ScanController::stopped);

    connect(m_controls.startButton, &QAbstractButton::clicked, this, &ScanController::start);
    connect(m_controls.startAction, &QAction::triggered, this, &ScanController::start);
    connect(m_controls.stopButton, &QAbstractButton::clicked, this, &ScanController::stop);
    connect(m_controls.stopAction, &QAction::triggered, this, &ScanController::stop);
}

ScanController::~ScanController() = default;

bool ScanController::isScanning() const
{
    return m_scanning;
}

void ScanController::start()
{
    // A second scan inside the first would interleave their rows.
    if (m_scanning || m_driver->isRunning())
        return;

    // Rows must stay where the scan puts them.
    m_controls.results->setKeepSorted(false);
    const QStringList sites = m_controls.urlList->urls();
    if (sites.isEmpty() || !engineFileReadable(m_context.folder, m_context.prompts))
        return;

    QProgressBar* progress = m_controls.statusBar->progressBar();
    progress->show();
    progress->raise();

    if (m_context.settings.clearBeforeScan())
        emit clearResultsRequested();

    showScanning(true);
    progress->setRange(0, engineCount * static_cast<int>(sites.size()));
    progress->setValue(0);
    // Read once per scan: a change of the options takes effect at the next one.
    m_driver->start(sites, m_context.settings.rankThresholds());
}

void ScanController::stop()
{
    if (!m_scanning)
        return;
    m_driver->requestStop();
    m_controls.statusBar->progressBar()->hide();
}

void ScanController::showScanning(bool scanning)
{
    m_scanning = scanning;
    m_controls.startButton->setText(scanning ? scanningCaption : startCaption);
    m_controls.startButton->setEnabled(!scanning);
    m_controls.stopButton->setEnabled(scanning);
    m_controls.stopAction->setEnabled(scanning);
    m_controls.results->setScanRunning(scanning);
    for (RepaintThrottle* throttle : std::as_const(m_repaintThrottles))
        throttle->setOn(scanning);
}

void ScanController::siteStarted(int, const QString& site)
{
    m_controls.webResults->addHomePageRow(site);
}

void ScanController::engineDone(int, const QString& site, int engineNumber)
{
    const Engine* engine = engineByNumber(engineNumber);
    m_controls.webResults->addEngineRow(*engine, site);
    QProgressBar* progress = m_controls.statusBar->progressBar();
    progress->setValue(progress->value() + 1);
    m_controls.statusBar->setPanelText(1, QStringLiteral("Scanning ") + site + engine->suffix());
}

void ScanController::finished(qint64 grandTotal)
{
    m_controls.statusBar->setPanelText(1, QStringLiteral("Search Complete.  Found ") + QString::number(grandTotal) +
                                              QStringLiteral(" links."));
    m_controls.statusBar->progressBar()->hide();
    showScanning(false);

    // The chart is built from the table sorted by total, smallest first; the
    // table then ends largest first. The setting is read each time, so a
    // change while the chart is built counts for the second sort.
    const int totalColumn = ResultsColumns::total + 1;
    if (autoSortIsOn())
        m_controls.results->sortListView(totalColumn, SortDataType::Number, true);
    emit currentResultsChartRequested();
    if (autoSortIsOn())
        m_controls.results->sortListView(totalColumn, SortDataType::Number, false);
    emit scanCompleted();
    emit scanEnded();
}

void ScanController::stopped()
{
    // No sort and no chart: the table shows what was scanned so far, and
    // the status bar still names the last query.
    showScanning(false);
    emit scanEnded();
}

bool ScanController::autoSortIsOn() const
{
    return m_context.settings.autoSort();
}
