#pragma once

#include "charts/ChartColors.h"
#include "charts/ChartGrid.h"
#include "charts/ChartStyle.h"
#include "charts/ChartTypes.h"
#include "charts/ValueAxis.h"

#include <QList>

// What a plot draws from: the grid, the type's shape, the style, the
// colours, and the value axis fitted to the grid's values and the room the
// axis has.
struct PlotFrame
{
    const ChartGrid& grid;
    ChartTypes::Shape shape;
    const ChartStyle& style;
    const ChartColors& colors;
    // Whether a flat plot places dated rows by the time between them.
    bool spaceDatesByTime = false;

    // A value axis with about one labelled tick per two and a half lines of
    // text over `axisLength` pixels.
    ValueAxis axisFor(double axisLength) const;
    // The width of the widest tick label of the axis.
    double tickLabelWidth(const ValueAxis& axis) const;
    double labelLineHeight() const;

    // The place of each series from the front, 0 first, where series stand
    // one behind the other: those reaching farthest from zero stand at the
    // back, so that none hides behind a taller one; equal ones keep their
    // order from the front.
    QList<int> depthOrder() const;
    // The series from the back to the front of that order: the order a
    // flat chart lays overlapping fills in.
    QList<int> backToFront() const;
};
