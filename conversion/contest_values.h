#pragma once

#include <string>
#include <string_view>

// The values of the optional field groups (see FieldGroups), each turned from the raw text of its
// record field or header line into the value its ADIF field holds, or into nothing (an empty
// value), for which no field is written; a value given as a view lies inside the raw text. Blanks
// (space and tab) around a raw value never count; every other byte does, as one character of the
// 8-bit text.

namespace logvane {

// STX and SRX: a serial of 1 to 9 digits, written without its leading zeros: "001" gives "1",
// "000" gives "0".
std::string_view serialNumber(std::string_view raw);

// STX_STRING and SRX_STRING: an exchange as it was logged.
std::string_view exchangeText(std::string_view raw);

// TX_PWR: a power in watts greater than zero: 1 to 6 digits, optionally a decimal mark ("." or
// ",") and 1 to 3 digits, then optionally blanks and "W" in either case. It is written with "." as
// its decimal mark and its digits as given: "0,5 w" gives "0.5", "50 W" "50". Another unit
// ("1.5 kW") gives nothing: loggers write watts, and a guess at a factor would change the data.
std::string transmitPower(std::string_view raw);

// STATION_CALLSIGN: 3 to 20 ASCII letters, digits and "/" ("Q1XYZ/P"), as given.
std::string_view stationCallsign(std::string_view raw);

// MY_GRIDSQUARE: a Maidenhead locator of 4, 6 or 8 characters, as given: two letters A to R, two
// digits, then optionally two letters A to X and then optionally two more digits, letters in
// either case.
std::string_view maidenheadLocator(std::string_view raw);

} // namespace logvane
