#include "conversion/conversion_run.h"

#include "conversion/adif_record_writer.h"
#include "conversion/edi_line_reader.h"

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
// and mode, and the values of its line; the contest group adds about 50 (serials, exchanges,
// power), the station group about 50 (call and locator). Records with longer values make the
// text grow. Every record writes at least 130 bytes and the comment, so the text reserved from the
// record lines is never more than two and a half times what is written, whatever the EDI text
// holds besides them.
constexpr std::size_t UsualRecordBytes = 200;
constexpr std::size_t UsualContestBytes = 50;
constexpr std::size_t UsualStationBytes = 50;

} // namespace

AdifText run(std::string_view ediText, std::string_view comment, FieldGroups groups)
{
    AdifText adif;
    std::size_t recordLines = 0;
    forEachLine(
        ediText, [&](std::string_view line) { recordLines += isQsoRecordLine(line) ? 1 : 0; });
    const std::size_t recordBytes = UsualRecordBytes + (groups.contest ? UsualContestBytes : 0)
        + (groups.station ? UsualStationBytes : 0);
    adif.text.reserve(headerText().size() + recordLines * (recordBytes + comment.size()));
    adif.text += headerText();

    RecordWriter writer(comment, groups);
    bool bandKnown = false;
    forEachLine(ediText, [&](std::string_view line) {
        if (mayBeHeaderLine(line)) {
            if (const auto band = bandFromHeader(line)) {
                writer.setBand(*band);
                bandKnown = !band->empty();
            }
            if (const auto header = groupHeaderValue(line))
                writer.setHeaderValue(*header);
            else if (startsLog(line))
                writer.clearHeaderValues();
        }
        if (isQsoRecordLine(line)) {
            const QsoFields fields = extractFields(line);
            writer.append(adif.text, fields);
            ++adif.counts.records;
            adif.counts.withoutBand += bandKnown ? 0 : 1;
            adif.counts.withoutMode += fields.mode.empty() ? 1 : 0;
        }
    });
    return adif;
}

} // namespace logvane::ConversionRun
