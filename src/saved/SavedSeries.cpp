#include "saved/SavedSeries.h"

#include "engines/CountText.h"

SavedSeries SavedSeries::fromLines(const QStringList& lines)
{
    SavedSeries series;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const qsizetype secondEquals = line.indexOf(u'=', equals + 1);
        const QStringView countText = secondEquals < 0 ? QStringView(line).mid(equals + 1)
                                                       : QStringView(line).mid(equals + 1, secondEquals - equals - 1);
        const QString date = line.left(equals).trimmed();
        if (!series.m_firstLineOfKey.contains(date))
            series.m_firstLineOfKey.insert(date, series.size());
        series.m_dates.append(date);
        series.m_counts.append(CountText::number(countText));
    }
    return series;
}

std::optional<qint64> SavedSeries::count(int index) const
{
    if (index < 0 || index >= size())
        return std::nullopt;
    return m_counts[index];
}

std::optional<qint64> SavedSeries::countOf(const QString& key) const
{
    const auto line = m_firstLineOfKey.constFind(key);
    return line == m_firstLineOfKey.cend() ? std::nullopt : m_counts[*line];
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
