#include "help/HelpText.h"

#include "help/RtfReader.h"

#include <QCoreApplication>
#include <QFile>

namespace HelpText {

QString leftOutNotice()
{
    return QCoreApplication::translate("HelpText", "[The rest of the help file is not shown: it is too long.]");
}

std::optional<FormattedText> read(const QString& path, const Limits& limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const bool fileCut = file.size() > limits.fileBytes;
    const QByteArray bytes = file.read(fileCut ? limits.fileBytes : file.size());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    std::optional<FormattedText> text = readRtf(bytes, RtfLimits{limits.characters, limits.paragraphs});
    if (!text)
        return std::nullopt;
    if (text->partial || fileCut) {
        text->partial = true;
        TextParagraph notice;
        notice.format.spaceBefore = 12.0;
        notice.runs.append(TextRun{leftOutNotice(), TextFormat{}});
        notice.runs.last().format.italic = true;
        notice.endFormat = notice.runs.last().format;
        text->paragraphs.append(notice);
    }
    return text;
}

} // namespace HelpText
