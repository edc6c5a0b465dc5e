#pragma once

#include "base/IniDocument.h"

#include <QString>
#include <QStringList>

// Reading and writing INI files (settings.ini and the saved searches).
// Every call reads the whole file afresh; writes rewrite it whole through a
// temporary file, so a failed write leaves the earlier file as it was.
// Callers pass full paths. Reads fall back to their default on any failure;
// writes return false on failure and, when asked, say why in `error`.

// The value of the key in the section, or the default text.
QString readIniKey(const QString& section, const QString& key, const QString& defaultText, const QString& file);

// The section's lines joined by CR LF, or the default text when the section
// is missing or its name is not valid. A section followed by another one
// ends with CR LF; the last section of a file ends with its last line.
QString readIniSection(const QString& section, const QString& defaultText, const QString& file);

// The section names in file order, duplicates included.
QStringList iniSectionNames(const QString& file);

// Sets the key's value: an existing key line is replaced in place, a new key
// becomes the first line of its section, a missing section is appended at
// the end after an empty line. A missing or empty file is left alone (no file
// is created) and counts as a failure. The file is written back in normal
// form: an empty line before each header, no other empty line, every line
// trimmed of leading and trailing spaces, CR LF line ends.
bool writeIniKey(const QString& section, const QString& key, const QString& value, const QString& file,
                 QString* error = nullptr);

// Leaves the section in the file with no keys: creates the file when it is
// missing (its folder must exist), appends the header when the section is
// missing, deletes every key line of the section when it exists. Written in
// the same normal form as writeIniKey.
bool clearIniSection(const QString& section, const QString& file, QString* error = nullptr);

// The write settings.ini is kept with, as the platform's profile-string write
// does it: the key's line is replaced in place and every other line of the
// file is kept byte for byte; a missing key is added after the last line of
// its section, a missing section at the end of the file, a missing file is
// created. Key lines are written as key "=" value, without spaces.
bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& file,
                        QString* error = nullptr);

// Removals and moves in the same manner: every line they do not take away or
// move stays byte for byte. A missing file or section counts as done.

// Deletes the key's line from the section.
bool deleteProfileKey(const QString& section, const QString& key, const QString& file, QString* error = nullptr);

// Deletes every section of that name: its header and each line up to the
// next header.
bool deleteProfileSection(const QString& section, const QString& file, QString* error = nullptr);

// Gives the section's header the new name where it stands; fails when the
// section is missing or another section has that name.
bool renameProfileSection(const QString& section, const QString& newName, const QString& file,
                          QString* error = nullptr);

// Moves the section (its header up to the next header) to just before the
// header of `before`, or to the end of the file when `before` is empty;
// fails when either section is missing.
bool moveProfileSection(const QString& section, const QString& before, const QString& file, QString* error = nullptr);
