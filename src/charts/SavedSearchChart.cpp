#include "charts/SavedSearchChart.h"

#include "charts/ChartScale.h"
#include "saved/IniFile.h"

#include <algorithm>

SavedSearchChart::SavedSearchChart(const QString& title, const QList<Section>& sections)
    : m_title(title)
{
    for (const Section& section : sections) {
        m_engines.append(section.name);
        m_series.append(SavedSeries::fromSectionText(section.text));
    }
}

SavedSearchChart SavedSearchChart::read(const QString& filePath, const QString& chartFileName)
{
    QList<Section> sections;
    for (const QString& name : GetIniSectionNames(filePath))
        sections.append({name, ReadIniSection(name, QString(), filePath)});
    return SavedSearchChart(titleFor(chartFileName), sections);
}

QString SavedSearchChart::allEnginesEntry()
{
    return QStringLiteral("All Engines");
}

QString SavedSearchChart::categoryAxisTitle()
{
    return QStringLiteral("Search Date");
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
    const ChartScale scale = ChartScale::forLargestCount(LargestNumber(series.knownCounts()));
    ChartGrid grid = emptyGrid();
    grid.setValueAxisTitle(scale.valueAxisTitle);
    grid.setColumnCount(1);
    grid.setColumnLabel(0, m_engines[engine]);
    grid.setRowCount(series.size());
    for (int row = 0; row < series.size(); ++row) {
        grid.setRowLabel(row, series.date(row));
        if (const auto count = series.count(row))
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
    QStringList dates;
    for (const SavedSeries& series : m_series) {
        for (int line = 0; line < series.size(); ++line) {
            if (!dates.contains(series.date(line)))
                dates.append(series.date(line));
        }
    }
    const ChartScale scale = ChartScale::forLargestCount(LargestNumber(m_series.first().knownCounts()));
    grid.setValueAxisTitle(scale.valueAxisTitle);
    grid.setColumnCount(engineCount());
    grid.setRowCount(static_cast<int>(dates.size()));
    for (int row = 0; row < dates.size(); ++row)
        grid.setRowLabel(row, dates[row]);
    for (int engine = 0; engine < engineCount(); ++engine) {
        grid.setColumnLabel(engine, m_engines[engine]);
        const SavedSeries& series = m_series[engine];
        for (int row = 0; row < dates.size(); ++row) {
            if (const auto count = series.count(series.indexOfDate(dates[row])))
                grid.setValue(row, engine, scale.apply(*count));
        }
    }
    return grid;
}
