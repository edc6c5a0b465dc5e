#include "help/RtfTokenizer.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken tokenOfKind(RtfToken::Kind kind)
{
    RtfToken token;
    token.kind = kind;
    return token;
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray& data)
    : m_data(data)
{}

RtfToken RtfTokenizer::next()
{
    if (m_binaryLength > 0) {
        const qsizetype length = std::min(m_binaryLength, m_data.size() - m_pos);
        m_binaryLength = 0;
        RtfToken token = tokenOfKind(RtfToken::Kind::BinaryData);
        token.bytes = m_data.mid(m_pos, length);
        m_pos += length;
        return token;
    }

    // Elements that carry nothing are passed over here, in a loop: a file
    // of nothing but such elements must not cost a call level each.
    for (;;) {
        while (m_pos < m_data.size() && isLineBreak(m_data.at(m_pos)))
            ++m_pos;
        if (m_pos >= m_data.size())
            return tokenOfKind(RtfToken::Kind::End);

        switch (m_data.at(m_pos)) {
        case '{':
            ++m_pos;
            return tokenOfKind(RtfToken::Kind::GroupStart);
        case '}':
            ++m_pos;
            return tokenOfKind(RtfToken::Kind::GroupEnd);
        case '\\':
            ++m_pos;
            if (std::optional<RtfToken> token = readControl())
                return *token;
            break;
        default:
            return readText();
        }
    }
}

std::optional<RtfToken> RtfTokenizer::readControl()
{
    // A backslash as the very last byte stands for nothing.
    if (m_pos >= m_data.size())
        return tokenOfKind(RtfToken::Kind::End);

    const char c = m_data.at(m_pos);
    if (isLetter(c))
        return readControlWord();
    if (c == '\'') {
        ++m_pos;
        return readHexByte();
    }
    ++m_pos;
    if (isLineBreak(c)) {
        RtfToken token = tokenOfKind(RtfToken::Kind::ControlWord);
        token.word = QByteArrayLiteral("par");
        return token;
    }
    RtfToken token = tokenOfKind(RtfToken::Kind::ControlSymbol);
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::readControlWord()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data.at(m_pos)))
        ++m_pos;

    RtfToken token = tokenOfKind(RtfToken::Kind::ControlWord);
    token.word = m_data.mid(start, m_pos - start);
    token.parameter = readParameter(&token.hasParameter);

    // One space after a control word is its delimiter, not text.
    if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
        ++m_pos;

    if (token.word == "bin" && token.hasParameter && token.parameter > 0)
        m_binaryLength = token.parameter;
    return token;
}

int RtfTokenizer::readParameter(bool* found)
{
    *found = false;
    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data.at(m_pos) == '-' && isDigit(m_data.at(m_pos + 1))) {
        negative = true;
        ++m_pos;
    }
    // Digits beyond the int range are read but saturate the value.
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    while (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
        *found = true;
        if (value <= limit)
            value = value * 10 + (m_data.at(m_pos) - '0');
        ++m_pos;
    }
    value = std::min(value, limit);
    return static_cast<int>(negative ? -value : value);
}

std::optional<RtfToken> RtfTokenizer::readHexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_data.size()) {
        const int digit = hexValue(m_data.at(m_pos));
        if (digit < 0)
            break;
        value = value * 16 + digit;
        ++digits;
        ++m_pos;
    }
    // A \' without any hex digit carries no byte.
    if (digits == 0)
        return std::nullopt;

    RtfToken token = tokenOfKind(RtfToken::Kind::HexByte);
    token.bytes = QByteArray(1, static_cast<char>(value));
    return token;
}

RtfToken RtfTokenizer::readText()
{
    RtfToken token = tokenOfKind(RtfToken::Kind::Text);
    while (m_pos < m_data.size()) {
        const char c = m_data.at(m_pos);
        if (c == '{' || c == '}' || c == '\\')
            break;
        if (!isLineBreak(c))
            token.bytes.append(c);
        ++m_pos;
    }
    return token;
}
