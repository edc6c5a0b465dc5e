#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "base/UserSettings.h"
#include "charts/ChartPanel.h"
#include "charts/ChartWidget.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "saved/LoadSearchDialog.h"
#include "support/TestContext.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

const QByteArray savedSearch =
    "\r\n[Google]\r\n05-02-06=20\r\n05-01-06=10\r\n\r\n[Yahoo!]\r\n05-02-06=7\r\n05-01-06=5\r\n";

// Answers the modal Load Saved Search dialog once it is up: chooses the
// search (or cancels when the name is empty).
void answerLoadDialog(MainWindow& window, const QString& name, bool& answered)
{
    QTimer::singleShot(0, &window, [&window, name, &answered] {
        auto* dialog = window.findChild<LoadSearchDialog*>();
        if (!dialog || !dialog->isVisible()) {
            answerLoadDialog(window, name, answered);
            return;
        }
        answered = true;
        if (name.isEmpty()) {
            dialog->findChild<QPushButton*>("Command2")->click();
            return;
        }
        auto* searches = dialog->findChild<QComboBox*>("Combo1");
        searches->setCurrentIndex(searches->findText(name));
        dialog->findChild<QPushButton*>("Command1")->click();
    });
}

} // namespace

class ChartCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void theChartViewIsThePanel()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QVERIFY(window.chartPanel());
        QCOMPARE(window.findChild<ChartPanel*>("Frame3"), window.chartPanel());
        QCOMPARE(window.chartPanel()->chart()->grid().title(), QStringLiteral("Example Popularity Over Time Chart"));
    }

    void loadingTheWindowRestoresTheChartType_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("hint");
        QTest::newRow("2D Step Chart") << "7" << 7 << "";
        QTest::newRow("3d Line Graph") << "2" << 2
                                       << "Control Key + Drag to rotate. Or click the chart and use Control Key + "
                                          "Arrow Keys; Home sets it straight.";
        QTest::newRow("not a number") << "x" << 3 << "";
    }

    void loadingTheWindowRestoresTheChartType()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        QFETCH(QString, hint);
        TestContext test;
        test.folder.storeSetting("cmbChart2", stored);
        MainWindow window(test.context, test.makeBrowser);
        QCOMPARE(window.findChild<QComboBox*>("cmbChart2")->currentIndex(), index);
        QCOMPARE(window.chartPanel()->chart()->chartType(), index);
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), hint);
    }

    void withoutAStoredChartTypeTheWindowStartsWithLines()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QCOMPARE(window.findChild<QComboBox*>("cmbChart2")->currentText(), QStringLiteral("2D Line Graph"));
    }

    void loadDataOpensTheDialogAndChartsTheChoice()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", savedSearch));
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.tabs()->currentIndex(), int(MainWindow::DataView));

        bool answered = false;
        answerLoadDialog(window, "site", answered);
        window.findChild<QToolButton*>("Command7")->click();
        QVERIFY(answered);
        QVERIFY(!window.findChild<LoadSearchDialog*>());
        QCOMPARE(window.tabs()->currentIndex(), int(MainWindow::ChartView));
        const ChartGrid& grid = window.chartPanel()->chart()->grid();
        QCOMPARE(grid.title(), QStringLiteral("site"));
        QCOMPARE(grid.columnLabel(0), QStringLiteral("Google"));
        QCOMPARE(grid.value(1, 0), std::optional<double>(20));
        auto* engines = window.findChild<QComboBox*>("cmbChart1");
        QCOMPARE(engines->count(), 3);
        QCOMPARE(engines->itemText(2), QStringLiteral("All Engines"));
    }

    void viewGraphOpensTheSameDialog()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/a.b.qvh", savedSearch));
        QVERIFY(test.folder.writeFile("Saved/a.qvh", "\r\n[MSN]\r\n05-02-06=1\r\n05-01-06=2\r\n"));
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool answered = false;
        answerLoadDialog(window, "a.b", answered);
        window.menus().graph->trigger();
        QVERIFY(answered);
        QCOMPARE(window.chartPanel()->chartFilePath(), test.folder.filePath("Saved/a.b.qvh"));
        QCOMPARE(window.chartPanel()->chart()->grid().title(), QStringLiteral("a.b"));
        QCOMPARE(window.chartPanel()->chart()->grid().columnLabel(0), QStringLiteral("Google"));
        QCOMPARE(window.tabs()->currentIndex(), int(MainWindow::ChartView));
    }

    void cancellingTheDialogChangesNothing()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", savedSearch));
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ChartGrid before = window.chartPanel()->chart()->grid();
        bool answered = false;
        answerLoadDialog(window, QString(), answered);
        window.findChild<QToolButton*>("Command7")->click();
        QVERIFY(answered);
        QCOMPARE(window.chartPanel()->chart()->grid(), before);
        QCOMPARE(window.tabs()->currentIndex(), int(MainWindow::DataView));
        QCOMPARE(window.findChild<QComboBox*>("cmbChart1")->count(), 0);
    }

    void theScanChartsTheResultsTable()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.results()->setRows({ResultRow::completed("one.example", QStringList(6, "1"), {}),
                                   ResultRow::completed("two.example", QStringList(6, "2"), {})});
        emit window.currentResultsChartRequested(window.results()->rows());
        const ChartGrid& grid = window.chartPanel()->chart()->grid();
        QCOMPARE(grid.title(), QStringLiteral("Temporary Search Results"));
        QCOMPARE(grid.columnCount(), 2);
        QCOMPARE(grid.columnLabel(1), QStringLiteral("two.example"));
        QCOMPARE(grid.rowLabel(2), QStringLiteral("Yahoo!"));
        QCOMPARE(grid.value(5, 1), std::optional<double>(2));
    }

    // Both exports ask for a file through the save dialog, add ".csv" and
    // report a file that cannot be written.
    void exports_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("results") << "mnuExportResults"
                                 << "Export Results as CSV"
                                 << QByteArray("Domain Name,Total,Google,Altavista,Yahoo!,Ask,MSN,All The Web,Rank\r\n"
                                               "one.example,6,1,1,1,1,1,1,low\r\n");
        QTest::newRow("history") << "mnuExportHistory"
                                 << "Export History as CSV"
                                 << QByteArray("Date,Google,Yahoo!\r\n2006-05-01,10,5\r\n2006-05-02,20,7\r\n");
    }

    void exports()
    {
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(QByteArray, header);
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", savedSearch));
        MainWindow window(test.context, test.makeBrowser);
        window.results()->setRows({ResultRow::completed("one.example", QStringList(6, "1"), {})});
        window.chartPanel()->drawSavedSearchChart("site.qvh");
        test.prompts.queueText(test.folder.filePath("export"));
        test.prompts.queueText(test.folder.filePath("missing/export.csv"));
        auto* exportAction = window.findChild<QAction*>(action);
        exportAction->trigger();
        exportAction->trigger();

        QCOMPARE(test.folder.readFile("export.csv"), header);
        QCOMPARE(test.prompts.shown().size(), 3);
        QCOMPARE(test.prompts.shown()[0].kind, ScriptedPrompts::Kind::SaveFile);
        QCOMPARE(test.prompts.shown()[0].text, title);
        QCOMPARE(test.prompts.shown()[0].caption, QStringLiteral("CSV Files (*.csv);;All Files (*)"));
        QCOMPARE(test.prompts.shown()[2].kind, ScriptedPrompts::Kind::Error);
        QVERIFY(test.prompts.shown()[2].text.startsWith(
            QStringLiteral("The CSV file \"%1\" could not be written: ")
                .arg(QDir::toNativeSeparators(test.folder.filePath("missing/export.csv")))));
    }
};

QTEST_MAIN(ChartCommandsTest)
#include "tst_chartcommands.moc"
