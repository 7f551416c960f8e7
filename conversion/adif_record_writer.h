#pragma once

#include "conversion/field_groups.h"
#include "conversion/qso_fields.h"

#include <array>
#include <string>
#include <string_view>

// Writing the ADIF text: one fixed header line, then one record line per QSO, every line ended
// by CR LF. A field is a tag holding its name and the byte count of its value, then the value
// itself ("<CALL:5>Q1ABC"). The writer only formats the ten fields of every record: it never
// checks, pads, trims or escapes their values, and it never leaves out one whose value is empty.
// The fields of the chosen optional groups follow the comment, in the order STX, SRX, STX_STRING,
// SRX_STRING, TX_PWR, STATION_CALLSIGN, MY_GRIDSQUARE; their values are judged by contest_values,
// and one that gives no value is left out.

namespace logvane {

// The header line, CR LF included. It is the whole ADIF header.
std::string_view headerText();

// Writes the record lines of one run, which share one comment and the band and header values of
// the moment. Their items are formatted when they are set, not for every record.
class RecordWriter
{
public:
    explicit RecordWriter(std::string_view comment, FieldGroups groups = {});

    void setBand(std::string_view band);

    // The value of a header line, as the line holds it, for the records after it. A key of no
    // chosen group is passed over; a value that gives nothing leaves its field out.
    void setHeaderValue(const HeaderValue& header);

    // Leaves out every field that comes from a header value, as in a log that has none.
    void clearHeaderValues();

    // Appends one record line, CR LF included: the record's values with the band and the comment,
    // then the fields of the chosen groups.
    void append(std::string& adif, const QsoFields& fields) const;

private:
    void formatItemsAndEnd();

    FieldGroups groups_;
    std::string bandItem_;
    std::string commentItem_;
    std::array<std::string, 4> headerItems_; // by HeaderKey: the field, or nothing
    std::string itemsAndEnd_; // the header items after SRX_STRING, then the end of the record
};

} // namespace logvane
