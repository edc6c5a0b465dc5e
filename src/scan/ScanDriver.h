#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

struct Engine;
class PageFetcher;

// A scan as a state machine on the UI thread: every site of a snapshot of
// the URL list is asked of every engine in turn, strictly one query at a
// time. Between two sites control returns to the event loop, and each page
// is fetched asynchronously, so the window stays responsive throughout.
//
// The driver only reports what happens; the window shows it.
class ScanDriver : public QObject
{
    Q_OBJECT

public:
    // Gives an engine's query template; read afresh before every query, so
    // an edit of settings.ini takes effect at the next query.
    using TemplateReader = std::function<QString(const Engine& engine)>;

    ScanDriver(PageFetcher* fetcher, TemplateReader readTemplate, QObject* parent = nullptr);

    bool isRunning() const { return m_running; }
    bool isStopRequested() const { return m_stopRequested; }
    // Index of the site being scanned in the snapshot.
    int currentSite() const { return m_siteIndex; }
    int siteCount() const { return static_cast<int>(m_sites.size()); }

    // Starts a scan of the given sites. Does nothing while a scan runs or
    // when there is no site. A stop requested earlier is forgotten. The
    // first site begins from the event loop, never inside this call.
    void start(const QStringList& sites);
    // The running scan ends before its next site; a request made during the
    // last site comes too late and the scan ends normally.
    void requestStop();

    // The numeric value of a count cell (commas removed, rounded to a whole
    // number); text that is no plain decimal number counts as 0.
    static qint64 countValue(const QString& cellText);
    // The count text as the results table shows it: commas removed, except
    // for the engine whose counts never hold any.
    static QString cellText(const Engine& engine, const QString& countText);

    // The rank icon of a row total: 1 (low) below the low threshold, 3
    // (high) at or above the boundary, else 2 (medium).
    static int rankOf(qint64 rowTotal, int lowThreshold, int boundary);

signals:
    // A site's queries begin.
    void siteStarted(int index, const QString& site);
    // One engine has answered for the current site; cellText is what its
    // results-table cell shows.
    void engineDone(int index, const QString& site, int engineNumber, const QString& cellText);
    // The current site's six queries are done.
    void siteFinished(int index, const QString& site, qint64 rowTotal);
    // Every site was scanned.
    void finished(qint64 grandTotal);
    // The scan saw the stop request and ended early.
    void stopped();

private:
    void nextSite();
    void queryEngine();
    void pageFetched(const QString& page);

    PageFetcher* m_fetcher;
    TemplateReader m_readTemplate;
    QStringList m_sites;
    int m_siteIndex = 0;
    int m_engineIndex = 0;
    qint64 m_rowTotal = 0;
    qint64 m_grandTotal = 0;
    bool m_running = false;
    bool m_stopRequested = false;
};
