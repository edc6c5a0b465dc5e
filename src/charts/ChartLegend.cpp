#include "charts/ChartLegend.h"

#include "charts/ChartPalette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

ChartLegend::ChartLegend(const QStringList& names, const QFont& font, ChartTypes::Shape shape, bool threeD,
                         const ChartColors& colors)
    : m_names(names)
    , m_font(font)
    , m_shape(shape)
    , m_threeD(threeD)
    , m_colors(colors)
{
    const QFontMetricsF metrics(m_font);
    m_lineHeight = metrics.height();
    m_entryHeight = std::round(m_lineHeight * 1.45);
    m_keyWidth = m_shape == ChartTypes::Shape::Line && !m_threeD ? m_lineHeight * 1.6 : m_lineHeight * 0.9;
    for (const QString& name : m_names)
        m_widestName = std::max(m_widestName, metrics.horizontalAdvance(name));
}

double ChartLegend::naturalEntryWidth() const
{
    return m_keyWidth + m_lineHeight * 0.5 + m_widestName + m_lineHeight;
}

QSizeF ChartLegend::planColumns(double maxWidth, double maxHeight)
{
    if (m_names.isEmpty())
        return {};
    const int count = static_cast<int>(m_names.size());
    const int rows = std::clamp(static_cast<int>(maxHeight / m_entryHeight), 1, count);
    m_columns = (count + rows - 1) / rows;
    m_rowMajor = false;
    // A name shorter than a few letters says nothing; below that the legend
    // takes the width it needs.
    const double minimumEntry = m_keyWidth + m_lineHeight * 4;
    m_entryWidth = std::max(std::min(naturalEntryWidth(), maxWidth / m_columns), minimumEntry);
    const int usedRows = (count + m_columns - 1) / m_columns;
    return {m_entryWidth * m_columns, usedRows * m_entryHeight};
}

QSizeF ChartLegend::planRows(double maxWidth)
{
    if (m_names.isEmpty())
        return {};
    const int count = static_cast<int>(m_names.size());
    m_entryWidth = std::min(naturalEntryWidth(), maxWidth);
    m_columns = std::clamp(static_cast<int>(maxWidth / std::max(m_entryWidth, 1.0)), 1, count);
    m_rowMajor = true;
    const int rows = (count + m_columns - 1) / m_columns;
    return {m_entryWidth * m_columns, rows * m_entryHeight};
}

void ChartLegend::draw(QPainter& painter, const QRectF& rect) const
{
    if (m_names.isEmpty())
        return;
    painter.save();
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font);
    const int count = static_cast<int>(m_names.size());
    const int rows = (count + m_columns - 1) / m_columns;
    for (int i = 0; i < count; ++i) {
        const int column = m_rowMajor ? i % m_columns : i / rows;
        const int row = m_rowMajor ? i / m_columns : i % rows;
        const QRectF entry(rect.left() + column * m_entryWidth, rect.top() + row * m_entryHeight, m_entryWidth,
                           m_entryHeight);
        const double keyHeight = m_lineHeight * 0.9;
        const QRectF key(entry.left(), entry.center().y() - keyHeight / 2, m_keyWidth, keyHeight);
        drawKey(painter, key, i);
        const double textLeft = key.right() + m_lineHeight * 0.5;
        const double textWidth = entry.right() - textLeft - m_lineHeight * 0.5;
        painter.setPen(m_colors.text);
        painter.drawText(QRectF(textLeft, entry.top(), std::max(textWidth, 0.0), entry.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(m_names[i], Qt::ElideRight, textWidth));
    }
    painter.restore();
}

void ChartLegend::drawKey(QPainter& painter, const QRectF& key, int series) const
{
    const QColor color = m_colors.series(series);
    painter.save();
    if (m_shape == ChartTypes::Shape::Line && !m_threeD) {
        const double y = key.center().y();
        painter.setPen(QPen(color, std::max(1.5, key.height() / 5), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(key.left(), y), QPointF(key.right(), y));
        painter.setPen(QPen(m_colors.background, 1.2));
        painter.setBrush(color);
        const double radius = key.height() * 0.26;
        painter.drawEllipse(QPointF(key.center().x(), y), radius, radius);
    } else {
        QLinearGradient fill(key.topLeft(), key.bottomRight());
        fill.setColorAt(0, m_threeD ? ChartPalette::shaded(color, 0.8) : color);
        fill.setColorAt(1, m_threeD ? ChartPalette::shaded(color, 0.35) : color);
        painter.setPen(QPen(ChartPalette::outline(color), 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(key, key.height() * 0.18, key.height() * 0.18);
    }
    painter.restore();
}
