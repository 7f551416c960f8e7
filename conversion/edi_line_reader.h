#pragma once

#include "conversion/qso_fields.h"

#include <optional>
#include <string_view>

// Reading single lines of an EDI (REG1TEST) contest log.
//
// A QSO record line is a row of fields separated by ";": date, time, call, mode code, sent RST,
// sent serial, received RST, received serial, received exchange, received locator, then fields
// that are not read. Each value is read from its own field and cut at the width the layout gives
// it, so a four-digit serial or a filled exchange field shifts nothing; serials and exchange are
// given whole, for the optional field groups to judge. Bytes are characters of the 8-bit text:
// every byte counts, a lone CR or LF inside a line included. All comparisons are exact and
// case-sensitive.

namespace logvane {

// For a band header line ("PBand=" and a value), the ADIF band of the frequency its value names
// (see bandNamedBy), or an empty name when it names none, so that the records under it are not
// filed under the band of an earlier log. Nothing for any other line.
std::optional<std::string_view> bandFromHeader(std::string_view line);

// Whether the line can be a header line at all: a record line begins with its date, and no header
// with a digit, so the header checks pass over records at the cost of one comparison.
bool mayBeHeaderLine(std::string_view line);

// For a header line whose value an optional field group writes (see HeaderKey), its key and value;
// nothing for any other line.
std::optional<HeaderValue> groupHeaderValue(std::string_view line);

// Whether the line begins a log ("[REG1TEST"): the header values of a log before it end there, as a
// text may hold several logs.
bool startsLog(std::string_view line);

// Whether the line is a QSO record line: ";" in columns 7 and 12.
bool isQsoRecordLine(std::string_view line);

// Reads the values of a QSO record line. Date and time are always given. The call is the text
// between the ";" in column 12 and the next ";"; when there is no such text, nothing more is read.
// Otherwise the mode comes from the mode code, the reports from their fields and the locator from
// its field, each cut at its width, and the serials and the exchange are their whole fields; a
// field the line does not reach gives an empty value.
QsoFields extractFields(std::string_view line);

} // namespace logvane
