#include "results/SortKeys.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

QList<int> identityOrder(qsizetype count)
{
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

template <typename Key, typename Less>
void sortByKeys(QList<int>& order, const std::vector<Key>& keys, bool ascending, Less less)
{
    if (ascending) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[a], keys[b]); });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[b], keys[a]); });
    }
}

} // namespace

SortKeys::NumberKey SortKeys::numberKey(const QString& text, const QLocale& locale)
{
    // Counts are plain runs of digits, which read the same in every locale;
    // reading them directly is many times faster than the locale's parser.
    if (text.isEmpty())
        return {};
    if (text.size() <= 15) {
        double value = 0.0;
        bool digitsOnly = true;
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                digitsOnly = false;
                break;
            }
            value = value * 10.0 + (c.unicode() - '0');
        }
        if (digitsOnly)
            return {true, value};
    }

    bool ok = false;
    const double value = locale.toDouble(QStringView(text).trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return {};
    return {true, value};
}

bool SortKeys::numberLess(const NumberKey& a, const NumberKey& b)
{
    if (a.numeric != b.numeric)
        return !a.numeric;
    return a.numeric && a.value < b.value;
}

QList<int> SortKeys::sortedOrder(const QStringList& texts, SortDataType type, bool ascending, const QLocale& locale)
{
    QList<int> order = identityOrder(texts.size());
    if (type == SortDataType::Number) {
        std::vector<NumberKey> keys;
        keys.reserve(texts.size());
        for (const QString& text : texts)
            keys.push_back(numberKey(text, locale));
        sortByKeys(order, keys, ascending, numberLess);
        return order;
    }

    // Keys once per row; comparing keys is far cheaper than collating the
    // texts at every comparison. The text is case-folded first because not
    // every collation backend honours case insensitivity in its keys.
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& text : texts)
        keys.push_back(collator.sortKey(text.toCaseFolded()));
    sortByKeys(order, keys, ascending,
               [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
    return order;
}
