#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// The data a chart shows: columns are the series (named in the legend), rows
// the categories along the horizontal axis. Indexes are 0-based. A cell may
// hold no value, which the chart draws as a gap.
class ChartGrid
{
public:
    int columnCount() const { return static_cast<int>(m_columnLabels.size()); }
    int rowCount() const { return static_cast<int>(m_rowLabels.size()); }

    // Changing a count keeps the labels and cells that still fit; new cells
    // hold no value and new labels are empty.
    void setColumnCount(int count);
    void setRowCount(int count);

    QString columnLabel(int column) const;
    void setColumnLabel(int column, const QString& label);
    QString rowLabel(int row) const;
    void setRowLabel(int row, const QString& label);
    // The day a row stands for, when the rows are dates of a history; an
    // invalid date when the row is none (its label says what it is).
    QDate rowDate(int row) const;
    void setRowDate(int row, const QDate& date);
    // What the axis writes under a row: a dated row's day in the locale's
    // way (the label keeps the saved form), any other row's label.
    QString rowCaption(int row, const QLocale& locale) const;

    std::optional<double> value(int row, int column) const;
    void setValue(int row, int column, std::optional<double> value);
    // Sets a cell from decimal text ("1.5", "-3", "12"); text that is not a
    // number leaves the cell without a value.
    void setValueText(int row, int column, const QString& decimalText);

    // The runs of consecutive rows that hold a value in the column; a line or
    // an area is drawn per run, so a missing value leaves a gap.
    QList<QList<int>> valueRuns(int column) const;

    // The largest value of the grid, or nullopt when no cell holds one.
    std::optional<double> largestValue() const;

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QString valueAxisTitle() const { return m_valueAxisTitle; }
    void setValueAxisTitle(const QString& title) { m_valueAxisTitle = title; }
    QString categoryAxisTitle() const { return m_categoryAxisTitle; }
    void setCategoryAxisTitle(const QString& title) { m_categoryAxisTitle = title; }

    bool operator==(const ChartGrid& other) const = default;

private:
    bool contains(int row, int column) const;

    QList<QString> m_columnLabels;
    QList<QString> m_rowLabels;
    QList<QDate> m_rowDates;
    // Row-major: m_cells[row][column].
    QList<QList<std::optional<double>>> m_cells;
    QString m_title;
    QString m_valueAxisTitle;
    QString m_categoryAxisTitle;
};
