#include "base/IniFile.h"

#include "base/IniFileAccess.h"
#include "base/LocalFile.h"

#include <QList>

// The platform-style profile write works on the file's bytes line by line,
// so that every line it does not change is written back exactly as it was
// (with its own line end, spacing and encoding).

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

// The platform reads names with the white space around them removed.
QString lineText(const RawLine& line)
{
    return LocalFile::decode(line.text).trimmed();
}

bool isHeaderText(const QString& text)
{
    return text.startsWith(u'[');
}

bool isHeaderOf(const QString& text, const QString& section)
{
    if (!isHeaderText(text))
        return false;
    const qsizetype close = text.indexOf(u']');
    const QString name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
    return IniFileAccess::sameName(name, section);
}

bool isKeyLineOf(const QString& text, const QString& key)
{
    const qsizetype equals = text.indexOf(u'=');
    return equals >= 0 && IniFileAccess::sameName(QStringView(text).left(equals).trimmed(), key);
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
    const RawLine keyLine{LocalFile::encode(key + u'=' + value), crLf};

    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size() && header < 0; ++i) {
        if (isHeaderOf(lineText(lines.at(i)), section))
            header = i;
    }

    if (header < 0) {
        const qsizetype last = lines.size() - 1;
        insertAfter(lines, last, {LocalFile::encode(u'[' + section + u']'), crLf});
        lines.append(keyLine);
    } else {
        qsizetype lastInSection = header;
        qsizetype found = -1;
        for (qsizetype i = header + 1; i < lines.size() && found < 0; ++i) {
            const QString text = lineText(lines.at(i));
            if (isHeaderText(text))
                break;
            if (text.isEmpty())
                continue;
            lastInSection = i;
            if (isKeyLineOf(text, key))
                found = i;
        }
        if (found >= 0)
            lines[found].text = keyLine.text;
        else
            insertAfter(lines, lastInSection, keyLine);
    }

    return LocalFile::writeBytes(file, joinRawLines(lines), error);
}
