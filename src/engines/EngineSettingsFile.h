#pragma once

#include <QString>

// settings.ini as the source of the scan's query addresses: whether it can
// give them, and the write of the default ones.
namespace EngineSettingsFile {

enum class State { Usable, Missing, NoEnginesSection, Unreadable };

// What the file holds for the scan. An unreadable file sets error to the
// reason.
State check(const QString& iniPath, QString* error = nullptr);

// What is wrong with the file, for the user: the file and, when it cannot be
// read, the reason; the empty text for a usable file.
QString problem(State state, const QString& iniPath, const QString& reason);

// Writes every engine's default query address into section "Engines", as the
// Options dialog keeps them: each key's line is replaced in place, every other
// line stays as it was, and a missing file is created.
bool writeDefaults(const QString& iniPath, QString* error = nullptr);

} // namespace EngineSettingsFile
