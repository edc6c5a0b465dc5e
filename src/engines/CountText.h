#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The one rule that turns a count's text into its number, for every place a
// count is read: a page once its source's rule has cleaned it, a JSON reply,
// the kept session and the saved searches. A count is written as decimal
// digits and nothing else (spaces around them allowed): no sign, no
// separators, no fraction, no exponent.
namespace CountText {

// Whether the text is a count's digits, whatever their number.
bool isCount(QStringView text);

// The number of a count that fits in 64 bits; nothing for any other text,
// the empty text among them.
std::optional<qint64> number(QStringView text);

// A count as the results table shows it and the files hold it: its decimal
// digits, the empty text for no count.
QString of(const std::optional<qint64>& count);

} // namespace CountText
