#include "charts/ChartPalette.h"

#include <algorithm>
#include <array>
#include <cmath>

QColor ChartPalette::seriesColor(int series)
{
    static constexpr std::array<QRgb, 10> colors = {
        0x2f6db5, // blue
        0xe8812c, // orange
        0x3c9a4a, // green
        0xcf3e3a, // red
        0x8a63b8, // violet
        0x1ba3a8, // teal
        0xd6a21e, // ochre
        0xd16aa8, // pink
        0x7a5a45, // brown
        0x6f7d8c, // slate
    };
    if (series >= 0 && series < static_cast<int>(colors.size()))
        return QColor::fromRgb(colors[series]);
    // Golden-angle steps keep neighbouring series apart.
    const int hue = static_cast<int>(std::fmod(std::abs(series) * 137.508, 360.0));
    return QColor::fromHsv(hue, 170, 190);
}

QColor ChartPalette::shaded(const QColor& base, double light)
{
    light = std::clamp(light, 0.0, 1.0);
    // A face half turned to the light (the front of a solid seen straight
    // on) shows the colour itself; a face in shadow 70% of it, one facing
    // the light a lighter tint.
    const double factor = 0.7 + 0.6 * light;
    auto channel = [factor](double value) {
        // Above 1 the colour goes towards white instead of past full intensity.
        return factor <= 1.0 ? value * factor : 1.0 - (1.0 - value) * (2.0 - factor);
    };
    return QColor::fromRgbF(static_cast<float>(channel(base.redF())), static_cast<float>(channel(base.greenF())),
                            static_cast<float>(channel(base.blueF())), base.alphaF());
}

QColor ChartPalette::outline(const QColor& base)
{
    QColor color = base.darker(165);
    color.setAlphaF(0.85f);
    return color;
}
