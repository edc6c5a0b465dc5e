#pragma once

#include <QString>

class ApplicationFolder;
class Prompts;

// At start-up: when settings.ini is missing or has no Engines section, every
// query of a scan would go to the bare site text and count nothing. Says so,
// naming the file, and offers to write the default engine addresses; an
// unreadable file is reported and left alone.
void checkEngineFile(const ApplicationFolder& folder, Prompts& prompts);

// Before the engine addresses are used (a scan, the Options dialog): when
// settings.ini exists but cannot be read, every address would read as empty
// and a scan would query the bare site texts. Says so, naming the file and
// the reason, and returns false. A missing file or section is left to the
// start-up check.
bool engineFileReadable(const ApplicationFolder& folder, Prompts& prompts);

// Tells the user that the engine addresses could not be written to the file.
void reportEngineSaveFailure(Prompts& prompts, const QString& iniPath, const QString& reason);
