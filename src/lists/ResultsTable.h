#pragma once

#include "lists/SortKeys.h"

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

// Sorting of a report-style table by one column, as text or as numbers,
// and the table's "keep sorted" state: after a sort the table stays sorted
// by that column, so rows added later (and later changes to their cells in
// that column) move to their sorted place once control returns to the
// event loop, until keep-sorted is switched off.
class ResultsTable : public QObject
{
    Q_OBJECT

public:
    explicit ResultsTable(QTreeWidget* table);

    QTreeWidget* table() const { return m_table; }

    // Sorts by the column at 1-based position column1Based and switches
    // keep-sorted on. Cell texts are never changed; the items themselves,
    // the selection and the current row are kept. A column outside the
    // table is ignored.
    void sortListView(int column1Based, SortDataType type, bool ascending);

    void setKeepSorted(bool on);
    bool keepSorted() const { return m_keepSorted; }

    // The column of the last sort (1-based; 0 before the first sort), its
    // data type and direction.
    int sortColumn() const { return m_sortColumn; }
    SortDataType sortDataType() const { return m_sortType; }
    bool sortAscending() const { return m_sortAscending; }

    // Reorders the top-level rows of any tree widget by a 0-based column,
    // keeping the items, their data, the selection and the current item.
    // Equal keys keep their relative order.
    static void sortRows(QTreeWidget* table, int column, SortDataType type, bool ascending);

    // The row a command acts on: the current row when it is selected, else
    // the first selected row, else none.
    static QTreeWidgetItem* selectedRow(const QTreeWidget* table);

private:
    void rowsChanged();
    void resortIfKept();

    QTreeWidget* m_table;
    bool m_keepSorted = false;
    bool m_reordering = false;
    bool m_resortPending = false;
    int m_sortColumn = 0;
    SortDataType m_sortType = SortDataType::Text;
    bool m_sortAscending = true;
};
