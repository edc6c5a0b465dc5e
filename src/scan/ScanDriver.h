#pragma once

#include "base/NetworkSettings.h"
#include "engines/EngineSettingsFile.h"
#include "engines/EngineTable.h"
#include "results/ResultRow.h"

#include <QObject>
#include <QPersistentModelIndex>
#include <QStringList>

#include <array>
#include <functional>

struct FetchReport;
class PageFetcher;
class ScanLog;
class ScanResults;

// A scan as a state machine on the UI thread: every site of a snapshot of
// the URL list is asked of every engine, sites strictly one after another.
// A site's engines are asked in turn, one query at a time, or, when the scan
// asks them at the same time, all six at once with a fetcher each; either
// way no engine ever has two queries running, and a site's row is complete
// before the next site begins. Between two sites control returns to the
// event loop, and each page is fetched asynchronously, so the window stays
// responsive throughout.
//
// Each site gets a row of the results, inserted at the site's position in
// the snapshot (or at the end of shorter results) and filled as the engines
// answer, each cell with its query's outcome; a query that got no page
// leaves its cell empty, whatever the engine's rule would make of the
// page. Every query also goes into the scan log, when there is one. The
// signals say what happens, for whoever shows the progress.
class ScanDriver : public QObject
{
    Q_OBJECT

public:
    // Gives an engine's query template and count markers; read afresh
    // before every query, so an edit of settings.ini takes effect at the
    // next query.
    using SettingsReader = std::function<EngineSettings(const Engine& engine)>;

    ScanDriver(PageFetcher* fetcher, SettingsReader readSettings, ScanResults* results, QObject* parent = nullptr);

    // Reads the engines' settings from this settings.ini.
    static SettingsReader settingsOf(const QString& settingsIni);

    // The proxy and user agent of the queries from the next one on.
    void setNetworkSettings(const NetworkSettings& settings);

    // The log the queries go into; cleared at every start. May be null.
    void setLog(ScanLog* log) { m_log = log; }

    bool isRunning() const { return m_running; }
    bool isStopRequested() const { return m_stopRequested; }
    // Index of the site being scanned in the snapshot.
    int currentSite() const { return m_siteIndex; }
    int siteCount() const { return static_cast<int>(m_sites.size()); }
    QString siteAt(int index) const { return m_sites.value(index); }

    // How a site's six queries go out: one after another in the engine
    // table's order, or all at once. The results are the same either way;
    // only the order of the requests and of the answers differs.
    enum class EngineOrder { OneAtATime, AllAtOnce };

    // Starts a scan of the given sites, ranking their rows by the
    // thresholds. Does nothing while a scan runs or when there is no site. A
    // stop requested earlier is forgotten. The first site begins from the
    // event loop, never inside this call.
    void start(const QStringList& sites, const RankThresholds& thresholds = {},
               EngineOrder order = EngineOrder::OneAtATime);
    // The running scan ends before its next site; a request made during the
    // last site comes too late and the scan ends normally.
    void requestStop();
    // The running scan ends at once: the running queries are abandoned, the
    // current site's cells still to come stay empty with the outcome
    // "stopped", its row gets the total of what it has, and stopped()
    // follows before this returns.
    void stopNow();

    // The count text as the results table shows it: commas removed, unless
    // the engine's cell keeps its separators.
    static QString cellText(const Engine& engine, const QString& countText);

    // What a query's answer comes to: its outcome, the cell's text and
    // where on the page the count stands (-1 when nowhere). A fetch that
    // failed gives an empty cell whatever its page holds.
    struct Answer
    {
        QueryOutcome outcome;
        QString cellText;
        qsizetype position = -1;
    };
    static Answer readAnswer(const Engine& engine, const CountMarkers& markers, const QString& page,
                             const FetchReport& report);

signals:
    // A site's queries begin.
    void siteStarted(int index, const QString& site);
    // One engine has answered for the current site; cellText is what its
    // results-table cell shows. With the engines asked at the same time the
    // answers come in whatever order the engines give them.
    void engineDone(int index, const QString& site, int engineNumber, const QString& cellText);
    // The current site's six queries are done.
    void siteFinished(int index, const QString& site, qint64 rowTotal);
    // Every site was scanned.
    void finished(qint64 grandTotal);
    // The scan saw the stop request and ended early.
    void stopped();

private:
    // One engine's query for the current site.
    struct Query
    {
        enum class State { Waiting, Asked, Answered };
        State state = State::Waiting;
        // The engine's markers and address as read when it was asked.
        CountMarkers markers;
        QString address;
    };

    void nextSite();
    void queryEngine(int engineIndex);
    void pageFetched(int engineIndex, const QString& page, const FetchReport& report);
    void completeSite();
    // Ranks the current site's row from the cells it has and adds its total
    // to the scan's; the total of the row.
    qint64 completeRow();
    // Not running, no stop pending.
    void end();
    void logQuery(const QString& site, int engineNumber, const QueryOutcome& outcome, const QString& cellText);
    // The fetcher an engine's query goes through under the running order.
    PageFetcher* fetcherOf(int engineIndex);

    PageFetcher* m_fetcher;
    // A fetcher per engine for asking them at the same time, made at the
    // first such scan with the limits of m_fetcher.
    std::array<PageFetcher*, engineCount> m_engineFetchers{};
    SettingsReader m_readSettings;
    ScanResults* m_results;
    ScanLog* m_log = nullptr;
    std::array<Query, engineCount> m_queries;
    EngineOrder m_order = EngineOrder::OneAtATime;
    QStringList m_sites;
    RankThresholds m_thresholds;
    // The current site's row; it follows the row when the results are
    // reordered, and becomes invalid when they are cleared.
    QPersistentModelIndex m_row;
    int m_siteIndex = 0;
    // The current site's engines that have answered.
    int m_answered = 0;
    qint64 m_grandTotal = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    // Between a site's start and its last query's answer.
    bool m_siteInProgress = false;
};
