#include "charts/ChartPrinter.h"

#include "base/Prompts.h"
#include "charts/ChartWidget.h"
#include "charts/PrinterChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

ChartPrinter::ChartPrinter(Prompts& prompts)
    : m_prompts(prompts)
{}

bool ChartPrinter::printChosen(const ChartWidget& chart, PrinterChoice& choice)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(chart.grid().title());
    if (!choice.choose(printer))
        return false;
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
    if (printer.docName().isEmpty())
        printer.setDocName(chart.grid().title());
    const QSizeF size = chart.size();
    QPainter painter;
    if (!painter.begin(&printer)) {
        failed(printer);
        return false;
    }
    const QRectF place = placement(size, chart.logicalDpiX(), printer);
    // Most print systems make the copies themselves; where not, each copy
    // is a page of its own.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage())
            break;
        painter.save();
        painter.translate(place.topLeft());
        painter.scale(place.width() / size.width(), place.height() / size.height());
        chart.renderOnPaper(painter, QRectF(QPointF(0, 0), size));
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        failed(printer);
        return false;
    }
    return true;
}

QString ChartPrinter::failureReason(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty()) {
        const QFileInfo file(printer.outputFileName());
        if (!file.absoluteDir().exists())
            return QCoreApplication::translate("ChartPrinter", "the folder \"%1\" does not exist.")
                .arg(QDir::toNativeSeparators(file.absolutePath()));
        return QCoreApplication::translate("ChartPrinter", "the file \"%1\" could not be written.")
            .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    }
    if (printer.printerName().isEmpty())
        return QCoreApplication::translate("ChartPrinter", "no printer is set up.");
    if (QPrinterInfo::printerInfo(printer.printerName()).isNull())
        return QCoreApplication::translate("ChartPrinter", "the printer \"%1\" is not available.")
            .arg(printer.printerName());
    return QCoreApplication::translate("ChartPrinter", "the printer \"%1\" reported an error.")
        .arg(printer.printerName());
}

void ChartPrinter::failed(const QPrinter& printer)
{
    m_prompts.error(
        QCoreApplication::translate("ChartPrinter", "The chart could not be printed: %1").arg(failureReason(printer)),
        Prompts::errorCaption());
}
