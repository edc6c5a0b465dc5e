#pragma once

#include <QList>
#include <QString>

#include <optional>

// Text with the little formatting the help window shows: paragraphs with an
// alignment, made of runs of equally formatted text. It holds no Qt Gui
// types, so the RTF reader that produces it lives in the core library.

struct TextColour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const TextColour&) const = default;
};

struct TextFormat
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString fontFamily; // empty: the viewer's default font
    double pointSize = 12.0;
    std::optional<TextColour> colour; // none: the viewer's default text colour

    bool operator==(const TextFormat&) const = default;
};

struct TextRun
{
    QString text; // may hold tabs and line separators (U+2028)
    TextFormat format;
};

enum class ParagraphAlignment { Left, Centre, Right, Justify };

// Indents and spacing are in points.
struct ParagraphFormat
{
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    double leftIndent = 0.0;
    double rightIndent = 0.0;
    double firstLineIndent = 0.0; // from the left indent; negative for a hanging first line
    double spaceBefore = 0.0;
    double spaceAfter = 0.0;

    bool operator==(const ParagraphFormat&) const = default;
};

struct TextParagraph
{
    ParagraphFormat format;
    QList<TextRun> runs;
    // The format in force where the paragraph ends; it sets the height of a
    // paragraph that holds no text.
    TextFormat endFormat;

    QString plainText() const;
};

struct FormattedText
{
    QList<TextParagraph> paragraphs;
    // Text past a limit of the reader was left out.
    bool partial = false;

    // The paragraphs' texts joined by line feeds.
    QString plainText() const;
    // Makes the text larger or smaller by the factor: its font sizes, and
    // its indents and spacing with them.
    void scale(double factor);
    bool isEmpty() const { return paragraphs.isEmpty(); }
};
