#pragma once

#include <QString>

class QTextStream;

// quorvex --index-webgraph: builds a web-graph index from the command line,
// with progress lines on standard error.
class WebGraphIndexCommand
{
public:
    struct Options
    {
        QString vertices;
        QString edges;
        QString ranks;  // may be empty
        QString counts; // instead of the three
        QString output;
        bool quiet = false; // no progress lines nor summary
    };

    // The program's exit status; an interrupted build gives 128 plus the
    // signal's number, as a shell shows a program the signal ended.
    enum Status { Built = 0, NotWritten = 1, BadInput = 2 };

    // Builds to the end, or until SIGINT or SIGTERM, in an event loop of its
    // own. Needs the application object.
    static int run(const Options& options, QTextStream& messages);
};
