#include "charts/ChartColors.h"

#include "base/ColourContrast.h"
#include "charts/ChartPalette.h"

#include <QPalette>

namespace {

// `amount` of the way from the background to the text colour.
QColor toward(const QColor& background, const QColor& text, double amount)
{
    auto channel = [amount](double from, double to) { return static_cast<float>(from + (to - from) * amount); };
    return QColor::fromRgbF(channel(background.redF(), text.redF()), channel(background.greenF(), text.greenF()),
                            channel(background.blueF(), text.blueF()));
}

} // namespace

ChartColors ChartColors::from(const QColor& background, const QColor& text)
{
    ChartColors colors;
    colors.background = background.toRgb();
    colors.text = text.toRgb();
    colors.axis = toward(background, text, 0.5);
    colors.grid = toward(background, text, 0.14);
    colors.floor = toward(background, text, 0.09);
    colors.backWall = toward(background, text, 0.035);
    colors.sideWall = toward(background, text, 0.065);
    colors.wallEdge = toward(background, text, 0.25);
    return colors;
}

ChartColors ChartColors::fromPalette(const QPalette& palette)
{
    return from(palette.color(QPalette::Active, QPalette::Base), palette.color(QPalette::Active, QPalette::Text));
}

ChartColors ChartColors::paper()
{
    return from(Qt::white, QColor(0x22, 0x26, 0x2d));
}

QColor ChartColors::series(int index) const
{
    return ColourContrast::standingOut(ChartPalette::seriesColor(index), background, ColourContrast::graphicsMinimum);
}
