#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes of the program's text files (settings.ini,
// saved searches, URL lists), in the system's local 8-bit encoding.
namespace LocalFile {

enum class ReadStatus { Read, Missing, Failed };

// Reads every byte of the file. A missing file is reported as such, so the
// caller decides whether it is an error.
ReadStatus readBytes(const QString& path, QByteArray& bytes, QString* error);

// Replaces the file with these bytes through QSaveFile: a write that fails
// or is interrupted leaves the previous file whole. A write-protected file
// is left alone (replacing it through a temporary file would otherwise
// succeed).
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error);

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

} // namespace LocalFile
