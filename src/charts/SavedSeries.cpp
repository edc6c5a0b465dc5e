#include "charts/SavedSeries.h"

#include "results/CountValue.h"

SavedSeries SavedSeries::fromLines(const QStringList& lines)
{
    SavedSeries series;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const qsizetype secondEquals = line.indexOf(u'=', equals + 1);
        const QString countText =
            secondEquals < 0 ? line.mid(equals + 1) : line.mid(equals + 1, secondEquals - equals - 1);
        series.m_dates.append(line.left(equals).trimmed());
        series.m_counts.append(countValue(countText));
    }
    return series;
}

std::optional<qint64> SavedSeries::count(int index) const
{
    if (index < 0 || index >= size())
        return std::nullopt;
    return m_counts[index];
}

QList<qint64> SavedSeries::knownCounts() const
{
    QList<qint64> counts;
    for (const auto& count : m_counts) {
        if (count)
            counts.append(*count);
    }
    return counts;
}
