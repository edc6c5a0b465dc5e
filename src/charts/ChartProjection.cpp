#include "charts/ChartProjection.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

ViewAngle ViewAngle::clamped() const
{
    return {std::clamp(yaw, minYaw, maxYaw), std::clamp(pitch, minPitch, maxPitch)};
}

ChartProjection::ChartProjection(double width, double height, double depth, ViewAngle angle, const QRectF& target)
    : m_width(std::max(width, 1e-6))
    , m_height(std::max(height, 1e-6))
    , m_depth(std::max(depth, 0.0))
    , m_angle(angle.clamped())
    , m_cosYaw(std::cos(qDegreesToRadians(m_angle.yaw)))
    , m_sinYaw(std::sin(qDegreesToRadians(m_angle.yaw)))
    , m_cosPitch(std::cos(qDegreesToRadians(m_angle.pitch)))
    , m_sinPitch(std::sin(qDegreesToRadians(m_angle.pitch)))
{
    double left = 0, right = 0, top = 0, bottom = 0;
    bool first = true;
    for (const double x : {0.0, m_width}) {
        for (const double y : {0.0, m_height}) {
            for (const double z : {0.0, m_depth}) {
                const Point3 p = rotate({x, y, z});
                if (first) {
                    left = right = p.x;
                    top = bottom = p.y;
                    first = false;
                }
                left = std::min(left, p.x);
                right = std::max(right, p.x);
                bottom = std::min(bottom, p.y);
                top = std::max(top, p.y);
            }
        }
    }
    m_extent = QSizeF(right - left, top - bottom);
    const double boxWidth = std::max(right - left, 1e-6);
    const double boxHeight = std::max(top - bottom, 1e-6);
    m_scale = std::max(0.0, std::min(target.width() / boxWidth, target.height() / boxHeight));
    // Centred across, and standing on the bottom of the target so the
    // category labels beneath keep their place.
    m_offset = QPointF(target.center().x() - (left + right) / 2 * m_scale, target.bottom() + bottom * m_scale);
}

Point3 ChartProjection::rotate(const Point3& point) const
{
    const double x = point.x - m_width / 2;
    const double y = point.y - m_height / 2;
    const double z = point.z - m_depth / 2;
    const Point3 turned = toView({x, y, z});
    return {turned.x, turned.y, turned.z};
}

Point3 ChartProjection::toView(const Point3& d) const
{
    // Turn about the vertical axis, then tilt about the horizontal one.
    const double x = d.x * m_cosYaw + d.z * m_sinYaw;
    const double zTurned = -d.x * m_sinYaw + d.z * m_cosYaw;
    const double y = d.y * m_cosPitch + zTurned * m_sinPitch;
    const double z = zTurned * m_cosPitch - d.y * m_sinPitch;
    return {x, y, z};
}

QPointF ChartProjection::map(const Point3& point) const
{
    const Point3 p = rotate(point);
    return {m_offset.x() + p.x * m_scale, m_offset.y() - p.y * m_scale};
}

double ChartProjection::depthOf(const Point3& point) const
{
    return rotate(point).z;
}
