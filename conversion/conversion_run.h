#pragma once

#include "conversion/field_groups.h"

#include <cstddef>
#include <string>
#include <string_view>

// One conversion run: turns a whole EDI text and a comment into the whole ADIF text.
//
// The EDI text is split into lines at CR LF only; a lone CR or LF stays inside its line. Every
// line is looked at twice, in this order: as a header line (a band header sets the band for the
// records after it, a header of a chosen field group sets its value, and a "[REG1TEST" line, the
// start of another log, clears those values but not the band), then as a QSO record line, which
// gives one record carrying the band and header values of that moment and the comment. An item
// the record line does not give is written empty, a field of a group left out; nothing is carried
// over from another record, and nothing from an earlier run.
namespace logvane::ConversionRun {

// How many records were written, and how many of them with an empty band or mode: what a user
// must mend before a strict ADIF reader or an award upload takes the file.
struct RecordCounts
{
    std::size_t records = 0;
    std::size_t withoutBand = 0;
    std::size_t withoutMode = 0;

    friend bool operator==(const RecordCounts&, const RecordCounts&) = default;
};

struct AdifText
{
    std::string text;
    RecordCounts counts;
};

// With no group chosen, the records hold the ten fields alone.
AdifText run(std::string_view ediText, std::string_view comment, FieldGroups groups = {});

} // namespace logvane::ConversionRun
