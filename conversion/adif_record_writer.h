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

// Writes record lines that carry one comment and the band of the moment. The band and comment
// items are formatted once, not once per record.
class RecordWriter
{
public:
    explicit RecordWriter(std::string_view comment);

    void setBand(std::string_view band);

    // The most bytes write() can give for fields cut out of a line of `lineLength` bytes.
    std::size_t recordSizeBound(std::size_t lineLength) const;

    // The most bytes `records` records can take, cut out of lines that hold `lineBytes` bytes in
    // all, under bands of at most `bandLength` bytes.
    std::size_t sizeBound(std::size_t records, std::size_t lineBytes, std::size_t bandLength) const;

    // Writes one record line, CR LF included, at `out`, which must have room for
    // recordSizeBound() bytes of its line, and gives the position after it.
    char* write(char* out, const QsoFields& fields) const;

private:
    std::string bandField_;
    std::string commentAndEnd_;
};

// One record line, CR LF included.
std::string recordText(const QsoFields& fields, std::string_view band, std::string_view comment);

} // namespace logvane
