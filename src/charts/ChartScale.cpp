#include "charts/ChartScale.h"

#include <algorithm>

qint64 largestNumber(const QList<qint64>& numbers)
{
    if (numbers.isEmpty())
        return 0;
    return *std::max_element(numbers.cbegin(), numbers.cend());
}

ChartScale ChartScale::forLargestCount(qint64 largestCount)
{
    if (largestCount > 100'000'000)
        return {1000, QStringLiteral("Linking Sites x1000")};
    if (largestCount > 10'000'000)
        return {100, QStringLiteral("Linking Sites x100")};
    if (largestCount > 1'000'000)
        return {10, QStringLiteral("Linking Sites x10")};
    return {1, QStringLiteral("Linking Sites")};
}
