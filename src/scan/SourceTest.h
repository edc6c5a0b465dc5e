#pragma once

#include "scan/SourceQuery.h"

#include <QObject>
#include <QString>

class PageFetcher;

// One source's query for one site, asked and read as a scan would, for the
// Options dialog's Test buttons: what the scan would record and a piece of
// the page to see why. Runs on the event loop; cancel() abandons it.
class SourceTest : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QueryOutcome outcome;
        std::optional<qint64> count; // what the results cell would hold
        QString excerpt;             // about 200 characters around the count, or the page's start
    };

    explicit SourceTest(PageFetcher* fetcher, QObject* parent = nullptr);

    // The site a test asks about when the URL list is empty.
    static QString defaultSite() { return QStringLiteral("www.example.com"); }

    // Starts the test, abandoning one still running.
    void start(const Source& source, const QString& site);
    void cancel();
    bool isRunning() const;
    // The source of the last test started.
    const Source& source() const { return m_query->source(); }
    // What the test fetches through, for its network settings.
    PageFetcher* pageFetcher() const;

    // The result as the dialog shows it, several lines; header values
    // masked.
    static QString describe(const Source& source, const Result& result);
    // The part of the page around a position (the start when -1).
    static QString excerptOf(const QString& page, qsizetype position);

signals:
    void finished(const SourceTest::Result& result);

private:
    SourceQuery* m_query;
};

Q_DECLARE_METATYPE(SourceTest::Result)
