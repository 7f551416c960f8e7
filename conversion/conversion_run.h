#pragma once

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

std::string run(std::string_view ediText, std::string_view comment);

} // namespace logvane::ConversionRun
