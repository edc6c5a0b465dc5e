#pragma once

#include "charts/ChartProjection.h"

#include <QColor>
#include <QList>
#include <QPolygonF>

class QPainter;

// The solids of a three-dimensional chart, drawn back to front. A solid is
// a bar, a block of a step, a piece of a line or an area; its faces turned
// away from the viewer are dropped, the others are shaded by how they face
// the light. Solids are ordered by their series' place in depth first (the
// series stand in slabs one behind the other, so a nearer slab never hides
// behind a farther one) and by their own depth within the slab.
class DepthScene
{
public:
    explicit DepthScene(const ChartProjection& projection);

    // Starts a solid of the series standing `slab` slabs deep, sorted within
    // the slab by the depth of `centre`.
    void beginSolid(int slab, const Point3& centre, const QColor& color);
    // Adds a flat face to the current solid; corners in order around it.
    void addFace(const QList<Point3>& corners, const Point3& outwardNormal);
    // A face drawn after every other face of the solid, whatever its depth:
    // the front of an area, which nothing of its own solid covers.
    void addFrontFace(const QList<Point3>& corners, const Point3& outwardNormal);
    // A box from (x0, y0, z0) to (x1, y1, z1) as a solid of its own. A box of
    // no height still shows its top, so a zero stays visible.
    void addBox(int slab, double x0, double x1, double y0, double y1, double z0, double z1, const QColor& color);

    void draw(QPainter& painter, double outlineWidth) const;

    // How much light a face with this normal gets, from 0 to 1.
    double lightOf(const Point3& normal) const;

private:
    struct Face
    {
        QPolygonF polygon;
        QColor fill;
        double depth = 0;
        bool front = false;
    };
    struct Solid
    {
        int slab = 0;
        double depth = 0;
        QColor color;
        QList<Face> faces;
    };

    void add(const QList<Point3>& corners, const Point3& outwardNormal, bool front);

    const ChartProjection& m_projection;
    QList<Solid> m_solids;
};
