#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>

#include <limits>

// Whole-file reads and writes of the program's files (settings.ini, saved
// searches, URL lists, CSV, the kept session), the text ones in one 8-bit
// encoding. Paths may be names NativeFileName made of bytes that are not
// UTF-8.
namespace LocalFile {

enum class ReadStatus { Read, Missing, Failed };

// Reads every byte of the file. A missing file is reported as such, so the
// caller decides whether it is an error. A file larger than sizeLimit bytes
// fails without being read.
ReadStatus readBytes(const QString& path, QByteArray& bytes, QString* error,
                     qint64 sizeLimit = std::numeric_limits<qint64>::max());

// Writes the bytes to the path, by what is there:
// - nothing or a regular file: replaced through QSaveFile, so a write that
//   fails or is interrupted leaves the previous file whole; a
//   write-protected file is left alone (replacing it through a temporary
//   file would otherwise succeed);
// - a character device or a FIFO (/dev/null, a named pipe): written in
//   place, never replaced;
// - anything else (a folder, a socket, a block device): refused.
// Links are followed. On failure error says why, without the path.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error);

// The encoding of those files: Latin-1 on Linux and macOS, the system's
// ANSI code page on Windows, as the files have always been written. In
// Latin-1 every byte is one character and back, so bytes the program does
// not change are written back as they were read.
QStringConverter::Encoding textEncoding();

// A UTF-8 byte order mark at the start is left out: editors put it there,
// and it is not part of the first line.
QString decode(const QByteArray& bytes);
// Characters the encoding cannot hold come out as other characters: text
// the user typed is checked with isEncodable() first.
QByteArray encode(const QString& text);
// The bytes of a whole file holding the text. A text whose own first bytes
// would be a byte order mark gets one more in front, which decode() leaves
// out, so that the text reads back whole.
QByteArray encodeFile(const QString& text);
// Whether the text comes back unchanged through encode() and decode();
// if not, `error` says so, quoting the text.
bool isEncodable(const QString& text, QString* error);

} // namespace LocalFile
