#include "help/RichTextDocument.h"

#include "base/ColourContrast.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <utility>

namespace {

// What one piece of RichTextAppender holds at most (beyond its first
// paragraph), and the longest paragraph it shows as one.
constexpr qsizetype pieceCharacters = 16 * 1024;
constexpr qsizetype paragraphCharacters = 4 * 1024;
// Each paragraph costs as much as a short line besides its characters.
constexpr qsizetype paragraphCost = 64;

Qt::Alignment alignmentOf(ParagraphAlignment alignment)
{
    switch (alignment) {
    case ParagraphAlignment::Centre:
        return Qt::AlignHCenter;
    case ParagraphAlignment::Right:
        return Qt::AlignRight;
    case ParagraphAlignment::Justify:
        return Qt::AlignJustify;
    case ParagraphAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Document margins are in pixels of a 96 dpi device.
qreal pointsToPixels(double points)
{
    return points * 96.0 / 72.0;
}

QTextBlockFormat blockFormatOf(const ParagraphFormat& format)
{
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(alignmentOf(format.alignment));
    blockFormat.setLeftMargin(pointsToPixels(format.leftIndent));
    blockFormat.setRightMargin(pointsToPixels(format.rightIndent));
    blockFormat.setTextIndent(pointsToPixels(format.firstLineIndent));
    blockFormat.setTopMargin(pointsToPixels(format.spaceBefore));
    blockFormat.setBottomMargin(pointsToPixels(format.spaceAfter));
    // A hanging first line has a tab stop where the other lines begin, so
    // "bullet, tab, text" lines up with the lines that follow. Tab
    // positions count from where the first line starts.
    if (format.firstLineIndent < 0)
        blockFormat.setTabPositions({QTextOption::Tab(pointsToPixels(-format.firstLineIndent), QTextOption::LeftTab)});
    return blockFormat;
}

QTextCharFormat charFormatOf(const TextFormat& format, const QColor& background)
{
    QTextCharFormat charFormat;
    charFormat.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    charFormat.setFontItalic(format.italic);
    charFormat.setFontUnderline(format.underline);
    charFormat.setFontPointSize(format.pointSize);
    if (!format.fontFamily.isEmpty())
        charFormat.setFontFamilies({format.fontFamily});
    if (format.colour) {
        const QColor colour(format.colour->red, format.colour->green, format.colour->blue);
        if (ColourContrast::ratio(colour, background) >= ColourContrast::textMinimum)
            charFormat.setForeground(colour);
    }
    return charFormat;
}

// Adds the paragraphs to the end of a document that holds nothing yet: its
// one empty block takes the first paragraph.
void fillEmptyDocument(QTextDocument& document, QList<TextParagraph>::const_iterator begin,
                       QList<TextParagraph>::const_iterator end, const QColor& background)
{
    QTextCursor cursor(&document);
    bool first = true;
    for (auto paragraph = begin; paragraph != end; ++paragraph) {
        const QTextBlockFormat blockFormat = blockFormatOf(paragraph->format);
        const QTextCharFormat endFormat = charFormatOf(paragraph->endFormat, background);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(endFormat);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, endFormat);
        }
        for (const TextRun& run : paragraph->runs)
            cursor.insertText(run.text, charFormatOf(run.format, background));
    }
}

// The paragraph as pieces of at most `length` characters each, every piece
// with the paragraph's format.
QList<TextParagraph> splitLongParagraph(const TextParagraph& paragraph, qsizetype length)
{
    QList<TextParagraph> pieces;
    TextParagraph piece;
    piece.format = paragraph.format;
    piece.endFormat = paragraph.endFormat;
    qsizetype pieceSize = 0;
    for (const TextRun& run : paragraph.runs) {
        for (qsizetype start = 0; start < run.text.size();) {
            if (pieceSize == length) {
                pieces.append(std::exchange(piece, TextParagraph{paragraph.format, {}, paragraph.endFormat}));
                pieceSize = 0;
            }
            const qsizetype take = std::min(length - pieceSize, run.text.size() - start);
            piece.runs.append(TextRun{run.text.mid(start, take), run.format});
            pieceSize += take;
            start += take;
        }
    }
    pieces.append(piece);
    return pieces;
}

qsizetype lengthOf(const TextParagraph& paragraph)
{
    qsizetype length = 0;
    for (const TextRun& run : paragraph.runs)
        length += run.text.size();
    return length;
}

} // namespace

void fillTextDocument(QTextDocument& document, const FormattedText& text, const QColor& background)
{
    document.clear();
    fillEmptyDocument(document, text.paragraphs.cbegin(), text.paragraphs.cend(), background);
}

RichTextAppender::RichTextAppender(QTextDocument& document, const FormattedText& text, const QColor& background)
    : m_document(document)
    , m_background(background)
{
    for (const TextParagraph& paragraph : text.paragraphs) {
        if (lengthOf(paragraph) > paragraphCharacters)
            m_paragraphs.append(splitLongParagraph(paragraph, paragraphCharacters));
        else
            m_paragraphs.append(paragraph);
    }
}

bool RichTextAppender::appendPiece()
{
    if (isDone())
        return false;
    const qsizetype begin = m_next;
    qsizetype cost = 0;
    while (m_next < m_paragraphs.size() && (m_next == begin || cost < pieceCharacters)) {
        cost += lengthOf(m_paragraphs.at(m_next)) + paragraphCost;
        ++m_next;
    }
    // The piece is put together apart and added in one step: the text box
    // then lays it out once, not once per paragraph.
    QTextDocument piece;
    fillEmptyDocument(piece, m_paragraphs.cbegin() + begin, m_paragraphs.cbegin() + m_next, m_background);
    QTextCursor cursor(&m_document);
    cursor.movePosition(QTextCursor::End);
    // The piece's first paragraph goes into the block made for it here.
    const TextParagraph& first = m_paragraphs.at(begin);
    if (begin == 0) {
        cursor.setBlockFormat(blockFormatOf(first.format));
        cursor.setBlockCharFormat(charFormatOf(first.endFormat, m_background));
    } else {
        cursor.insertBlock(blockFormatOf(first.format), charFormatOf(first.endFormat, m_background));
    }
    cursor.insertFragment(QTextDocumentFragment(&piece));
    return !isDone();
}
