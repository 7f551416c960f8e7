#pragma once

namespace logvane {

// Optional groups of ADIF fields a conversion run adds to each record, after its comment. Each is
// off unless chosen; with none chosen every record holds exactly its ten fields. A field of a
// chosen group is written only where its value is valid (see contest_values.h).
struct FieldGroups
{
    // The contest exchange: the serials sent and received (STX, SRX), the exchange sent
    // (STX_STRING, from the PExch= header) and received (SRX_STRING), and the power sent with
    // (TX_PWR, from the SPowe= header).
    bool contest = false;
    // The station that made the log: its call (STATION_CALLSIGN, from the PCall= header) and its
    // locator (MY_GRIDSQUARE, from the PWWLo= header).
    bool station = false;

    friend bool operator==(const FieldGroups&, const FieldGroups&) = default;
};

} // namespace logvane
