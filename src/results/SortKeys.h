#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// How the cells of a column are compared when a table is sorted by it.
enum class SortDataType { Text = 0, Number = 1 };

namespace SortKeys {

// A cell read as a number. Cells that are not numbers (the empty text
// among them) sort before every number.
struct NumberKey
{
    bool numeric = false;
    double value = 0.0;
};

// Reads a cell as a number in the given locale: an optional sign, digits
// with the locale's group separators and decimal separator, surrounding
// spaces allowed. Infinity and NaN are not numbers here.
NumberKey numberKey(const QString& text, const QLocale& locale);

// Non-numeric first, then the numbers in increasing order.
bool numberLess(const NumberKey& a, const NumberKey& b);

// The positions of the texts in sorted order. Text columns follow the
// locale's alphabetical order without regard to letter case; number
// columns follow numberLess(). Descending is the reverse order. Equal keys
// keep their relative order in both directions.
QList<int> sortedOrder(const QStringList& texts, SortDataType type, bool ascending, const QLocale& locale = QLocale());

} // namespace SortKeys
