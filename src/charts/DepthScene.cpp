#include "charts/DepthScene.h"

#include "charts/ChartPalette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

DepthScene::DepthScene(const ChartProjection& projection)
    : m_projection(projection)
{}

void DepthScene::beginSolid(int slab, const Point3& centre, const QColor& color)
{
    m_solids.append(Solid{slab, m_projection.depthOf(centre), color, {}});
}

void DepthScene::addFace(const QList<Point3>& corners, const Point3& outwardNormal)
{
    add(corners, outwardNormal, false);
}

void DepthScene::addFrontFace(const QList<Point3>& corners, const Point3& outwardNormal)
{
    add(corners, outwardNormal, true);
}

double DepthScene::lightOf(const Point3& normal) const
{
    // The light comes from the upper left, in front of the chart.
    static const Point3 light = [] {
        const double x = -0.45, y = 0.75, z = -0.5;
        const double length = std::sqrt(x * x + y * y + z * z);
        return Point3{x / length, y / length, z / length};
    }();
    const Point3 n = m_projection.toView(normal);
    const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length <= 0)
        return 0;
    return std::max(0.0, (n.x * light.x + n.y * light.y + n.z * light.z) / length);
}

void DepthScene::add(const QList<Point3>& corners, const Point3& outwardNormal, bool front)
{
    if (m_solids.isEmpty() || corners.size() < 3 || !m_projection.faces(outwardNormal))
        return;
    Solid& solid = m_solids.last();
    Face face;
    Point3 centre;
    for (const Point3& corner : corners) {
        face.polygon.append(m_projection.map(corner));
        centre.x += corner.x / corners.size();
        centre.y += corner.y / corners.size();
        centre.z += corner.z / corners.size();
    }
    face.depth = m_projection.depthOf(centre);
    face.fill = ChartPalette::shaded(solid.color, lightOf(outwardNormal));
    face.front = front;
    solid.faces.append(face);
}

void DepthScene::addBox(int slab, double x0, double x1, double y0, double y1, double z0, double z1, const QColor& color)
{
    const double bottom = std::min(y0, y1);
    const double top = std::max(y0, y1);
    beginSolid(slab, {(x0 + x1) / 2, (bottom + top) / 2, (z0 + z1) / 2}, color);
    addFace({{x0, top, z0}, {x1, top, z0}, {x1, top, z1}, {x0, top, z1}}, {0, 1, 0});
    if (top - bottom <= 1e-9)
        return;
    addFace({{x0, bottom, z0}, {x1, bottom, z0}, {x1, bottom, z1}, {x0, bottom, z1}}, {0, -1, 0});
    addFace({{x0, bottom, z0}, {x1, bottom, z0}, {x1, top, z0}, {x0, top, z0}}, {0, 0, -1});
    addFace({{x0, bottom, z1}, {x1, bottom, z1}, {x1, top, z1}, {x0, top, z1}}, {0, 0, 1});
    addFace({{x0, bottom, z0}, {x0, bottom, z1}, {x0, top, z1}, {x0, top, z0}}, {-1, 0, 0});
    addFace({{x1, bottom, z0}, {x1, bottom, z1}, {x1, top, z1}, {x1, top, z0}}, {1, 0, 0});
}

void DepthScene::draw(QPainter& painter, double outlineWidth) const
{
    QList<const Solid*> order;
    for (const Solid& solid : m_solids)
        order.append(&solid);
    std::stable_sort(order.begin(), order.end(), [](const Solid* a, const Solid* b) {
        if (a->slab != b->slab)
            return a->slab > b->slab;
        return a->depth > b->depth;
    });

    painter.save();
    for (const Solid* solid : order) {
        QList<const Face*> faces;
        for (const Face& face : solid->faces)
            faces.append(&face);
        std::stable_sort(faces.begin(), faces.end(), [](const Face* a, const Face* b) {
            if (a->front != b->front)
                return !a->front;
            return a->depth > b->depth;
        });
        const QPen outline(ChartPalette::outline(solid->color), outlineWidth, Qt::SolidLine, Qt::FlatCap,
                           Qt::RoundJoin);
        for (const Face* face : faces) {
            painter.setPen(outline);
            painter.setBrush(face->fill);
            painter.drawPolygon(face->polygon);
        }
    }
    painter.restore();
}
