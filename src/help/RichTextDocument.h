#pragma once

#include "help/FormattedText.h"

#include <QColor>
#include <QList>

class QTextDocument;

// Replaces the content of the document with the formatted text, shown on
// the background given. A coloured run keeps its colour only where it
// stands out from that background enough to read (ColourContrast); else it
// takes the viewer's text colour, so a heading made for white paper still
// reads on a dark desktop.
void fillTextDocument(QTextDocument& document, const FormattedText& text, const QColor& background);

// Fills an empty document with formatted text one bounded piece at a time,
// so that a document shown in a text box can be filled between the window's
// other events: the box lays out each piece as it comes, and a piece never
// holds more than a few thousand characters. For the same reason a very long
// paragraph is shown as several paragraphs of the same format.
class RichTextAppender
{
public:
    RichTextAppender(QTextDocument& document, const FormattedText& text, const QColor& background);

    // Adds the next piece; false once the whole text is in.
    bool appendPiece();
    bool isDone() const { return m_next >= m_paragraphs.size(); }

private:
    QTextDocument& m_document;
    QList<TextParagraph> m_paragraphs;
    QColor m_background;
    qsizetype m_next = 0;
};
