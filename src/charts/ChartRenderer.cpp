#include "charts/ChartRenderer.h"

#include "charts/ChartLegend.h"
#include "charts/ChartStyle.h"
#include "charts/ChartTypes.h"
#include "charts/DepthPlot.h"
#include "charts/FlatPlot.h"
#include "charts/PlotFrame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The title in at most two lines, the second shortened when it runs over.
QStringList titleLines(const QString& title, const QFont& font, double width)
{
    if (title.isEmpty() || width <= 0)
        return {};
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(title) <= width)
        return {title};
    QTextLayout layout(title, font);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(width);
    layout.endLayout();
    const int split = first.textLength();
    if (split <= 0 || split >= title.size())
        return {metrics.elidedText(title, Qt::ElideRight, width)};
    return {title.left(split).trimmed(), metrics.elidedText(title.mid(split).trimmed(), Qt::ElideRight, width)};
}

} // namespace

ChartRenderer::ChartRenderer(const ChartGrid& grid, const ChartLook& look, const QFont& baseFont)
    : m_grid(grid)
    , m_look(look)
    , m_baseFont(baseFont)
{
    if (!ChartTypes::isValid(m_look.chartType))
        m_look.chartType = ChartTypes::defaultType;
}

void ChartRenderer::render(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRect(target, Qt::IntersectClip);
    const ChartColors& colors = m_look.colors;
    painter.fillRect(target, colors.background);

    const ChartStyle style = ChartStyle::forSize(m_baseFont, target.size());
    const double pad = style.padding;
    QRectF room = target.adjusted(pad, pad * 0.8, -pad, -pad * 0.8);

    QStringList title = titleLines(m_grid.title(), style.titleFont, room.width());
    if (title.size() > 1 && target.height() < 240)
        title = {QFontMetricsF(style.titleFont).elidedText(m_grid.title(), Qt::ElideRight, room.width())};
    if (!title.isEmpty()) {
        const QFontMetricsF metrics(style.titleFont);
        const QRectF titleRect(room.left(), room.top(), room.width(), metrics.height() * title.size());
        painter.setFont(style.titleFont);
        painter.setPen(colors.text);
        painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop, title.join(QLatin1Char('\n')));
        room.setTop(titleRect.bottom() + pad * 0.9);
    }

    const ChartTypes::Shape shape = ChartTypes::shapeOf(m_look.chartType);
    const bool threeD = ChartTypes::isThreeD(m_look.chartType);
    QStringList names;
    for (int column = 0; column < m_grid.columnCount(); ++column)
        names.append(m_grid.columnLabel(column));
    ChartLegend legend(names, style.legendFont, shape, threeD, colors);
    if (!legend.isEmpty()) {
        // Beside the chart while the chart keeps most of the width; beneath
        // it on narrow charts.
        if (room.width() >= 420) {
            const QSizeF size = legend.planColumns(room.width() * 0.28, room.height());
            const QRectF legendRect(room.right() - size.width(),
                                    room.top() + std::max(0.0, (room.height() - size.height()) / 2), size.width(),
                                    size.height());
            legend.draw(painter, legendRect);
            room.setRight(legendRect.left() - pad);
        } else {
            // A tiny chart keeps its plot and leaves the legend out.
            const QSizeF size = legend.planRows(room.width());
            if (size.height() <= room.height() * 0.35) {
                const QRectF legendRect(room.center().x() - size.width() / 2, room.bottom() - size.height(),
                                        size.width(), size.height());
                legend.draw(painter, legendRect);
                room.setBottom(legendRect.top() - pad * 0.5);
            }
        }
    }

    const QFontMetricsF axisMetrics(style.axisTitleFont);
    // Axis titles give way first when the chart is small.
    const bool roomForAxisTitles = room.height() > axisMetrics.height() * 8 && room.width() > axisMetrics.height() * 12;
    painter.setFont(style.axisTitleFont);
    painter.setPen(colors.text);
    if (roomForAxisTitles && !m_grid.categoryAxisTitle().isEmpty()) {
        const QRectF rect(room.left(), room.bottom() - axisMetrics.height(), room.width(), axisMetrics.height());
        painter.drawText(rect, Qt::AlignCenter,
                         axisMetrics.elidedText(m_grid.categoryAxisTitle(), Qt::ElideRight, rect.width()));
        room.setBottom(rect.top() - pad * 0.4);
    }
    if (roomForAxisTitles && !m_grid.valueAxisTitle().isEmpty()) {
        painter.save();
        painter.translate(room.left(), room.center().y());
        painter.rotate(-90);
        const double length = room.height();
        painter.drawText(QRectF(-length / 2, 0, length, axisMetrics.height()), Qt::AlignCenter,
                         axisMetrics.elidedText(m_grid.valueAxisTitle(), Qt::ElideRight, length));
        painter.restore();
        room.setLeft(room.left() + axisMetrics.height() + pad * 0.5);
    }

    if (room.width() > 4 && room.height() > 4) {
        const PlotFrame frame{m_grid, shape, style, colors, m_look.spaceDatesByTime};
        if (threeD)
            DepthPlot(frame, m_look.angle).draw(painter, room);
        else
            FlatPlot(frame).draw(painter, room);
    }
    painter.restore();
}
