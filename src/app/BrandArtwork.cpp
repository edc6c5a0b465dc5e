#include "app/BrandArtwork.h"

#include "app/BrandingInfo.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>

namespace {

QFont brandFont(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Helvetica Neue"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Verdana")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void renderLogo(QPainter& painter, const QRectF& target)
{
    QSvgRenderer renderer(QString::fromLatin1(BrandArtwork::logoResource));
    renderer.render(&painter, target);
}

// A loose web of linked nodes, the program's motif, drawn faintly over a
// background. Positions are fractions of the area so the web scales.
void paintLinkWeb(QPainter& painter, const QRectF& area, qreal nodeRadius, qreal opacity)
{
    struct Node
    {
        qreal x;
        qreal y;
        qreal scale;
    };
    static constexpr Node nodes[] = {
        {0.08, 0.30, 0.8}, {0.22, 0.12, 1.0}, {0.30, 0.55, 1.4}, {0.45, 0.20, 0.9}, {0.55, 0.78, 1.1},
        {0.68, 0.40, 1.8}, {0.80, 0.15, 1.0}, {0.90, 0.62, 1.2}, {0.72, 0.90, 0.8}, {0.96, 0.32, 0.7},
    };
    static constexpr int links[][2] = {{0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}, {3, 5}, {4, 5},
                                       {5, 6}, {5, 7}, {6, 9}, {7, 8}, {4, 8}, {7, 9}, {3, 6}};
    auto point = [&area](const Node& node) {
        return QPointF(area.left() + node.x * area.width(), area.top() + node.y * area.height());
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    painter.setPen(QPen(QColor(255, 255, 255, 150), nodeRadius * 0.35));
    for (const auto& link : links)
        painter.drawLine(point(nodes[link[0]]), point(nodes[link[1]]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    for (const Node& node : nodes)
        painter.drawEllipse(point(node), nodeRadius * node.scale, nodeRadius * node.scale);
    painter.restore();
}

QPixmap emptyPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

namespace BrandArtwork {

QPixmap logo(int size)
{
    QPixmap pixmap = emptyPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    renderLogo(painter, QRectF(0, 0, size, size));
    return pixmap;
}

QPixmap aboutBanner(QSize size)
{
    QPixmap pixmap = emptyPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient background(area.topLeft(), area.topRight());
    background.setColorAt(0.0, QColor(0x1E, 0x3A, 0x8A));
    background.setColorAt(0.55, QColor(0x25, 0x63, 0xEB));
    background.setColorAt(1.0, QColor(0x6D, 0x28, 0xD9));
    painter.fillRect(area, background);

    paintLinkWeb(painter, area.adjusted(area.width() * 0.45, 4, -8, -4), 3.0, 0.35);

    QLinearGradient shine(area.topLeft(), area.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 60));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillRect(area, shine);

    const qreal logoSize = area.height() - 20;
    renderLogo(painter, QRectF(12, 10, logoSize, logoSize));

    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawLine(area.bottomLeft() - QPointF(0, 0.5), area.bottomRight() - QPointF(0, 0.5));
    return pixmap;
}

QPixmap splashPicture(QSize size, const BrandingInfo& branding)
{
    QPixmap pixmap = emptyPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient background(area.topLeft(), area.bottomRight());
    background.setColorAt(0.0, QColor(0x0F, 0x17, 0x2A));
    background.setColorAt(0.5, QColor(0x1E, 0x3A, 0x8A));
    background.setColorAt(1.0, QColor(0x4C, 0x1D, 0x95));
    painter.fillRect(area, background);

    QRadialGradient glow(QPointF(area.width() * 0.22, area.height() * 0.42), area.width() * 0.45);
    glow.setColorAt(0.0, QColor(0x60, 0xA5, 0xFA, 90));
    glow.setColorAt(1.0, QColor(0x60, 0xA5, 0xFA, 0));
    painter.fillRect(area, glow);

    paintLinkWeb(painter, QRectF(area.width() * 0.48, 18, area.width() * 0.48, area.height() * 0.56), 4.0, 0.28);

    const qreal logoSize = area.height() * 0.32;
    const QRectF logoRect(area.width() * 0.075, area.height() * 0.22, logoSize, logoSize);
    renderLogo(painter, logoRect);

    const qreal textLeft = logoRect.right() + 22;
    painter.setPen(Qt::white);
    painter.setFont(brandFont(qRound(area.height() * 0.15), QFont::Bold));
    painter.drawText(QRectF(textLeft, logoRect.top() - 4, area.width() - textLeft - 16, logoSize * 0.62),
                     Qt::AlignLeft | Qt::AlignBottom, branding.productName);
    painter.setPen(QColor(0xBF, 0xDB, 0xFE));
    painter.setFont(brandFont(qRound(area.height() * 0.05), QFont::Normal));
    painter.drawText(QRectF(textLeft, logoRect.top() + logoSize * 0.62, area.width() - textLeft - 16, logoSize * 0.4),
                     Qt::AlignLeft | Qt::AlignTop,
                     QCoreApplication::translate("BrandArtwork", "Link popularity tracker"));

    // The footer: the publisher on the left, the version on the right.
    const qreal footerTop = area.height() - 52;
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(QPointF(24, footerTop), QPointF(area.width() - 24, footerTop));
    const QRectF footer(24, footerTop + 8, area.width() - 48, 32);
    painter.setFont(brandFont(qRound(area.height() * 0.045), QFont::DemiBold));
    painter.setPen(Qt::white);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, branding.companyName);
    painter.setFont(brandFont(qRound(area.height() * 0.04), QFont::Normal));
    painter.setPen(QColor(0xBF, 0xDB, 0xFE));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("BrandArtwork", "Version %1").arg(branding.versionText()));
    return pixmap;
}

} // namespace BrandArtwork
