#include "charts/ChartExport.h"

#include "Branding.h"
#include "base/LocalFile.h"
#include "charts/ChartWidget.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

constexpr double pngScale = 2;

QByteArray png(const ChartWidget& chart)
{
    QImage image(chart.size() * pngScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(pngScale);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.renderOnPaper(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray svg(const ChartWidget& chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.size());
    generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
    generator.setResolution(chart.logicalDpiX());
    generator.setTitle(chart.grid().title());
    generator.setDescription(QString::fromLatin1(Branding::productName));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    chart.renderOnPaper(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
    return painter.end() ? bytes : QByteArray();
}

QByteArray pdf(const ChartWidget& chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setTitle(chart.grid().title());
    writer.setCreator(QString::fromLatin1(Branding::productName));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    // The chart as large as the page allows, at the top and in the middle.
    const QSizeF size = chart.size();
    const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    chart.renderOnPaper(painter, QRectF(QPointF(0, 0), size));
    return painter.end() ? bytes : QByteArray();
}

} // namespace

QString ChartExport::fileFilter()
{
    return QCoreApplication::translate("ChartExport", "PNG Image (*.png);;SVG Image (*.svg);;PDF Document (*.pdf)");
}

std::optional<ChartExport::Format> ChartExport::formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

QString ChartExport::extensionOf(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral(".png");
    case Format::Svg:
        return QStringLiteral(".svg");
    case Format::Pdf:
        return QStringLiteral(".pdf");
    }
    return {};
}

QByteArray ChartExport::encode(const ChartWidget& chart, Format format)
{
    if (chart.width() <= 0 || chart.height() <= 0)
        return {};
    switch (format) {
    case Format::Png:
        return png(chart);
    case Format::Svg:
        return svg(chart);
    case Format::Pdf:
        return pdf(chart);
    }
    return {};
}

bool ChartExport::write(const ChartWidget& chart, const QString& path, Format format, QString* error)
{
    const QByteArray bytes = encode(chart, format);
    if (bytes.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("ChartExport", "the chart could not be drawn.");
        return false;
    }
    return LocalFile::writeBytes(path, bytes, error);
}
