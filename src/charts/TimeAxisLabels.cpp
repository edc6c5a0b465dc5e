#include "charts/TimeAxisLabels.h"

#include "charts/ChartGrid.h"
#include "charts/RowPositions.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

TimeAxisLabels::TimeAxisLabels(const ChartGrid& grid, const RowPositions& rows, const QFont& font,
                               const QLocale& locale)
    : m_rows(rows)
    , m_font(font)
    , m_locale(locale)
{
    const QFontMetricsF metrics(m_font);
    m_lineHeight = metrics.height();
    m_gap = std::round(m_lineHeight * 0.35);
    int lastDated = -1;
    for (int row = 0; row < grid.rowCount() && row < rows.count(); ++row) {
        if (grid.rowDate(row).isValid())
            lastDated = row;
        else
            m_ownLabels.append({rows.centre(row), grid.rowLabel(row), false});
    }
    if (lastDated >= 0) {
        m_firstDay = rows.dateAt(std::ceil(rows.start()));
        m_lastDay = std::max(m_firstDay, rows.dateAt(std::floor(rows.upper(lastDated))));
    }
}

double TimeAxisLabels::bandHeight() const
{
    return m_lineHeight + m_gap;
}

double TimeAxisLabels::widthOf(const QString& text) const
{
    return QFontMetricsF(m_font).horizontalAdvance(text);
}

QList<TimeAxisLabels::Label> TimeAxisLabels::labelsFor(int maxTicks, std::optional<DateAxis>& axis) const
{
    QList<Label> labels;
    if (m_firstDay.isValid()) {
        axis = DateAxis::forSpan(m_firstDay, m_lastDay, maxTicks);
        for (const QDate& tick : axis->ticks())
            labels.append({m_rows.positionOf(tick), axis->label(tick, m_locale), true});
    }
    // The rows' own labels stand after the dates.
    return labels + m_ownLabels;
}

QList<TimeAxisLabels::Label> TimeAxisLabels::thinned(const QList<Label>& labels, double pixelsPerUnit,
                                                     double width) const
{
    // Labels may reach a little past the ends of the line: beneath the value
    // axis at the left there is room.
    const double leftmost = -m_lineHeight * 2;
    const double rightmost = width + m_lineHeight * 0.5;
    const double spacing = m_lineHeight * 0.8;
    QList<Label> kept;
    double keptRight = leftmost - spacing;
    for (const Label& label : labels) {
        const double centre = (label.position - m_rows.start()) * pixelsPerUnit;
        const double half = widthOf(label.text) / 2;
        if (centre - half < keptRight + spacing || centre + half > rightmost)
            continue;
        kept.append(label);
        keptRight = centre + half;
    }
    return kept;
}

void TimeAxisLabels::plan(double width)
{
    const double pixelsPerUnit = width / std::max(m_rows.end() - m_rows.start(), 1e-9);
    auto ticksOf = [](const QList<Label>& labels) {
        return std::count_if(labels.cbegin(), labels.cend(), [](const Label& label) { return label.isTick; });
    };
    // Start from more ticks than could fit and take fewer until every tick's
    // label has its room; each round moves to a longer step.
    int maxTicks = std::max(1, static_cast<int>(width / (m_lineHeight * 3)));
    QList<Label> labels;
    for (int round = 0; round < 32; ++round) {
        labels = labelsFor(maxTicks, m_axis);
        const qsizetype ticks = ticksOf(labels);
        if (ticksOf(thinned(labels, pixelsPerUnit, width)) == ticks || ticks <= 1)
            break;
        maxTicks = static_cast<int>(ticks) - 1;
    }
    m_shown = thinned(labels, pixelsPerUnit, width);
}

void TimeAxisLabels::drawGrid(QPainter& painter, const Placement& xOf, const QRectF& plot, const QPen& pen) const
{
    painter.save();
    painter.setPen(pen);
    for (const Label& label : m_shown) {
        const double x = xOf(label.position);
        if (label.isTick && x > plot.left() + 0.5 && x < plot.right() - 0.5)
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.restore();
}

void TimeAxisLabels::draw(QPainter& painter, const Placement& xOf, double axisY, const QPen& tickPen,
                          const QColor& color) const
{
    painter.save();
    painter.setFont(m_font);
    for (const Label& label : m_shown) {
        const double x = xOf(label.position);
        if (label.isTick) {
            painter.setPen(tickPen);
            painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + m_gap * 0.8));
        }
        const double width = widthOf(label.text);
        painter.setPen(color);
        painter.drawText(QRectF(x - width / 2 - 1, axisY + m_gap, width + 2, m_lineHeight), Qt::AlignCenter,
                         label.text);
    }
    painter.restore();
}
