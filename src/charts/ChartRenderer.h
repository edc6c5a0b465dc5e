#pragma once

#include "charts/ChartGrid.h"
#include "charts/ChartProjection.h"

#include <QFont>
#include <QRectF>

class QPainter;

// Draws a whole chart into a rectangle of any paint device: the title at
// the top, the legend at the right (beneath a narrow chart), the axis
// titles, and the plot of the chart type in the room left. The rectangle is
// in logical pixels; a printer's painter is scaled to them beforehand, so
// screen, image and paper show the same drawing.
class ChartRenderer
{
public:
    ChartRenderer(const ChartGrid& grid, int chartType, ViewAngle angle, const QFont& baseFont);

    void render(QPainter& painter, const QRectF& target) const;

private:
    const ChartGrid& m_grid;
    int m_chartType;
    ViewAngle m_angle;
    QFont m_baseFont;
};
