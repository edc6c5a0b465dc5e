#include "base/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double ColourContrast::relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ColourContrast::ratio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ColourContrast::standingOut(const QColor& colour, const QColor& background, double minimum)
{
    if (ratio(colour, background) >= minimum)
        return colour;
    // Towards black when black stands out more from the background, else
    // towards white: small steps of lightness find the nearest colour that
    // is enough.
    const bool darken = ratio(Qt::black, background) >= ratio(Qt::white, background);
    const QColor hsl = colour.toHsl();
    QColor best = colour;
    for (int step = 1; step <= 50; ++step) {
        const float lightness =
            std::clamp(hsl.lightnessF() + (darken ? -0.02f : 0.02f) * static_cast<float>(step), 0.0f, 1.0f);
        best = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF()).toRgb();
        if (ratio(best, background) >= minimum)
            break;
    }
    return best;
}
