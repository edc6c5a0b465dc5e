#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QStringList>

class QPainter;

// The labels along the category axis. They stand level while they fit
// between their neighbours; otherwise they slant, and when even slanted ones
// would touch, only every second (third, ...) label is written. Labels too
// long for the space are shortened with an ellipsis.
class CategoryLabels
{
public:
    CategoryLabels(const QStringList& labels, const QFont& font);

    // Chooses the form for labels `spacing` apart, using at most
    // `maxBandHeight` beneath the axis.
    void plan(double spacing, double maxBandHeight);

    // The height the labels take beneath the axis.
    double bandHeight() const { return m_bandHeight; }
    bool isSlanted() const { return m_slanted; }
    int every() const { return m_every; }

    // Draws label i beneath anchors[i], the point on the axis under its
    // category.
    void draw(QPainter& painter, const QList<QPointF>& anchors, const QColor& color) const;

private:
    QStringList m_labels;
    QFont m_font;
    double m_widest = 0;
    double m_lineHeight = 0;
    double m_gap = 0;
    bool m_slanted = false;
    int m_every = 1;
    double m_bandHeight = 0;
    double m_maxTextWidth = 0;
};
