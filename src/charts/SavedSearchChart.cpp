#include "charts/SavedSearchChart.h"

#include "charts/ChartScale.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

SavedSearchChart::SavedSearchChart(const QString& title, const SavedSearchFile& file, const QDate& today)
    : m_title(title)
    , m_today(today)
{
    for (const SavedSearchFile::Section& section : file.sections()) {
        m_engines.append(section.name);
        m_series.append(section.series);
    }
    m_keys = file.keys();
}

std::optional<SavedSearchChart> SavedSearchChart::read(const QString& filePath, const QString& chartFileName,
                                                       const QDate& today, QString* error)
{
    SavedSearchFile file;
    if (file.read(filePath, error) == IniDocument::LoadStatus::Failed)
        return std::nullopt;
    return SavedSearchChart(titleFor(chartFileName), file, today);
}

QString SavedSearchChart::allEnginesEntry()
{
    return QCoreApplication::translate("SavedSearchChart", "All Engines");
}

QString SavedSearchChart::categoryAxisTitle()
{
    return QCoreApplication::translate("SavedSearchChart", "Search Date");
}

QString SavedSearchChart::titleFor(const QString& chartFileName)
{
    QString title = chartFileName;
    return title.remove(QStringLiteral(".qvh"), Qt::CaseInsensitive);
}

QStringList SavedSearchChart::selectorEntries() const
{
    return m_engines + QStringList{allEnginesEntry()};
}

ChartGrid SavedSearchChart::grid(int selectorIndex) const
{
    if (selectorIndex >= 0 && selectorIndex < engineCount())
        return engineGrid(selectorIndex);
    if (isAllEngines(selectorIndex))
        return allEnginesGrid();
    return emptyGrid();
}

bool SavedSearchChart::drawsSingleDateSeries(int selectorIndex) const
{
    if (selectorIndex >= 0 && selectorIndex < engineCount())
        return m_series[selectorIndex].size() == 1;
    if (isAllEngines(selectorIndex))
        return std::any_of(m_series.cbegin(), m_series.cend(), [](const SavedSeries& s) { return s.size() == 1; });
    return false;
}

ChartGrid SavedSearchChart::emptyGrid() const
{
    ChartGrid grid;
    grid.setTitle(m_title);
    grid.setCategoryAxisTitle(categoryAxisTitle());
    grid.setValueAxisTitle(ChartScale::forLargestCount(0).valueAxisTitle);
    return grid;
}

ChartGrid SavedSearchChart::engineGrid(int engine) const
{
    const SavedSeries& series = m_series[engine];
    const ChartScale scale = ChartScale::forLargestCount(largestNumber(series.knownCounts()));
    ChartGrid grid = emptyGrid();
    grid.setValueAxisTitle(scale.valueAxisTitle);
    grid.setColumnCount(1);
    grid.setColumnLabel(0, m_engines[engine]);
    const QList<SavedDateKey::DatedKey> rows = SavedDateKey::inDateOrder(series.dates(), m_today);
    grid.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        grid.setRowLabel(row, rows[row].key);
        grid.setRowDate(row, rows[row].date.value_or(QDate()));
        if (const auto count = series.count(rows[row].position))
            grid.setValue(row, 0, scale.apply(*count));
    }
    return grid;
}

ChartGrid SavedSearchChart::allEnginesGrid() const
{
    ChartGrid grid = emptyGrid();
    if (m_engines.isEmpty())
        return grid;
    // Engines saved on different days still line up: a row is a date, and an
    // engine without a count that day leaves a gap. The first engine's counts
    // decide the scale, as with one engine.
    const QList<SavedDateKey::DatedKey> dates = allEnginesDates();

    const ChartScale scale = ChartScale::forLargestCount(largestNumber(m_series.first().knownCounts()));
    grid.setValueAxisTitle(scale.valueAxisTitle);
    grid.setColumnCount(engineCount());
    grid.setRowCount(static_cast<int>(dates.size()));
    for (int row = 0; row < dates.size(); ++row) {
        grid.setRowLabel(row, dates[row].key);
        grid.setRowDate(row, dates[row].date.value_or(QDate()));
    }
    for (int engine = 0; engine < engineCount(); ++engine) {
        grid.setColumnLabel(engine, m_engines[engine]);
        // A date saved twice for an engine shows its first line's count.
        const SavedSeries& series = m_series[engine];
        for (int row = 0; row < dates.size(); ++row) {
            if (const auto count = series.countOf(dates[row].key))
                grid.setValue(row, engine, scale.apply(*count));
        }
    }
    return grid;
}

QList<SavedDateKey::DatedKey> SavedSearchChart::allEnginesDates() const
{
    return SavedDateKey::inDateOrder(m_keys, m_today);
}
