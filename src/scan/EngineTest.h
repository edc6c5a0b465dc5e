#pragma once

#include "engines/CountExtraction.h"

#include <QObject>
#include <QString>

struct Engine;
class PageFetcher;

// One engine's query for one site, fetched and read as a scan would, for
// the Options dialog's Test button: what the scan would record and a piece
// of the page to see why. Runs on the event loop; cancel() abandons it.
class EngineTest : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QueryOutcome outcome;
        QString cellText; // what the results cell would show
        QString excerpt;  // about 200 characters around the count, or the page's start
    };

    explicit EngineTest(PageFetcher* fetcher, QObject* parent = nullptr);

    // The site a test asks about when the URL list is empty.
    static QString defaultSite() { return QStringLiteral("www.example.com"); }

    // Starts the test, abandoning one still running.
    void start(const Engine& engine, const QString& queryTemplate, const CountMarkers& markers, const QString& site);
    void cancel();
    bool isRunning() const;
    // The engine of the last test started; null before the first.
    const Engine* engine() const { return m_engine; }

    // The result as the dialog shows it, several lines.
    static QString describe(const Engine& engine, const Result& result);
    // The part of the page around a position (the start when -1).
    static QString excerptOf(const QString& page, qsizetype position);

signals:
    void finished(const EngineTest::Result& result);

private:
    void pageFetched(const QString& page, const FetchReport& report);

    PageFetcher* m_fetcher;
    const Engine* m_engine = nullptr;
    CountMarkers m_markers;
    bool m_running = false;
};

Q_DECLARE_METATYPE(EngineTest::Result)
