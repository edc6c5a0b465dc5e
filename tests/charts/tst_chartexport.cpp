#include "charts/ChartPanel.h"
#include "charts/ChartWidget.h"
#include "support/PdfFile.h"
#include "support/TestContext.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class ChartExportTest : public QObject
{
    Q_OBJECT

private slots:
    // "Export Chart..." writes the file type the name asks for (PNG when it
    // asks for none), drawn at the chart's size; a file that cannot be
    // written is reported and a cancel writes nothing.
    void exportChart_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("PNG") << "chart.png"
                             << "chart.png"
                             << "";
        QTest::newRow("SVG") << "chart.SVG"
                             << "chart.SVG"
                             << "";
        QTest::newRow("PDF") << "chart.pdf"
                             << "chart.pdf"
                             << "";
        QTest::newRow("no type") << "chart"
                                 << "chart.png"
                                 << "";
        QTest::newRow("a folder that is not there") << "gone/chart.pdf"
                                                    << ""
                                                    << "The chart could not be saved as \"%1\": ";
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "";
    }

    void exportChart()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, message);
        TestContext test;
        ChartPanel panel(test.context);
        panel.chart()->resize(640, 420);
        if (chosen.isEmpty())
            test.prompts.queueCancel();
        else
            test.prompts.queueText(test.folder.filePath(chosen));
        panel.exportChartAction()->trigger();

        QCOMPARE(test.prompts.shown().first().kind, ScriptedPrompts::Kind::SaveFile);
        QCOMPARE(test.prompts.shown().first().caption,
                 QStringLiteral("PNG Image (*.png);;SVG Image (*.svg);;PDF Document (*.pdf)"));
        const QStringList files = QDir(test.folder.path()).entryList({"chart*"}, QDir::Files);
        QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
        if (!message.isEmpty()) {
            const QString text = message.arg(QDir::toNativeSeparators(test.folder.filePath(chosen)));
            QCOMPARE(test.prompts.messages().size(), 1);
            QVERIFY2(test.prompts.messages().first().startsWith(text), qPrintable(test.prompts.messages().first()));
            QCOMPARE(test.prompts.shown().last().caption, QStringLiteral("Error"));
        } else {
            QVERIFY(test.prompts.messages().isEmpty());
        }
        if (written.isEmpty())
            return;

        const QByteArray bytes = test.folder.readFile(written);
        const QString type = written.section(u'.', -1).toLower();
        if (type == QLatin1String("png")) {
            // Twice the size on screen.
            QCOMPARE(QImage::fromData(bytes, "PNG").size(), QSize(1280, 840));
        } else if (type == QLatin1String("svg")) {
            // Well-formed XML, the chart drawn in shapes and its texts as text.
            QXmlStreamReader xml(bytes);
            int shapes = 0;
            QStringList texts;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("text"))
                    texts.append(xml.readElementText().trimmed());
                else if (QStringList{"path", "polyline", "polygon", "rect"}.contains(xml.name()))
                    ++shapes;
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(shapes > 20);
            QVERIFY(texts.contains(panel.chart()->grid().title()));
            QVERIFY(texts.contains(panel.chart()->grid().columnLabel(0)));
        } else {
            QVERIFY(bytes.startsWith("%PDF"));
            const Pdf pdf{bytes};
            QCOMPARE(pdf.pageCount(), 1);
            QVERIFY(pdf.mediaBox().width() > pdf.mediaBox().height());
        }
    }

    // The dialog starts in the pictures folder, or where that is missing the
    // documents folder, else the home folder.
    void suggestedFolder_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("pictures") << QStringList{"Pictures", "Documents"} << "Pictures";
        QTest::newRow("no pictures") << QStringList{"Documents"} << "Documents";
        QTest::newRow("neither") << QStringList{} << "";
    }

    void suggestedFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, suggested);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        for (const QString& folder : folders)
            QVERIFY(QDir(home.path()).mkdir(folder));
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        TestContext test;
        ChartPanel panel(test.context);
        panel.exportChartAction()->trigger();
        qputenv("HOME", realHome);
        QCOMPARE(test.prompts.shown().first().extra, QDir(home.path()).filePath(suggested));
    }
};

QTEST_MAIN(ChartExportTest)
#include "tst_chartexport.moc"
