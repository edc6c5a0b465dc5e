#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// A point or direction in the chart's box: x along the categories, y up
// along the values, z into the depth, away from the viewer.
struct Point3
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// How a three-dimensional chart is seen: turned about the vertical axis
// (positive turns the depth to the right) and tilted so the viewer looks
// down onto it. Kept within limits where every chart still reads well.
struct ViewAngle
{
    double yaw = 24;
    double pitch = 16;

    static constexpr double minYaw = -75;
    static constexpr double maxYaw = 75;
    static constexpr double minPitch = 0;
    static constexpr double maxPitch = 70;

    ViewAngle clamped() const;
    bool operator==(const ViewAngle& other) const = default;
};

// Parallel projection of a box of the given size, seen at the view angle,
// scaled and centred so the whole box fits the target rectangle as large as
// it can. Everything drawn in depth goes through it, so the walls, the data
// and the labels always agree.
class ChartProjection
{
public:
    ChartProjection(double width, double height, double depth, ViewAngle angle, const QRectF& target);

    QPointF map(const Point3& point) const;
    // Larger is farther from the viewer; what is farther is drawn first.
    double depthOf(const Point3& point) const;
    // A direction turned into the viewer's frame (x right, y up, z away).
    Point3 toView(const Point3& direction) const;
    // Whether a face with this outward normal turns towards the viewer.
    bool faces(const Point3& normal) const { return toView(normal).z < -1e-9; }

    double width() const { return m_width; }
    double height() const { return m_height; }
    double depth() const { return m_depth; }
    ViewAngle angle() const { return m_angle; }
    double scale() const { return m_scale; }
    // The size of the box's view before scaling to the target.
    QSizeF extent() const { return m_extent; }

private:
    // The view-frame position before scaling: x right, y up, z away.
    Point3 rotate(const Point3& point) const;

    double m_width;
    double m_height;
    double m_depth;
    ViewAngle m_angle;
    double m_cosYaw;
    double m_sinYaw;
    double m_cosPitch;
    double m_sinPitch;
    double m_scale = 1;
    QSizeF m_extent;
    QPointF m_offset;
};
