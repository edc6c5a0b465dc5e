#pragma once

#include "engines/Source.h"

#include <QObject>
#include <QString>

#include <optional>

class PacedFetcher;

// One question to one source about one site: asked the way the source's kind
// is asked and read by its count rule. Every kind but the web graph is
// fetched over http or https with the source's headers, user agent and
// pacing (its least interval, and waits when the server asks to slow down);
// a web-graph source is looked up in its index on a worker thread
// (WebGraphLookup). The scan driver and the Options dialog's Test ask every
// source through here. finished() always comes from the event loop, never
// from inside ask().
class SourceQuery : public QObject
{
    Q_OBJECT

public:
    // What a query's answer comes to: its outcome, the count (none when
    // there is none) and where on the page the count stands (-1 when
    // nowhere).
    struct Answer
    {
        QueryOutcome outcome;
        std::optional<qint64> count;
        qsizetype position = -1;
    };

    // The fetcher is the caller's; its pacing is that of one source, so a
    // scan gives each source a fetcher of its own.
    explicit SourceQuery(PacedFetcher* fetcher, QObject* parent = nullptr);

    // Asks the source about the site, abandoning a question still running.
    void ask(const Source& source, const QString& site);
    // Abandons the running question; its finished() does not come.
    void cancel();
    bool isBusy() const { return m_busy; }
    PacedFetcher* pacedFetcher() const { return m_fetcher; }
    // The source of the last question asked.
    const Source& source() const { return m_source; }

    // What the page and the fetch's report come to for the source. A fetch
    // that failed gives no count whatever its page holds: an error page or a
    // part read before a time-out would read as "nothing found" by some
    // engines' rules. A count text that is no count (CountText) is no count
    // on the page. Header values are masked in the report.
    static Answer readAnswer(const Source& source, const QString& page, const FetchReport& report);
    // The number of a count text as the source's rule gave it: commas
    // removed first, unless the engine's cell keeps its separators.
    static std::optional<qint64> countOf(const Source& source, const QString& countText);

signals:
    // The source asked to slow down (HTTP 429 or 503); the question is asked
    // again after waitMs. The answer's header values are masked.
    void retrying(const FetchReport& answer, int waitMs, int retry);
    // The page is what was fetched, for whoever shows a part of it.
    void finished(const SourceQuery::Answer& answer, const QString& page);

private:
    void pageFetched(const QString& page, const FetchReport& report);
    void lookUp(const QString& site);

    PacedFetcher* m_fetcher;
    Source m_source;
    bool m_busy = false;
    quint64 m_askId = 0;
};

Q_DECLARE_METATYPE(SourceQuery::Answer)
