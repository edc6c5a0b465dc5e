#pragma once

#include "scan/CommandLineScan.h"
#include "webgraph/WebGraphIndexCommand.h"

#include <QString>
#include <QStringList>

// What the program was asked to do by its arguments:
//   quorvex [FILE]                                    the window, with FILE loaded
//   quorvex --scan FILE [--csv OUT|-] [--save-each] [--quiet] [--parallel-engines]
//   quorvex --list-sources
//   quorvex --index-webgraph VERTICES EDGES [RANKS] --output INDEX [--quiet]
//   quorvex --index-webgraph --counts COUNTS --output INDEX [--quiet]
//   quorvex --help | --version
struct CommandLine
{
    enum class Mode { Window, Help, Version, Scan, ListSources, IndexWebGraph, Error };

    Mode mode = Mode::Window;
    // Window: the URL list file to load, or empty.
    QString listFile;
    CommandLineScan::Options scan;
    WebGraphIndexCommand::Options indexWebGraph;
    // Help: the usage text; Version: name and version; Error: what is wrong.
    QString text;

    // Reads the arguments (the program's name first). Needs the application
    // object for the usage text.
    static CommandLine parse(const QStringList& arguments);

    // Whether the arguments ask for anything but the window: any option but
    // those of the window's application object (with one dash or two), "--"
    // included.
    // Decided before any application object exists: the window's
    // application object needs a display, and removes the options of its
    // own (-platform, -style...) that parse() would otherwise not know.
    static bool needsNoWindow(const QStringList& arguments);
};
