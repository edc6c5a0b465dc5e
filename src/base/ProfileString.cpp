#include "base/IniFile.h"

#include "base/IniFileAccess.h"
#include "base/LocalFile.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

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

// The file as raw lines beside the text the reader decodes from them.
// Decoding keeps every CR and LF, so both split at the same line ends and
// line i of the text is raw line i.
struct RawFile
{
    QList<RawLine> lines;
    QStringList texts;

    bool load(const QString& file, QString* error)
    {
        QByteArray bytes;
        if (LocalFile::readBytes(file, bytes, error) == LocalFile::ReadStatus::Failed)
            return false;
        lines = splitRawLines(bytes);
        texts = IniFileAccess::splitLines(LocalFile::decode(bytes));
        return true;
    }

    bool save(const QString& file, QString* error) const
    {
        return LocalFile::writeBytes(file, joinRawLines(lines), error);
    }

    QString text(qsizetype line) const { return texts.value(line); }

    // The first header of the section from this line on, or -1.
    qsizetype findHeader(const QString& section, qsizetype from = 0) const
    {
        for (qsizetype i = from; i < lines.size(); ++i) {
            if (IniFileAccess::isHeaderOf(text(i), section))
                return i;
        }
        return -1;
    }

    // One past the section's last line: the next header, or the end.
    qsizetype sectionEnd(qsizetype header) const
    {
        qsizetype end = header + 1;
        while (end < lines.size() && !IniFileAccess::isHeader(text(end)))
            ++end;
        return end;
    }

    // Takes the lines out, the texts with them.
    QList<RawLine> take(qsizetype from, qsizetype to)
    {
        const QList<RawLine> taken = lines.mid(from, to - from);
        lines.remove(from, to - from);
        texts.remove(from, std::min(to, texts.size()) - std::min(from, texts.size()));
        return taken;
    }
};

} // namespace

bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& file,
                        QString* error)
{
    if (!IniFileAccess::checkWriteArguments(section, key, value, error))
        return false;
    RawFile raw;
    if (!raw.load(file, error))
        return false;
    QList<RawLine>& lines = raw.lines;
    const RawLine keyLine{LocalFile::encode(IniFileAccess::keyLine(key, value)), crLf};

    const qsizetype header = raw.findHeader(section);
    if (header < 0) {
        const qsizetype last = lines.size() - 1;
        insertAfter(lines, last, {LocalFile::encode(IniFileAccess::headerLine(section)), crLf});
        lines.append(keyLine);
    } else {
        qsizetype lastInSection = header;
        qsizetype found = -1;
        const qsizetype end = raw.sectionEnd(header);
        for (qsizetype i = header + 1; i < end && found < 0; ++i) {
            const QString text = raw.text(i);
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
    return raw.save(file, error);
}

bool deleteProfileKey(const QString& section, const QString& key, const QString& file, QString* error)
{
    RawFile raw;
    if (!raw.load(file, error))
        return false;
    const qsizetype header = raw.findHeader(section);
    if (header < 0)
        return true;
    const qsizetype end = raw.sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (IniFileAccess::isKeyLineOf(raw.text(i), key)) {
            raw.take(i, i + 1);
            return raw.save(file, error);
        }
    }
    return true;
}

bool deleteProfileSection(const QString& section, const QString& file, QString* error)
{
    RawFile raw;
    if (!raw.load(file, error))
        return false;
    bool changed = false;
    for (qsizetype header = raw.findHeader(section); header >= 0; header = raw.findHeader(section, header)) {
        raw.take(header, raw.sectionEnd(header));
        changed = true;
    }
    return !changed || raw.save(file, error);
}

bool renameProfileSection(const QString& section, const QString& newName, const QString& file, QString* error)
{
    if (!IniFileAccess::checkWriteArguments(newName, QString(), QString(), error))
        return false;
    RawFile raw;
    if (!raw.load(file, error))
        return false;
    const qsizetype header = raw.findHeader(section);
    if (header < 0) {
        IniFileAccess::setError(error,
                                QCoreApplication::translate("IniFile", "There is no section [%1].").arg(section));
        return false;
    }
    const qsizetype other = raw.findHeader(newName);
    if (other >= 0 && other != header) {
        IniFileAccess::setError(
            error, QCoreApplication::translate("IniFile", "There is a section [%1] already.").arg(newName));
        return false;
    }
    // What follows the closing bracket stays.
    const QByteArray& old = raw.lines[header].text;
    raw.lines[header].text = LocalFile::encode(IniFileAccess::headerLine(newName)) + old.mid(old.indexOf(']') + 1);
    return raw.save(file, error);
}

bool moveProfileSection(const QString& section, const QString& before, const QString& file, QString* error)
{
    RawFile raw;
    if (!raw.load(file, error))
        return false;
    const qsizetype header = raw.findHeader(section);
    const qsizetype target = before.isEmpty() ? raw.lines.size() : raw.findHeader(before);
    if (header < 0 || target < 0) {
        IniFileAccess::setError(
            error,
            QCoreApplication::translate("IniFile", "There is no section [%1].").arg(header < 0 ? section : before));
        return false;
    }
    const qsizetype end = raw.sectionEnd(header);
    if (target >= header && target <= end)
        return true;
    QList<RawLine> block = raw.take(header, end);
    // The file's last line may have had no line end; in the middle it needs one.
    if (block.last().ending.isEmpty())
        block.last().ending = crLf;
    qsizetype at = target > header ? target - (end - header) : target;
    if (at == raw.lines.size() && at > 0 && raw.lines[at - 1].ending.isEmpty())
        raw.lines[at - 1].ending = crLf;
    for (const RawLine& line : std::as_const(block))
        raw.lines.insert(at++, line);
    return raw.save(file, error);
}
