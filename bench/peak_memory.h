#pragma once

#include <cstddef>

namespace logvane::bench {

// The resident memory of this process now, and the most it has held since the last reset, in
// bytes (Linux: /proc/self/status; resetting writes /proc/self/clear_refs).
std::size_t residentBytes();
std::size_t peakResidentBytes();
void resetPeakResident();

} // namespace logvane::bench
