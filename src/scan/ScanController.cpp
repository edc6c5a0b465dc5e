#include "scan/ScanController.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "base/UserSettings.h"
#include "engines/SourceList.h"
#include "lists/UrlListCommands.h"
#include "results/ResultsColumns.h"
#include "results/ResultsSortProxy.h"
#include "results/ResultsView.h"
#include "scan/EngineFileCheck.h"
#include "scan/PageFetcher.h"
#include "scan/RepaintThrottle.h"
#include "scan/ScanDriver.h"
#include "scan/ScanLog.h"

#include <QAbstractButton>
#include <QAction>
#include <QTimer>

#include <utility>

namespace {

// How often the window is repainted, and the status text and the progress
// follow the queries, at most while a scan runs: often enough to look live,
// seldom enough that painting the table (several milliseconds) costs little
// next to the queries to a fast server.
constexpr int repaintIntervalMs = 100;

} // namespace

ScanController::ScanController(const Controls& controls, AppContext& context, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
    , m_context(context)
    , m_startCaption(controls.startButton->text())
{
    m_repaintThrottle = new RepaintThrottle(controls.results, repaintIntervalMs, this);
    m_driver = new ScanDriver(new PageFetcher(this), ScanDriver::settingsOf(m_context.folder.settingsIni()),
                              controls.results->results(), this);
    m_log = new ScanLog(this);
    m_driver->setLog(m_log);
    connect(m_driver, &ScanDriver::engineDone, this, &ScanController::engineDone);
    connect(m_driver, &ScanDriver::finished, this, &ScanController::finished);
    connect(m_driver, &ScanDriver::stopped, this, &ScanController::stopped);
    connect(m_driver, &ScanDriver::waiting, this,
            [this](int, const QString&, int engineNumber, int waitMs, int) { waiting(engineNumber, waitMs); });
    m_showTicker = new QTimer(this);
    m_showTicker->setSingleShot(true);
    m_showTicker->setInterval(repaintIntervalMs);
    connect(m_showTicker, &QTimer::timeout, this, [this] {
        if (m_shown.steps > 0 || m_shown.engineNumber > 0) {
            showQueries();
            m_showTicker->start();
        }
    });
    m_waitTicker = new QTimer(this);
    m_waitTicker->setInterval(1000);
    connect(m_waitTicker, &QTimer::timeout, this, &ScanController::showWaiting);

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
    if (sites.isEmpty()) {
        // Say why nothing happens, and take the user to where sites are added.
        showStatus(tr("Add sites to the URL list first."));
        if (m_controls.addButton)
            m_controls.addButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!engineFileReadable(m_context.folder, m_context.prompts))
        return;
    const SourceList sources = SourceList::read(m_context.folder.settingsIni());
    reportInvalidSources(sources);
    const qsizetype sourceCount = sources.active().size();
    if (sourceCount == 0) {
        showStatus(tr("There is no source to ask."));
        m_context.prompts.information(tr("There is no source to ask: every search engine is hidden and "
                                         "no source of your own can be asked.\n\n"
                                         "Show an engine or add a source in Options > Sources."),
                                      tr("Scan"));
        return;
    }

    // Painting waits from here on: the progress bar paints itself at once
    // when it is reset, and the whole window with it, which over a large
    // table stalls the start of the scan.
    m_repaintThrottle->setOn(true);
    emit progressStarted(static_cast<int>(sourceCount * sites.size()));
    if (m_context.settings.clearBeforeScan())
        emit clearResultsRequested();

    showScanning(true);
    emit failureSummary(QString());
    // Read once per scan: a change of the options takes effect at the next one.
    m_driver->setNetworkSettings(m_context.settings.networkSettings());
    m_driver->start(sites, m_context.settings.rankThresholds(),
                    m_context.settings.parallelEngines() ? ScanDriver::EngineOrder::AllAtOnce
                                                         : ScanDriver::EngineOrder::OneAtATime);
}

void ScanController::stop()
{
    if (!m_scanning)
        return;
    if (m_driver->isStopRequested()) {
        m_driver->stopNow();
        return;
    }
    m_driver->requestStop();
    const QString site = m_driver->siteAt(m_driver->currentSite());
    showStatus(tr("Stopping after %1... press Stop again to stop now").arg(site));
    emit progressEnded();
}

void ScanController::stopForQuit()
{
    if (!m_scanning)
        return;
    m_quitting = true;
    m_driver->stopNow();
}

void ScanController::showScanning(bool scanning)
{
    m_scanning = scanning;
    m_waitTicker->stop();
    m_controls.startButton->setText(scanning ? tr("Searching...") : m_startCaption);
    m_controls.startButton->setEnabled(!scanning);
    m_controls.stopButton->setEnabled(scanning);
    m_controls.stopAction->setEnabled(scanning);
    m_controls.results->setScanRunning(scanning);
    m_repaintThrottle->setOn(scanning);
}

void ScanController::waiting(int engineNumber, int waitMs)
{
    m_waitingSource = m_driver->source(engineNumber).name;
    m_waitEnd.setRemainingTime(waitMs);
    m_waitTicker->start();
    showWaiting();
}

void ScanController::showWaiting()
{
    const qint64 secondsLeft = (m_waitEnd.remainingTime() + 999) / 1000;
    if (secondsLeft <= 0 || m_driver->isStopRequested()) {
        m_waitTicker->stop();
        return;
    }
    showStatus(tr("Waiting %1 s: %2 asked to slow down").arg(secondsLeft).arg(m_waitingSource));
}

void ScanController::engineDone(int, const QString& site, int engineNumber)
{
    m_waitTicker->stop();
    ++m_shown.steps;
    // The stop's message stays until the scan ends.
    if (!m_driver->isStopRequested()) {
        m_shown.site = site;
        m_shown.engineNumber = engineNumber;
    }
    // The first query of a tick shows at once, the last one at its end.
    if (!m_showTicker->isActive()) {
        showQueries();
        m_showTicker->start();
    }
}

void ScanController::showQueries()
{
    if (m_shown.steps > 0)
        emit progressStepped(std::exchange(m_shown.steps, 0));
    if (m_shown.engineNumber > 0) {
        const int engineNumber = std::exchange(m_shown.engineNumber, 0);
        emit statusText(tr("Scanning %1 on %2").arg(m_shown.site, m_driver->source(engineNumber).statusName()));
    }
}

void ScanController::showStatus(const QString& text)
{
    m_shown.engineNumber = 0;
    showQueries();
    emit statusText(text);
}

void ScanController::finished(qint64 grandTotal)
{
    showStatus(tr("Search Complete.  Found %1 links.").arg(grandTotal));
    emit progressEnded();
    showScanning(false);

    // With auto-sort on, the chart shows the sites by total, smallest
    // first, and the table then ends largest first. The setting is read
    // again after the chart: switched off meanwhile, the table keeps the
    // chart's order.
    const ResultsSortProxy* shown = m_controls.results->shownResults();
    const bool sortedForChart = autoSortIsOn();
    emit currentResultsChartRequested(sortedForChart ? shown->rowsSortedBy(ResultsColumns::total, Qt::AscendingOrder)
                                                     : shown->rowsAsShown());
    if (sortedForChart) {
        m_controls.results->sortByColumn(ResultsColumns::total,
                                         autoSortIsOn() ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    emit scanCompleted();
    emit scanEnded();
    reportFailures();
}

void ScanController::stopped()
{
    // No sort and no chart: the table shows what was scanned so far.
    showStatus(tr("Scan stopped."));
    emit progressEnded();
    showScanning(false);
    emit scanEnded();
    if (!m_quitting)
        reportFailures();
}

void ScanController::reportInvalidSources(const SourceList& sources)
{
    QStringList unreported;
    for (const Source& source : sources.invalid()) {
        const QString line = source.settingsKey + QStringLiteral(": ") + source.invalidReason;
        if (!m_reportedInvalidSources.contains(line)) {
            m_reportedInvalidSources << line;
            unreported << line;
        }
    }
    if (unreported.isEmpty())
        return;
    m_context.prompts.information(tr("These sources of settings.ini cannot be asked, so scans skip them:\n\n%1\n\n"
                                     "Options > Sources shows them.")
                                      .arg(unreported.join(u'\n')),
                                  tr("Scan"));
}

void ScanController::reportFailures()
{
    const int failed = m_log->failedCount();
    const int asked = m_log->answeredCount();
    emit failureSummary(failed > 0 ? tr("%1 of %2 queries failed").arg(failed).arg(asked) : QString());
    if (failed == 0 || failed < asked)
        return;
    const QString reason = failureText(m_log->mostCommonFailure());
    m_context.prompts.information(
        tr("No source answered: all %1 queries of the scan failed, most often with \"%2\".\n\n"
           "Check the sources in Options; Scan > Scan Log lists every query.")
            .arg(asked)
            .arg(reason),
        tr("Scan"));
}

bool ScanController::autoSortIsOn() const
{
    return m_context.settings.autoSort();
}
