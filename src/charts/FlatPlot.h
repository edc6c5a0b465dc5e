#pragma once

#include "charts/PlotFrame.h"

#include <QList>
#include <QPointF>
#include <QRectF>

class QPainter;

// The flat chart types: grouped bars, lines, areas and steps over a value
// axis at the left and the categories beneath. Values without a number
// leave gaps.
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
        double slot = 0; // the width of one category
    };

    double xOf(const Geometry& g, double categoryPosition) const;
    double yOf(const Geometry& g, double value) const;

    void drawAxes(QPainter& painter, const Geometry& g) const;
    void drawBars(QPainter& painter, const Geometry& g) const;
    void drawLines(QPainter& painter, const Geometry& g) const;
    void drawAreas(QPainter& painter, const Geometry& g) const;
    void drawSteps(QPainter& painter, const Geometry& g) const;
    void drawMarker(QPainter& painter, const QPointF& point, const QColor& color, double radius) const;

    const PlotFrame& m_frame;
};
