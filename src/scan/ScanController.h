#pragma once

#include <QObject>
#include <QStringList>

struct AppContext;
class MainStatusBar;
class PageFetcher;
class QAbstractButton;
class QAction;
class QIcon;
class QTreeWidget;
class QTreeWidgetItem;
class RepaintThrottle;
class ResultsView;
class ScanDriver;
class UrlListCommands;

// The scan as the main window shows it: Start and "Start Scan" run a scan of
// the URL list, Stop and "Stop Scan" end it before its next site. Each site
// gets a results row with the six counts, its total and a rank icon, and
// seven web-results rows; the status bar and the progress bar follow every
// query. At a normal end the status bar gives the grand total, and the table
// is sorted by total around a rebuild of the chart.
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
        QTreeWidget* webResults = nullptr;
        MainStatusBar* statusBar = nullptr;
        const UrlListCommands* urlList = nullptr;
    };

    ScanController(const Controls& controls, AppContext& context, QObject* parent = nullptr);
    ~ScanController() override;

    // From the captions' change at the start until the scan has ended or
    // stopped.
    bool isScanning() const;
    ScanDriver* driver() const { return m_driver; }

    // Starts a scan of the URL list; does nothing while one runs or when
    // the list is empty.
    void start();
    // Asks the running scan to end before its next site.
    void stop();

    // The rank icons: 1 low (red), 2 medium (yellow), 3 high (green).
    static QIcon rankIcon(int rank);

signals:
    // The results are to be cleared before the scan; handled at once.
    void clearResultsRequested();
    // Between the two sorts at the end of a scan: the chart is to show the
    // results table as it now is (sorted by total, ascending).
    void currentResultsChartRequested();
    // A scan ended normally or stopped.
    void scanEnded();

private:
    void siteStarted(int index, const QString& site);
    void engineDone(int index, const QString& site, int engineNumber, const QString& cellText);
    void siteFinished(int index, const QString& site, qint64 rowTotal);
    void finished(qint64 grandTotal);
    void stopped();
    void showScanning(bool scanning);
    void addWebResultsRow(const QString& type, const QString& site);
    bool autoSortIsOn() const;

    Controls m_controls;
    AppContext& m_context;
    PageFetcher* m_fetcher;
    ScanDriver* m_driver;
    // The status bar and the two lists change with every query.
    QList<RepaintThrottle*> m_repaintThrottles;
    QString m_settingsIni;
    int m_lowThreshold = 0;
    int m_boundary = 0;
    bool m_scanning = false;
    // The current site's results row. Only clearing removes rows of the
    // table, and it does nothing while a scan runs; sorting moves rows but
    // keeps the items.
    QTreeWidgetItem* m_row = nullptr;
};
