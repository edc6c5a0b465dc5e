#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

// Fonts and measures of a chart drawn at a given size, in the logical pixels
// the chart is drawn in. Fonts are sized in pixels, not points, so that the
// same drawing comes out alike on a screen, in an image and on a printer.
struct ChartStyle
{
    QFont titleFont;
    QFont axisTitleFont;
    QFont labelFont;
    QFont legendFont;
    double padding = 10;
    double lineWidth = 2; // the series' lines
    double thinLine = 1;  // grid lines, outlines, axes

    static ChartStyle forSize(const QFont& baseFont, const QSizeF& size);

    // Tick labels: the value with the given decimals, grouped by thousands.
    static QString formatValue(double value, int decimals);
};
