#pragma once

#include "results/SortKeys.h"

#include <QObject>

class ScanResults;

// The sort of the results by one column, as text or as numbers, and the
// "keep sorted" state: after a sort the results stay sorted by that column,
// so rows added later (and later changes to their cells in that column)
// move to their sorted place once control returns to the event loop, until
// keep-sorted is switched off.
class ResultsSortOrder : public QObject
{
    Q_OBJECT

public:
    explicit ResultsSortOrder(ScanResults* results);

    // Sorts by the column at 1-based position column1Based and switches
    // keep-sorted on. A column outside the table is ignored.
    void sortByColumn(int column1Based, SortDataType type, bool ascending);

    void setKeepSorted(bool on) { m_keepSorted = on; }
    bool keepSorted() const { return m_keepSorted; }

    // The column of the last sort (1-based; 0 before the first sort), its
    // data type and direction.
    int sortColumn() const { return m_sortColumn; }
    SortDataType sortDataType() const { return m_sortType; }
    bool sortAscending() const { return m_sortAscending; }

private:
    void rowsChanged();
    void resortIfKept();
    void sortNow();

    ScanResults* m_results;
    bool m_keepSorted = false;
    bool m_reordering = false;
    bool m_resortPending = false;
    int m_sortColumn = 0;
    SortDataType m_sortType = SortDataType::Text;
    bool m_sortAscending = true;
};
