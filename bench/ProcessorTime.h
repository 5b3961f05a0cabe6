#pragma once
// Processor time of this process: the machine is shared, so wall time would measure the neighbours too.

#include <ctime>

namespace vantric::bench {

inline double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace vantric::bench
