#include "charts/RowPositions.h"

#include "charts/ChartGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

RowPositions RowPositions::even(int rows)
{
    RowPositions positions;
    for (int row = 0; row < rows; ++row)
        positions.m_centres.append(row + 0.5);
    return positions;
}

std::optional<RowPositions> RowPositions::byTime(const ChartGrid& grid)
{
    RowPositions positions;
    int dated = 0;
    while (dated < grid.rowCount() && grid.rowDate(dated).isValid())
        ++dated;
    for (int row = dated; row < grid.rowCount(); ++row) {
        if (grid.rowDate(row).isValid())
            return std::nullopt;
    }
    if (dated < 2)
        return std::nullopt;
    positions.m_origin = grid.rowDate(0);
    double narrowest = std::numeric_limits<double>::infinity();
    for (int row = 0; row < dated; ++row) {
        const double centre = positions.positionOf(grid.rowDate(row));
        if (row > 0) {
            const double gap = centre - positions.m_centres.last();
            if (gap < 0)
                return std::nullopt;
            if (gap > 0)
                narrowest = std::min(narrowest, gap);
        }
        positions.m_centres.append(centre);
    }
    if (!std::isfinite(narrowest))
        return std::nullopt;
    positions.m_narrowest = narrowest;
    for (int row = dated; row < grid.rowCount(); ++row)
        positions.m_centres.append(positions.m_centres.last() + narrowest);
    return positions;
}

double RowPositions::lower(int row) const
{
    if (row <= 0)
        return centre(0) - m_narrowest / 2;
    return (centre(row - 1) + centre(row)) / 2;
}

double RowPositions::upper(int row) const
{
    if (row >= count() - 1)
        return centre(count() - 1) + m_narrowest / 2;
    return (centre(row) + centre(row + 1)) / 2;
}

double RowPositions::positionOf(const QDate& date) const
{
    return static_cast<double>(date.toJulianDay() - m_origin.toJulianDay());
}

QDate RowPositions::dateAt(double position) const
{
    return m_origin.addDays(static_cast<qint64>(std::floor(position)));
}
