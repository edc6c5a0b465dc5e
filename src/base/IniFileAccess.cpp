#include "base/IniFileAccess.h"

#include "base/IniDocument.h"
#include "base/LocalFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace IniFileAccess {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

bool sameName(QStringView a, QStringView b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    // The user's locale may fold letters differently (the dotted and
    // dotless i, for one), but only letters beyond ASCII: two ASCII names
    // that differ above differ in every locale. Most lines compared are
    // ASCII, and lower-casing each of them made long files slow to read.
    if (isAscii(a) && isAscii(b))
        return false;
    const QLocale locale;
    return locale.toLower(a.toString()) == locale.toLower(b.toString());
}

QString nameKey(QStringView name)
{
    return QLocale().toLower(name.toString().toCaseFolded());
}

bool startsWithName(QStringView line, QStringView prefix)
{
    if (line.size() < prefix.size())
        return false;
    return sameName(line.left(prefix.size()), prefix);
}

bool isHeader(QStringView line)
{
    return line.startsWith(u'[');
}

bool isHeaderOf(QStringView line, const QString& section)
{
    // Most lines are key lines, which no header matches: looking up a
    // section is then a scan of first characters, not a header built and
    // compared per line (the scan looks up its templates before each query).
    return isHeader(line) && startsWithName(line, headerLine(section));
}

bool isKeyLineOf(QStringView line, const QString& key)
{
    return !isHeader(line) && startsWithName(line, key + u'=');
}

std::optional<QString> headerName(QStringView line)
{
    const qsizetype close = line.indexOf(u']');
    if (!isHeader(line) || close < 0)
        return std::nullopt;
    return line.mid(1, close - 1).toString();
}

QString headerLine(const QString& section)
{
    return u'[' + section + u']';
}

QString keyLine(const QString& key, const QString& value)
{
    return key + u'=' + value;
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool checkWriteArguments(const QString& section, const QString& key, const QString& value, QString* error)
{
    for (const QString& name : {section, key}) {
        if (!isValidIniName(name) || hasLineBreak(name)) {
            setError(
                error,
                QCoreApplication::translate("IniFile", "The name \"%1\" cannot be used in an INI file.").arg(name));
            return false;
        }
    }
    if (hasLineBreak(value)) {
        setError(error, QCoreApplication::translate("IniFile", "A value cannot hold a line break."));
        return false;
    }
    return LocalFile::isEncodable(section, error) && LocalFile::isEncodable(key, error) &&
           LocalFile::isEncodable(value, error);
}

} // namespace IniFileAccess
