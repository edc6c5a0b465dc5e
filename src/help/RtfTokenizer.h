#pragma once

#include <QByteArray>

#include <optional>

// One lexical element of an RTF stream.
struct RtfToken
{
    enum class Kind {
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \word or \wordN; a backslash before a line break reads as \par
        ControlSymbol, // \ followed by one non-letter, such as \~ \{ \*
        HexByte,       // \'hh: one byte of the document's code page, in bytes
        Text,          // plain bytes, line breaks removed
        BinaryData,    // the N bytes that follow \binN
        End
    };

    Kind kind = Kind::End;
    QByteArray word;
    bool hasParameter = false;
    int parameter = 0;
    char symbol = 0;
    QByteArray bytes;
};

// Splits RTF bytes into tokens. It accepts any input: a truncated control
// word, a lone backslash or \' at the end, and numbers of any length
// (clamped to the int range) all give tokens, never an error.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(const QByteArray& data);

    RtfToken next();

private:
    // Nothing for a control that stands for nothing.
    std::optional<RtfToken> readControl();
    RtfToken readControlWord();
    std::optional<RtfToken> readHexByte();
    RtfToken readText();
    int readParameter(bool* found);

    QByteArray m_data;
    qsizetype m_pos = 0;
    qsizetype m_binaryLength = 0;
};
