#pragma once

#include "charts/ChartProjection.h"
#include "charts/PlotFrame.h"

#include <QColor>
#include <QList>
#include <QRectF>

class DepthScene;
class QPainter;

// The three-dimensional chart types: the series stand one behind the other
// in depth (the tallest at the back) inside a box with a floor, a back wall and
// a side wall, seen at the view angle. Bars are blocks per category, steps
// blocks as wide as their category, lines ribbons and areas solid slabs.
class DepthPlot
{
public:
    DepthPlot(const PlotFrame& frame, ViewAngle angle);

    // Draws the plot with its tick labels and category labels into `area`.
    void draw(QPainter& painter, const QRectF& area) const;

    // The depth of the box for this many series and categories, as a part
    // of its width: about as deep per series as a category is wide, within
    // limits that keep the chart readable.
    static double depthRatio(int series, int categories);
    // The height of a box of this width and depth whose view fills the
    // target's proportions, within limits: a steep view leaves the box low,
    // a flat one no taller than one and a half times the target.
    static double heightToFill(double width, double depth, ViewAngle angle, const QSizeF& target);

private:
    struct Geometry
    {
        double width = 0;
        double height = 0;
        double depth = 0;
        ValueAxis axis;

        double slot() const;
        double slab() const;
        double xOf(double categoryPosition) const { return categoryPosition * slot(); }
        double yOf(double value) const { return axis.fraction(value) * height; }
        int categories = 1;
        int series = 1;
        QList<int> slabs;
        int slabOf(int column) const { return slabs.value(column, column); }
        // The middle of the column's slab along the depth.
        double slabCentre(int column) const { return (slabOf(column) + 0.5) * slab(); }
        // Half the width of the short piece that shows a lone value of a line or area.
        double loneValueHalfWidth() const { return slot() * 0.12; }
    };

    void drawWalls(QPainter& painter, const ChartProjection& projection, const Geometry& g) const;
    void drawValueLabels(QPainter& painter, const ChartProjection& projection, const Geometry& g) const;

    // A run of consecutive values of a series (ChartGrid::valueRuns), with
    // what the solids drawing it share: the series' colour and its part, of
    // this share, of the series' slab in depth.
    struct SeriesRun
    {
        int column;
        QColor color;
        double z0;
        double z1;
        QList<int> rows;
    };
    QList<SeriesRun> seriesRuns(const Geometry& g, double depthShare) const;
    // A run of one value is a short piece between the two heights, so it still shows.
    void addLoneValue(DepthScene& scene, const Geometry& g, const SeriesRun& run, double bottom, double top) const;

    void addBars(DepthScene& scene, const Geometry& g, bool fullWidth) const;
    void addLines(DepthScene& scene, const ChartProjection& projection, const Geometry& g) const;
    void addAreas(DepthScene& scene, const Geometry& g) const;

    const PlotFrame& m_frame;
    ViewAngle m_angle;
};
