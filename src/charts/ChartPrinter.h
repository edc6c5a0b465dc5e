#pragma once

#include <QRectF>
#include <QSizeF>

class ChartWidget;
class Prompts;
class QPrinter;

// Prints the chart as it is shown, drawn straight into the printer (not
// copied from the screen, so parts covered by other windows print too): one
// landscape page, the chart at the top left at its size on screen. A chart
// larger than the page is shrunk to fit it. When there is no printer or it
// cannot be started the user is told and nothing else happens.
class ChartPrinter
{
public:
    explicit ChartPrinter(Prompts& prompts);

    bool printOnDefaultPrinter(const ChartWidget& chart);
    bool print(const ChartWidget& chart, QPrinter& printer);

    // Where a chart of `chartSize` logical pixels, shown on a screen of
    // `screenDpi` logical dots per inch, goes on the printer's page, in the
    // printer's device pixels from the top left of its printable area.
    static QRectF placement(const QSizeF& chartSize, double screenDpi, const QPrinter& printer);

private:
    void failed(const QPrinter& printer);

    Prompts& m_prompts;
};
