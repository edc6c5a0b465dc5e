#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "base/Twips.h"
#include "engines/CountText.h"
#include "results/ResultsSortProxy.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "support/ModelTexts.h"
#include "support/TestContext.h"
#include "webview/WebViewPanel.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QCollator>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

namespace {

// Rows of domain name and a count that every engine column shows; the total
// is that count, or none.
void fill(ScanResults* results, const QList<QStringList>& rows)
{
    QList<ResultRow> all = results->rows();
    for (const QStringList& cells : rows) {
        const std::optional<qint64> count = CountText::number(cells[1]);
        ResultRow row{cells[0], QList<EngineCell>(results->sourceColumns().size(), EngineCell{count, {}}), count, 0};
        all << row;
    }
    results->setRows(all);
}

QStringList sitesOf(const QList<ResultRow>& rows)
{
    QStringList sites;
    for (const ResultRow& row : rows)
        sites << row.site;
    return sites;
}

QList<QStringList> sample()
{
    return {{"http://www.e.com", "5"},
            {"http://www.a.com", "0"},
            {"http://www.D.com", ""},
            {"http://www.b.com", "1234"},
            {"http://www.c.com", "40"}};
}

} // namespace

class ResultsViewTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        explicit Fixture(bool visible = true)
        {
            if (visible) {
                window.show();
                ok = QTest::qWaitForWindowExposed(&window);
            }
        }

        void clickHeader(int column)
        {
            QHeaderView* header = table->horizontalHeader();
            const int x = header->sectionViewportPosition(column) + 10;
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
        ResultsSortProxy* shown = view->shownResults();
        QTableView* table = window.findChild<QTableView*>("ListView1");
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
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("domains");
        QTest::newRow("total ascending, no number first")
            << 1 << true
            << QStringList{"http://www.D.com", "http://www.a.com", "http://www.e.com", "http://www.c.com",
                           "http://www.b.com"};
        QTest::newRow("total descending") << 1 << false
                                          << QStringList{"http://www.b.com", "http://www.c.com", "http://www.e.com",
                                                         "http://www.a.com", "http://www.D.com"};
        QTest::newRow("last count descending")
            << 7 << false
            << QStringList{"http://www.b.com", "http://www.c.com", "http://www.e.com", "http://www.a.com",
                           "http://www.D.com"};
        QTest::newRow("domain ascending, any case")
            << 0 << true
            << QStringList{"http://www.a.com", "http://www.b.com", "http://www.c.com", "http://www.D.com",
                           "http://www.e.com"};
        QTest::newRow("domain descending") << 0 << false
                                           << QStringList{"http://www.e.com", "http://www.D.com", "http://www.c.com",
                                                          "http://www.b.com", "http://www.a.com"};
        QTest::newRow("column outside the table leaves the order")
            << 8 << true
            << QStringList{"http://www.e.com", "http://www.a.com", "http://www.D.com", "http://www.b.com",
                           "http://www.c.com"};
    }

    // The table shows the rows sorted; the results keep theirs.
    void sortByColumn()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, domains);
        Fixture f(false);
        QAbstractItemModelTester tester(f.shown, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(f.results, sample());
        const QStringList resultsOrder = columnTexts(f.results, 0);
        QMap<QString, QStringList> before;
        for (int row = 0; row < f.results->rowCount(); ++row)
            before[f.results->row(row).site] = rowTexts(f.results, row);
        f.view->sortByColumn(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        QCOMPARE(columnTexts(f.shown, 0), domains);
        QCOMPARE(columnTexts(f.results, 0), resultsOrder);
        // Every row keeps its cells exactly as they were shown.
        for (int row = 0; row < f.shown->rowCount(); ++row)
            QCOMPARE(rowTexts(f.shown, row), before.value(f.shown->rowAt(row).site));
        QCOMPARE(sitesOf(f.shown->rowsAsShown()), domains);
        // A copy sorted the other way leaves the table as it is.
        const QList<ResultRow> reversed =
            f.shown->rowsSortedBy(column, ascending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCOMPARE(columnTexts(f.shown, 0), domains);
        // The sample's keys differ, so the other way is the reverse.
        QStringList otherWay = domains;
        if (column < f.results->columnCount())
            std::reverse(otherWay.begin(), otherWay.end());
        QCOMPARE(sitesOf(reversed), otherWay);
    }

    // A table large enough to be keyed on two threads: the sites in the
    // collator's order, ignoring case, sites that are equal in their first
    // order (each row has its own counts, which tell them apart).
    void largeTableSortsBySite()
    {
        Fixture f(false);
        const QStringList stems{"b-site", "Bsite", "a.example", "A.example", "zebra", "xn--e1afmkfd", "b_site", "10"};
        QList<QStringList> rows;
        for (int i = 0; i < 5000; ++i)
            rows << QStringList{QStringLiteral("http://www.%1%2.com").arg(stems[i % stems.size()]).arg(i % 97),
                                QString::number(i)};
        fill(f.results, rows);
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        QList<int> expected(rows.size());
        std::iota(expected.begin(), expected.end(), 0);
        const auto bySite = [&](QList<int> order) {
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return collator.compare(rows[a][0].toCaseFolded(), rows[b][0].toCaseFolded()) < 0;
            });
            return order;
        };
        const QList<int> sorted = bySite(expected);
        f.view->sortByColumn(ResultsColumns::domainName, Qt::AscendingOrder);
        for (int row = 0; row < f.shown->rowCount(); ++row)
            QCOMPARE(f.shown->rowAt(row).total, std::optional<qint64>(sorted[row]));
        // A copy sorted from another order keeps that order among equal sites.
        f.view->sortByColumn(ResultsColumns::total, Qt::DescendingOrder);
        std::reverse(expected.begin(), expected.end());
        const QList<int> fromDescending = bySite(expected);
        const QList<ResultRow> copy = f.shown->rowsSortedBy(ResultsColumns::domainName, Qt::AscendingOrder);
        for (int row = 0; row < copy.size(); ++row)
            QCOMPARE(copy[row].total, std::optional<qint64>(fromDescending[row]));
    }

    void sortKeepsSelectionAndCurrentRow()
    {
        Fixture f(false);
        fill(f.results, sample());
        f.table->setCurrentIndex(f.table->model()->index(3, 2));
        f.view->sortByColumn(2, Qt::AscendingOrder);
        QCOMPARE(f.table->currentIndex().row(), 4);
        QCOMPARE(f.table->currentIndex().column(), 2);
        QCOMPARE(f.selectedRow(), 4);
        QCOMPARE(f.view->selectedRow()->site, QStringLiteral("http://www.b.com"));
    }

    void equalTotalsKeepTheirOrder()
    {
        Fixture f(false);
        fill(f.results, {{"first", "7"}, {"second", "3"}, {"third", "7"}, {"fourth", "07"}, {"fifth", "3"}});
        f.view->sortByColumn(1, Qt::DescendingOrder);
        QCOMPARE(columnTexts(f.shown, 0), QStringList({"first", "third", "fourth", "second", "fifth"}));
        f.view->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(columnTexts(f.shown, 0), QStringList({"second", "fifth", "first", "third", "fourth"}));
        QCOMPARE(sitesOf(f.shown->rowsSortedBy(1, Qt::DescendingOrder)),
                 QStringList({"first", "third", "fourth", "second", "fifth"}));
    }

    void headerClicksAlternatePerColumn()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        QHeaderView* header = f.table->horizontalHeader();
        for (int c = 0; c < 8; ++c)
            QVERIFY(!f.view->columnSortAscending(c));
        QCOMPARE(header->sortIndicatorSection(), -1);

        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.shown, 2), QStringList({"", "0", "5", "40", "1234"}));
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        f.clickHeader(2);
        QVERIFY(!f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.shown, 2), QStringList({"1234", "40", "5", "0", ""}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        f.clickHeader(1);
        QVERIFY(f.view->columnSortAscending(1));
        QCOMPARE(columnTexts(f.shown, 1), QStringList({"", "0", "5", "40", "1234"}));
        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.shown, 2), QStringList({"", "0", "5", "40", "1234"}));
        f.clickHeader(0);
        QVERIFY(f.view->columnSortAscending(0));
        QCOMPARE(columnTexts(f.shown, 0), QStringList({"http://www.a.com", "http://www.b.com", "http://www.c.com",
                                                       "http://www.D.com", "http://www.e.com"}));
        QCOMPARE(header->sortIndicatorSection(), 0);
        for (int c : {3, 4, 5, 6, 7})
            QVERIFY(!f.view->columnSortAscending(c));
        // The rank shows as the icon before the site.
        const QModelIndex first = f.shown->mapFromSource(f.results->index(0, 0));
        QVERIFY(first.data(Qt::DecorationRole).isNull());
        f.results->completeRow(0, {});
        QCOMPARE(first.data(Qt::DecorationRole).value<QIcon>().cacheKey(), rankIcon(1).cacheKey());
    }

    void headerClickOnAnEmptyTableOnlyFlipsTheFlag()
    {
        Fixture f;
        QVERIFY(f.ok);
        f.clickHeader(4);
        QVERIFY(f.view->columnSortAscending(4));
        QCOMPARE(f.results->rowCount(), 0);
        f.clickHeader(4);
        QVERIFY(!f.view->columnSortAscending(4));
    }

    void headerClicksAreIgnoredWhileAScanRuns()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.results, sample());
        const QStringList before = columnTexts(f.shown, 0);
        f.view->setScanRunning(true);
        QVERIFY(f.view->isScanRunning());
        f.clickHeader(1);
        f.clickHeader(0);
        QCOMPARE(columnTexts(f.shown, 0), before);
        QVERIFY(!f.view->columnSortAscending(1));
        QVERIFY(!f.view->columnSortAscending(0));
        QCOMPARE(f.table->horizontalHeader()->sortIndicatorSection(), -1);

        f.view->setScanRunning(false);
        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.shown, 2), QStringList({"", "0", "5", "40", "1234"}));
    }

    void keptSortedPlacesNewRows()
    {
        Fixture f(false);
        QAbstractItemModelTester tester(f.shown, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(f.results, {{"a", "10"}, {"b", "30"}, {"c", "20"}});
        QVERIFY(!f.view->keepSorted());
        f.view->sortByColumn(2, Qt::DescendingOrder);
        QVERIFY(f.view->keepSorted());
        QCOMPARE(f.shown->sortColumn(), 2);

        // A row that is added empty and filled afterwards, as a scan does.
        const int added = f.results->insertSite(f.results->rowCount(), "e");
        f.results->setEngineCell(added, 1, 15, QueryOutcome{});
        QTRY_COMPARE(columnTexts(f.shown, 0), QStringList({"b", "c", "e", "a"}));

        // Changing a count moves its row while the results are kept sorted.
        f.results->setEngineCell(0, 1, 99, QueryOutcome{});
        QTRY_COMPARE(columnTexts(f.shown, 0), QStringList({"a", "b", "c", "e"}));
        QCOMPARE(columnTexts(f.results, 0), QStringList({"a", "b", "c", "e"}));

        // Not kept sorted: what is shown stays, rows added at the end of the
        // results come last and rows added at their top come first, in order.
        f.view->setKeepSorted(false);
        QCOMPARE(f.table->horizontalHeader()->sortIndicatorSection(), -1);
        f.results->insertSite(f.results->rowCount(), "f");
        f.results->setEngineCell(4, 1, 1000, QueryOutcome{});
        f.results->setEngineCell(0, 1, 0, QueryOutcome{});
        f.results->insertSite(0, "g");
        f.results->insertSite(1, "h");
        QTest::qWait(20);
        QCOMPARE(columnTexts(f.shown, 0), QStringList({"g", "h", "a", "b", "c", "e", "f"}));
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
        f.clickHeader(1);
        f.clickHeader(3);
        f.clickHeader(3);
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
        QVERIFY(f.view->columnSortAscending(1));
        QVERIFY(!f.view->columnSortAscending(3));
        QVERIFY(f.view->keepSorted());
    }

    void columnsFitAsTheWindowOpens_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<bool>("siteKeepsItsWidth");
        QTest::newRow("room for every column") << 1000 << true;
        QTest::newRow("narrow window") << 500 << false;
    }

    // Kept results: the total and the counts as wide as their widest value
    // (they would be cut at their design widths); the site's column keeps
    // its design width where the window has room, else gives some up.
    void columnsFitAsTheWindowOpens()
    {
        QFETCH(int, windowWidth);
        QFETCH(bool, siteKeepsItsWidth);
        Fixture f(false);
        fill(f.results, {{"http://www.a.com", "7"}, {"http://www.b.com", "987654321"}});
        // A view of its own, as the main window stays within the screen.
        ResultsView view(f.results);
        view.resize(windowWidth, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTableView* table = view.table();
        QTRY_VERIFY(table->columnWidth(ResultsColumns::total) > twips(950));
        const QHeaderView* header = table->horizontalHeader();
        for (int column = ResultsColumns::total; column < table->model()->columnCount(); ++column) {
            const int widest = table->sizeHintForIndex(table->model()->index(1, column)).width();
            QVERIFY2(table->columnWidth(column) >= widest, qPrintable(QString::number(column)));
        }
        const int siteWidth = table->columnWidth(ResultsColumns::domainName);
        if (siteKeepsItsWidth) {
            QCOMPARE(siteWidth, twips(2750));
        } else {
            QVERIFY(siteWidth < twips(2750));
            QVERIFY(siteWidth >= header->fontMetrics().horizontalAdvance(QStringLiteral("Domain Name")));
        }
    }
};

QTEST_MAIN(ResultsViewTest)
#include "tst_resultsview.moc"
