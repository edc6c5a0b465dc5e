#include "charts/ValueAxis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The number of decimals that shows every multiple of the step exactly.
int decimalsOf(double step)
{
    for (int decimals = 0; decimals < 10; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            return decimals;
    }
    return 10;
}

double roundStep(double rawStep, bool wholeNumbers)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(rawStep)));
    static constexpr std::array<double, 5> multiples = {1, 2, 2.5, 5, 10};
    for (const double multiple : multiples) {
        const double step = multiple * magnitude;
        if (wholeNumbers && std::abs(step - std::round(step)) > 1e-9)
            continue;
        if (step >= rawStep * (1 - 1e-9))
            return step;
    }
    return 10 * magnitude;
}

} // namespace

ValueAxis ValueAxis::forRange(double low, double high, int maxIntervals, bool wholeNumbers)
{
    maxIntervals = std::max(maxIntervals, 1);
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        low = high = 0;
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high - low <= 0)
        high = wholeNumbers ? 4 : 1;

    ValueAxis axis;
    axis.step = roundStep((high - low) / maxIntervals, wholeNumbers);
    if (wholeNumbers)
        axis.step = std::max(axis.step, 1.0);
    // A small tolerance keeps a value that sits on a tick from adding a step.
    axis.minimum = std::floor(low / axis.step + 1e-9) * axis.step;
    axis.maximum = std::ceil(high / axis.step - 1e-9) * axis.step;
    if (axis.maximum <= axis.minimum)
        axis.maximum = axis.minimum + axis.step;
    axis.decimals = decimalsOf(axis.step);
    return axis;
}

int ValueAxis::intervals() const
{
    return static_cast<int>(std::lround((maximum - minimum) / step));
}

QList<double> ValueAxis::ticks() const
{
    QList<double> ticks;
    const int count = intervals();
    for (int i = 0; i <= count; ++i) {
        double tick = minimum + i * step;
        // No "-0" and no 0.30000000000000004 in the labels.
        if (std::abs(tick) < step * 1e-9)
            tick = 0;
        ticks.append(tick);
    }
    return ticks;
}
