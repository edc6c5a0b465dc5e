#pragma once

#include "help/FormattedText.h"

#include <QList>

class QTextDocument;

// Replaces the content of the document with the formatted text.
void fillTextDocument(QTextDocument& document, const FormattedText& text);

// Fills an empty document with formatted text one bounded piece at a time,
// so that a document shown in a text box can be filled between the window's
// other events: the box lays out each piece as it comes, and a piece never
// holds more than a few thousand characters. For the same reason a very long
// paragraph is shown as several paragraphs of the same format.
class RichTextAppender
{
public:
    RichTextAppender(QTextDocument& document, const FormattedText& text);

    // Adds the next piece; false once the whole text is in.
    bool appendPiece();
    bool isDone() const { return m_next >= m_paragraphs.size(); }

private:
    QTextDocument& m_document;
    QList<TextParagraph> m_paragraphs;
    qsizetype m_next = 0;
};
