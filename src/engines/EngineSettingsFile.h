#pragma once

#include "engines/CountExtraction.h"

#include <QString>

struct Engine;
class IniDocument;

// What settings.ini says about one engine.
struct EngineSettings
{
    QString queryTemplate; // section "Engines"
    CountMarkers markers;  // section "Markers", keys <Key>.Before, .After, .NoResults
};

// settings.ini as the source of the engines' query addresses: whether it can
// give them, the one read of an engine's address, and the writes of them.
namespace EngineSettingsFile {

// NoAddresses: the [Engines] section has no engine's address.
enum class State { Usable, Missing, NoEnginesSection, NoAddresses, Unreadable };

// What the file holds for the scan: a file without [Engines] is usable when
// every engine is hidden and sources of the user's own remain. An
// unreadable file sets error to the reason.
State check(const QString& iniPath, QString* error = nullptr);

// What is wrong with the file, for the user: the file and, when it cannot be
// read, the reason; the empty text for a usable file.
QString problem(State state, const QString& iniPath, const QString& reason);
// The same in the user's language, for windows; problem() is the command
// line's, which stays English.
QString shownProblem(State state, const QString& iniPath, const QString& reason);

// The engine's query address template and count markers, read afresh on
// every call so that an edit of the file counts at once; empty texts when
// the file, the section or the key is missing or unreadable. Marker values
// are taken exactly as written after "=".
EngineSettings engineSettings(const QString& iniPath, const Engine& engine);
// The same from a document already read.
EngineSettings engineSettings(const IniDocument& document, const Engine& engine);

// Writes the engine's query address template as the Options dialog keeps
// them: the key's line is replaced in place, every other line stays as it
// was, and a missing file is created.
bool writeQueryTemplate(const QString& iniPath, const Engine& engine, const QString& text, QString* error = nullptr);

// Writes the engine's count markers as writeQueryTemplate writes the
// template. An empty marker whose key is not in the file is not added, so a
// file without markers stays without them.
bool writeMarkers(const QString& iniPath, const Engine& engine, const CountMarkers& markers, QString* error = nullptr);

// Writes every engine's default query address, as writeQueryTemplate does.
bool writeDefaults(const QString& iniPath, QString* error = nullptr);

} // namespace EngineSettingsFile
