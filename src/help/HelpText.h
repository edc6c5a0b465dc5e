#pragma once

#include "help/FormattedText.h"

#include <QString>

#include <optional>

// Help.rtf as the help window shows it. However large the file, what is read
// stays within limits a text box can show without trouble: the start of the
// file, then a last paragraph saying that the rest is not shown.
namespace HelpText {

struct Limits
{
    qint64 fileBytes = 64 * 1024 * 1024;
    qsizetype characters = 2 * 1024 * 1024;
    qsizetype paragraphs = 50000;
};

// The last paragraph of a text that was cut.
QString leftOutNotice();

// The help text of the file; nothing when the file cannot be read or is not
// RTF.
std::optional<FormattedText> read(const QString& path, const Limits& limits = {});

} // namespace HelpText
