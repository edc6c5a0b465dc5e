#pragma once

#include "base/ApplicationFolder.h"

#include <QString>

class Clock;
class QIODevice;
class QTextStream;
class UserSettings;

// A scan without a window: every site of a URL list file is asked of the
// active sources with the window's scan driver, templates and rank thresholds,
// and the results go to a CSV file and, on request, into each site's saved
// search exactly as the Save Search Results dialog writes them.
class CommandLineScan
{
public:
    struct Options
    {
        QString listFile;
        QString csvFile; // "-" for the standard output; empty for no CSV
        bool saveEach = false;
        bool quiet = false;           // no progress lines
        bool parallelEngines = false; // a site's queries at the same time
    };

    // The program's exit status.
    enum Status { AllAnswered = 0, NotWritten = 1, BadUsage = 2, SomeQueriesFailed = 3 };

    CommandLineScan(const ApplicationFolder& folder, const UserSettings& settings, const Clock& clock);

    // Scans to the end in an event loop of its own. Progress lines
    // ("[12/340] site ... total") and every problem (a source that cannot be
    // asked, for one) go to messages; the CSV
    // of "-" goes to standardOutput. Results that could not be written give
    // NotWritten even when some queries failed too.
    int run(const Options& options, QIODevice& standardOutput, QTextStream& messages) const;

    // --list-sources: a line per source a scan asks, tab-separated: its
    // name, kind ("web page", "JSON"), address, headers (masked) and
    // "counts toward the total" or "not in the total". Sources that cannot
    // be asked are named in messages. 0, or BadUsage when settings.ini
    // cannot be read.
    int listSources(QTextStream& output, QTextStream& messages) const;

private:
    ApplicationFolder m_folder;
    const UserSettings& m_settings;
    const Clock& m_clock;
};
