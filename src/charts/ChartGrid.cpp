#include "charts/ChartGrid.h"

#include "charts/DateAxis.h"

#include <algorithm>

void ChartGrid::setColumnCount(int count)
{
    count = std::max(count, 0);
    m_columnLabels.resize(count);
    for (auto& row : m_cells)
        row.resize(count);
}

void ChartGrid::setRowCount(int count)
{
    count = std::max(count, 0);
    m_rowLabels.resize(count);
    m_rowDates.resize(count);
    const int oldCount = static_cast<int>(m_cells.size());
    m_cells.resize(count);
    for (int row = oldCount; row < count; ++row)
        m_cells[row].resize(columnCount());
}

bool ChartGrid::contains(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

QString ChartGrid::columnLabel(int column) const
{
    return column >= 0 && column < columnCount() ? m_columnLabels[column] : QString();
}

void ChartGrid::setColumnLabel(int column, const QString& label)
{
    if (column >= 0 && column < columnCount())
        m_columnLabels[column] = label;
}

QString ChartGrid::rowCaption(int row, const QLocale& locale) const
{
    const QDate date = rowDate(row);
    return date.isValid() ? DateAxis::dayText(date, locale) : rowLabel(row);
}

QString ChartGrid::rowLabel(int row) const
{
    return row >= 0 && row < rowCount() ? m_rowLabels[row] : QString();
}

void ChartGrid::setRowLabel(int row, const QString& label)
{
    if (row >= 0 && row < rowCount())
        m_rowLabels[row] = label;
}

QDate ChartGrid::rowDate(int row) const
{
    return row >= 0 && row < rowCount() ? m_rowDates[row] : QDate();
}

void ChartGrid::setRowDate(int row, const QDate& date)
{
    if (row >= 0 && row < rowCount())
        m_rowDates[row] = date;
}

std::optional<double> ChartGrid::value(int row, int column) const
{
    if (!contains(row, column))
        return std::nullopt;
    return m_cells[row][column];
}

void ChartGrid::setValue(int row, int column, std::optional<double> value)
{
    if (contains(row, column))
        m_cells[row][column] = value;
}

void ChartGrid::setValueText(int row, int column, const QString& decimalText)
{
    bool ok = false;
    const double number = decimalText.trimmed().toDouble(&ok);
    setValue(row, column, ok ? std::optional<double>(number) : std::nullopt);
}

std::optional<double> ChartGrid::largestValue() const
{
    std::optional<double> largest;
    for (const auto& row : m_cells) {
        for (const auto& cell : row) {
            if (cell && (!largest || *cell > *largest))
                largest = cell;
        }
    }
    return largest;
}

QList<QList<int>> ChartGrid::valueRuns(int column) const
{
    QList<QList<int>> runs;
    QList<int> run;
    for (int row = 0; row < rowCount(); ++row) {
        if (value(row, column)) {
            run.append(row);
        } else if (!run.isEmpty()) {
            runs.append(run);
            run.clear();
        }
    }
    if (!run.isEmpty())
        runs.append(run);
    return runs;
}
