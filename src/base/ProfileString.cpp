#include "base/IniFile.h"

#include "base/IniFileAccess.h"
#include "base/LocalFile.h"

#include <QList>

// The platform-style profile write works on the file's bytes line by line,
// so that every line it does not change is written back exactly as it was
// (with its own line end, spacing and encoding). It finds the section and
// the key as the reader does, on the text the reader decodes: where a
// hand-edited line could mean more than one thing ("[ Engines ]",
// "  Google = x"), the line is left alone and the key is written where the
// reader will find it.

namespace {

struct RawLine
{
    QByteArray text;
    QByteArray ending;
};

const QByteArray crLf = QByteArrayLiteral("\r\n");

QList<RawLine> splitRawLines(const QByteArray& bytes)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype endingStart = i;
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        lines.append({bytes.mid(start, endingStart - start), bytes.mid(endingStart, i + 1 - endingStart)});
        start = i + 1;
    }
    if (start < size)
        lines.append({bytes.mid(start), QByteArray()});
    return lines;
}

QByteArray joinRawLines(const QList<RawLine>& lines)
{
    QByteArray bytes;
    for (const RawLine& line : lines)
        bytes += line.text + line.ending;
    return bytes;
}

void insertAfter(QList<RawLine>& lines, qsizetype index, const RawLine& line)
{
    if (index >= 0 && lines[index].ending.isEmpty())
        lines[index].ending = crLf;
    lines.insert(index + 1, line);
}

} // namespace

bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& file,
                        QString* error)
{
    if (!IniFileAccess::checkWriteArguments(section, key, value, error))
        return false;
    QByteArray bytes;
    if (LocalFile::readBytes(file, bytes, error) == LocalFile::ReadStatus::Failed)
        return false;

    QList<RawLine> lines = splitRawLines(bytes);
    // Decoding keeps every CR and LF, so both split at the same line ends and
    // line i of the text is raw line i.
    const QStringList texts = IniFileAccess::splitLines(LocalFile::decode(bytes));
    const RawLine keyLine{LocalFile::encode(IniFileAccess::keyLine(key, value)), crLf};

    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size() && header < 0; ++i) {
        if (IniFileAccess::isHeaderOf(texts.value(i), section))
            header = i;
    }

    if (header < 0) {
        const qsizetype last = lines.size() - 1;
        insertAfter(lines, last, {LocalFile::encode(IniFileAccess::headerLine(section)), crLf});
        lines.append(keyLine);
    } else {
        qsizetype lastInSection = header;
        qsizetype found = -1;
        for (qsizetype i = header + 1; i < lines.size() && found < 0; ++i) {
            const QString text = texts.value(i);
            if (IniFileAccess::isHeader(text))
                break;
            // A new key goes after the section's last line that is not blank.
            if (text.trimmed().isEmpty())
                continue;
            lastInSection = i;
            if (IniFileAccess::isKeyLineOf(text, key))
                found = i;
        }
        if (found >= 0)
            lines[found].text = keyLine.text;
        else
            insertAfter(lines, lastInSection, keyLine);
    }

    return LocalFile::writeBytes(file, joinRawLines(lines), error);
}
