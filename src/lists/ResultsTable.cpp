#include "lists/ResultsTable.h"

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QTimer>
#include <QTreeWidget>

ResultsTable::ResultsTable(QTreeWidget* table)
    : QObject(table)
    , m_table(table)
{
    QAbstractItemModel* model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (!parent.isValid())
            rowsChanged();
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int column = m_sortColumn - 1;
                if (!topLeft.parent().isValid() && topLeft.column() <= column && column <= bottomRight.column())
                    rowsChanged();
            });
}

void ResultsTable::sortListView(int column1Based, SortDataType type, bool ascending)
{
    if (column1Based < 1 || column1Based > m_table->columnCount())
        return;
    m_sortColumn = column1Based;
    m_sortType = type;
    m_sortAscending = ascending;
    m_keepSorted = true;

    m_reordering = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    sortRows(m_table, column1Based - 1, type, ascending);
    QGuiApplication::restoreOverrideCursor();
    m_reordering = false;
}

void ResultsTable::setKeepSorted(bool on)
{
    m_keepSorted = on;
}

void ResultsTable::rowsChanged()
{
    if (m_reordering || !m_keepSorted || m_sortColumn == 0 || m_resortPending)
        return;
    // Rows are usually filled cell by cell right after they are added: one
    // sort once the caller is done places them by their final texts.
    m_resortPending = true;
    QTimer::singleShot(0, this, &ResultsTable::resortIfKept);
}

void ResultsTable::resortIfKept()
{
    m_resortPending = false;
    if (!m_keepSorted || m_sortColumn == 0)
        return;
    m_reordering = true;
    sortRows(m_table, m_sortColumn - 1, m_sortType, m_sortAscending);
    m_reordering = false;
}

void ResultsTable::sortRows(QTreeWidget* table, int column, SortDataType type, bool ascending)
{
    QTreeWidgetItem* root = table->invisibleRootItem();
    const int count = root->childCount();
    if (count < 2 || column < 0 || column >= table->columnCount())
        return;

    QStringList texts;
    texts.reserve(count);
    for (int row = 0; row < count; ++row)
        texts << root->child(row)->text(column);
    const QList<int> order = SortKeys::sortedOrder(texts, type, ascending);
    bool moved = false;
    for (int row = 0; row < count && !moved; ++row)
        moved = order[row] != row;
    if (!moved)
        return;

    QTreeWidgetItem* current = table->currentItem();
    const int currentColumn = qMax(0, table->currentColumn());
    const QList<QTreeWidgetItem*> selected = table->selectedItems();
    const bool updates = table->updatesEnabled();
    table->setUpdatesEnabled(false);

    // Taking all rows out and putting them back in one step each is linear;
    // moving rows one by one would be quadratic.
    const QList<QTreeWidgetItem*> items = root->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(count);
    for (int index : order)
        sorted << items[index];
    root->addChildren(sorted);

    if (current)
        table->setCurrentItem(current, currentColumn, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
    table->setUpdatesEnabled(updates);
}

QTreeWidgetItem* ResultsTable::selectedRow(const QTreeWidget* table)
{
    QTreeWidgetItem* current = table->currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QTreeWidgetItem*> selected = table->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}
