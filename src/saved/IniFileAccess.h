#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file reads and writes shared by the INI routines. Text is in the
// system's local 8-bit encoding; every write goes through QSaveFile, so a
// write that fails or is interrupted leaves the previous file whole.
namespace IniFileAccess {

enum class ReadStatus { Read, Missing, Failed };

// Reads every byte of the file. A missing file is not an error of its own:
// the caller decides whether it may create one.
ReadStatus readBytes(const QString& file, QByteArray& bytes, QString* error);

// Replaces the file with these bytes. A write-protected file is left alone
// (replacing it through a temporary file would otherwise succeed).
bool writeBytes(const QString& file, const QByteArray& bytes, QString* error);

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Splits text into lines ending at CR LF, CR or LF; the text after the last
// line end is a line of its own when it is not empty.
QStringList splitLines(const QString& text);

// Case-insensitive, locale-aware comparisons of section names and keys.
bool sameName(QStringView a, QStringView b);
bool startsWithName(QStringView line, QStringView prefix);

// True when the text holds a CR or LF, which no line of an INI file can hold.
bool hasLineBreak(const QString& text);

// Section and key names must be valid INI names without line breaks, and a
// value must hold no line break; otherwise false with the reason.
bool checkWriteArguments(const QString& section, const QString& key, const QString& value, QString* error);

void setError(QString* error, const QString& text);

} // namespace IniFileAccess
