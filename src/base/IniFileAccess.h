#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// True when the text holds a CR or LF, which no line of an INI file can hold.
bool hasLineBreak(const QString& text);

// Section and key names must be valid INI names without line breaks, a
// value must hold no line break, and all three must fit the files'
// encoding; otherwise false with the reason.
bool checkWriteArguments(const QString& section, const QString& key, const QString& value, QString* error);

void setError(QString* error, const QString& text);

} // namespace IniFileAccess
