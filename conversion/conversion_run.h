#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One conversion run: turns a whole EDI text and a comment into the whole ADIF text.
//
// The EDI text is split into lines at CR LF only; a lone CR or LF stays inside its line. Every
// line is looked at twice, in this order: a band header sets the band for the records after it,
// and a QSO record line gives one record, carrying the band of that moment and the comment. An
// item the record line does not give is written empty; nothing is carried over from another
// record, and nothing from an earlier run.
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

AdifText run(std::string_view ediText, std::string_view comment);

} // namespace logvane::ConversionRun
