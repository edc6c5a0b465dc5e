#pragma once

#include <QList>

// The value axis of a chart: a range that takes in the values and zero,
// starts and ends on a tick, and steps by a round number (1, 2, 2.5 or 5
// times a power of ten), with the decimals its labels need.
struct ValueAxis
{
    double minimum = 0;
    double maximum = 1;
    double step = 0.2;
    int decimals = 1;

    // The axis for values from `low` to `high` with at most `maxIntervals`
    // steps (at least 1). With `wholeNumbers` no step is a fraction. Values
    // that are all zero (or none) get the axis 0..1, or 0..4 in whole
    // numbers, so an empty chart still has a scale.
    static ValueAxis forRange(double low, double high, int maxIntervals, bool wholeNumbers);

    QList<double> ticks() const;
    int intervals() const;

    // Where a value lies on the axis: 0 at the minimum, 1 at the maximum.
    double fraction(double value) const { return (value - minimum) / (maximum - minimum); }
    // Where bars and areas grow from: zero, which the axis always holds.
    double baselineFraction() const { return fraction(0.0); }
};
