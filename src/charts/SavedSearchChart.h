#pragma once

#include "charts/ChartGrid.h"
#include "saved/SavedDateKey.h"
#include "saved/SavedSearchFile.h"
#include "saved/SavedSeries.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The chart of one saved search: its engine sections, which the engine
// selector lists followed by "All Engines", and the grid drawn for each
// selector entry. Rows are saved dates, oldest first (the file lists the
// newest first); keys that are no date follow them in file order.
class SavedSearchChart
{
public:
    // Each section draws its series as SavedSearchFile reads it. Two-digit
    // years are read as of `today` (SavedDateKey).
    SavedSearchChart(const QString& title, const SavedSearchFile& file, const QDate& today);

    // Reads every section of the saved-search file, going through the file
    // once. A missing file reads as one without sections; a file that
    // exists but cannot be read gives nothing, and `error` says why.
    static std::optional<SavedSearchChart> read(const QString& filePath, const QString& chartFileName,
                                                const QDate& today, QString* error = nullptr);

    static QString allEnginesEntry();
    static QString categoryAxisTitle();
    // The file name with every ".qvh" removed, letter case ignored.
    static QString titleFor(const QString& chartFileName);

    QString title() const { return m_title; }
    int engineCount() const { return static_cast<int>(m_engines.size()); }
    QString engineName(int engine) const { return m_engines.value(engine); }
    const SavedSeries& series(int engine) const { return m_series.at(engine); }

    // The section names in file order, then "All Engines".
    QStringList selectorEntries() const;
    // A file without sections leaves nothing to choose.
    bool selectorEnabled() const { return !m_engines.isEmpty(); }
    bool isAllEngines(int selectorIndex) const { return selectorIndex == engineCount(); }

    // The grid of a selector entry: one engine's series, or all engines.
    // Any other index gives an empty grid with the titles.
    ChartGrid grid(int selectorIndex) const;

    // Whether the entry draws a series of exactly one saved date, from which
    // no history can be seen.
    bool drawsSingleDateSeries(int selectorIndex) const;

private:
    ChartGrid emptyGrid() const;
    ChartGrid engineGrid(int engine) const;
    ChartGrid allEnginesGrid() const;
    // The rows of "All Engines": every date once, oldest first.
    QList<SavedDateKey::DatedKey> allEnginesDates() const;

    QString m_title;
    QDate m_today;
    QStringList m_engines;
    QList<SavedSeries> m_series;
    // Every date key once, in the order the sections first list them.
    QStringList m_keys;
};
