#include "charts/ChartPrinter.h"

#include "Branding.h"
#include "base/Prompts.h"
#include "charts/ChartWidget.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

ChartPrinter::ChartPrinter(Prompts& prompts)
    : m_prompts(prompts)
{}

bool ChartPrinter::printOnDefaultPrinter(const ChartWidget& chart)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        m_prompts.error(QStringLiteral("The chart cannot be printed: no default printer is set up."),
                        QString::fromLatin1(Branding::applicationTitle));
        return false;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    return print(chart, printer);
}

QRectF ChartPrinter::placement(const QSizeF& chartSize, double screenDpi, const QPrinter& printer)
{
    const double resolution = printer.resolution();
    double scale = resolution / std::max(screenDpi, 1.0);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    if (chartSize.width() > 0 && chartSize.height() > 0 && !page.isEmpty()) {
        scale = std::min({scale, page.width() / chartSize.width(), page.height() / chartSize.height()});
    }
    return QRectF(QPointF(0, 0), chartSize * scale);
}

bool ChartPrinter::print(const ChartWidget& chart, QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(chart.grid().title());
    const QSizeF size = chart.size();
    QPainter painter;
    if (!painter.begin(&printer)) {
        failed(printer);
        return false;
    }
    const QRectF place = placement(size, chart.logicalDpiX(), printer);
    painter.translate(place.topLeft());
    painter.scale(place.width() / size.width(), place.height() / size.height());
    chart.render(painter, QRectF(QPointF(0, 0), size));
    if (!painter.end()) {
        failed(printer);
        return false;
    }
    return true;
}

void ChartPrinter::failed(const QPrinter& printer)
{
    const QString name = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    m_prompts.error(QStringLiteral("The chart could not be printed: the printer \"%1\" could not be used.").arg(name),
                    QString::fromLatin1(Branding::applicationTitle));
}
