#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtEndian>

#include <bit>
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
// A field or line for a message: quoted, and cut after 80 bytes.
QString shown(QByteArrayView text);

// Quick reads of well-formed lines, eight bytes at a time, for the parse
// loops: each returns false for anything else, leaving the line to the
// careful functions above, which say what is wrong. They may read up to 16
// bytes past the line's '\n', so the text must be followed by that many
// readable bytes.

// The number of `digits` (1 to 8) decimal digits at the start of the eight
// bytes: they move to the top, most significant first, and are added up in
// pairs, fours and eights.
inline quint64 leadingDigits(quint64 bytes, int digits)
{
    quint64 number = (bytes - 0x3030303030303030ull) << (8 * (8 - digits));
    number = (number * 10 + (number >> 8)) & 0x00FF00FF00FF00FFull;
    number = (number * 100 + (number >> 16)) & 0x0000FFFF0000FFFFull;
    return (number * 10000 + (number >> 32)) & 0x00000000FFFFFFFFull;
}

// A number of 1 to 16 digits at `at`, followed by the byte `after`; `at`
// moves past that byte.
inline bool readNumber(const char*& at, char after, quint64& value)
{
    // Static, so that the table is not built on the stack at every call.
    static constexpr quint64 powersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    quint64 number = 0;
    for (const char* word = at; word < at + 16; word += 8) {
        const quint64 bytes = qFromLittleEndian<quint64>(word);
        // The first byte outside '0'..'9' is the lowest with its top bit set
        // in one of the two sums: no carry or borrow reaches it from below.
        const quint64 outside =
            ((bytes + 0x4646464646464646ull) | (bytes - 0x3030303030303030ull)) & 0x8080808080808080ull;
        const int digits = outside == 0 ? 8 : std::countr_zero(outside) / 8;
        if (digits > 0)
            number = number * powersOfTen[digits] + leadingDigits(bytes, digits);
        if (digits < 8) {
            if (word + digits == at || word[digits] != after)
                return false;
            value = number;
            at = word + digits + 1;
            return true;
        }
    }
    return false;
}

// The end of the name at `at`: the first control character, space or
// DEL, which for a good line is the tab or newline after the name.
inline const char* nameEnd(const char* at)
{
    for (;; at += 8) {
        const quint64 bytes = qFromLittleEndian<quint64>(at);
        // Bytes below 0x21, and bytes equal to 0x7F; as above, the lowest
        // flagged byte is exact.
        const quint64 low = (bytes - 0x2121212121212121ull) & ~bytes & 0x8080808080808080ull;
        const quint64 del = bytes ^ 0x7F7F7F7F7F7F7F7Full;
        const quint64 deletes = (del - 0x0101010101010101ull) & ~del & 0x8080808080808080ull;
        if (const quint64 stop = low | deletes)
            return at + std::countr_zero(stop) / 8;
    }
}

// A decimal or exponent number ("4.48e-09", "1.4451489E7") at `at`,
// followed by `after`; `at` moves past that byte.
inline bool skipDecimal(const char*& at, char after)
{
    const char* p = at;
    const auto digits = [&p] {
        const char* start = p;
        while (unsigned(uchar(*p)) - '0' <= 9)
            ++p;
        return p != start;
    };
    if (*p == '-' || *p == '+')
        ++p;
    bool mantissa = digits();
    if (*p == '.') {
        ++p;
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '-' || *p == '+')
            ++p;
        if (!digits())
            return false;
    }
    if (*p != after)
        return false;
    at = p + 1;
    return true;
}

} // namespace WebGraphFields
