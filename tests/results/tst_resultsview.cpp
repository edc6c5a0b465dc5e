#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "results/CountValue.h"
#include "results/ResultsSortOrder.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "support/ModelTexts.h"
#include "support/TestContext.h"
#include "webview/WebViewPanel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

// Rows of domain name and a cell text that every engine column shows; the
// total is that text's number, or none.
void fill(ScanResults* results, const QList<QStringList>& rows)
{
    QList<ResultRow> all = results->rows();
    for (const QStringList& cells : rows) {
        ResultRow row{cells[0], QList<EngineCell>(results->sourceColumns().size()), countValue(cells[1]), 0};
        for (EngineCell& cell : row.engines)
            cell.setText(cells[1]);
        all << row;
    }
    results->setRows(all);
}

QList<QStringList> sample()
{
    return {{"http://www.e.com", "5"},
            {"http://www.a.com", "-10"},
            {"http://www.D.com", ""},
            {"http://www.b.com", "1,234"},
            {"http://www.c.com", "-5"}};
}

} // namespace

class ResultsViewTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        explicit Fixture(bool shown = true)
        {
            if (shown) {
                window.show();
                ok = QTest::qWaitForWindowExposed(&window);
            }
        }

        void clickHeader(int column1Based)
        {
            QHeaderView* header = table->header();
            const int x = header->sectionViewportPosition(column1Based - 1) + 10;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        }

        QPoint rowCenter(int row) const { return table->visualRect(table->model()->index(row, 0)).center(); }
        int selectedRow() const
        {
            const QModelIndexList rows = table->selectionModel()->selectedRows();
            return rows.size() == 1 ? rows.first().row() : -1;
        }

        TestContext test;
        MainWindow window{test.context, test.makeBrowser};
        ResultsView* view = window.resultsView();
        ScanResults* results = window.results();
        QTreeView* table = window.findChild<QTreeView*>("ListView1");
        bool ok = true;
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The rank in words beside its icon: the site's tool tip, and what
    // screen readers say about the site's cell.
    void rankInWords_data()
    {
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("words");
        QTest::newRow("low") << 1 << "Rank: low, total 1234";
        QTest::newRow("medium") << 2 << "Rank: medium, total 1234";
        QTest::newRow("high") << 3 << "Rank: high, total 1234";
        QTest::newRow("row not complete") << 0 << "";
    }

    void rankInWords()
    {
        QFETCH(int, rank);
        QFETCH(QString, words);
        Fixture f;
        QVERIFY(f.ok);
        f.results->setRows({ResultRow{"www.site.example", {}, 1234, rank}});
        // The table lays out its rows for screen readers on its next turn.
        QCoreApplication::processEvents();
        const QModelIndex site = f.table->model()->index(0, ResultsColumns::domainName);
        QCOMPARE(site.data(Qt::ToolTipRole).toString(), words);
        QAccessibleInterface* cell =
            QAccessible::queryAccessibleInterface(f.table)->tableInterface()->cellAt(0, ResultsColumns::domainName);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("www.site.example"));
        QCOMPARE(cell->text(QAccessible::Description), words);
        QCOMPARE(site.data(Qt::DecorationRole).isValid(), rank != 0);
    }

    void sortByColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("domains");
        QTest::newRow("total ascending, no number first")
            << 2 << int(SortDataType::Number) << true
            << QStringList{"http://www.D.com", "http://www.b.com", "http://www.a.com", "http://www.c.com",
                           "http://www.e.com"};
        QTest::newRow("total descending") << 2 << int(SortDataType::Number) << false
                                          << QStringList{"http://www.e.com", "http://www.c.com", "http://www.a.com",
                                                         "http://www.D.com", "http://www.b.com"};
        QTest::newRow("count with separators ascending")
            << 3 << int(SortDataType::Number) << true
            << QStringList{"http://www.D.com", "http://www.a.com", "http://www.c.com", "http://www.e.com",
                           "http://www.b.com"};
        QTest::newRow("domain ascending, any case")
            << 1 << int(SortDataType::Text) << true
            << QStringList{"http://www.a.com", "http://www.b.com", "http://www.c.com", "http://www.D.com",
                           "http://www.e.com"};
        QTest::newRow("domain descending") << 1 << int(SortDataType::Text) << false
                                           << QStringList{"http://www.e.com", "http://www.D.com", "http://www.c.com",
                                                          "http://www.b.com", "http://www.a.com"};
        QTest::newRow("last column as text") << 8 << int(SortDataType::Text) << true
                                             << QStringList{"http://www.D.com", "http://www.a.com", "http://www.c.com",
                                                            "http://www.b.com", "http://www.e.com"};
        QTest::newRow("column outside the table leaves the order")
            << 9 << int(SortDataType::Number) << true
            << QStringList{"http://www.e.com", "http://www.a.com", "http://www.D.com", "http://www.b.com",
                           "http://www.c.com"};
    }

    void sortByColumn()
    {
        QFETCH(int, column);
        QFETCH(int, type);
        QFETCH(bool, ascending);
        QFETCH(QStringList, domains);
        Fixture f(false);
        fill(f.results, sample());
        QMap<QString, QStringList> before;
        for (int row = 0; row < f.results->rowCount(); ++row)
            before[f.results->row(row).site] = rowTexts(f.results, row);
        f.view->sortByColumn(column, SortDataType(type), ascending);
        QCOMPARE(columnTexts(f.results, 0), domains);
        // Every row keeps its cells exactly as they were shown.
        for (int row = 0; row < f.results->rowCount(); ++row)
            QCOMPARE(rowTexts(f.results, row), before.value(f.results->row(row).site));
    }

    void sortKeepsSelectionAndCurrentRow()
    {
        Fixture f(false);
        fill(f.results, sample());
        f.table->setCurrentIndex(f.table->model()->index(3, 2));
        f.view->sortByColumn(3, SortDataType::Number, true);
        QCOMPARE(f.table->currentIndex().row(), 4);
        QCOMPARE(f.table->currentIndex().column(), 2);
        QCOMPARE(f.selectedRow(), 4);
        QCOMPARE(f.view->selectedRow()->site, QStringLiteral("http://www.b.com"));
    }

    void equalTotalsKeepTheirOrder()
    {
        Fixture f(false);
        fill(f.results, {{"first", "7"}, {"second", "3"}, {"third", "7"}, {"fourth", "07"}, {"fifth", "3"}});
        f.view->sortByColumn(2, SortDataType::Number, false);
        QCOMPARE(columnTexts(f.results, 0), QStringList({"first", "third", "fourth", "second", "fifth"}));
        f.view->sortByColumn(2, SortDataType::Number, true);
        QCOMPARE(columnTexts(f.results, 0), QStringList({"second", "fifth", "first", "third", "fourth"}));
    }

    void headerClicksAlternatePerColumn()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        for (int c = 1; c <= 8; ++c)
            QVERIFY(!f.view->columnSortAscending(c));

        f.clickHeader(3);
        QVERIFY(f.view->columnSortAscending(3));
        QCOMPARE(columnTexts(f.results, 2), QStringList({"", "-10", "-5", "5", "1,234"}));
        f.clickHeader(3);
        QVERIFY(!f.view->columnSortAscending(3));
        QCOMPARE(columnTexts(f.results, 2), QStringList({"1,234", "5", "-5", "-10", ""}));
        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.results, 1), QStringList({"", "", "-10", "-5", "5"}));
        f.clickHeader(3);
        QVERIFY(f.view->columnSortAscending(3));
        QCOMPARE(columnTexts(f.results, 2), QStringList({"", "-10", "-5", "5", "1,234"}));
        f.clickHeader(1);
        QVERIFY(f.view->columnSortAscending(1));
        QCOMPARE(columnTexts(f.results, 0), QStringList({"http://www.a.com", "http://www.b.com", "http://www.c.com",
                                                         "http://www.D.com", "http://www.e.com"}));
        for (int c : {4, 5, 6, 7, 8})
            QVERIFY(!f.view->columnSortAscending(c));
        // The rank shows as the icon before the site.
        QVERIFY(f.table->model()->index(0, 0).data(Qt::DecorationRole).isNull());
        f.results->completeRow(0, {});
        QCOMPARE(f.table->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 rankIcon(1).cacheKey());
    }

    void headerClickOnAnEmptyTableOnlyFlipsTheFlag()
    {
        Fixture f;
        QVERIFY(f.ok);
        f.clickHeader(5);
        QVERIFY(f.view->columnSortAscending(5));
        QCOMPARE(f.results->rowCount(), 0);
        f.clickHeader(5);
        QVERIFY(!f.view->columnSortAscending(5));
    }

    void headerClicksAreIgnoredWhileAScanRuns()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        const QStringList before = columnTexts(f.results, 0);
        f.view->setScanRunning(true);
        QVERIFY(f.view->isScanRunning());
        f.clickHeader(2);
        f.clickHeader(1);
        QCOMPARE(columnTexts(f.results, 0), before);
        QVERIFY(!f.view->columnSortAscending(2));
        QVERIFY(!f.view->columnSortAscending(1));

        f.view->setScanRunning(false);
        f.clickHeader(3);
        QVERIFY(f.view->columnSortAscending(3));
        QCOMPARE(columnTexts(f.results, 2), QStringList({"", "-10", "-5", "5", "1,234"}));
    }

    void keptSortedPlacesNewRows()
    {
        Fixture f(false);
        fill(f.results, {{"a", "10"}, {"b", "30"}, {"c", "20"}});
        QVERIFY(!f.view->keepSorted());
        f.view->sortByColumn(3, SortDataType::Number, false);
        QVERIFY(f.view->keepSorted());
        QCOMPARE(f.view->sortOrder()->sortColumn(), 3);

        // A row that is added empty and filled afterwards, as a scan does.
        const int added = f.results->insertSite(f.results->rowCount(), "e");
        f.results->setEngineCell(added, 1, "15", QueryOutcome{});
        QTRY_COMPARE(columnTexts(f.results, 0), QStringList({"b", "c", "e", "a"}));

        // Changing a count moves its row while the results are kept sorted.
        f.results->setEngineCell(3, 1, "99", QueryOutcome{});
        QTRY_COMPARE(columnTexts(f.results, 0), QStringList({"a", "b", "c", "e"}));

        f.view->setKeepSorted(false);
        f.results->insertSite(f.results->rowCount(), "f");
        f.results->setEngineCell(4, 1, "1000", QueryOutcome{});
        f.results->setEngineCell(0, 1, "0", QueryOutcome{});
        QTest::qWait(20);
        QCOMPARE(columnTexts(f.results, 0), QStringList({"a", "b", "c", "e", "f"}));
    }

    void rightButtonSelectsTheRowUnderThePointer()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        QMenu* menu = f.window.menus().listViewMenu;

        QTest::mousePress(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(3));
        QCOMPARE(f.selectedRow(), 3);
        QVERIFY(!menu->isVisible());
        QTest::mouseRelease(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(3));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.b.com"));
        menu->hide();

        // Below the last row: the selection goes and no menu opens; the
        // caption keeps the last domain.
        const QPoint empty(20, f.table->viewport()->height() - 5);
        QVERIFY(!f.table->indexAt(empty).isValid());
        QTest::mouseClick(f.table->viewport(), Qt::RightButton, {}, empty);
        QCOMPARE(f.selectedRow(), -1);
        QVERIFY(!f.view->selectedRow());
        QTest::qWait(20);
        QVERIFY(!menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.b.com"));

        QTest::mouseClick(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(0));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.e.com"));
        QCOMPARE(f.selectedRow(), 0);
        menu->hide();
    }

    void popupCaptionShowsAmpersands()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, {{"http://a.com/?x=1&y=2", "1"}});
        QTest::mouseClick(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(0));
        QTRY_VERIFY(f.window.menus().listViewMenu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://a.com/?x=1&&y=2"));
        f.window.menus().listViewMenu->hide();
    }

    void commandsAreAnnounced_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("web");
        QTest::newRow("Save Selected") << "Command4" << false;
        QTest::newRow("pop-up Save Result For") << "mnuSaveResults" << false;
        QTest::newRow("Web Results button") << "Command12" << true;
        QTest::newRow("pop-up Web Results") << "mnuWebResults" << true;
    }

    void commandsAreAnnounced()
    {
        QFETCH(QString, source);
        QFETCH(bool, web);
        Fixture f(false);
        QSignalSpy saves(f.view, &ResultsView::saveRequested);
        QSignalSpy webResults(f.view, &ResultsView::webResultsRequested);
        if (auto* action = f.window.findChild<QAction*>(source))
            action->trigger();
        else
            f.window.findChild<QAbstractButton*>(source)->click();
        QCOMPARE(saves.count(), web ? 0 : 1);
        QCOMPARE(webResults.count(), web ? 1 : 0);
    }

    void doubleClickOnARowAsksForWebResults()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        QSignalSpy webResults(f.view, &ResultsView::webResultsRequested);
        // The view only takes a double-click on the row it saw pressed.
        QTest::mouseClick(f.table->viewport(), Qt::LeftButton, {}, f.rowCenter(1));
        QCOMPARE(webResults.count(), 0);
        QTest::mouseDClick(f.table->viewport(), Qt::LeftButton, {}, f.rowCenter(1));
        QCOMPARE(webResults.count(), 1);
        QCOMPARE(f.selectedRow(), 1);
    }

    void clearEmptiesBothLists_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("Clear All") << "Command5";
        QTest::newRow("pop-up Clear Results") << "mnuClearResults";
    }

    void clearEmptiesBothLists()
    {
        QFETCH(QString, source);
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        QTreeWidget* webList = f.window.webViewPanel()->resultsList();
        webList->addTopLevelItem(new QTreeWidgetItem({"Google", "http://www.google.com/search?q=link:a.com"}));
        f.clickHeader(2);
        f.clickHeader(4);
        f.clickHeader(4);
        QSignalSpy cleared(&f.window, &MainWindow::resultsCleared);
        QVERIFY(f.test.prompts.shown().isEmpty());

        if (auto* action = f.window.findChild<QAction*>(source))
            action->trigger();
        else
            f.window.findChild<QAbstractButton*>(source)->click();

        QCOMPARE(f.results->rowCount(), 0);
        QCOMPARE(webList->topLevelItemCount(), 0);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(f.test.prompts.shown().isEmpty());
        QCOMPARE(f.table->model()->columnCount(), 8);
        QCOMPARE(f.table->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("All The Web"));
        QCOMPARE(webList->columnCount(), 2);
        QVERIFY(f.view->columnSortAscending(2));
        QVERIFY(!f.view->columnSortAscending(4));
        QVERIFY(f.view->keepSorted());
    }
};

QTEST_MAIN(ResultsViewTest)
#include "tst_resultsview.moc"
