#pragma once

#include <string>

namespace bench {

// What one start-up probe process reported.
struct ProbeRun {
    double secondsToCreated = 0; // from spawning the process to its windows existing
    double secondsToShown = 0;   // to its main window shown and painted
    long createdKiB = 0;         // resident memory then
    long shownKiB = 0;           // resident memory once the main window is shown
};

// Starts the probe program, waits for its two reports and for its end. Throws
// std::runtime_error when it cannot be started, reports nothing or fails.
ProbeRun runProbe(const std::string& program);

} // namespace bench
