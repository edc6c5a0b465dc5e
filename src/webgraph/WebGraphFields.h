#pragma once

#include <QByteArrayView>

#include <optional>

// The fields of the graph files' tab-separated lines.
namespace WebGraphFields {

// Splits a line (without its '\n') at tabs, dropping a final '\r'. Returns
// the number of fields, capacity + 1 when there are more.
qsizetype split(QByteArrayView line, QByteArrayView* fields, qsizetype capacity);

// A vertex id or a count: decimal digits only, up to 2^64 - 1.
std::optional<quint64> parseUnsigned(QByteArrayView text);
// A count or position that may also be written as a decimal or Java
// floating-point number, provided its value is whole: "14451489",
// "1.4451489E7", "3.0".
std::optional<quint64> parseWholeNumber(QByteArrayView text);
// A decimal or Java floating-point number: "4.48e-09", "1.4451489E7",
// "-2", "NaN", "Infinity".
bool isDecimalNumber(QByteArrayView text);
// A reversed host or domain name: at least one byte, none of them a
// control character or a space.
bool isName(QByteArrayView text);

} // namespace WebGraphFields
