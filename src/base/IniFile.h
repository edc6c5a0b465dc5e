#pragma once

#include "base/IniDocument.h"

#include <QString>
#include <QStringList>

// Writing settings.ini as the platform's profile-string calls do. Every
// call reads the whole file afresh and rewrites it whole through a temporary
// file, so a failed write leaves the earlier file as it was. Callers pass
// full paths; writes return false on failure and, when asked, say why in
// `error`. Reads go through IniDocument.

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
