#include "conversion/conversion_run.h"

#include "conversion/adif_record_writer.h"
#include "conversion/edi_line_reader.h"

#include <algorithm>

namespace logvane::ConversionRun {
namespace {

// Calls `take` for every line of `text`, split at CR LF only. A text that ends with CR LF gives a
// last, empty line; an empty text gives none.
template <typename Take> void forEachLine(std::string_view text, Take&& take)
{
    if (text.empty())
        return;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
         start = end + 2)
        take(text.substr(start, end - start));
    take(text.substr(start));
}

// What a record of a usual log takes beside its comment: about 130 bytes of tags, lengths, band
// and mode, and the values of its line. Records with longer values make the text grow.
constexpr std::size_t UsualRecordBytes = 200;

} // namespace

std::string run(std::string_view ediText, std::string_view comment)
{
    std::string adif;
    const auto lines = static_cast<std::size_t>(std::count(ediText.begin(), ediText.end(), '\n'));
    adif.reserve(headerText().size() + (lines + 1) * (UsualRecordBytes + comment.size()));
    adif += headerText();

    RecordWriter writer(comment);
    forEachLine(ediText, [&](std::string_view line) {
        if (const auto band = bandFromHeader(line))
            writer.setBand(*band);
        if (isQsoRecordLine(line))
            writer.append(adif, extractFields(line));
    });
    return adif;
}

} // namespace logvane::ConversionRun
