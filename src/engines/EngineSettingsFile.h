#pragma once

#include <QString>

struct Engine;

// settings.ini as the source of the engines' query addresses: whether it can
// give them, the one read of an engine's address, and the writes of them.
namespace EngineSettingsFile {

enum class State { Usable, Missing, NoEnginesSection, Unreadable };

// What the file holds for the scan. An unreadable file sets error to the
// reason.
State check(const QString& iniPath, QString* error = nullptr);

// What is wrong with the file, for the user: the file and, when it cannot be
// read, the reason; the empty text for a usable file.
QString problem(State state, const QString& iniPath, const QString& reason);

// The engine's query address template from section "Engines", read afresh
// on every call so that an edit of the file counts at once; the empty text
// when the file, the section or the key is missing or unreadable.
QString queryTemplate(const QString& iniPath, const Engine& engine);

// Writes the engine's query address template as the Options dialog keeps
// them: the key's line is replaced in place, every other line stays as it
// was, and a missing file is created.
bool writeQueryTemplate(const QString& iniPath, const Engine& engine, const QString& text, QString* error = nullptr);

// Writes every engine's default query address, as writeQueryTemplate does.
bool writeDefaults(const QString& iniPath, QString* error = nullptr);

} // namespace EngineSettingsFile
