#pragma once

#include "charts/ChartGrid.h"
#include "charts/ChartStyle.h"
#include "charts/ChartTypes.h"
#include "charts/ValueAxis.h"

#include <QColor>
#include <QList>

// What a plot draws from: the grid, the type's shape, the style, and the
// value axis fitted to the grid's values and the room the axis has.
struct PlotFrame
{
    const ChartGrid& grid;
    ChartTypes::Shape shape;
    const ChartStyle& style;

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

    QColor textColor() const { return {0x33, 0x38, 0x40}; }
    QColor axisColor() const { return {0x8a, 0x91, 0x9c}; }
    QColor gridColor() const { return {0xdf, 0xe3, 0xe8}; }
};
