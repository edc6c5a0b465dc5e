#include "charts/ChartScale.h"

#include <QCoreApplication>

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
        return {1000, QCoreApplication::translate("ChartScale", "Linking Sites x1000")};
    if (largestCount > 10'000'000)
        return {100, QCoreApplication::translate("ChartScale", "Linking Sites x100")};
    if (largestCount > 1'000'000)
        return {10, QCoreApplication::translate("ChartScale", "Linking Sites x10")};
    return {1, QCoreApplication::translate("ChartScale", "Linking Sites")};
}
