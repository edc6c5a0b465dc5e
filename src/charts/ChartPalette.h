#pragma once

#include <QColor>

// Series colours: ten that stay apart from each other on screen and on
// paper, then further hues spread around the colour wheel.
namespace ChartPalette {

QColor seriesColor(int series);

// A face of a solid lit from the upper left front: `light` from 0 (turned
// away) to 1 (facing the light).
QColor shaded(const QColor& base, double light);

// The outline drawn around a filled shape of this colour.
QColor outline(const QColor& base);

} // namespace ChartPalette
