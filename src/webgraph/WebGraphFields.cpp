#include "webgraph/WebGraphFields.h"

#include <QByteArray>

#include <cstring>

namespace WebGraphFields {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

qsizetype digitRun(QByteArrayView text, qsizetype from)
{
    qsizetype at = from;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - from;
}

// The parts of a number in decimal or exponent form.
struct DecimalParts
{
    QByteArrayView whole;
    QByteArrayView fraction;
    bool negative = false;
    long long exponent = 0;
};

std::optional<DecimalParts> decimalParts(QByteArrayView text)
{
    DecimalParts parts;
    qsizetype at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        parts.negative = text[at++] == '-';
    parts.whole = text.sliced(at, digitRun(text, at));
    at += parts.whole.size();
    if (at < text.size() && text[at] == '.') {
        ++at;
        parts.fraction = text.sliced(at, digitRun(text, at));
        at += parts.fraction.size();
    }
    if (parts.whole.isEmpty() && parts.fraction.isEmpty())
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            negativeExponent = text[at++] == '-';
        const qsizetype digits = digitRun(text, at);
        if (digits == 0)
            return std::nullopt;
        // Exponents beyond a few hundred only matter for zero.
        for (qsizetype i = at; i < at + digits; ++i)
            parts.exponent = qMin<long long>(parts.exponent * 10 + (text[i] - '0'), 100000);
        if (negativeExponent)
            parts.exponent = -parts.exponent;
        at += digits;
    }
    if (at != text.size())
        return std::nullopt;
    return parts;
}

} // namespace

qsizetype split(QByteArrayView line, QByteArrayView* fields, qsizetype capacity)
{
    if (line.endsWith('\r'))
        line.chop(1);
    const char* at = line.data();
    const char* end = at + line.size();
    qsizetype count = 0;
    for (;;) {
        const char* tab = static_cast<const char*>(std::memchr(at, '\t', size_t(end - at)));
        if (count == capacity)
            return capacity + 1;
        fields[count++] = QByteArrayView(at, (tab ? tab : end) - at);
        if (!tab)
            return count;
        at = tab + 1;
    }
}

std::optional<quint64> parseUnsigned(QByteArrayView text)
{
    // 19 digits always fit; the 20th may not.
    if (text.isEmpty() || text.size() > 20)
        return std::nullopt;
    quint64 value = 0;
    for (const char c : text.first(qMin<qsizetype>(text.size(), 19))) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + quint64(c - '0');
    }
    if (text.size() == 20) {
        const quint64 digit = quint64(text[19] - '0');
        if (!isDigit(text[19]) || value > (~quint64(0) - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<quint64> parseWholeNumber(QByteArrayView text)
{
    if (digitRun(text, 0) == text.size())
        return parseUnsigned(text);
    const std::optional<DecimalParts> parts = decimalParts(text);
    if (!parts)
        return std::nullopt;
    // The digits without the point, and where the point goes after the
    // exponent moved it.
    QByteArray digits = parts->whole.toByteArray() + parts->fraction.toByteArray();
    long long point = parts->whole.size() + parts->exponent;
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    digits = digits.mid(first);
    point -= first;
    if (digits.isEmpty())
        return 0;
    if (parts->negative || point <= 0 || point > 20)
        return std::nullopt;
    for (qsizetype i = qsizetype(point); i < digits.size(); ++i) {
        if (digits[i] != '0')
            return std::nullopt;
    }
    if (digits.size() > point)
        digits.truncate(qsizetype(point));
    else
        digits.append(QByteArray(qsizetype(point) - digits.size(), '0'));
    return parseUnsigned(digits);
}

bool isDecimalNumber(QByteArrayView text)
{
    QByteArrayView unsignedText = text;
    if (unsignedText.startsWith('+') || unsignedText.startsWith('-'))
        unsignedText = unsignedText.sliced(1);
    if (text == "NaN" || unsignedText == "Infinity")
        return true;
    return decimalParts(text).has_value();
}

bool isName(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        const uchar byte = uchar(c);
        if (byte <= 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

QString shown(QByteArrayView text)
{
    constexpr qsizetype longest = 80;
    const QString whole = QString::fromLatin1(text.first(qMin(text.size(), longest)));
    return QStringLiteral("\"%1%2\"").arg(whole, text.size() > longest ? QStringLiteral("...") : QString());
}

} // namespace WebGraphFields
