#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Line and name rules shared by the INI routines; whole-file reads and
// writes are those of LocalFile.
namespace IniFileAccess {

// Splits text into lines ending at CR LF, CR or LF; the text after the last
// line end is a line of its own when it is not empty.
QStringList splitLines(const QString& text);

// Case-insensitive, locale-aware comparisons of section names and keys.
bool sameName(QStringView a, QStringView b);
bool startsWithName(QStringView line, QStringView prefix);
// The same text for names that sameName takes as one, so that names can be
// looked up in a hash.
QString nameKey(QStringView name);

// What a line of an INI file is. The reader and both writers see lines
// through these alone, so that whatever a writer changes reads back. A header
// begins with "[" (an indented one is a key line) and names the text up to
// its first "]"; any other non-empty line is a key line whose key is the text
// before its first "=". Names are matched as prefixes of the line, so
// "[Engines] old" heads section Engines and "Google = x" is not key Google.
bool isHeader(QStringView line);
bool isHeaderOf(QStringView line, const QString& section);
bool isKeyLineOf(QStringView line, const QString& key);
// Nothing for a header without "]".
std::optional<QString> headerName(QStringView line);
QString headerLine(const QString& section);
QString keyLine(const QString& key, const QString& value);

// True when the text holds a CR or LF, which no line of an INI file can hold.
bool hasLineBreak(const QString& text);

// Section and key names must be valid INI names without line breaks, a
// value must hold no line break, and all three must fit the files'
// encoding; otherwise false with the reason.
bool checkWriteArguments(const QString& section, const QString& key, const QString& value, QString* error);

void setError(QString* error, const QString& text);

} // namespace IniFileAccess
