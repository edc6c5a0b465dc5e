#pragma once

#include "charts/ChartColors.h"
#include "charts/ChartGrid.h"
#include "charts/ChartProjection.h"

#include <QFont>
#include <QRectF>

class QPainter;

// How a chart is drawn, apart from its data.
struct ChartLook
{
    int chartType = 3;
    ViewAngle angle;
    // Flat types place dated rows by the time between them.
    bool spaceDatesByTime = true;
    ChartColors colors = ChartColors::paper();

    bool operator==(const ChartLook&) const = default;
};

// Draws a whole chart into a rectangle of any paint device: the title at
// the top, the legend at the right (beneath a narrow chart), the axis
// titles, and the plot of the chart type in the room left. The rectangle is
// in logical pixels; a printer's painter is scaled to them beforehand, so
// screen, image, file and paper show the same drawing.
class ChartRenderer
{
public:
    ChartRenderer(const ChartGrid& grid, const ChartLook& look, const QFont& baseFont);

    void render(QPainter& painter, const QRectF& target) const;

private:
    const ChartGrid& m_grid;
    ChartLook m_look;
    QFont m_baseFont;
};
