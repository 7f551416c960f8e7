#pragma once

#include <cstddef>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace logvane::testing {

// Whether address-space limits can be set here: AddressSanitizer's shadow takes terabytes of
// addresses, so under it they cannot.
#ifdef __SANITIZE_ADDRESS__
constexpr bool AddressSpaceCanBeLimited = false;
#else
constexpr bool AddressSpaceCanBeLimited = true;
#endif

// Lets this process take at most `more` bytes of addresses beyond those it holds now, as a machine
// short of memory would; run it in a child process.
inline void limitAddressSpace(std::size_t more)
{
    std::ifstream status("/proc/self/status");
    std::size_t held = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmSize:"))
            held = std::stoul(line.substr(7)) * 1024;
    }
    const rlimit limit {held + more, held + more};
    ::setrlimit(RLIMIT_AS, &limit);
}

} // namespace logvane::testing
