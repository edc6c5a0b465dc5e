#pragma once

#include "results/ResultsColumns.h"

#include <QGroupBox>

class QAction;
class QIcon;
class QMenu;
class QTableView;
class QToolButton;
class ResultsSortProxy;
class ScanResults;
struct ResultRow;

// The rank icons: 1 low (red), 2 medium (yellow), 3 high (green); none for
// any other rank.
QIcon rankIcon(int rank);

// The "Results - Data View" frame: the results table, a view of the scan
// results sorted through a ResultsSortProxy, with the rank shown as an icon
// before the site and a warning mark on a cell whose query failed or found
// no count; and its three buttons. Sorts the table by a column when its
// header is clicked (each column alternating between ascending and
// descending; the header shows the sort while the table is kept sorted),
// selects rows with the right button and shows the table's pop-up menu.
// Saving, web results and clearing are announced by signals for the
// commands that own them. Columns are numbered from 0 (ResultsColumns).
class ResultsView : public QGroupBox
{
    Q_OBJECT

public:
    explicit ResultsView(ScanResults* results, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    ScanResults* results() const { return m_results; }
    // The results in the table's order.
    ResultsSortProxy* shownResults() const { return m_shown; }
    QToolButton* saveSelectedButton() const { return m_saveSelected; }
    QToolButton* webResultsButton() const { return m_webResults; }
    QToolButton* clearAllButton() const { return m_clearAll; }

    // The row a command acts on: the current row when it is selected, else
    // the first selected row, else none.
    const ResultRow* selectedRow() const;

    // The pop-up menu of a right click on a row. The caption of saveResults
    // names the row; triggering the three actions emits saveRequested(),
    // webResultsRequested() and clearRequested().
    void setPopupMenu(QMenu* menu, QAction* saveResults, QAction* webResults, QAction* clearResults);

    // While a scan runs, header clicks neither sort nor flip the column's
    // direction.
    void setScanRunning(bool running);
    bool isScanRunning() const { return m_scanRunning; }

    // The direction of the last header-click sort of a column; false for
    // every column at start. The next click sorts the other way.
    bool columnSortAscending(int column) const;

    // Sorts the table and keeps it sorted (ResultsSortProxy); the selection
    // and the current row stay with their rows.
    void sortByColumn(int column, Qt::SortOrder order);
    // Whether rows added later go to their sorted place; the scan switches
    // it off while it adds rows.
    void setKeepSorted(bool on);
    bool keepSorted() const;

signals:
    // "Save Selected" or the pop-up's "Save Result For ...".
    void saveRequested();
    // "Web Results" (button or pop-up) or a double-click on a row.
    void webResultsRequested();
    // "Clear All" or the pop-up's "Clear Results".
    void clearRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void columnClicked(int column);
    // Widths and sort directions for the columns the results have now.
    void sourceColumnsChanged();
    // Each column at its design width or its caption's, the total and the
    // counts at least as wide as their widest value. Once shown, columns
    // that would not fit give up width down to their caption or widest
    // value, the site's column last.
    void fitColumns();
    // The width of the column's widest value, 0 for an empty table.
    int widestValueWidth(int column) const;
    // The header's sort indicator as the table is sorted.
    void showSortIndicator();
    void rightButtonPressed(const QPoint& position);
    void rightButtonReleased(const QPoint& position, const QPoint& globalPosition);

    ScanResults* m_results;
    ResultsSortProxy* m_shown;
    QTableView* m_table;
    QToolButton* m_saveSelected;
    QToolButton* m_webResults;
    QToolButton* m_clearAll;
    QMenu* m_popupMenu = nullptr;
    QAction* m_saveResultsAction = nullptr;
    bool m_scanRunning = false;
    bool m_shownBefore = false;
    // Sized to the columns whenever the sources' columns change.
    QList<bool> m_columnSortAscending;
};
