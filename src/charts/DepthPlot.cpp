#include "charts/DepthPlot.h"

#include "charts/CategoryLabels.h"
#include "charts/DepthScene.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// How much of its slab in depth a series' solids take.
constexpr double solidDepth = 0.62;
constexpr double ribbonDepth = 0.7;

} // namespace

DepthPlot::DepthPlot(const PlotFrame& frame, ViewAngle angle)
    : m_frame(frame)
    , m_angle(angle.clamped())
{}

double DepthPlot::Geometry::slot() const
{
    return width / std::max(categories, 1);
}

double DepthPlot::Geometry::slab() const
{
    return depth / std::max(series, 1);
}

double DepthPlot::heightToFill(double width, double depth, ViewAngle angle, const QSizeF& target)
{
    // The seen height of the box grows with its height by the cosine of the
    // tilt; its seen width does not depend on its height.
    const QSizeF flat = ChartProjection(width, 0, depth, angle, QRectF(QPointF(), target)).extent();
    const double aspect = target.height() / std::max(target.width(), 1.0);
    const double wanted = (aspect * flat.width() - flat.height()) / std::cos(qDegreesToRadians(angle.clamped().pitch));
    return std::clamp(wanted, target.height() * 0.35, target.height() * 1.5);
}

double DepthPlot::depthRatio(int series, int categories)
{
    const double perSeries = 0.75 / std::max(categories, 1);
    return std::clamp(std::max(series, 1) * perSeries, 0.14, 0.5);
}

void DepthPlot::draw(QPainter& painter, const QRectF& area) const
{
    const ChartGrid& grid = m_frame.grid;
    const double lineHeight = m_frame.labelLineHeight();
    const double gap = std::round(lineHeight * 0.5);

    Geometry g;
    g.categories = std::max(grid.rowCount(), 1);
    g.series = std::max(grid.columnCount(), 1);
    g.slabs = m_frame.depthOrder();
    g.axis = m_frame.axisFor((area.height() - lineHeight * 2.5) * 0.75);
    const double left = area.left() + m_frame.tickLabelWidth(g.axis) + gap;
    const double right = area.right() - gap * 0.5;

    QStringList labels;
    for (int row = 0; row < grid.rowCount(); ++row)
        labels.append(grid.rowCaption(row, QLocale()));
    CategoryLabels categoryLabels(labels, m_frame.style.labelFont);
    const double maxBand = area.height() * 0.3;
    const double top = area.top() + lineHeight * 0.5;
    auto targetFor = [&](double band) {
        return QRectF(left, top, std::max(right - left, 1.0), std::max(area.bottom() - band - top, 1.0));
    };
    auto spacingIn = [&](const ChartProjection& projection) {
        return std::abs(projection.map({g.xOf(1), 0, 0}).x() - projection.map({g.xOf(0), 0, 0}).x());
    };
    auto projectionFor = [&](const QRectF& target) {
        g.width = target.width();
        g.depth = g.width * depthRatio(grid.columnCount(), grid.rowCount());
        g.height = heightToFill(g.width, g.depth, m_angle, target.size());
        return ChartProjection(g.width, g.height, g.depth, m_angle, target);
    };
    // The labels' room beneath depends on their spacing, which depends on
    // the box fitted above them: a first fit with level labels tells.
    categoryLabels.plan(spacingIn(projectionFor(targetFor(lineHeight * 1.4))), maxBand);
    const double band = categoryLabels.bandHeight();
    const QRectF target = targetFor(band);
    const ChartProjection projection = projectionFor(target);
    categoryLabels.plan(spacingIn(projection), band);
    // The axis as it stands in the box, which the view shortens.
    const double axisLength = QLineF(projection.map({0, 0, 0}), projection.map({0, g.height, 0})).length();
    g.axis = m_frame.axisFor(axisLength);

    drawWalls(painter, projection, g);

    DepthScene scene(projection);
    // Blocks thinner than a pixel show as one solid per series: drawn as
    // such, a long history costs a few shapes instead of thousands of blocks.
    const bool blocksMerge = spacingIn(projection) < 1.5;
    switch (m_frame.shape) {
    case ChartTypes::Shape::Bar:
    case ChartTypes::Shape::Step:
        if (blocksMerge)
            addAreas(scene, g);
        else
            addBars(scene, g, m_frame.shape == ChartTypes::Shape::Step);
        break;
    case ChartTypes::Shape::Line:
        addLines(scene, projection, g);
        break;
    case ChartTypes::Shape::Area:
        addAreas(scene, g);
        break;
    }
    scene.draw(painter, m_frame.style.thinLine * 0.7);

    drawValueLabels(painter, projection, g);

    QList<QPointF> anchors;
    for (int row = 0; row < grid.rowCount(); ++row)
        anchors.append(projection.map({g.xOf(row + 0.5), 0, 0}));
    categoryLabels.draw(painter, anchors, m_frame.colors.text);
}

void DepthPlot::drawWalls(QPainter& painter, const ChartProjection& p, const Geometry& g) const
{
    const double w = g.width, h = g.height, d = g.depth;
    // The side wall is the one on the far side from the viewer.
    const double side = m_angle.yaw >= 0 ? 0 : w;
    auto polygon = [&p](std::initializer_list<Point3> corners) {
        QPolygonF result;
        for (const Point3& corner : corners)
            result.append(p.map(corner));
        return result;
    };

    painter.save();
    const ChartColors& colors = m_frame.colors;
    painter.setPen(QPen(colors.wallEdge, m_frame.style.thinLine));
    painter.setBrush(colors.floor);
    painter.drawPolygon(polygon({{0, 0, 0}, {w, 0, 0}, {w, 0, d}, {0, 0, d}}));
    painter.setBrush(colors.backWall);
    painter.drawPolygon(polygon({{0, 0, d}, {w, 0, d}, {w, h, d}, {0, h, d}}));
    painter.setBrush(colors.sideWall);
    painter.drawPolygon(polygon({{side, 0, 0}, {side, 0, d}, {side, h, d}, {side, h, 0}}));

    for (const double tick : g.axis.ticks()) {
        const double y = g.yOf(tick);
        const bool zero = tick == 0 && g.axis.minimum < 0;
        painter.setPen(QPen(zero ? m_frame.colors.axis : colors.grid, m_frame.style.thinLine));
        painter.drawPolyline(polygon({{side, y, 0}, {side, y, d}, {w - side, y, d}}));
    }
    painter.restore();
}

void DepthPlot::drawValueLabels(QPainter& painter, const ChartProjection& p, const Geometry& g) const
{
    // The labels go along the leftmost upright edge of the box.
    Point3 edge{0, 0, 0};
    double leftmost = p.map(edge).x();
    for (const Point3 corner : {Point3{0, 0, g.depth}, Point3{g.width, 0, 0}, Point3{g.width, 0, g.depth}}) {
        if (p.map(corner).x() < leftmost) {
            leftmost = p.map(corner).x();
            edge = corner;
        }
    }
    painter.save();
    const QFontMetricsF metrics(m_frame.style.labelFont);
    const double tickLength = std::round(metrics.height() * 0.3);
    painter.setFont(m_frame.style.labelFont);
    painter.setPen(QPen(m_frame.colors.axis, m_frame.style.thinLine));
    painter.drawLine(p.map({edge.x, 0, edge.z}), p.map({edge.x, g.height, edge.z}));
    for (const double tick : g.axis.ticks()) {
        const QPointF at = p.map({edge.x, g.yOf(tick), edge.z});
        painter.setPen(QPen(m_frame.colors.axis, m_frame.style.thinLine));
        painter.drawLine(at - QPointF(tickLength, 0), at);
        painter.setPen(m_frame.colors.text);
        painter.drawText(QRectF(at.x() - tickLength - 2000, at.y() - metrics.height() / 2, 2000 - 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, ChartStyle::formatValue(tick, g.axis.decimals));
    }
    painter.restore();
}

void DepthPlot::addBars(DepthScene& scene, const Geometry& g, bool fullWidth) const
{
    const ChartGrid& grid = m_frame.grid;
    const double width = fullWidth ? g.slot() : g.slot() * 0.56;
    const double depth = g.slab() * solidDepth;
    const double baseline = g.yOf(0);
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QColor color = m_frame.colors.series(column);
        const double zCentre = g.slabCentre(column);
        for (int row = 0; row < grid.rowCount(); ++row) {
            const auto value = grid.value(row, column);
            if (!value)
                continue;
            const double xCentre = g.xOf(row + 0.5);
            scene.addBox(g.slabOf(column), xCentre - width / 2, xCentre + width / 2, baseline, g.yOf(*value),
                         zCentre - depth / 2, zCentre + depth / 2, color);
        }
    }
}

QList<DepthPlot::SeriesRun> DepthPlot::seriesRuns(const Geometry& g, double depthShare) const
{
    const ChartGrid& grid = m_frame.grid;
    const double depth = g.slab() * depthShare;
    QList<SeriesRun> result;
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QColor color = m_frame.colors.series(column);
        const double z0 = g.slabCentre(column) - depth / 2;
        for (const QList<int>& rows : grid.valueRuns(column))
            result.append({column, color, z0, z0 + depth, rows});
    }
    return result;
}

void DepthPlot::addLoneValue(DepthScene& scene, const Geometry& g, const SeriesRun& run, double bottom,
                             double top) const
{
    const double x = g.xOf(run.rows.first() + 0.5);
    const double half = g.loneValueHalfWidth();
    scene.addBox(g.slabOf(run.column), x - half, x + half, bottom, top, run.z0, run.z1, run.color);
}

void DepthPlot::addLines(DepthScene& scene, const ChartProjection& projection, const Geometry& g) const
{
    const ChartGrid& grid = m_frame.grid;
    // The ribbon is a few pixels thick on screen whatever the box's size.
    const double thickness = m_frame.style.lineWidth * 2.2 / std::max(projection.scale(), 1e-6);
    const double t = thickness / 2;
    for (const SeriesRun& run : seriesRuns(g, ribbonDepth)) {
        const int column = run.column;
        const QList<int>& rows = run.rows;
        const double z0 = run.z0, z1 = run.z1;
        if (rows.size() == 1) {
            const double y = g.yOf(*grid.value(rows.first(), column));
            addLoneValue(scene, g, run, y - t, y + t);
            continue;
        }
        for (int i = 0; i + 1 < rows.size(); ++i) {
            const double xa = g.xOf(rows[i] + 0.5), xb = g.xOf(rows[i + 1] + 0.5);
            const double ya = g.yOf(*grid.value(rows[i], column));
            const double yb = g.yOf(*grid.value(rows[i + 1], column));
            scene.beginSolid(g.slabOf(column), {(xa + xb) / 2, (ya + yb) / 2, (z0 + z1) / 2}, run.color);
            const Point3 up{-(yb - ya), xb - xa, 0};
            scene.addFace({{xa, ya + t, z0}, {xb, yb + t, z0}, {xb, yb + t, z1}, {xa, ya + t, z1}}, up);
            scene.addFace({{xa, ya - t, z0}, {xb, yb - t, z0}, {xb, yb - t, z1}, {xa, ya - t, z1}}, {-up.x, -up.y, 0});
            if (i == 0)
                scene.addFace({{xa, ya - t, z0}, {xa, ya - t, z1}, {xa, ya + t, z1}, {xa, ya + t, z0}}, {-1, 0, 0});
            if (i + 2 == rows.size())
                scene.addFace({{xb, yb - t, z0}, {xb, yb - t, z1}, {xb, yb + t, z1}, {xb, yb + t, z0}}, {1, 0, 0});
            scene.addFrontFace({{xa, ya - t, z0}, {xb, yb - t, z0}, {xb, yb + t, z0}, {xa, ya + t, z0}}, {0, 0, -1});
        }
    }
}

void DepthPlot::addAreas(DepthScene& scene, const Geometry& g) const
{
    const ChartGrid& grid = m_frame.grid;
    const double baseline = g.yOf(0);
    for (const SeriesRun& run : seriesRuns(g, solidDepth)) {
        const int column = run.column;
        const double z0 = run.z0, z1 = run.z1;
        if (run.rows.size() == 1) {
            addLoneValue(scene, g, run, baseline, g.yOf(*grid.value(run.rows.first(), column)));
            continue;
        }
        QList<Point3> outline;
        double middle = 0;
        for (const int row : run.rows) {
            const double y = g.yOf(*grid.value(row, column));
            outline.append({g.xOf(row + 0.5), y, z0});
            middle += y / run.rows.size();
        }
        const double first = outline.first().x, last = outline.last().x;
        scene.beginSolid(g.slabOf(column), {(first + last) / 2, (middle + baseline) / 2, (z0 + z1) / 2}, run.color);
        // Above the baseline the surface faces up, below it down.
        for (int i = 0; i + 1 < outline.size(); ++i) {
            const Point3 a = outline[i], b = outline[i + 1];
            const double sign = (a.y + b.y) / 2 >= baseline ? 1 : -1;
            scene.addFace({{a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, z1}, {a.x, a.y, z1}},
                          {-(b.y - a.y) * sign, (b.x - a.x) * sign, 0});
        }
        const double ySign = middle >= baseline ? -1 : 1;
        scene.addFace({{first, baseline, z0}, {last, baseline, z0}, {last, baseline, z1}, {first, baseline, z1}},
                      {0, ySign, 0});
        scene.addFace({{first, baseline, z0},
                       {first, baseline, z1},
                       {first, outline.first().y, z1},
                       {first, outline.first().y, z0}},
                      {-1, 0, 0});
        scene.addFace(
            {{last, baseline, z0}, {last, baseline, z1}, {last, outline.last().y, z1}, {last, outline.last().y, z0}},
            {1, 0, 0});
        QList<Point3> front = outline;
        front.append({last, baseline, z0});
        front.append({first, baseline, z0});
        scene.addFrontFace(front, {0, 0, -1});
    }
}
