#pragma once

#include <string_view>

namespace logvane {

// The values one QSO record line of an EDI log gives for its ADIF record.
//
// Each is copied out of the record line unchanged (never trimmed or padded), so the views point
// into that line, or, for the mode, into a literal; they are valid as long as the line is. An item
// the line did not give is empty.
struct QsoFields
{
    std::string_view date {}; // YYMMDD
    std::string_view time {}; // HHMM
    std::string_view call {};
    std::string_view mode {}; // an ADIF mode: "SSB", "CW", "AM", "FM", "SSTV", "ATV", or empty
    std::string_view rstSent {};
    std::string_view rstRcvd {};
    std::string_view locator {}; // the received Maidenhead locator (WWL)
    // Whole fields, as the line holds them, for the contest exchange group (see contest_values.h).
    std::string_view sentSerial {};
    std::string_view rcvdSerial {};
    std::string_view exchange {}; // the received exchange

    friend bool operator==(const QsoFields&, const QsoFields&) = default;
};

// The header lines whose values the optional field groups write: "PExch=" (the exchange sent),
// "SPowe=" (the power in watts), "PCall=" (the call of the station) and "PWWLo=" (its locator).
enum class HeaderKey { Exchange, Power, Callsign, Locator };

// One such header line: its key and its value, all of the line after the "=", unchanged.
struct HeaderValue
{
    HeaderKey key;
    std::string_view value {};
};

} // namespace logvane
