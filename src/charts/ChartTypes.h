#pragma once

// The eight chart types, numbered as the chart-type selector lists them.
namespace ChartTypes {

enum Type {
    Bar3D = 0,
    Bar2D = 1,
    Line3D = 2,
    Line2D = 3,
    Area3D = 4,
    Area2D = 5,
    Step3D = 6,
    Step2D = 7,
};

inline constexpr int count = 8;
inline constexpr int defaultType = Line2D;

// How a type draws its series, whether flat or in depth.
enum class Shape { Bar, Line, Area, Step };

constexpr bool isValid(int type)
{
    return type >= 0 && type < count;
}

constexpr bool isThreeD(int type)
{
    return isValid(type) && type % 2 == 0;
}

constexpr Shape shapeOf(int type)
{
    switch (type / 2) {
    case 0:
        return Shape::Bar;
    case 1:
        return Shape::Line;
    case 2:
        return Shape::Area;
    default:
        return Shape::Step;
    }
}

} // namespace ChartTypes
