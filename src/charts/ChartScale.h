#pragma once

#include <QList>
#include <QString>

// The largest of the numbers, or 0 for an empty list.
qint64 largestNumber(const QList<qint64>& numbers);

// Large counts are charted divided by 10, 100 or 1000, with the value-axis
// title saying so, so that the axis labels stay short.
struct ChartScale
{
    int divisor = 1;
    QString valueAxisTitle;

    // The scale of a chart whose deciding count is `largestCount`: above
    // 100,000,000 divides by 1000, above 10,000,000 by 100, above 1,000,000
    // by 10, else not at all.
    static ChartScale forLargestCount(qint64 largestCount);

    // The charted value of a count; fractions are kept (15 with divisor 10
    // is 1.5).
    double apply(qint64 count) const { return static_cast<double>(count) / divisor; }

    bool operator==(const ChartScale& other) const = default;
};
