#include "charts/PlotFrame.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

ValueAxis PlotFrame::axisFor(double axisLength) const
{
    double low = 0, high = 0;
    bool wholeNumbers = true;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            const auto value = grid.value(row, column);
            if (!value || !std::isfinite(*value))
                continue;
            low = std::min(low, *value);
            high = std::max(high, *value);
            wholeNumbers = wholeNumbers && std::abs(*value - std::round(*value)) < 1e-9;
        }
    }
    const int intervals = std::clamp(static_cast<int>(axisLength / (labelLineHeight() * 2.5)), 1, 8);
    return ValueAxis::forRange(low, high, intervals, wholeNumbers);
}

double PlotFrame::tickLabelWidth(const ValueAxis& axis) const
{
    const QFontMetricsF metrics(style.labelFont);
    double widest = 0;
    for (const double tick : axis.ticks())
        widest = std::max(widest, metrics.horizontalAdvance(ChartStyle::formatValue(tick, axis.decimals)));
    return widest;
}

double PlotFrame::labelLineHeight() const
{
    return QFontMetricsF(style.labelFont).height();
}

QList<int> PlotFrame::depthOrder() const
{
    auto extent = [this](int column) {
        double largest = 0;
        for (int row = 0; row < grid.rowCount(); ++row)
            largest = std::max(largest, std::abs(grid.value(row, column).value_or(0)));
        return largest;
    };
    QList<int> byExtent(grid.columnCount());
    std::iota(byExtent.begin(), byExtent.end(), 0);
    std::stable_sort(byExtent.begin(), byExtent.end(), [&](int a, int b) { return extent(a) < extent(b); });
    QList<int> slabs(grid.columnCount());
    for (int slab = 0; slab < byExtent.size(); ++slab)
        slabs[byExtent[slab]] = slab;
    return slabs;
}

QList<int> PlotFrame::backToFront() const
{
    const QList<int> depth = depthOrder();
    QList<int> order(depth.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&depth](int a, int b) { return depth[a] > depth[b]; });
    return order;
}
