#pragma once

#include <fstream>
#include <string>

namespace bench {

// The resident memory of this process in KiB, from the VmRSS line of /proc/self/status;
// 0 where that is not available.
inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace bench
