#pragma once

#include <QCollator>
#include <QList>
#include <QSortFilterProxyModel>

#include <memory>
#include <optional>
#include <vector>

class ScanResults;
struct ResultRow;

// The results in the order a view shows them, sorted by one column through
// the typed ScanResults::SortKeyRole: the site's column as text in the
// locale's alphabetical order without regard to letter case, the others as
// numbers, none (no count, no total) before every number. Descending is the
// reverse order, and rows of equal keys keep the order they were shown in,
// either way. The results' own rows never move.
//
// After sortBy() the rows are kept sorted: rows added later, and changes in
// the sorted column, go to their sorted place once control returns to the
// event loop, until keep-sorted is switched off. While it is off, shown
// rows stay where they are, and rows the scan inserts at the top of the
// results are shown at the top, in their order.
class ResultsSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ResultsSortProxy(ScanResults* results, QObject* parent = nullptr);
    ~ResultsSortProxy() override;

    ScanResults* results() const { return m_results; }

    // Sorts by the column and switches keep-sorted on. A column outside the
    // table is ignored.
    void sortBy(int column, Qt::SortOrder order);
    void setKeepSorted(bool on);
    bool keepSorted() const { return m_keepSorted; }

    // The row shown at this position, which must be one.
    const ResultRow& rowAt(int shownRow) const;
    // Every row in the order shown.
    QList<ResultRow> rowsAsShown() const;
    // The rows as shown, sorted by the column as sortBy() would sort them;
    // what is shown stays as it is.
    QList<ResultRow> rowsSortedBy(int column, Qt::SortOrder order) const;

    // Sorts as sortBy() does, leaving keep-sorted as it is.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void keepSortedChanged(bool on);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    class Keys;

    // The sort keys of these rows of the results in one column.
    Keys keysOf(int column, const QList<int>& sourceRows) const;
    // By row of the results: each of the rows' place among their sites
    // sorted by the collator, equal sites sharing one.
    std::vector<int> textRanksOf(const QList<int>& sourceRows) const;
    void sourceChanged();
    void resortIfKept();

    ScanResults* m_results;
    QCollator m_collator;
    // The keys of every row while a sort runs, by row of the results:
    // comparing them is far cheaper than reading and collating the cells at
    // every comparison.
    std::unique_ptr<Keys> m_sortKeys;
    bool m_keepSorted = false;
    bool m_resortPending = false;
};
