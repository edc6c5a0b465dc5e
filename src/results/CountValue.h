#pragma once

#include <QStringView>

#include <optional>

// The number an engine's count text stands for: a whole decimal number with
// an optional sign, spaces around it allowed. Anything else has no number:
// the empty text (no count), "-", words, fractions, thousands separators,
// exponents and numbers beyond 64 bits. Totals and the current-results chart
// count such a cell as 0; a saved-search chart leaves a gap for it.
std::optional<qint64> countValue(QStringView text);
