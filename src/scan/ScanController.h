#pragma once

#include "results/ResultRow.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>

struct AppContext;
class QAbstractButton;
class QAction;
class QTimer;
class QWidget;
class RepaintThrottle;
class ResultsView;
class ScanDriver;
class ScanLog;
class SourceList;
class UrlListCommands;

// The scan as the main window shows it: Start and "Start Scan" run a scan of
// the URL list into the results; Stop and "Stop Scan" end it before its next
// site, and pressed again, at once. The status text and the progress follow
// the queries (signals for the window's status bar), at most once per
// repaint of the window. User sources that
// cannot be asked are named in a message, each once a session. At a normal end the
// status text gives the grand total, the chart shows the results by total,
// and the table is sorted by total. Failed queries are counted for the status bar's
// second panel, and a scan whose every query failed says why once.
//
// Everything runs on the event loop (ScanDriver), so the window repaints and
// answers between and during fetches.
class ScanController : public QObject
{
    Q_OBJECT

public:
    // The window's parts the scan uses.
    struct Controls
    {
        QAbstractButton* startButton = nullptr; // "Start" / "Searching..."
        QAbstractButton* stopButton = nullptr;
        QAction* startAction = nullptr; // "Start Scan", never disabled
        QAction* stopAction = nullptr;  // "Stop Scan"
        ResultsView* results = nullptr;
        const UrlListCommands* urlList = nullptr;
        // Takes the focus when Start finds the URL list empty.
        QWidget* addButton = nullptr;
    };

    ScanController(const Controls& controls, AppContext& context, QObject* parent = nullptr);
    ~ScanController() override;

    // From the captions' change at the start until the scan has ended or
    // stopped.
    bool isScanning() const;
    ScanDriver* driver() const { return m_driver; }
    // The queries of the last scan.
    ScanLog* log() const { return m_log; }

    // Starts a scan of the URL list; does nothing while one runs. With the
    // list empty it says so in the status bar and focuses the Add button.
    void start();
    // Asks the running scan to end before its next site; a second call ends
    // it at once.
    void stop();
    // Ends a running scan at once, as the program quits: the results keep
    // what was scanned so far, and no message follows.
    void stopForQuit();

signals:
    // The scan's progress: shown with this many steps, a step further for
    // every query answered, hidden at the end or at a stop.
    void progressStarted(int steps);
    void progressStepped(int steps);
    void progressEnded();
    // The text that says what the scan is doing or has found.
    void statusText(const QString& text);
    // "K of M queries failed" at the end of a scan with failures, else the
    // empty text; at the start of a scan, the empty text.
    void failureSummary(const QString& text);
    // The results are to be cleared before the scan; handled at once.
    void clearResultsRequested();
    // At the end of a scan: the chart is to show these rows, the results
    // as the table shows them, sorted by total, smallest first, when the
    // table is sorted at the end of scans.
    void currentResultsChartRequested(const QList<ResultRow>& rows);
    // A scan ended normally, after the sorts.
    void scanCompleted();
    // A scan ended normally or stopped.
    void scanEnded();

private:
    void engineDone(int index, const QString& site, int engineNumber);
    void finished(qint64 grandTotal);
    void stopped();
    // Shows the queries answered since last shown: the progress and the
    // status text of the latest.
    void showQueries();
    // A status text other than the latest query's, which is dropped.
    void showStatus(const QString& text);
    void reportFailures();
    // The status counts down a wait for a source that asked to slow down.
    void waiting(int engineNumber, int waitMs);
    void showWaiting();
    // Names the user sources that cannot be asked, each once a session.
    void reportInvalidSources(const SourceList& sources);
    void showScanning(bool scanning);
    bool autoSortIsOn() const;

    Controls m_controls;
    AppContext& m_context;
    QString m_startCaption;
    ScanDriver* m_driver;
    ScanLog* m_log;
    // The window changes with every query; it is repainted at most every
    // 100 ms while a scan runs.
    RepaintThrottle* m_repaintThrottle;
    bool m_scanning = false;
    bool m_quitting = false;
    QStringList m_reportedInvalidSources;
    // The queries answered and not yet shown; engineNumber 0 when the
    // status text is not to change.
    struct ShownQueries
    {
        int steps = 0;
        QString site;
        int engineNumber = 0;
    };
    ShownQueries m_shown;
    QTimer* m_showTicker;
    // Ticks every second while a source's query waits to be asked again.
    QTimer* m_waitTicker;
    QDeadlineTimer m_waitEnd;
    QString m_waitingSource;
};
