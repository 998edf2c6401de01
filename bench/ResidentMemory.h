#pragma once

#include <fstream>
#include <string>

namespace bench {

// A "<key>: <n> kB" line of /proc/self/status in KiB, 0 where that is not available.
inline long processStatusKiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = key + ':';
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return std::stol(line.substr(prefix.size()));
        }
    }
    return 0;
}

// The resident memory of this process in KiB.
inline long residentKiB() {
    return processStatusKiB("VmRSS");
}

// The most this process has held resident so far, in KiB.
inline long peakResidentKiB() {
    return processStatusKiB("VmHWM");
}

} // namespace bench
