#pragma once

#include "conversion/adif_record_writer.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace logvane {

// One conversion run: turns a whole EDI text and a comment into the whole ADIF text.
//
// The EDI text is split into lines at CR LF only; a lone CR or LF stays inside its line. Every
// line is looked at twice, in this order: a band header sets the band for the records after it,
// and a QSO record line gives one record, carrying the band of that moment and the comment. An
// item the record line does not give is written empty; nothing is carried over from another
// record, and nothing from an earlier run.
class ConversionRun
{
public:
    static std::string run(std::string_view ediText, std::string_view comment);

    // How many bytes the ADIF text of a run can take at the most; the run reserves this once.
    static std::size_t adifSizeBound(std::string_view ediText, std::string_view comment);

private:
    explicit ConversionRun(std::string_view comment);
    void takeLine(std::string_view line);
    void makeRoom(std::size_t bytes);

    RecordWriter writer_; // holds the comment and the band of the moment
    std::string adif_; // written up to `written_`; the rest is room made ahead
    std::size_t written_ = 0;
};

} // namespace logvane
