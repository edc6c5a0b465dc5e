#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "lists/ResultsTable.h"
#include "lists/ResultsView.h"
#include "support/TestContext.h"
#include "webview/WebViewPanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

// Rows of domain name and total; the engine columns hold the total too.
void fill(QTreeWidget* table, const QList<QStringList>& rows)
{
    for (const QStringList& row : rows) {
        QStringList cells = row;
        while (cells.size() < 8)
            cells << row.value(1);
        table->addTopLevelItem(new QTreeWidgetItem(cells));
    }
}

QStringList columnTexts(const QTreeWidget* table, int index)
{
    QStringList texts;
    for (int row = 0; row < table->topLevelItemCount(); ++row)
        texts << table->topLevelItem(row)->text(index);
    return texts;
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

        QPoint rowCenter(int row) const { return table->visualItemRect(table->topLevelItem(row)).center(); }

        TestContext test;
        MainWindow window{test.context};
        ResultsView* view = window.resultsView();
        QTreeWidget* table = window.findChild<QTreeWidget*>("ListView1");
        bool ok = true;
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void sortListView_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("domains");
        QTest::newRow("total ascending") << 2 << int(SortDataType::Number) << true
                                         << QStringList{"http://www.D.com", "http://www.a.com", "http://www.c.com",
                                                        "http://www.e.com", "http://www.b.com"};
        QTest::newRow("total descending") << 2 << int(SortDataType::Number) << false
                                          << QStringList{"http://www.b.com", "http://www.e.com", "http://www.c.com",
                                                         "http://www.a.com", "http://www.D.com"};
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

    void sortListView()
    {
        QFETCH(int, column);
        QFETCH(int, type);
        QFETCH(bool, ascending);
        QFETCH(QStringList, domains);
        Fixture f(false);
        fill(f.table, sample());
        QMap<QString, QStringList> before;
        for (int row = 0; row < f.table->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = f.table->topLevelItem(row);
            for (int cell = 0; cell < 8; ++cell)
                before[item->text(0)] << item->text(cell);
        }
        f.view->sortListView(column, SortDataType(type), ascending);
        QCOMPARE(columnTexts(f.table, 0), domains);
        // Every row keeps its cells exactly as they were shown.
        for (int row = 0; row < f.table->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = f.table->topLevelItem(row);
            QStringList cells;
            for (int cell = 0; cell < 8; ++cell)
                cells << item->text(cell);
            QCOMPARE(cells, before.value(item->text(0)));
        }
    }

    void sortKeepsItemsDataAndSelection()
    {
        Fixture f(false);
        fill(f.table, sample());
        QTreeWidgetItem* chosen = f.table->topLevelItem(3);
        chosen->setData(0, Qt::UserRole, QStringLiteral("tag"));
        f.table->setCurrentItem(chosen);
        f.view->sortListView(2, SortDataType::Number, true);
        QCOMPARE(f.table->topLevelItem(4), chosen);
        QCOMPARE(f.table->currentItem(), chosen);
        QCOMPARE(f.table->selectedItems(), QList<QTreeWidgetItem*>{chosen});
        QCOMPARE(chosen->data(0, Qt::UserRole).toString(), QStringLiteral("tag"));
    }

    void equalTotalsKeepTheirOrder()
    {
        Fixture f(false);
        fill(f.table, {{"first", "7"}, {"second", "3"}, {"third", "7"}, {"fourth", "7.0"}, {"fifth", "3"}});
        f.view->sortListView(2, SortDataType::Number, false);
        QCOMPARE(columnTexts(f.table, 0), QStringList({"first", "third", "fourth", "second", "fifth"}));
        f.view->sortListView(2, SortDataType::Number, true);
        QCOMPARE(columnTexts(f.table, 0), QStringList({"second", "fifth", "first", "third", "fourth"}));
    }

    void headerClicksAlternatePerColumn()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.table, sample());
        for (int c = 1; c <= 8; ++c)
            QVERIFY(!f.view->columnSortAscending(c));

        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.table, 1), QStringList({"", "-10", "-5", "5", "1,234"}));
        f.clickHeader(2);
        QVERIFY(!f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.table, 1), QStringList({"1,234", "5", "-5", "-10", ""}));
        f.clickHeader(3);
        QVERIFY(f.view->columnSortAscending(3));
        QCOMPARE(columnTexts(f.table, 2), QStringList({"", "-10", "-5", "5", "1,234"}));
        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.table, 1), QStringList({"", "-10", "-5", "5", "1,234"}));
        f.clickHeader(1);
        QVERIFY(f.view->columnSortAscending(1));
        QCOMPARE(columnTexts(f.table, 0), QStringList({"http://www.a.com", "http://www.b.com", "http://www.c.com",
                                                       "http://www.D.com", "http://www.e.com"}));
        for (int c : {4, 5, 6, 7, 8})
            QVERIFY(!f.view->columnSortAscending(c));
    }

    void headerClickOnAnEmptyTableOnlyFlipsTheFlag()
    {
        Fixture f;
        QVERIFY(f.ok);
        f.clickHeader(5);
        QVERIFY(f.view->columnSortAscending(5));
        QCOMPARE(f.table->topLevelItemCount(), 0);
        f.clickHeader(5);
        QVERIFY(!f.view->columnSortAscending(5));
    }

    void headerClicksAreIgnoredWhileAScanRuns()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.table, sample());
        const QStringList before = columnTexts(f.table, 0);
        f.view->setScanRunning(true);
        QVERIFY(f.view->isScanRunning());
        f.clickHeader(2);
        f.clickHeader(1);
        QCOMPARE(columnTexts(f.table, 0), before);
        QVERIFY(!f.view->columnSortAscending(2));
        QVERIFY(!f.view->columnSortAscending(1));

        f.view->setScanRunning(false);
        f.clickHeader(2);
        QVERIFY(f.view->columnSortAscending(2));
        QCOMPARE(columnTexts(f.table, 1), QStringList({"", "-10", "-5", "5", "1,234"}));
    }

    void keptSortedPlacesNewRows()
    {
        Fixture f(false);
        fill(f.table, {{"a", "10"}, {"b", "30"}, {"c", "20"}});
        QVERIFY(!f.view->keepSorted());
        f.view->sortListView(2, SortDataType::Number, false);
        QVERIFY(f.view->keepSorted());
        QCOMPARE(f.view->resultsTable()->sortColumn(), 2);

        fill(f.table, {{"d", "25"}});
        // A row that is added empty and filled afterwards, as a scan does.
        auto* filledLater = new QTreeWidgetItem(f.table);
        filledLater->setText(0, "e");
        filledLater->setText(1, "15");
        QTRY_COMPARE(columnTexts(f.table, 0), QStringList({"b", "d", "c", "e", "a"}));

        // Changing a total moves its row while the table is kept sorted.
        f.table->topLevelItem(4)->setText(1, "99");
        QTRY_COMPARE(columnTexts(f.table, 0), QStringList({"a", "b", "d", "c", "e"}));

        f.view->setKeepSorted(false);
        fill(f.table, {{"f", "1000"}});
        f.table->topLevelItem(0)->setText(1, "0");
        QTest::qWait(20);
        QCOMPARE(columnTexts(f.table, 0), QStringList({"a", "b", "d", "c", "e", "f"}));
    }

    void rightButtonSelectsTheRowUnderThePointer()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.table, sample());
        QMenu* menu = f.window.menus().listViewMenu;

        QTest::mousePress(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(3));
        QCOMPARE(f.table->selectedItems(), QList<QTreeWidgetItem*>{f.table->topLevelItem(3)});
        QVERIFY(!menu->isVisible());
        QTest::mouseRelease(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(3));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.b.com"));
        menu->hide();

        // Below the last row: the selection goes and no menu opens; the
        // caption keeps the last domain.
        const QPoint empty(20, f.table->viewport()->height() - 5);
        QVERIFY(!f.table->itemAt(empty));
        QTest::mouseClick(f.table->viewport(), Qt::RightButton, {}, empty);
        QVERIFY(f.table->selectedItems().isEmpty());
        QTest::qWait(20);
        QVERIFY(!menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.b.com"));

        QTest::mouseClick(f.table->viewport(), Qt::RightButton, {}, f.rowCenter(0));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(f.window.menus().saveResults->text(), QStringLiteral("Save Result For http://www.e.com"));
        QCOMPARE(f.table->selectedItems(), QList<QTreeWidgetItem*>{f.table->topLevelItem(0)});
        menu->hide();
    }

    void popupCaptionShowsAmpersands()
    {
        Fixture f;
        QVERIFY(f.ok);
        fill(f.table, {{"http://a.com/?x=1&y=2", "1"}});
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
        fill(f.table, sample());
        QSignalSpy webResults(f.view, &ResultsView::webResultsRequested);
        // The view only takes a double-click on the row it saw pressed.
        QTest::mouseClick(f.table->viewport(), Qt::LeftButton, {}, f.rowCenter(1));
        QCOMPARE(webResults.count(), 0);
        QTest::mouseDClick(f.table->viewport(), Qt::LeftButton, {}, f.rowCenter(1));
        QCOMPARE(webResults.count(), 1);
        QCOMPARE(f.table->selectedItems(), QList<QTreeWidgetItem*>{f.table->topLevelItem(1)});
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
        fill(f.table, sample());
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

        QCOMPARE(f.table->topLevelItemCount(), 0);
        QCOMPARE(webList->topLevelItemCount(), 0);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(f.test.prompts.shown().isEmpty());
        QCOMPARE(f.table->columnCount(), 8);
        QCOMPARE(f.table->headerItem()->text(7), QStringLiteral("All The Web"));
        QCOMPARE(webList->columnCount(), 2);
        QVERIFY(f.view->columnSortAscending(2));
        QVERIFY(!f.view->columnSortAscending(4));
        QVERIFY(f.view->keepSorted());
    }
};

QTEST_MAIN(ResultsViewTest)
#include "tst_resultsview.moc"
