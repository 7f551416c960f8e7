#include "bench/peak_memory.h"

#include <fstream>
#include <string>

namespace logvane::bench {
namespace {

std::size_t statusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key))
            return std::stoul(line.substr(key.size())) * 1024;
    }
    return 0;
}

} // namespace

std::size_t residentBytes()
{
    return statusKilobytes("VmRSS:");
}

std::size_t peakResidentBytes()
{
    return statusKilobytes("VmHWM:");
}

void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace logvane::bench
