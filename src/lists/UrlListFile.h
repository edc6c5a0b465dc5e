#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <limits>

// URL list files: plain text in the 8-bit encoding of the program's files
// (LocalFile), one URL per line. Lines are written with CR LF; reading
// accepts CR LF and LF alike.
namespace UrlListFile {

// The most URLs the URL list holds, and so the most rows of one scan.
inline constexpr int maxUrls = 32767;

// The pieces of a text between line ends (CR LF or a lone LF), without the
// empty ones. A lone CR is not a line end; a line of spaces is kept.
// At most `limit` pieces are made; `beyond`, when given, is set to the
// number of pieces after them.
QStringList splitLines(const QString& text, qsizetype limit = std::numeric_limits<qsizetype>::max(),
                       qsizetype* beyond = nullptr);

// Every URL followed by CR LF, in the files' encoding.
QByteArray encode(const QStringList& urls);

// Reads the URLs of a file, at most `limit` of them; `beyond`, when given,
// is set to the number of URLs after those (only counted, so a file of a
// million lines costs little more than the URLs taken). On failure (a file
// holding null bytes is not read either) returns false and sets errorText
// to the reason; urls is left as it was.
bool read(const QString& path, QStringList& urls, QString& errorText,
          qsizetype limit = std::numeric_limits<qsizetype>::max(), qsizetype* beyond = nullptr);

// What the user is told when read() fails: the file and the reason.
QString readFailure(const QString& path, const QString& reason);

// Replaces the file with the URLs; the old file survives a failed write.
// A URL the encoding cannot hold is refused before anything is written.
bool write(const QString& path, const QStringList& urls, QString& errorText);

// Whether the name ends in ".txt", in any letter case.
bool hasTextExtension(const QString& fileName);

} // namespace UrlListFile
