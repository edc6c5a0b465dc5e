#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

class ChartWidget;
class PrinterChoice;
class Prompts;
class QPrinter;

// Prints the chart as it is shown, drawn straight into the printer (not
// copied from the screen, so parts covered by other windows print too) in
// black on white: the chart at the top left of the page at its size on
// screen, shrunk to fit a smaller page. A print that cannot be started or
// finished is reported with the reason.
class ChartPrinter
{
public:
    explicit ChartPrinter(Prompts& prompts);

    // Lets the user choose the printer (a landscape page unless the user
    // turns it) and prints there. False when cancelled or failed.
    bool printChosen(const ChartWidget& chart, PrinterChoice& choice);
    // Prints on the printer as it is set up, as many copies as it asks
    // the program to draw.
    bool print(const ChartWidget& chart, QPrinter& printer);

    // Where a chart of `chartSize` logical pixels, shown on a screen of
    // `screenDpi` logical dots per inch, goes on the printer's page, in the
    // printer's device pixels from the top left of its printable area.
    static QRectF placement(const QSizeF& chartSize, double screenDpi, const QPrinter& printer);

    // Why a printer could not be used, as the user can act on it.
    static QString failureReason(const QPrinter& printer);

private:
    void failed(const QPrinter& printer);

    Prompts& m_prompts;
};
