#include "charts/CategoryLabels.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double slantDegrees = 40;
}

CategoryLabels::CategoryLabels(const QStringList& labels, const QFont& font)
    : m_labels(labels)
    , m_font(font)
{
    const QFontMetricsF metrics(m_font);
    for (const QString& label : m_labels)
        m_widest = std::max(m_widest, metrics.horizontalAdvance(label));
    m_lineHeight = metrics.height();
    m_gap = std::round(m_lineHeight * 0.35);
    m_maxTextWidth = m_widest;
    m_bandHeight = m_lineHeight + m_gap;
}

void CategoryLabels::plan(double spacing, double maxBandHeight)
{
    const double levelHeight = m_lineHeight + m_gap;
    maxBandHeight = std::max(maxBandHeight, levelHeight);
    const double sinSlant = std::sin(slantDegrees * M_PI / 180);
    const double cosSlant = std::cos(slantDegrees * M_PI / 180);
    if (m_labels.isEmpty() || m_widest + m_lineHeight * 0.6 <= spacing || spacing <= 0) {
        m_slanted = false;
        m_every = 1;
        m_bandHeight = levelHeight;
        m_maxTextWidth = std::max(spacing - m_lineHeight * 0.3, m_lineHeight * 2);
        if (m_labels.size() <= 1)
            m_maxTextWidth = std::max(m_maxTextWidth, m_widest);
        return;
    }
    m_slanted = true;
    // Slanted labels stand side by side; each needs its line height measured
    // along the axis.
    const double footprint = m_lineHeight * 1.15 / sinSlant;
    m_every = std::max(1, static_cast<int>(std::ceil(footprint / std::max(spacing, 1e-6))));
    const double wanted = m_widest * sinSlant + m_lineHeight * cosSlant + m_gap;
    m_bandHeight = std::min(wanted, maxBandHeight);
    m_maxTextWidth = std::max((m_bandHeight - m_lineHeight * cosSlant - m_gap) / sinSlant, m_lineHeight);
}

void CategoryLabels::draw(QPainter& painter, const QList<QPointF>& anchors, const QColor& color) const
{
    painter.save();
    painter.setFont(m_font);
    painter.setPen(color);
    const QFontMetricsF metrics(m_font);
    const int count = static_cast<int>(std::min(m_labels.size(), anchors.size()));
    for (int i = 0; i < count; i += m_every) {
        const QString text = metrics.elidedText(m_labels[i], Qt::ElideRight, m_maxTextWidth);
        const QPointF anchor = anchors[i] + QPointF(0, m_gap);
        if (!m_slanted) {
            const double width = metrics.horizontalAdvance(text);
            painter.drawText(QRectF(anchor.x() - width / 2 - 1, anchor.y(), width + 2, m_lineHeight), Qt::AlignCenter,
                             text);
            continue;
        }
        // The label ends at its category and runs down to the left.
        painter.save();
        painter.translate(anchor);
        painter.rotate(-slantDegrees);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(-width - 2, -m_lineHeight * 0.15, width + 2, m_lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, text);
        painter.restore();
    }
    painter.restore();
}
