#pragma once

#include <string_view>

namespace logvane {

// The ADIF band that holds the frequency a band header's value names, or nothing.
//
// A value names a frequency when it is a number of up to nine digits, with up to nine more after
// one decimal mark ("," or "."), optionally followed by a unit, kHz, MHz or GHz in any letter case
// (MHz when there is none), with blanks (space or tab) allowed around both and nothing else:
// "144 MHz", "1,3 GHz", "432", "10368MHz". The band is the one of the ADIF standard whose edges,
// both included, hold that frequency; "1,2 GHz", "220" and "900" name the bands just above them,
// as loggers use them. Any other value, or a frequency in no band, gives an empty name.
std::string_view bandNamedBy(std::string_view value);

} // namespace logvane
