#pragma once

#include "conversion/qso_fields.h"

#include <cstddef>
#include <optional>
#include <string_view>

// Reading single lines of an EDI (REG1TEST) contest log.
//
// A QSO record line is never split at its semicolons: every field is cut out at a fixed column
// computed from the length of the callsign. Columns count from 1 and are bytes of the 8-bit text;
// every byte counts, a lone CR or LF inside a line included. All comparisons are exact and
// case-sensitive.

namespace logvane {

// The at most `count` bytes of `line` starting at `column` (counted from 1): fewer where the line
// ends earlier, and nothing where the column lies beyond its end.
std::string_view cut(std::string_view line, std::size_t column, std::size_t count);

// For a band header line ("PBand=" and a value), the ADIF band name its value gives: a name from
// the band table, or an empty one when the value names no band we know, so that the records under
// it are not filed under the band of an earlier log. Nothing for any other line.
std::optional<std::string_view> bandFromHeader(std::string_view line);

// The longest band name a band header can give.
std::size_t longestBandName();

// Whether the line is a QSO record line: ";" in columns 7 and 12.
bool isQsoRecordLine(std::string_view line);

// The length of the call: the text between the ";" in column 12 and the next ";". Nothing when
// that next ";" is missing or follows directly.
std::optional<std::size_t> callLength(std::string_view line);

// Cuts the fields out of a QSO record line. Date and time are always given; the call when its
// length is found; mode, reports and locator when, in addition, the mode code is known. What is
// not given stays empty.
QsoFields extractFields(std::string_view line);

} // namespace logvane
