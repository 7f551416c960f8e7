#pragma once

#include <cstddef>
#include <string>

namespace logvane::bench {

// A REG1TEST log of `records` contacts on 2 m: the usual header (call, locator, exchange and power
// included), then one record line per contact with calls of 4 to 11 characters, CW and SSB mixed
// with a few FM contacts, about one in ten with four-digit serials and one in twenty with a filled
// exchange, every line ended by CR LF. The same count always gives the same log.
std::string generatedEdiLog(std::size_t records);

} // namespace logvane::bench
