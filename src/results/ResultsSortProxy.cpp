#include "results/ResultsSortProxy.h"

#include "results/ResultsColumns.h"
#include "results/ScanResults.h"

#include <QCollatorSortKey>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <numeric>
#include <thread>
#include <vector>

namespace {

// None before every number.
bool numberLess(const std::optional<qint64>& a, const std::optional<qint64>& b)
{
    return b && (!a || *a < *b);
}

std::optional<qint64> numberOf(const QVariant& key)
{
    return key.isValid() ? std::optional<qint64>(key.toLongLong()) : std::nullopt;
}

// The site's text as compared: case-folded first, because not every
// collation backend honours case insensitivity.
QString foldedText(const QString& site)
{
    return site.toCaseFolded();
}

} // namespace

// One column's keys, by row of the results. A site's key is its place in
// the collation order of the sites sorted, equal sites sharing one, so that
// the many comparisons of a sort compare numbers.
class ResultsSortProxy::Keys
{
public:
    bool less(int a, int b) const
    {
        const auto left = static_cast<std::size_t>(a);
        const auto right = static_cast<std::size_t>(b);
        if (m_isText)
            return m_textRanks[left] < m_textRanks[right];
        return numberLess(m_numbers[left], m_numbers[right]);
    }

    bool m_isText = false;
    std::vector<int> m_textRanks;
    std::vector<std::optional<qint64>> m_numbers;
};

ResultsSortProxy::ResultsSortProxy(ScanResults* results, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_results(results)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Rows keep their place unless sorted on purpose: a scan adds rows and
    // fills their cells one by one.
    setDynamicSortFilter(false);
    setSourceModel(results);
    connect(results, &QAbstractItemModel::rowsInserted, this, &ResultsSortProxy::sourceChanged);
    connect(results, &QAbstractItemModel::modelReset, this, &ResultsSortProxy::sourceChanged);
    connect(results, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (topLeft.column() <= sortColumn() && sortColumn() <= bottomRight.column())
                    sourceChanged();
            });
}

ResultsSortProxy::~ResultsSortProxy() = default;

void ResultsSortProxy::sortBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_results->columnCount())
        return;
    sort(column, order);
    setKeepSorted(true);
}

void ResultsSortProxy::setKeepSorted(bool on)
{
    if (on == m_keepSorted)
        return;
    m_keepSorted = on;
    emit keepSortedChanged(on);
}

void ResultsSortProxy::sort(int column, Qt::SortOrder order)
{
    if (column >= 0 && column < m_results->columnCount()) {
        QList<int> everyRow(m_results->rowCount());
        std::iota(everyRow.begin(), everyRow.end(), 0);
        m_sortKeys = std::make_unique<Keys>(keysOf(column, everyRow));
    }
    QSortFilterProxyModel::sort(column, order);
    m_sortKeys.reset();
}

bool ResultsSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (m_sortKeys)
        return m_sortKeys->less(left.row(), right.row());
    // A single row placed among sorted ones.
    const QVariant leftKey = left.data(ScanResults::SortKeyRole);
    const QVariant rightKey = right.data(ScanResults::SortKeyRole);
    if (left.column() == ResultsColumns::domainName)
        return m_collator.compare(foldedText(leftKey.toString()), foldedText(rightKey.toString())) < 0;
    return numberLess(numberOf(leftKey), numberOf(rightKey));
}

ResultsSortProxy::Keys ResultsSortProxy::keysOf(int column, const QList<int>& sourceRows) const
{
    Keys keys;
    keys.m_isText = column == ResultsColumns::domainName;
    const auto size = static_cast<std::size_t>(m_results->rowCount());
    if (keys.m_isText) {
        keys.m_textRanks = textRanksOf(sourceRows);
        return keys;
    }
    keys.m_numbers.resize(size);
    for (const int row : sourceRows)
        keys.m_numbers[static_cast<std::size_t>(row)] =
            numberOf(m_results->index(row, column).data(ScanResults::SortKeyRole));
    return keys;
}

std::vector<int> ResultsSortProxy::textRanksOf(const QList<int>& sourceRows) const
{
    // Folding the sites, their collation keys and the keys' order take
    // most of the time: a large table has them done in two halves on two
    // threads, each with a collator of its own, and merges the halves.
    const auto rowCount = static_cast<std::size_t>(sourceRows.size());
    auto collationKeys = std::make_shared<std::vector<std::optional<QCollatorSortKey>>>(rowCount);
    const auto keyLess = [&keys = *collationKeys](int a, int b) {
        return keys[static_cast<std::size_t>(a)]->compare(*keys[static_cast<std::size_t>(b)]) < 0;
    };
    std::vector<int> order(rowCount);
    std::iota(order.begin(), order.end(), 0);
    const auto sortPart = [this, &sourceRows, &keys = *collationKeys, &order, &keyLess](const QCollator& collator,
                                                                                        qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            keys[static_cast<std::size_t>(i)] = collator.sortKey(foldedText(m_results->row(sourceRows.at(i)).site));
        std::sort(order.begin() + from, order.begin() + to, keyLess);
    };
    constexpr qsizetype rowsForTwoThreads = 4096;
    const qsizetype half = sourceRows.size() >= rowsForTwoThreads ? sourceRows.size() / 2 : sourceRows.size();
    std::optional<QCollator> secondCollator;
    std::thread second;
    if (half < sourceRows.size()) {
        secondCollator.emplace(m_collator.locale());
        secondCollator->setCaseSensitivity(m_collator.caseSensitivity());
        second = std::thread(sortPart, std::cref(*secondCollator), half, sourceRows.size());
    }
    sortPart(m_collator, 0, half);
    if (second.joinable()) {
        second.join();
        std::inplace_merge(order.begin(), order.begin() + half, order.end(), keyLess);
    }

    std::vector<int> ranks(static_cast<std::size_t>(m_results->rowCount()), 0);
    int rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keyLess(order[i - 1], order[i]))
            ++rank;
        ranks[static_cast<std::size_t>(sourceRows.at(order[i]))] = rank;
    }
    // Freeing tens of thousands of keys takes milliseconds the sort need
    // not wait for.
    if (rowCount >= rowsForTwoThreads)
        QThreadPool::globalInstance()->start([keys = std::move(collationKeys)]() mutable { keys.reset(); });
    return ranks;
}

const ResultRow& ResultsSortProxy::rowAt(int shownRow) const
{
    return m_results->row(mapToSource(index(shownRow, 0)).row());
}

QList<ResultRow> ResultsSortProxy::rowsAsShown() const
{
    QList<ResultRow> rows;
    rows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        rows << rowAt(row);
    return rows;
}

QList<ResultRow> ResultsSortProxy::rowsSortedBy(int column, Qt::SortOrder order) const
{
    QList<int> sourceRows;
    sourceRows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        sourceRows << mapToSource(index(row, 0)).row();
    if (column >= 0 && column < m_results->columnCount()) {
        const Keys keys = keysOf(column, sourceRows);
        if (order == Qt::AscendingOrder)
            std::stable_sort(sourceRows.begin(), sourceRows.end(), [&](int a, int b) { return keys.less(a, b); });
        else
            std::stable_sort(sourceRows.begin(), sourceRows.end(), [&](int a, int b) { return keys.less(b, a); });
    }
    QList<ResultRow> rows;
    rows.reserve(sourceRows.size());
    for (const int row : std::as_const(sourceRows))
        rows << m_results->row(row);
    return rows;
}

void ResultsSortProxy::sourceChanged()
{
    if (!m_keepSorted || sortColumn() < 0 || m_resortPending)
        return;
    // Rows are usually filled cell by cell right after they are added: one
    // sort once the caller is done places them by their final cells.
    m_resortPending = true;
    QTimer::singleShot(0, this, &ResultsSortProxy::resortIfKept);
}

void ResultsSortProxy::resortIfKept()
{
    m_resortPending = false;
    if (m_keepSorted && sortColumn() >= 0)
        sort(sortColumn(), sortOrder());
}
