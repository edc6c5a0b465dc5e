#pragma once

#include <QString>

struct Engine;
struct Source;

// The writes of the Options dialog's Sources page into settings.ini. Each is
// made of the profile-string writes of the INI module, so every section,
// key and byte of the file that the change does not touch stays as it was.
namespace SourceSettingsFile {

// Writes a user source into its section ("[Source <name>]"): a new source
// gets its section at the end of the file; a renamed one keeps its place,
// its header renamed. Only the keys whose values differ are written, and
// the source keys it no longer has (an emptied marker, a header fewer) are
// deleted; keys the program does not know stay.
bool writeSource(const QString& iniPath, const Source& source, const QString& previousName, QString* error = nullptr);

// Deletes the user source's section.
bool removeSource(const QString& iniPath, const QString& name, QString* error = nullptr);

// Moves the user source's section to just before the section of another
// user source (to the end of the file when beforeName is empty).
bool moveSource(const QString& iniPath, const QString& name, const QString& beforeName, QString* error = nullptr);

// Hides the built-in engine ("<key>=1" in [Hidden]) or shows it again,
// deleting its key, and the section once it holds no key.
bool setHidden(const QString& iniPath, const Engine& engine, bool hidden, QString* error = nullptr);

// Sets the source's least interval between two queries: Interval= of a
// user source, "<key>=" in [Pacing] for a built-in engine; 0 deletes it.
bool setInterval(const QString& iniPath, const Source& source, int intervalMs, QString* error = nullptr);

} // namespace SourceSettingsFile
