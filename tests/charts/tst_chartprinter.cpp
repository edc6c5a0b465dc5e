#include "charts/ChartPalette.h"
#include "charts/ChartPrinter.h"
#include "charts/ChartWidget.h"
#include "charts/ExampleChart.h"
#include "support/ScriptedPrompts.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Pdf
{
    QByteArray bytes;

    int pageCount() const
    {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
        return static_cast<int>(QString::fromLatin1(bytes).count(page));
    }

    // Width and height of the first page's media box, in points.
    QSizeF mediaBox() const
    {
        static const QRegularExpression box(
            QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
        const QRegularExpressionMatch match = box.match(QString::fromLatin1(bytes));
        if (!match.hasMatch())
            return {};
        return {match.captured(3).toDouble() - match.captured(1).toDouble(),
                match.captured(4).toDouble() - match.captured(2).toDouble()};
    }

    // The page's drawing operators, unpacked where they are compressed.
    QByteArray contents() const
    {
        QByteArray all;
        qsizetype at = 0;
        while ((at = bytes.indexOf("stream\n", at)) >= 0) {
            const qsizetype start = at + 7;
            const qsizetype end = bytes.indexOf("endstream", start);
            if (end < 0)
                break;
            const QByteArray dictionary = bytes.mid(std::max<qsizetype>(0, at - 200), 200);
            const QByteArray data = bytes.mid(start, end - start);
            if (dictionary.contains("/FlateDecode")) {
                // qUncompress wants the expected size first; any size will do.
                QByteArray sized("\x00\x10\x00\x00", 4);
                all += qUncompress(sized + data);
            } else {
                all += data;
            }
            at = end;
        }
        return all;
    }
};

Pdf readPdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return {file.readAll()};
}

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

QPrinter* pdfPrinter(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return &printer;
}

} // namespace

class ChartPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void printsOneLandscapePageHoldingTheChart()
    {
        QTemporaryDir dir;
        ChartWidget chart;
        chart.setGrid(exampleChart());
        chart.setChartType(3);
        chart.resize(600, 400);
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, dir.filePath("chart.pdf"));
        // The page is turned however the printer was set up.
        printer.setPageOrientation(QPageLayout::Portrait);
        ScriptedPrompts prompts;
        QVERIFY(ChartPrinter(prompts).print(chart, printer));
        QVERIFY(prompts.shown().isEmpty());

        const Pdf pdf = readPdf(dir.filePath("chart.pdf"));
        QCOMPARE(pdf.pageCount(), 1);
        const QSizeF box = pdf.mediaBox();
        QVERIFY2(box.width() > box.height(), qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
        // Every series' line is on the page.
        const QByteArray contents = pdf.contents();
        for (int series = 0; series < chart.grid().columnCount(); ++series)
            QVERIFY2(usesColor(contents, ChartPalette::seriesColor(series)), qPrintable(QString::number(series)));
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

    void aPrinterThatCannotStartIsReported()
    {
        QTemporaryDir dir;
        ChartWidget chart;
        chart.resize(300, 200);
        QPrinter printer(QPrinter::HighResolution);
        const QString path = dir.filePath("no such folder/chart.pdf");
        pdfPrinter(printer, path);
        ScriptedPrompts prompts;
        QVERIFY(!ChartPrinter(prompts).print(chart, printer));
        QCOMPARE(prompts.shown().size(), 1);
        QCOMPARE(prompts.shown().first().kind, ScriptedPrompts::Kind::Error);
        QVERIFY(prompts.shown().first().text.contains(path));
        QCOMPARE(prompts.shown().first().caption, QStringLiteral("Quorvex Full"));
        QVERIFY(!QFile::exists(path));
    }

    void withoutADefaultPrinterNothingIsPrinted()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("This machine has a default printer; nothing is printed on it from a test.");
        ChartWidget chart;
        chart.resize(300, 200);
        ScriptedPrompts prompts;
        QVERIFY(!ChartPrinter(prompts).printOnDefaultPrinter(chart));
        QCOMPARE(prompts.shown().size(), 1);
        QCOMPARE(prompts.shown().first().kind, ScriptedPrompts::Kind::Error);
        QCOMPARE(prompts.shown().first().text,
                 QStringLiteral("The chart cannot be printed: no default printer is set up."));
    }
};

QTEST_MAIN(ChartPrinterTest)
#include "tst_chartprinter.moc"
