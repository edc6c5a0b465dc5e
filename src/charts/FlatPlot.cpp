#include "charts/FlatPlot.h"

#include "charts/CategoryLabels.h"
#include "charts/ChartPalette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numeric>

FlatPlot::FlatPlot(const PlotFrame& frame)
    : m_frame(frame)
{}

double FlatPlot::xOf(const Geometry& g, double categoryPosition) const
{
    return g.plot.left() + categoryPosition * g.slot;
}

double FlatPlot::yOf(const Geometry& g, double value) const
{
    return g.plot.bottom() - g.axis.fraction(value) * g.plot.height();
}

void FlatPlot::draw(QPainter& painter, const QRectF& area) const
{
    const ChartGrid& grid = m_frame.grid;
    const double lineHeight = m_frame.labelLineHeight();
    const double gap = std::round(lineHeight * 0.5);

    Geometry g;
    // The tick labels' width depends on the axis, the axis on the height
    // left beside the category labels; one estimate is close enough.
    g.axis = m_frame.axisFor(area.height() - lineHeight * 2.5);
    const double left = area.left() + m_frame.tickLabelWidth(g.axis) + gap;
    const double right = area.right() - gap * 0.5;
    const int rows = std::max(grid.rowCount(), 1);
    g.slot = std::max(right - left, 1.0) / rows;

    QStringList labels;
    for (int row = 0; row < grid.rowCount(); ++row)
        labels.append(grid.rowLabel(row));
    CategoryLabels categoryLabels(labels, m_frame.style.labelFont);
    categoryLabels.plan(g.slot, area.height() * 0.3);

    const double top = area.top() + lineHeight * 0.5;
    g.plot = QRectF(left, top, std::max(right - left, 1.0),
                    std::max(area.bottom() - categoryLabels.bandHeight() - top, 1.0));
    g.axis = m_frame.axisFor(g.plot.height());

    drawAxes(painter, g);
    // The baseline lies under the data, so that series of zeros show on it.
    painter.save();
    painter.setPen(QPen(m_frame.axisColor(), m_frame.style.thinLine));
    const double baseline = yOf(g, 0);
    painter.drawLine(QPointF(g.plot.left(), baseline), QPointF(g.plot.right(), baseline));
    painter.restore();

    painter.save();
    const double margin = m_frame.style.lineWidth * 2;
    painter.setClipRect(g.plot.adjusted(-margin, -margin, margin, margin), Qt::IntersectClip);
    switch (m_frame.shape) {
    case ChartTypes::Shape::Bar:
        drawBars(painter, g);
        break;
    case ChartTypes::Shape::Line:
        drawLines(painter, g);
        break;
    case ChartTypes::Shape::Area:
        drawAreas(painter, g);
        break;
    case ChartTypes::Shape::Step:
        drawSteps(painter, g);
        break;
    }
    painter.restore();

    QList<QPointF> anchors;
    for (int row = 0; row < grid.rowCount(); ++row)
        anchors.append(QPointF(xOf(g, row + 0.5), g.plot.bottom()));
    categoryLabels.draw(painter, anchors, m_frame.textColor());
}

void FlatPlot::drawAxes(QPainter& painter, const Geometry& g) const
{
    painter.save();
    painter.fillRect(g.plot, Qt::white);
    const QFontMetricsF metrics(m_frame.style.labelFont);
    const double tickLength = std::round(metrics.height() * 0.3);
    painter.setFont(m_frame.style.labelFont);
    for (const double tick : g.axis.ticks()) {
        const double y = yOf(g, tick);
        painter.setPen(QPen(m_frame.gridColor(), m_frame.style.thinLine));
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        painter.setPen(QPen(m_frame.axisColor(), m_frame.style.thinLine));
        painter.drawLine(QPointF(g.plot.left() - tickLength, y), QPointF(g.plot.left(), y));
        painter.setPen(m_frame.textColor());
        const QString text = ChartStyle::formatValue(tick, g.axis.decimals);
        painter.drawText(
            QRectF(g.plot.left() - tickLength - 2000, y - metrics.height() / 2, 2000 - 2, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(m_frame.axisColor(), m_frame.style.thinLine));
    painter.drawLine(g.plot.topLeft(), g.plot.bottomLeft());
    painter.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    painter.restore();
}

void FlatPlot::drawBars(QPainter& painter, const Geometry& g) const
{
    const int columns = m_frame.grid.columnCount();
    if (columns == 0)
        return;
    const double group = g.slot * 0.78;
    const double pitch = group / columns;
    const double gap = pitch > 6 ? pitch * 0.12 : 0;
    const double baseline = yOf(g, 0);
    painter.save();
    for (int row = 0; row < m_frame.grid.rowCount(); ++row) {
        const double groupLeft = xOf(g, row + 0.5) - group / 2;
        for (int column = 0; column < columns; ++column) {
            const auto value = m_frame.grid.value(row, column);
            if (!value)
                continue;
            const QColor color = ChartPalette::seriesColor(column);
            const double x = groupLeft + column * pitch + gap / 2;
            const double width = pitch - gap;
            const double y = yOf(g, *value);
            if (std::abs(y - baseline) < 0.5) {
                // A zero still shows, as a line on the baseline.
                painter.setPen(QPen(color, m_frame.style.lineWidth, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(QPointF(x, baseline - m_frame.style.lineWidth / 2),
                                 QPointF(x + width, baseline - m_frame.style.lineWidth / 2));
                continue;
            }
            const QRectF bar = QRectF(QPointF(x, std::min(y, baseline)), QPointF(x + width, std::max(y, baseline)));
            QLinearGradient fill(bar.topLeft(), bar.topRight());
            fill.setColorAt(0, ChartPalette::shaded(color, 0.62));
            fill.setColorAt(1, ChartPalette::shaded(color, 0.42));
            painter.setBrush(fill);
            painter.setPen(width > 4 ? QPen(ChartPalette::outline(color), m_frame.style.thinLine * 0.8) : Qt::NoPen);
            painter.drawRect(bar);
        }
    }
    painter.restore();
}

void FlatPlot::drawMarker(QPainter& painter, const QPointF& point, const QColor& color, double radius) const
{
    painter.save();
    painter.setPen(QPen(Qt::white, std::max(1.0, radius * 0.45)));
    painter.setBrush(color);
    painter.drawEllipse(point, radius, radius);
    painter.restore();
}

void FlatPlot::drawLines(QPainter& painter, const Geometry& g) const
{
    const double radius = m_frame.style.lineWidth * 1.7;
    // Markers only while the points stand clear of each other.
    const bool markEveryPoint = g.slot >= radius * 5;
    painter.save();
    for (int column = 0; column < m_frame.grid.columnCount(); ++column) {
        const QColor color = ChartPalette::seriesColor(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            QPolygonF line;
            for (const int row : run)
                line.append(QPointF(xOf(g, row + 0.5), yOf(g, *m_frame.grid.value(row, column))));
            painter.setPen(QPen(color, m_frame.style.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
            if (markEveryPoint || line.size() == 1) {
                for (const QPointF& point : line)
                    drawMarker(painter, point, color, radius);
            }
        }
    }
    painter.restore();
}

void FlatPlot::drawAreas(QPainter& painter, const Geometry& g) const
{
    const ChartGrid& grid = m_frame.grid;
    // The largest areas go behind, so the smaller ones stay in sight.
    const QList<int> depth = m_frame.depthOrder();
    QList<int> order(grid.columnCount());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&depth](int a, int b) { return depth[a] > depth[b]; });

    const double baseline = yOf(g, 0);
    const double radius = m_frame.style.lineWidth * 1.7;
    painter.save();
    // Opaque layers (overlapping see-through fills mix into muddy colours),
    // with every series' outline drawn over all of them.
    QList<std::pair<QPolygonF, QColor>> outlines;
    for (const int column : order) {
        const QColor color = ChartPalette::seriesColor(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            QPolygonF top;
            for (const int row : run)
                top.append(QPointF(xOf(g, row + 0.5), yOf(g, *grid.value(row, column))));
            outlines.append({top, color});
            if (top.size() == 1)
                continue;
            QPolygonF shape = top;
            shape.append(QPointF(top.last().x(), baseline));
            shape.append(QPointF(top.first().x(), baseline));
            painter.setPen(Qt::NoPen);
            painter.setBrush(ChartPalette::shaded(color, 0.8));
            painter.drawPolygon(shape);
        }
    }
    for (const auto& [top, color] : outlines) {
        if (top.size() == 1) {
            drawMarker(painter, top.first(), color, radius);
            continue;
        }
        painter.setPen(
            QPen(color.darker(125), m_frame.style.lineWidth * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(top);
    }
    painter.restore();
}

void FlatPlot::drawSteps(QPainter& painter, const Geometry& g) const
{
    const ChartGrid& grid = m_frame.grid;
    painter.save();
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QColor color = ChartPalette::seriesColor(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            QPolygonF steps;
            for (const int row : run) {
                const double y = yOf(g, *grid.value(row, column));
                steps.append(QPointF(xOf(g, row), y));
                steps.append(QPointF(xOf(g, row + 1), y));
            }
            painter.setPen(QPen(color, m_frame.style.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(steps);
        }
    }
    painter.restore();
}
