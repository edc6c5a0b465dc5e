#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>

// File names as the system spells them. On Linux a name is bytes, UTF-8 as a
// rule; a name made under another encoding (café.txt in Latin-1) is not valid
// UTF-8, and Qt's own decoding turns its odd bytes into U+FFFD, which names
// another file. Here each such byte becomes a character of its own, U+DC80 to
// U+DCFF (a lone low surrogate, never a character of text), so the name turns
// back into the same bytes. Names that are valid UTF-8 come out exactly as Qt
// decodes them.
namespace NativeFileName {

// The name of the bytes, such as a command-line argument.
QString decode(const QByteArray& bytes);

// The bytes of a name made by decode(); other names as Qt encodes them.
QByteArray encode(const QString& name);

// Whether Qt's own classes (QFile, QSaveFile) reach the file of this name:
// false for a name holding bytes that are not UTF-8.
bool isQtSpellable(const QString& name);

// The name for the standard library's file system functions.
std::filesystem::path path(const QString& name);

} // namespace NativeFileName
