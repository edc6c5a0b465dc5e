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
