#include "help/FormattedText.h"

#include <QStringList>

QString TextParagraph::plainText() const
{
    QString text;
    for (const TextRun& run : runs)
        text += run.text;
    return text;
}

QString FormattedText::plainText() const
{
    QStringList lines;
    lines.reserve(paragraphs.size());
    for (const TextParagraph& paragraph : paragraphs)
        lines.append(paragraph.plainText());
    return lines.join(QLatin1Char('\n'));
}

void FormattedText::scale(double factor)
{
    for (TextParagraph& paragraph : paragraphs) {
        for (double* points :
             {&paragraph.format.leftIndent, &paragraph.format.rightIndent, &paragraph.format.firstLineIndent,
              &paragraph.format.spaceBefore, &paragraph.format.spaceAfter})
            *points *= factor;
        paragraph.endFormat.pointSize *= factor;
        for (TextRun& run : paragraph.runs)
            run.format.pointSize *= factor;
    }
}
