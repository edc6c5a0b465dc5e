#pragma once

#include <QColor>

class QPalette;

// The colours a chart is drawn in, all from its background and text: on
// screen those of the widget's palette (a dark desktop gives a dark chart
// with light text), on paper and in exported files black on white.
struct ChartColors
{
    QColor background;
    QColor text;
    QColor axis;
    QColor grid;
    // The box of a three-dimensional chart.
    QColor floor;
    QColor backWall;
    QColor sideWall;
    QColor wallEdge;

    static ChartColors from(const QColor& background, const QColor& text);
    static ChartColors fromPalette(const QPalette& palette);
    static ChartColors paper();

    // The series' colour, made to stand out from the background where it
    // would not (a dark blue on a dark chart, a pale yellow on white).
    QColor series(int index) const;

    bool operator==(const ChartColors&) const = default;
};
