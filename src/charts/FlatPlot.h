#pragma once

#include "charts/PlotFrame.h"
#include "charts/RowPositions.h"

#include <QList>
#include <QPointF>
#include <QRectF>

#include <algorithm>

class QPainter;

// The flat chart types: grouped bars, lines, areas and steps over a value
// axis at the left and the categories beneath, evenly spaced or, for dated
// rows, spaced by the time between them. Values without a number leave gaps.
class FlatPlot
{
public:
    explicit FlatPlot(const PlotFrame& frame);

    // Draws the plot with its tick labels and category labels into `area`.
    void draw(QPainter& painter, const QRectF& area) const;

private:
    struct Geometry
    {
        QRectF plot;
        ValueAxis axis;
        RowPositions rows;

        // Pixels per unit along the horizontal axis.
        double unit() const { return plot.width() / std::max(rows.end() - rows.start(), 1e-9); }
        double xOf(double position) const { return plot.left() + (position - rows.start()) * unit(); }
        double yOf(double value) const { return plot.bottom() - axis.fraction(value) * plot.height(); }
    };

    RowPositions rowPositions() const;

    void drawAxes(QPainter& painter, const Geometry& g) const;
    void drawBars(QPainter& painter, const Geometry& g) const;
    void drawDenseBars(QPainter& painter, const Geometry& g) const;
    void drawLines(QPainter& painter, const Geometry& g) const;
    void drawAreas(QPainter& painter, const Geometry& g) const;
    void drawSteps(QPainter& painter, const Geometry& g) const;
    void drawMarker(QPainter& painter, const QPointF& point, const QColor& color, double radius) const;
    // The run's points at the centres of its rows.
    QPolygonF runPoints(const Geometry& g, const QList<int>& run, int column) const;
    Qt::PenJoinStyle joinFor(const Geometry& g) const;
    // The run as steps, each row's value across the row's stretch.
    QPolygonF stepPoints(const Geometry& g, const QList<int>& run, int column) const;

    const PlotFrame& m_frame;
};
