#include "results/ResultsSortOrder.h"

#include "results/ScanResults.h"

#include <QTimer>

ResultsSortOrder::ResultsSortOrder(ScanResults* results)
    : QObject(results)
    , m_results(results)
{
    connect(results, &QAbstractItemModel::rowsInserted, this, &ResultsSortOrder::rowsChanged);
    connect(results, &QAbstractItemModel::modelReset, this, &ResultsSortOrder::rowsChanged);
    connect(results, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int column = m_sortColumn - 1;
                if (topLeft.column() <= column && column <= bottomRight.column())
                    rowsChanged();
            });
}

void ResultsSortOrder::sortByColumn(int column1Based, SortDataType type, bool ascending)
{
    if (column1Based < 1 || column1Based > m_results->columnCount())
        return;
    m_sortColumn = column1Based;
    m_sortType = type;
    m_sortAscending = ascending;
    m_keepSorted = true;
    sortNow();
}

void ResultsSortOrder::rowsChanged()
{
    if (m_reordering || !m_keepSorted || m_sortColumn == 0 || m_resortPending)
        return;
    // Rows are usually filled cell by cell right after they are added: one
    // sort once the caller is done places them by their final texts.
    m_resortPending = true;
    QTimer::singleShot(0, this, &ResultsSortOrder::resortIfKept);
}

void ResultsSortOrder::resortIfKept()
{
    m_resortPending = false;
    if (m_keepSorted && m_sortColumn != 0)
        sortNow();
}

void ResultsSortOrder::sortNow()
{
    m_reordering = true;
    m_results->sortRows(m_sortColumn - 1, m_sortType, m_sortAscending);
    m_reordering = false;
}
