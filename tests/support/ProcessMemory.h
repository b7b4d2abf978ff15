#pragma once
// The process's own memory figures from /proc, for the tests and benchmarks that check how much
// memory a load takes.

#include <fstream>
#include <string>

namespace Armalyx::ProcessMemory {

// A field of /proc/self/status in kilobytes (such as "VmRSS" or "VmHWM"), or -1 where the system
// does not provide it.
inline long StatusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == field + ":") {
            long kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

// Starts the peak resident size ("VmHWM") afresh from the current size; false where the system
// does not allow it.
inline bool ResetPeakResidentSize() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

} // namespace Armalyx::ProcessMemory
