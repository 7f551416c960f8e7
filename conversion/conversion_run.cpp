#include "conversion/conversion_run.h"

#include "conversion/edi_line_reader.h"

#include <algorithm>

namespace logvane {
namespace {

// Calls `take` for every line of `text`, split at CR LF only. A text that ends with CR LF
// gives a last, empty line; an empty text gives none.
template <typename Take> void forEachLine(std::string_view text, Take&& take)
{
    if (text.empty())
        return;
    std::size_t start = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', from);
        if (lf == std::string_view::npos) {
            take(text.substr(start));
            return;
        }
        if (lf > start && text[lf - 1] == '\r') {
            take(text.substr(start, lf - 1 - start));
            start = lf + 1;
        }
        from = lf + 1;
    }
}

std::size_t countLineFeeds(std::string_view text)
{
    // Counted a block at a time into a byte, which the compiler turns into vector code.
    constexpr std::size_t Block = 255;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += Block) {
        const std::string_view block = text.substr(at, Block);
        unsigned char inBlock = 0;
        for (const char c : block)
            inBlock = static_cast<unsigned char>(inBlock + (c == '\n'));
        count += inBlock;
    }
    return count;
}

// A QSO record line has ";" in column 12, so it takes 12 bytes and, unless it is the last
// line, the CR LF after it.
constexpr std::size_t RecordLineBytes = 12 + 2;

} // namespace

ConversionRun::ConversionRun(std::string_view comment)
    : writer_(comment)
{ }

std::size_t ConversionRun::adifSizeBound(std::string_view ediText, std::string_view comment)
{
    const std::size_t lines = countLineFeeds(ediText) + 1;
    const std::size_t records = std::min(lines, ediText.size() / RecordLineBytes + 1);
    return headerText().size()
        + RecordWriter(comment).sizeBound(records, ediText.size(), longestBandName());
}

std::string ConversionRun::run(std::string_view ediText, std::string_view comment)
{
    ConversionRun conversion(comment);
    conversion.adif_.reserve(adifSizeBound(ediText, comment));
    conversion.adif_.append(headerText());
    conversion.written_ = conversion.adif_.size();
    forEachLine(ediText, [&conversion](std::string_view line) { conversion.takeLine(line); });
    conversion.adif_.resize(conversion.written_);
    return std::move(conversion.adif_);
}

void ConversionRun::takeLine(std::string_view line)
{
    if (const auto band = bandFromHeader(line))
        writer_.setBand(*band);
    if (!isQsoRecordLine(line))
        return;
    makeRoom(writer_.recordSizeBound(line.size()));
    char* const start = adif_.data();
    written_
        = static_cast<std::size_t>(writer_.write(start + written_, extractFields(line)) - start);
}

// Records are written straight into the text. Its size is set a stretch ahead at a time, within
// the capacity reserved at the start, so that a record costs no call into the string.
void ConversionRun::makeRoom(std::size_t bytes)
{
    constexpr std::size_t Stretch = 1024;
    if (adif_.size() - written_ >= bytes)
        return;
    const std::size_t wanted = written_ + std::max(bytes, Stretch);
    adif_.resize(std::max(written_ + bytes, std::min(wanted, adif_.capacity())));
}

} // namespace logvane
