#pragma once

#include "base/NetworkSettings.h"
#include "engines/SourceList.h"
#include "results/ResultRow.h"
#include "scan/PacedFetcher.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

struct FetchReport;
class PageFetcher;
class ScanLog;
class ScanResults;
class SourceQuery;

// A scan as a state machine on the UI thread: every site of a snapshot of
// the URL list is asked of every active source (SourceList), sites strictly
// one after another. A site's sources are asked in turn, one query at a
// time, or, when the scan asks them at the same time, all at once with a
// fetcher each; either way no source ever has two queries running, and a
// site's row is complete before the next site begins. Between two sites
// control returns to the event loop, and each page is fetched
// asynchronously, so the window stays responsive throughout.
//
// At its start the scan gives the results a column per source. Each site
// gets a row of the results, inserted at the site's position in the
// snapshot (or at the end of shorter results) and filled as the sources
// answer, each cell with its query's outcome; a query that got no page
// leaves its cell empty, whatever the source's rule would make of the
// page. Every query also goes into the scan log, when there is one. The
// signals say what happens, for whoever shows the progress.
class ScanDriver : public QObject
{
    Q_OBJECT

public:
    // Where the scan's sources come from: the list of those a scan asks,
    // read at every start, and a source as it stands now, read afresh
    // before every query so that an edit of settings.ini takes effect at
    // the next query.
    struct SourceReader
    {
        std::function<QList<Source>()> sources;
        std::function<Source(const Source& asListed)> current;
    };

    ScanDriver(PageFetcher* fetcher, SourceReader readSources, ScanResults* results, QObject* parent = nullptr);

    // Reads the sources from this settings.ini: the active ones at the
    // start, each one afresh before its query (a source since removed or
    // made invalid is asked as it was at the start).
    static SourceReader settingsOf(const QString& settingsIni);

    // The proxy and user agent of the queries from the next one on.
    void setNetworkSettings(const NetworkSettings& settings);

    // How the queries of the sources are retried and backed off, from the
    // next scan on; each source keeps its own least interval.
    void setPacing(const PacedFetcher::Policy& pacing);

    // The log the queries go into; cleared at every start. May be null.
    void setLog(ScanLog* log) { m_log = log; }

    bool isRunning() const { return m_running; }
    bool isStopRequested() const { return m_stopRequested; }
    // Index of the site being scanned in the snapshot.
    int currentSite() const { return m_siteIndex; }
    int siteCount() const { return static_cast<int>(m_sites.size()); }
    QString siteAt(int index) const { return m_sites.value(index); }
    // The sources of the last scan started, in the order they are asked;
    // numbered from 1 in the signals.
    const QList<Source>& sources() const { return m_sources; }
    const Source& source(int number) const { return m_sources.at(number - 1); }

    // How a site's queries go out: one after another in the sources' order,
    // or all at once. The results are the same either way; only the order
    // of the requests and of the answers differs.
    enum class EngineOrder { OneAtATime, AllAtOnce };

    // Starts a scan of the given sites, ranking their rows by the
    // thresholds. Does nothing while a scan runs, when there is no site or
    // no source to ask. A stop requested earlier is forgotten. The first
    // site begins from the event loop, never inside this call.
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

signals:
    // A site's queries begin.
    void siteStarted(int index, const QString& site);
    // One source (numbered from 1 in sources()) has answered for the
    // current site; cellText is what its results-table cell shows. With the
    // sources asked at the same time the answers come in whatever order the
    // sources give them.
    void engineDone(int index, const QString& site, int engineNumber, const QString& cellText);
    // The source (numbered from 1) asked to slow down for the current site;
    // its query is asked again after waitMs unless the scan is stopped.
    void waiting(int index, const QString& site, int engineNumber, int waitMs, int httpStatus);
    // The current site's queries are done.
    void siteFinished(int index, const QString& site, qint64 rowTotal);
    // Every site was scanned.
    void finished(qint64 grandTotal);
    // The scan saw the stop request and ended early.
    void stopped();

private:
    // One source's query for the current site.
    struct Query
    {
        enum class State { Waiting, Asked, Answered };
        State state = State::Waiting;
        // The source as read when it was asked, and the address asked.
        Source source;
        QString address;
    };

    void nextSite();
    void querySource(int sourceIndex);
    void answered(int sourceIndex, const QueryOutcome& outcome, const std::optional<qint64>& count);
    void completeSite();
    // Ranks the current site's row from the cells it has and adds its total
    // to the scan's; the total of the row.
    qint64 completeRow();
    // Not running, no stop pending.
    void end();
    void logQuery(const QString& site, const Source& source, const QueryOutcome& outcome,
                  const std::optional<qint64>& count);
    // The query a source of the running scan goes through.
    SourceQuery* queryOf(int sourceIndex) const { return m_scanQueries[sourceIndex]; }
    // The query of the source, made at its first scan with the limits and
    // network settings of the caller's fetcher.
    SourceQuery* queryFor(const Source& source);
    void retrying(SourceQuery* query, const FetchReport& answer, int waitMs);
    // Ends a query of the current site that has not been answered: its cell
    // stays empty with the outcome "stopped".
    void stopQuery(int sourceIndex);

    // A query per source, by its settings key, kept from scan to scan so
    // that its pacing holds across them; one query per source means never
    // two of its requests at once, in either order.
    QHash<QString, SourceQuery*> m_queriesByKey;
    // The queries of the running scan's sources, in their order.
    QList<SourceQuery*> m_scanQueries;
    PageFetcher* m_fetcher;
    PacedFetcher::Policy m_pacing;
    SourceReader m_readSources;
    ScanResults* m_results;
    ScanLog* m_log = nullptr;
    QList<Source> m_sources;
    QList<Query> m_queries;
    EngineOrder m_order = EngineOrder::OneAtATime;
    QStringList m_sites;
    RankThresholds m_thresholds;
    // The current site's row of the results, where it stays; -1 once the
    // results are cleared or replaced.
    int m_row = -1;
    int m_siteIndex = 0;
    // The current site's sources that have answered.
    int m_answered = 0;
    qint64 m_grandTotal = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    // Between a site's start and its last query's answer.
    bool m_siteInProgress = false;
};
