#include "charts/ChartColors.h"
#include "charts/ChartPanel.h"
#include "charts/ChartPrinter.h"
#include "charts/ChartWidget.h"
#include "charts/PrinterChoice.h"
#include "support/PdfFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// Whether the drawing sets this colour, for strokes or fills.
bool usesColor(const QByteArray& contents, const QColor& color)
{
    static const QRegularExpression operation(QStringLiteral("([\\d.]+) ([\\d.]+) ([\\d.]+) (SCN|scn|RG|rg)\\b"));
    auto matches = operation.globalMatch(QString::fromLatin1(contents));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (qAbs(match.captured(1).toDouble() - color.redF()) < 0.002 &&
            qAbs(match.captured(2).toDouble() - color.greenF()) < 0.002 &&
            qAbs(match.captured(3).toDouble() - color.blueF()) < 0.002)
            return true;
    }
    return false;
}

// Chooses as a test wants: a PDF file (or the printer as it comes), the
// page turned or not, or a cancel; remembers how the page came.
class ScriptedPrinterChoice final : public PrinterChoice
{
public:
    bool accept = true;
    QString pdfPath; // empty: the printer as it comes
    std::optional<QPageLayout::Orientation> turnTo;
    std::optional<QPageLayout::Orientation> offered;

    bool choose(QPrinter& printer) override
    {
        offered = printer.pageLayout().orientation();
        if (!accept)
            return false;
        if (!pdfPath.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        if (turnTo)
            printer.setPageOrientation(*turnTo);
        return true;
    }
};

} // namespace

class ChartPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    // Print (Control+P in the chart view) lets the user choose in the print
    // dialog; the page is landscape unless turned; a cancel prints nothing;
    // a failure names its reason.
    void printingWhereTheUserChooses_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QString>("message");
        QTest::newRow("landscape, as offered") << true << "chart.pdf" << false << "";
        QTest::newRow("turned to portrait") << true << "chart.pdf" << true << "";
        QTest::newRow("cancelled") << false << "chart.pdf" << false << "";
        QTest::newRow("a folder that is not there")
            << true << "gone/chart.pdf" << false << "The chart could not be printed: the folder \"%1\" does not exist.";
    }

    void printingWhereTheUserChooses()
    {
        QFETCH(bool, accept);
        QFETCH(QString, file);
        QFETCH(bool, portrait);
        QFETCH(QString, message);
        TestContext test;
        ChartPanel panel(test.context);
        panel.resize(700, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* choice = new ScriptedPrinterChoice;
        panel.setPrinterChoice(std::unique_ptr<PrinterChoice>(choice));
        choice->accept = accept;
        choice->pdfPath = test.folder.filePath(file);
        if (portrait)
            choice->turnTo = QPageLayout::Portrait;
        panel.chart()->setFocus();
        QTest::keyClick(panel.chart(), Qt::Key_P, Qt::ControlModifier);

        const bool printed = accept && message.isEmpty();
        QCOMPARE(choice->offered, std::optional(QPageLayout::Landscape));
        QCOMPARE(test.prompts.messages(),
                 message.isEmpty() ? QStringList()
                                   : QStringList{message.arg(QDir::toNativeSeparators(test.folder.filePath("gone")))});
        if (!message.isEmpty())
            QCOMPARE(test.prompts.shown().first().caption, QStringLiteral("Error"));
        QCOMPARE(QFile::exists(choice->pdfPath), printed);
        if (!printed)
            return;
        const Pdf pdf = readPdf(choice->pdfPath);
        QCOMPARE(pdf.pageCount(), 1);
        const QSizeF box = pdf.mediaBox();
        QCOMPARE(box.width() > box.height(), !portrait);
        // Every series' line is on the page, in the colours of paper.
        const QByteArray contents = pdf.contents();
        for (int series = 0; series < panel.chart()->grid().columnCount(); ++series)
            QVERIFY2(usesColor(contents, ChartColors::paper().series(series)), qPrintable(QString::number(series)));
    }

    // Without any printer the dialog still offers a PDF file; the printer
    // as it comes then has nowhere to print, and the message says so.
    void withoutAnyPrinterTheReasonIsGiven()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("This machine has printers; nothing is printed on them from a test.");
        ChartWidget chart;
        chart.resize(300, 200);
        ScriptedPrinterChoice choice;
        ScriptedPrompts prompts;
        QVERIFY(!ChartPrinter(prompts).printChosen(chart, choice));
        QCOMPARE(prompts.messages(), QStringList{"The chart could not be printed: no printer is set up."});
    }

    void theChartKeepsItsSizeOnScreen_data()
    {
        QTest::addColumn<QSizeF>("chartSize");
        QTest::addColumn<double>("screenDpi");
        QTest::addColumn<QSizeF>("printed");
        // Printer pixels at 1200 dots per inch.
        QTest::newRow("96 dpi") << QSizeF(600, 400) << 96.0 << QSizeF(7500, 5000);
        QTest::newRow("72 dpi") << QSizeF(540, 360) << 72.0 << QSizeF(9000, 6000);
        QTest::newRow("144 dpi") << QSizeF(960, 480) << 144.0 << QSizeF(8000, 4000);
    }

    void theChartKeepsItsSizeOnScreen()
    {
        QFETCH(QSizeF, chartSize);
        QFETCH(double, screenDpi);
        QFETCH(QSizeF, printed);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        QCOMPARE(printer.resolution(), 1200);
        const QRectF placed = ChartPrinter::placement(chartSize, screenDpi, printer);
        QCOMPARE(placed.topLeft(), QPointF(0, 0));
        QCOMPARE(placed.size(), printed);
    }

    void aChartLargerThanThePageIsShrunkToFit()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        const QRectF placed = ChartPrinter::placement(QSizeF(2400, 1200), 96, printer);
        QCOMPARE(placed.topLeft(), QPointF(0, 0));
        QVERIFY(placed.width() <= page.width() + 1e-6);
        QVERIFY(placed.height() <= page.height() + 1e-6);
        QVERIFY(qAbs(placed.width() - page.width()) < 1e-6 || qAbs(placed.height() - page.height()) < 1e-6);
        QCOMPARE(placed.width() / placed.height(), 2.0);
    }
};

QTEST_MAIN(ChartPrinterTest)
#include "tst_chartprinter.moc"
