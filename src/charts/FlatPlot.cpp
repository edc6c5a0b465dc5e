#include "charts/FlatPlot.h"

#include "charts/CategoryLabels.h"
#include "charts/ChartPalette.h"
#include "charts/TimeAxisLabels.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace {

// The line as it shows on the painter's device of whole pixels: where many
// points share one column of pixels, only the first, the lowest, the
// highest and the last of them make a difference, so a long history draws
// as fast as a short one. The points run left to right.
QPolygonF reducedToPixels(const QPolygonF& line, const QPainter& painter)
{
    const double scale = std::max(std::abs(painter.deviceTransform().m11()), 1e-6);
    const double columns = std::abs(line.last().x() - line.first().x()) * scale;
    if (line.size() < 8 || line.size() < 2 * columns)
        return line;
    QPolygonF reduced;
    reduced.reserve(4 * static_cast<qsizetype>(columns + 2));
    qsizetype first = 0;
    while (first < line.size()) {
        const double column = std::floor(line[first].x() * scale);
        qsizetype last = first, lowest = first, highest = first;
        while (last + 1 < line.size() && std::floor(line[last + 1].x() * scale) == column) {
            ++last;
            if (line[last].y() < line[lowest].y())
                lowest = last;
            if (line[last].y() > line[highest].y())
                highest = last;
        }
        QList<qsizetype> kept{first, std::min(lowest, highest), std::max(lowest, highest), last};
        kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
        for (const qsizetype index : kept)
            reduced.append(line[index]);
        first = last + 1;
    }
    return reduced;
}

} // namespace

FlatPlot::FlatPlot(const PlotFrame& frame)
    : m_frame(frame)
{}

RowPositions FlatPlot::rowPositions() const
{
    if (m_frame.spaceDatesByTime) {
        if (std::optional<RowPositions> byTime = RowPositions::byTime(m_frame.grid))
            return *byTime;
    }
    return RowPositions::even(m_frame.grid.rowCount());
}

void FlatPlot::draw(QPainter& painter, const QRectF& area) const
{
    const ChartGrid& grid = m_frame.grid;
    const double lineHeight = m_frame.labelLineHeight();
    const double gap = std::round(lineHeight * 0.5);

    Geometry g;
    g.rows = rowPositions();
    // The tick labels' width depends on the axis, the axis on the height
    // left beside the category labels; one estimate is close enough.
    g.axis = m_frame.axisFor(area.height() - lineHeight * 2.5);
    const double left = area.left() + m_frame.tickLabelWidth(g.axis) + gap;
    const double right = area.right() - gap * 0.5;
    const double width = std::max(right - left, 1.0);

    std::optional<TimeAxisLabels> timeLabels;
    std::optional<CategoryLabels> categoryLabels;
    double band = 0;
    if (g.rows.isByTime()) {
        timeLabels.emplace(grid, g.rows, m_frame.style.labelFont, QLocale());
        timeLabels->plan(width);
        band = timeLabels->bandHeight();
    } else {
        QStringList labels;
        for (int row = 0; row < grid.rowCount(); ++row)
            labels.append(grid.rowCaption(row, QLocale()));
        categoryLabels.emplace(labels, m_frame.style.labelFont);
        categoryLabels->plan(width / std::max(grid.rowCount(), 1), area.height() * 0.3);
        band = categoryLabels->bandHeight();
    }

    const double top = area.top() + lineHeight * 0.5;
    g.plot = QRectF(left, top, width, std::max(area.bottom() - band - top, 1.0));
    g.axis = m_frame.axisFor(g.plot.height());

    drawAxes(painter, g);
    if (timeLabels)
        timeLabels->drawGrid(
            painter, [&g](double position) { return g.xOf(position); }, g.plot,
            QPen(m_frame.colors.grid, m_frame.style.thinLine));
    // The baseline lies under the data, so that series of zeros show on it.
    painter.save();
    painter.setPen(QPen(m_frame.colors.axis, m_frame.style.thinLine));
    const double baseline = g.yOf(0);
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

    if (timeLabels) {
        timeLabels->draw(
            painter, [&g](double position) { return g.xOf(position); }, g.plot.bottom(),
            QPen(m_frame.colors.axis, m_frame.style.thinLine), m_frame.colors.text);
        return;
    }
    QList<QPointF> anchors;
    for (int row = 0; row < grid.rowCount(); ++row)
        anchors.append(QPointF(g.xOf(g.rows.centre(row)), g.plot.bottom()));
    categoryLabels->draw(painter, anchors, m_frame.colors.text);
}

QPolygonF FlatPlot::runPoints(const Geometry& g, const QList<int>& run, int column) const
{
    QPolygonF points;
    points.reserve(run.size());
    for (const int row : run)
        points.append(QPointF(g.xOf(g.rows.centre(row)), g.yOf(*m_frame.grid.value(row, column))));
    return points;
}

Qt::PenJoinStyle FlatPlot::joinFor(const Geometry& g) const
{
    // Where points stand closer than two pixels a join is too small to
    // see; rounding thousands of them would cost most of the drawing.
    return g.rows.narrowest() * g.unit() < 2 ? Qt::BevelJoin : Qt::RoundJoin;
}

QPolygonF FlatPlot::stepPoints(const Geometry& g, const QList<int>& run, int column) const
{
    QPolygonF points;
    points.reserve(run.size() * 2);
    for (const int row : run) {
        const double y = g.yOf(*m_frame.grid.value(row, column));
        points.append(QPointF(g.xOf(g.rows.lower(row)), y));
        points.append(QPointF(g.xOf(g.rows.upper(row)), y));
    }
    return points;
}

void FlatPlot::drawAxes(QPainter& painter, const Geometry& g) const
{
    painter.save();
    painter.fillRect(g.plot, m_frame.colors.background);
    const QFontMetricsF metrics(m_frame.style.labelFont);
    const double tickLength = std::round(metrics.height() * 0.3);
    painter.setFont(m_frame.style.labelFont);
    for (const double tick : g.axis.ticks()) {
        const double y = g.yOf(tick);
        painter.setPen(QPen(m_frame.colors.grid, m_frame.style.thinLine));
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        painter.setPen(QPen(m_frame.colors.axis, m_frame.style.thinLine));
        painter.drawLine(QPointF(g.plot.left() - tickLength, y), QPointF(g.plot.left(), y));
        painter.setPen(m_frame.colors.text);
        const QString text = ChartStyle::formatValue(tick, g.axis.decimals);
        painter.drawText(
            QRectF(g.plot.left() - tickLength - 2000, y - metrics.height() / 2, 2000 - 2, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(m_frame.colors.axis, m_frame.style.thinLine));
    painter.drawLine(g.plot.topLeft(), g.plot.bottomLeft());
    painter.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    painter.restore();
}

void FlatPlot::drawBars(QPainter& painter, const Geometry& g) const
{
    const int columns = m_frame.grid.columnCount();
    if (columns == 0)
        return;
    const double group = g.rows.narrowest() * g.unit() * 0.78;
    const double pitch = group / columns;
    if (pitch < 1.5) {
        drawDenseBars(painter, g);
        return;
    }
    const double gap = pitch > 6 ? pitch * 0.12 : 0;
    const double baseline = g.yOf(0);
    painter.save();
    for (int row = 0; row < m_frame.grid.rowCount(); ++row) {
        const double groupLeft = g.xOf(g.rows.centre(row)) - group / 2;
        for (int column = 0; column < columns; ++column) {
            const auto value = m_frame.grid.value(row, column);
            if (!value)
                continue;
            const QColor color = m_frame.colors.series(column);
            const double x = groupLeft + column * pitch + gap / 2;
            const double width = pitch - gap;
            const double y = g.yOf(*value);
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

void FlatPlot::drawDenseBars(QPainter& painter, const Geometry& g) const
{
    const double baseline = g.yOf(0);
    painter.save();
    painter.setPen(Qt::NoPen);
    // Bars narrower than a pixel, side by side, would blur into a haze: each
    // series' bars stand edge to edge as one outline, the largest behind.
    for (const int column : m_frame.backToFront()) {
        painter.setBrush(ChartPalette::shaded(m_frame.colors.series(column), 0.62));
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            QPolygonF outline = reducedToPixels(stepPoints(g, run, column), painter);
            outline.append(QPointF(outline.last().x(), baseline));
            outline.append(QPointF(outline.first().x(), baseline));
            painter.drawPolygon(outline);
        }
    }
    painter.restore();
}

void FlatPlot::drawMarker(QPainter& painter, const QPointF& point, const QColor& color, double radius) const
{
    painter.save();
    painter.setPen(QPen(m_frame.colors.background, std::max(1.0, radius * 0.45)));
    painter.setBrush(color);
    painter.drawEllipse(point, radius, radius);
    painter.restore();
}

void FlatPlot::drawLines(QPainter& painter, const Geometry& g) const
{
    const double radius = m_frame.style.lineWidth * 1.7;
    // Markers only while the points stand clear of each other.
    const bool markEveryPoint = g.rows.narrowest() * g.unit() >= radius * 5;
    painter.save();
    for (int column = 0; column < m_frame.grid.columnCount(); ++column) {
        const QColor color = m_frame.colors.series(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            const QPolygonF line = runPoints(g, run, column);
            painter.setPen(QPen(color, m_frame.style.lineWidth, Qt::SolidLine, Qt::RoundCap, joinFor(g)));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(reducedToPixels(line, painter));
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
    // The largest areas go behind, so the smaller ones stay in sight.
    const double baseline = g.yOf(0);
    const double radius = m_frame.style.lineWidth * 1.7;
    painter.save();
    // Opaque layers (overlapping see-through fills mix into muddy colours),
    // with every series' outline drawn over all of them.
    QList<std::pair<QPolygonF, QColor>> outlines;
    for (const int column : m_frame.backToFront()) {
        const QColor color = m_frame.colors.series(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            const QPolygonF top = reducedToPixels(runPoints(g, run, column), painter);
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
        painter.setPen(QPen(color.darker(125), m_frame.style.lineWidth * 0.8, Qt::SolidLine, Qt::RoundCap, joinFor(g)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(top);
    }
    painter.restore();
}

void FlatPlot::drawSteps(QPainter& painter, const Geometry& g) const
{
    painter.save();
    for (int column = 0; column < m_frame.grid.columnCount(); ++column) {
        const QColor color = m_frame.colors.series(column);
        for (const QList<int>& run : m_frame.grid.valueRuns(column)) {
            painter.setPen(QPen(color, m_frame.style.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(reducedToPixels(stepPoints(g, run, column), painter));
        }
    }
    painter.restore();
}
