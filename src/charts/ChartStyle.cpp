#include "charts/ChartStyle.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

ChartStyle ChartStyle::forSize(const QFont& baseFont, const QSizeF& size)
{
    // Text grows a little with the chart, within sizes that stay readable.
    const double base = std::clamp(std::min(size.width(), size.height() * 1.5) / 56.0, 9.0, 14.0);
    auto sized = [&baseFont](double pixels, QFont::Weight weight) {
        QFont font = baseFont;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
        font.setWeight(weight);
        font.setStyleStrategy(QFont::PreferAntialias);
        return font;
    };

    ChartStyle style;
    style.titleFont = sized(base * 1.4, QFont::Bold);
    style.axisTitleFont = sized(base * 1.0, QFont::DemiBold);
    style.labelFont = sized(base * 0.92, QFont::Normal);
    style.legendFont = sized(base * 0.95, QFont::Normal);
    style.padding = std::round(base * 0.9);
    style.lineWidth = std::clamp(base / 5.0, 1.6, 2.6);
    style.thinLine = 1.0;
    return style;
}

QString ChartStyle::formatValue(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}
