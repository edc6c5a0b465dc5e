#pragma once

#include <QDate>
#include <QList>

#include <optional>

class ChartGrid;

// Where the rows of a chart stand along its horizontal axis, in the axis's
// units: one per row when the rows are spaced evenly, one per day when they
// are spaced by the time between their dates. Each row owns the stretch
// from lower() to upper() about its centre: a bar stands in it, a step spans
// it. The axis runs from start() to end().
class RowPositions
{
public:
    static RowPositions even(int rows);

    // Rows at their dates, when the dated rows come first, oldest first,
    // and hold at least two different days. Rows without a date follow the
    // last date, as far apart as the closest two dates. Otherwise nothing:
    // such rows are no time line.
    static std::optional<RowPositions> byTime(const ChartGrid& grid);

    bool isByTime() const { return m_origin.isValid(); }
    int count() const { return static_cast<int>(m_centres.size()); }
    double centre(int row) const { return m_centres.value(row); }
    double lower(int row) const;
    double upper(int row) const;
    double start() const { return count() > 0 ? lower(0) : 0; }
    double end() const { return count() > 0 ? upper(count() - 1) : 1; }
    // The least distance between two rows that stand apart.
    double narrowest() const { return m_narrowest; }

    // Days along a time line, and back.
    double positionOf(const QDate& date) const;
    QDate dateAt(double position) const;

private:
    QList<double> m_centres;
    double m_narrowest = 1;
    QDate m_origin; // the day at position 0 of a time line
};
