#pragma once

#include <atomic>

// While one lives, an interrupt (Ctrl+C) or a termination request sets the
// flag instead of ending the program at once, so that a long job stops
// cleanly and leaves no half-written file. A second signal ends the program
// as usual. The platform's signal code lives in this one file.
class TerminationSignals
{
public:
    explicit TerminationSignals(std::atomic<bool>& stop);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The number of the signal that came, 0 while none has.
    static int received();
};
