#pragma once

#include "charts/DateAxis.h"

#include <QFont>
#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

class ChartGrid;
class QPainter;
class QPen;
class QRectF;
class RowPositions;

// The labels beneath a chart whose rows stand at their dates: round dates
// with as many ticks as the width has room for (DateAxis), written in the
// locale's date format, and the own labels of rows that are no date. Level,
// and never touching: a label that would run into the one before it is left
// out.
class TimeAxisLabels
{
public:
    TimeAxisLabels(const ChartGrid& grid, const RowPositions& rows, const QFont& font, const QLocale& locale);

    // Chooses the ticks and labels for a time line `width` pixels long.
    void plan(double width);

    double bandHeight() const;

    struct Label
    {
        double position; // along the rows' axis
        QString text;
        bool isTick; // a round date, not a row's own label
    };
    // What is written, left to right.
    const QList<Label>& labels() const { return m_shown; }
    const std::optional<DateAxis>& axis() const { return m_axis; }

    using Placement = std::function<double(double position)>;
    // Upright grid lines at the ticks, across the plot.
    void drawGrid(QPainter& painter, const Placement& xOf, const QRectF& plot, const QPen& pen) const;
    // The tick marks beneath the axis at `axisY` and the labels under them.
    void draw(QPainter& painter, const Placement& xOf, double axisY, const QPen& tickPen, const QColor& color) const;

private:
    // The labels of this many ticks at most, left to right with the rows'
    // own labels among them.
    QList<Label> labelsFor(int maxTicks, std::optional<DateAxis>& axis) const;
    double widthOf(const QString& text) const;
    // Leaves out every label that would touch the one kept before it, or
    // reach past the ends of the line.
    QList<Label> thinned(const QList<Label>& labels, double pixelsPerUnit, double width) const;

    const RowPositions& m_rows;
    QFont m_font;
    QLocale m_locale;
    QList<Label> m_ownLabels;
    QDate m_firstDay;
    QDate m_lastDay;
    double m_lineHeight = 0;
    double m_gap = 0;
    std::optional<DateAxis> m_axis;
    QList<Label> m_shown;
};
