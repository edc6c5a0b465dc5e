#include "base/UserSettings.h"
#include "charts/ChartPanel.h"
#include "charts/ChartWidget.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"
#include "support/TestContext.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {

const QString chartTypeKey = QStringLiteral("cmbChart2");
const QString spaceDatesKey = QStringLiteral("chkSpaceDates");
const QString rotateHint = QStringLiteral(
    "Control Key + Drag to rotate. Or click the chart and use Control Key + Arrow Keys; Home sets it straight.");
const QString twoSearchesMessage = QStringLiteral("You need atleast 2 saved searches to get any data displayed");

QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

QStringList rowLabels(const ChartGrid& grid)
{
    QStringList labels;
    for (int row = 0; row < grid.rowCount(); ++row)
        labels.append(grid.rowLabel(row));
    return labels;
}

QStringList columnLabels(const ChartGrid& grid)
{
    QStringList labels;
    for (int column = 0; column < grid.columnCount(); ++column)
        labels.append(grid.columnLabel(column));
    return labels;
}

// Results rows of a site and its six engine cells.
QList<ResultRow> resultRows(const QList<QStringList>& rows)
{
    QList<ResultRow> results;
    for (const QStringList& cells : rows)
        results << ResultRow::completed(cells[0], cells.mid(1), {});
    return results;
}

const QByteArray historyFile = "\r\n[Google]\r\n05-03-06=300\r\n05-02-06=200\r\n05-01-06=100\r\n"
                               "\r\n[MSN]\r\n05-03-06=30\r\n05-01-06=10\r\n";

} // namespace

class ChartPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndCaptions()
    {
        TestContext test;
        ChartPanel panel(test.context);
        QCOMPARE(panel.objectName(), QStringLiteral("Frame3"));
        QCOMPARE(panel.title(), QStringLiteral("Results - Chart View"));
        QCOMPARE(panel.findChild<QToolButton*>("Command7")->text(), QStringLiteral("&Load Data"));
        QCOMPARE(panel.findChild<QToolButton*>("Command14")->text(), QStringLiteral("P&rint"));
        QVERIFY(!panel.findChild<QToolButton*>("Command7")->icon().isNull());
        QVERIFY(!panel.findChild<QToolButton*>("Command14")->icon().isNull());
        QCOMPARE(panel.findChild<QLabel*>("lblChartSearch")->text(), QStringLiteral("Search En&gine:"));
        QCOMPARE(panel.findChild<QLabel*>("lblChartType")->text(), QStringLiteral("&Chart Type:"));
        // The unused focus target and picture box: neither seen nor told to
        // screen readers.
        QCOMPARE(panel.focusTarget()->objectName(), QStringLiteral("cmdFocus"));
        QCOMPARE(panel.focusTarget()->text(), QStringLiteral("Command8"));
        QCOMPARE(panel.pictureBox()->objectName(), QStringLiteral("Picture2"));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(!panel.focusTarget()->isVisible());
        QVERIFY(!panel.pictureBox()->isVisible());
        QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(&panel)};
        for (qsizetype node = 0; node < nodes.size(); ++node) {
            QVERIFY(nodes[node]->object() != panel.focusTarget() && nodes[node]->object() != panel.pictureBox());
            QVERIFY(nodes[node]->text(QAccessible::Name) != QStringLiteral("Command8"));
            for (int child = 0; child < nodes[node]->childCount(); ++child) {
                if (QAccessibleInterface* childNode = nodes[node]->child(child))
                    nodes << childNode;
            }
        }
        QVERIFY(nodes.size() > 10);
        QVERIFY(panel.findChild<ChartWidget*>("MSChart1"));
        QCOMPARE(panel.findChild<QComboBox*>("cmbChart1")->count(), 0);
        QCOMPARE(entries(panel.findChild<QComboBox*>("cmbChart2")),
                 (QStringList{"3D Bar Chart", "2D Bar Chart", "3d Line Graph", "2D Line Graph", "3D Area Chart",
                              "2D Area Chart", "3D Step Chart", "2D Step Chart"}));
        QCOMPARE(panel.findChild<QLabel*>("Label1")->text(), QString());
        QCOMPARE(panel.findChild<QCheckBox*>("chkSpaceDates")->text(), QStringLiteral("Space dates &by time"));
        QCOMPARE(panel.findChild<QToolButton*>("cmdExport")->text(), QStringLiteral("E&xport"));
        QCOMPARE(panel.exportButton()->menu()->actions(),
                 (QList<QAction*>{panel.exportChartAction(), panel.exportHistoryAction()}));
        QCOMPARE(panel.exportChartAction()->text(), QStringLiteral("Export Chart..."));
        QCOMPARE(panel.chart()->accessibleName(), QStringLiteral("Chart"));
    }

    void theChartFillsTheFrameBelowTheControls()
    {
        TestContext test;
        ChartPanel panel(test.context);
        panel.resize(820, 560);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QRect chart = panel.chart()->geometry();
        for (QWidget* control :
             {static_cast<QWidget*>(panel.loadDataButton()), static_cast<QWidget*>(panel.printButton()),
              static_cast<QWidget*>(panel.chartTypeSelector()), static_cast<QWidget*>(panel.hintLabel())})
            QVERIFY(control->geometry().bottom() < chart.top());
        QVERIFY(chart.width() > 820 * 9 / 10);
        QVERIFY(chart.height() > 560 / 2);
    }

    void startsWithTheExampleChart()
    {
        TestContext test;
        ChartPanel panel(test.context);
        const ChartGrid& grid = panel.chart()->grid();
        QCOMPARE(grid.title(), QStringLiteral("Example Popularity Over Time Chart"));
        QCOMPARE(grid.categoryAxisTitle(), QStringLiteral("Search Date"));
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(columnLabels(grid), (QStringList{"Google", "Yahoo", "Altavista", "MSN", "Teoma", "AllTheWeb"}));
        QCOMPARE(rowLabels(grid), (QStringList{"04/04", "05/04", "06/04", "07/04", "08/04", "09/04"}));
        for (int row = 0; row < grid.rowCount(); ++row)
            for (int column = 0; column < grid.columnCount(); ++column)
                QVERIFY(grid.value(row, column).value_or(0) > 0);
    }

    void choosingAChartType_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("hint");
        for (int index = 0; index < 8; ++index)
            QTest::addRow("%d", index) << index << (index % 2 == 0 ? rotateHint : QString());
    }

    void choosingAChartType()
    {
        QFETCH(int, index);
        QFETCH(QString, hint);
        TestContext test;
        ChartPanel panel(test.context);
        // Start from a type of the other kind, so the hint changes.
        panel.chartTypeSelector()->setCurrentIndex(index % 2 == 0 ? 7 : 6);
        panel.chartTypeSelector()->setCurrentIndex(index);
        QCOMPARE(test.folder.storedSetting(chartTypeKey), QString::number(index));
        QCOMPARE(panel.chart()->chartType(), index);
        QCOMPARE(panel.hintLabel()->text(), hint);
    }

    void restoringTheChartType_data()
    {
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("hint");
        QTest::newRow("7") << std::optional<QString>("7") << 7 << QString();
        QTest::newRow("2") << std::optional<QString>("2") << 2 << rotateHint;
        QTest::newRow("0") << std::optional<QString>("0") << 0 << rotateHint;
        QTest::newRow("3") << std::optional<QString>("3") << 3 << QString();
        QTest::newRow("not a number") << std::optional<QString>("x") << 3 << QString();
        QTest::newRow("out of range") << std::optional<QString>("9") << 3 << QString();
        QTest::newRow("negative") << std::optional<QString>("-1") << 3 << QString();
        QTest::newRow("empty") << std::optional<QString>("") << 3 << QString();
        QTest::newRow("missing") << std::optional<QString>() << 3 << QString();
    }

    void restoringTheChartType()
    {
        QFETCH(std::optional<QString>, stored);
        QFETCH(int, index);
        QFETCH(QString, hint);
        TestContext test;
        if (stored)
            test.folder.storeSetting(chartTypeKey, *stored);
        ChartPanel panel(test.context);
        panel.restoreChartType();
        QCOMPARE(panel.chartTypeSelector()->currentIndex(), index);
        QCOMPARE(panel.chart()->chartType(), index);
        QCOMPARE(panel.hintLabel()->text(), hint);
        QCOMPARE(test.folder.storedSetting(chartTypeKey), QString::number(index));
    }

    // The chart takes the keyboard focus by a click or the Tab key, for
    // turning it with the keys; the hidden button behind it is no stop.
    void theChartTakesTheFocus()
    {
        TestContext test;
        ChartPanel panel(test.context);
        panel.resize(700, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.chartTypeSelector()->setFocus();
        QTest::mouseClick(panel.chart(), Qt::LeftButton, Qt::NoModifier, panel.chart()->rect().center());
        QCOMPARE(panel.focusWidget(), panel.chart());

        QList<QWidget*> stops;
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(panel.focusWidget(), Qt::Key_Tab);
            stops.append(panel.focusWidget());
        }
        QVERIFY(stops.contains(panel.chart()));
        QVERIFY(!stops.contains(panel.focusTarget()));
    }

    // "Space dates by time" is remembered, on at first, and applies to the
    // flat types only.
    void spacingDatesByTime_data()
    {
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("byTime");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing stored") << std::optional<QString>() << 3 << true << true;
        QTest::newRow("off") << std::optional<QString>("0") << 5 << false << true;
        QTest::newRow("on, 3D type") << std::optional<QString>("1") << 2 << true << false;
    }

    void spacingDatesByTime()
    {
        QFETCH(std::optional<QString>, stored);
        QFETCH(int, type);
        QFETCH(bool, byTime);
        QFETCH(bool, enabled);
        TestContext test;
        if (stored)
            test.folder.storeSetting(spaceDatesKey, *stored);
        test.context.settings.setChartType(type);
        ChartPanel panel(test.context);
        panel.restoreChartType();
        QCOMPARE(panel.spaceDatesBox()->isChecked(), byTime);
        QCOMPARE(panel.chart()->spaceDatesByTime(), byTime);
        QCOMPARE(panel.spaceDatesBox()->isEnabled(), enabled);

        panel.spaceDatesBox()->setChecked(!byTime);
        QCOMPARE(panel.chart()->spaceDatesByTime(), !byTime);
        QCOMPARE(test.folder.storedSetting(spaceDatesKey), byTime ? QStringLiteral("0") : QStringLiteral("1"));
    }

    void chartsTheResultsTable()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", historyFile));
        ChartPanel panel(test.context);
        panel.drawSavedSearchChart("site.qvh");
        QVERIFY(panel.engineSelector()->isEnabled());
        panel.chartTypeSelector()->setCurrentIndex(1);

        QVERIFY(panel.exportHistoryAction()->isEnabled());
        panel.drawCurrentResultsChart(ResultsColumns::builtInColumns(),
                                      resultRows({{"one.example", "120", "45", "300", "7", "-", ""},
                                                  {"two.example", "5", "0", "1", "1", "2", "1"},
                                                  {"three.example", "1", "1", "1", "1", "1", "1"}}));
        QVERIFY(!panel.exportHistoryAction()->isEnabled());
        const ChartGrid& grid = panel.chart()->grid();
        QCOMPARE(grid.title(), QStringLiteral("Temporary Search Results"));
        QCOMPARE(columnLabels(grid), (QStringList{"one.example", "two.example", "three.example"}));
        QCOMPARE(rowLabels(grid), (QStringList{"Google", "Altavista", "Yahoo!", "Ask", "MSN", "All The Web"}));
        QCOMPARE(grid.value(2, 0), std::optional<double>(300));
        QCOMPARE(grid.value(4, 0), std::optional<double>(0));
        QCOMPARE(grid.value(5, 0), std::optional<double>(0));
        QCOMPARE(grid.value(1, 1), std::optional<double>(0));
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(panel.engineSelector()->count(), 0);
        QVERIFY(!panel.engineSelector()->isEnabled());
        QCOMPARE(panel.chart()->chartType(), 1);
        QCOMPARE(panel.chart()->accessibleDescription(),
                 QStringLiteral("Chart type: 2D Bar Chart. Engine: all engines, current results."));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void anEmptyResultsTableGivesNoSeries()
    {
        TestContext test;
        ChartPanel panel(test.context);
        panel.drawCurrentResultsChart(ResultsColumns::builtInColumns(), {});
        QCOMPARE(panel.chart()->grid().columnCount(), 0);
        QCOMPARE(panel.chart()->grid().title(), QStringLiteral("Temporary Search Results"));
    }

    void chartsASavedSearch()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/Example.qvh", historyFile));
        ChartPanel panel(test.context);
        panel.chartTypeSelector()->setCurrentIndex(6);
        panel.drawSavedSearchChart("Example.qvh");
        QCOMPARE(panel.chartFilePath(), test.folder.filePath("Saved/Example.qvh"));
        QCOMPARE(entries(panel.engineSelector()), (QStringList{"Google", "MSN", "All Engines"}));
        QVERIFY(panel.engineSelector()->isEnabled());
        QCOMPARE(panel.engineSelector()->currentIndex(), 0);
        QCOMPARE(panel.chart()->chartType(), 6);

        const ChartGrid& first = panel.chart()->grid();
        QCOMPARE(first.title(), QStringLiteral("Example"));
        QCOMPARE(columnLabels(first), QStringList{"Google"});
        QCOMPARE(rowLabels(first), (QStringList{"05-01-06", "05-02-06", "05-03-06"}));
        QCOMPARE(first.value(2, 0), std::optional<double>(300));

        panel.engineSelector()->setCurrentIndex(1);
        QCOMPARE(panel.chart()->accessibleDescription(),
                 QStringLiteral("Chart type: 3D Step Chart. Engine: MSN, saved search Example."));
        QCOMPARE(columnLabels(panel.chart()->grid()), QStringList{"MSN"});
        QCOMPARE(rowLabels(panel.chart()->grid()), (QStringList{"05-01-06", "05-03-06"}));

        panel.engineSelector()->setCurrentIndex(2);
        const ChartGrid& all = panel.chart()->grid();
        QCOMPARE(all.title(), QStringLiteral("Example"));
        QCOMPARE(columnLabels(all), (QStringList{"Google", "MSN"}));
        QCOMPARE(rowLabels(all), (QStringList{"05-01-06", "05-02-06", "05-03-06"}));
        QCOMPARE(all.value(1, 1), std::nullopt);
        QCOMPARE(all.value(0, 1), std::optional<double>(10));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void theEngineChoiceReadsTheFileAfresh()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", historyFile));
        ChartPanel panel(test.context);
        panel.drawSavedSearchChart("site.qvh");
        QVERIFY(test.folder.writeFile("Saved/site.qvh", "\r\n[Google]\r\n05-04-06=400\r\n05-03-06=300\r\n"
                                                        "\r\n[MSN]\r\n05-04-06=40\r\n05-03-06=30\r\n"));
        panel.engineSelector()->setCurrentIndex(1);
        QCOMPARE(rowLabels(panel.chart()->grid()), (QStringList{"05-03-06", "05-04-06"}));
        QCOMPARE(panel.chart()->grid().value(1, 0), std::optional<double>(40));
    }

    void theTwoSearchesMessageComesOnce()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/new.qvh", "\r\n[Google]\r\n05-02-06=12\r\n\r\n[MSN]\r\n05-02-06=3\r\n"));
        {
            ChartPanel panel(test.context);
            panel.drawSavedSearchChart("new.qvh");
            QCOMPARE(test.prompts.shown().size(), 1);
            QCOMPARE(test.prompts.shown().first().kind, ScriptedPrompts::Kind::Information);
            QCOMPARE(test.prompts.shown().first().text, twoSearchesMessage);
            QCOMPARE(test.prompts.shown().first().caption, QStringLiteral("Information"));
            // The single point is still drawn.
            QCOMPARE(rowLabels(panel.chart()->grid()), QStringList{"05-02-06"});
            QCOMPARE(panel.chart()->grid().value(0, 0), std::optional<double>(12));

            panel.engineSelector()->setCurrentIndex(1);
            panel.engineSelector()->setCurrentIndex(2);
            panel.drawSavedSearchChart("new.qvh");
            QCOMPARE(test.prompts.shown().size(), 1);
        }
        // Each run of the program tells it once.
        ChartPanel nextRun(test.context);
        nextRun.drawSavedSearchChart("new.qvh");
        QCOMPARE(test.prompts.messages(), (QStringList{twoSearchesMessage, twoSearchesMessage}));
    }

    void aSearchWithSeveralDatesNeedsNoMessage()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", historyFile));
        ChartPanel panel(test.context);
        panel.drawSavedSearchChart("site.qvh");
        panel.engineSelector()->setCurrentIndex(2);
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void aSearchWithoutSections_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("empty file") << true;
        QTest::newRow("file removed after it was listed") << false;
    }

    void aSearchWithoutSections()
    {
        QFETCH(bool, fileExists);
        TestContext test;
        if (fileExists)
            QVERIFY(test.folder.writeFile("Saved/blank.qvh", ""));
        ChartPanel panel(test.context);
        panel.drawSavedSearchChart("blank.qvh");
        QCOMPARE(entries(panel.engineSelector()), QStringList{"All Engines"});
        QVERIFY(!panel.engineSelector()->isEnabled());
        QCOMPARE(panel.chart()->grid().title(), QStringLiteral("blank"));
        QCOMPARE(panel.chart()->grid().columnCount(), 0);
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void loadDataAsksTheWindow()
    {
        TestContext test;
        ChartPanel panel(test.context);
        int requests = 0;
        connect(&panel, &ChartPanel::loadDataRequested, this, [&requests] { ++requests; });
        panel.loadDataButton()->click();
        QCOMPARE(requests, 1);
    }
};

QTEST_MAIN(ChartPanelTest)
#include "tst_chartpanel.moc"
