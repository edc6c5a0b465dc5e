#pragma once

#include <QColor>

// How well two colours stand apart, as the web's accessibility guidelines
// measure it: the ratio of their relative luminances (each plus 0.05), from
// 1 (the same) to 21 (black on white). Text wants 4.5, lines and shapes 3.
namespace ColourContrast {

inline constexpr double textMinimum = 4.5;
inline constexpr double graphicsMinimum = 3.0;

double relativeLuminance(const QColor& colour);
double ratio(const QColor& a, const QColor& b);

// The colour made darker (on a light background) or lighter (on a dark
// one), keeping its hue, until it stands apart from the background by at
// least the ratio, or as far as it can.
QColor standingOut(const QColor& colour, const QColor& background, double minimum);

} // namespace ColourContrast
