#pragma once

#include "charts/ChartColors.h"
#include "charts/ChartTypes.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

class QPainter;

// The legend: a colour key and name per series. Beside the chart it is one
// column (more when the names don't fit in the height); beneath a narrow
// chart the entries flow in rows. Long names are shortened.
class ChartLegend
{
public:
    ChartLegend(const QStringList& names, const QFont& font, ChartTypes::Shape shape, bool threeD,
                const ChartColors& colors);

    bool isEmpty() const { return m_names.isEmpty(); }

    // Lays the legend out beside the chart, within the width and height.
    QSizeF planColumns(double maxWidth, double maxHeight);
    // Lays the legend out beneath the chart, within the width.
    QSizeF planRows(double maxWidth);

    void draw(QPainter& painter, const QRectF& rect) const;

private:
    double naturalEntryWidth() const;
    void drawKey(QPainter& painter, const QRectF& key, int series) const;

    QStringList m_names;
    QFont m_font;
    ChartTypes::Shape m_shape;
    bool m_threeD;
    ChartColors m_colors;
    double m_lineHeight = 0;
    double m_entryHeight = 0;
    double m_keyWidth = 0;
    double m_widestName = 0;
    int m_columns = 1;
    bool m_rowMajor = false;
    double m_entryWidth = 0;
};
