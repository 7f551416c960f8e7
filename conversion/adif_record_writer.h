#pragma once

#include "conversion/qso_fields.h"

#include <string>
#include <string_view>

// Writing the ADIF text: one fixed header line, then one record line per QSO, every line ended
// by CR LF. A field is a tag holding its name and the byte count of its value, then the value
// itself ("<CALL:5>Q1ABC"). The writer only formats: it never checks, pads, trims or escapes a
// value, and it never leaves out a field whose value is empty.

namespace logvane {

// The header line, CR LF included. It is the whole ADIF header.
std::string_view headerText();

// Writes the record lines of one run, which share one comment and the band of the moment. Their
// items are formatted when they are set, not for every record.
class RecordWriter
{
public:
    explicit RecordWriter(std::string_view comment);

    void setBand(std::string_view band);

    // Appends one record line, CR LF included: the record's values with the band and the comment.
    void append(std::string& adif, const QsoFields& fields) const;

private:
    std::string bandItem_;
    std::string commentItemAndEnd_;
};

} // namespace logvane
