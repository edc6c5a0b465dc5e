#include "app/RichTextDocument.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

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

QTextCharFormat charFormatOf(const TextFormat& format)
{
    QTextCharFormat charFormat;
    charFormat.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    charFormat.setFontItalic(format.italic);
    charFormat.setFontUnderline(format.underline);
    charFormat.setFontPointSize(format.pointSize);
    if (!format.fontFamily.isEmpty())
        charFormat.setFontFamilies({format.fontFamily});
    if (format.colour)
        charFormat.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    return charFormat;
}

} // namespace

void fillTextDocument(QTextDocument& document, const FormattedText& text)
{
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const TextParagraph& paragraph : text.paragraphs) {
        const QTextBlockFormat blockFormat = blockFormatOf(paragraph.format);
        const QTextCharFormat endFormat = charFormatOf(paragraph.endFormat);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(endFormat);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, endFormat);
        }
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(run.text, charFormatOf(run.format));
    }
}
