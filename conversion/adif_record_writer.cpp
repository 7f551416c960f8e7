#include "conversion/adif_record_writer.h"

#include <array>
#include <charconv>

namespace logvane {
namespace {

// The ADIF standard: "a header begins with any character other than <"; this one line is the
// whole header.
constexpr std::string_view HeaderLine
    = "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n";

// The EDI date has no century and the ADIF one must: "20" is written before it, and the length 8
// is fixed text, not the byte count of what follows.
constexpr std::string_view DatePrefix = "<QSO_DATE:8>20";
constexpr std::string_view EndOfRecord = "<EOR>\r\n";

// "<" name ":" the value's byte count in decimal (no sign, no leading zeros, "0" for nothing) ">"
// and the value.
void appendField(std::string& adif, std::string_view tag, std::string_view value)
{
    std::array<char, 20> digits;
    const char* const end = std::to_chars(digits.begin(), digits.end(), value.size()).ptr;
    adif += tag;
    adif.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    adif += '>';
    adif += value;
}

} // namespace

std::string_view headerText()
{
    return HeaderLine;
}

RecordWriter::RecordWriter(std::string_view comment)
{
    setBand({});
    appendField(commentItemAndEnd_, "<COMMENT:", comment);
    commentItemAndEnd_ += EndOfRecord;
}

void RecordWriter::setBand(std::string_view band)
{
    bandItem_.clear();
    appendField(bandItem_, "<BAND:", band);
}

void RecordWriter::append(std::string& adif, const QsoFields& fields) const
{
    adif += DatePrefix;
    adif += fields.date;
    appendField(adif, "<TIME_ON:", fields.time);
    appendField(adif, "<TIME_OFF:", fields.time); // the QSO ends when it starts
    appendField(adif, "<CALL:", fields.call);
    appendField(adif, "<MODE:", fields.mode);
    adif += bandItem_;
    appendField(adif, "<RST_SENT:", fields.rstSent);
    appendField(adif, "<RST_RCVD:", fields.rstRcvd);
    appendField(adif, "<GRIDSQUARE:", fields.locator);
    adif += commentItemAndEnd_;
}

} // namespace logvane
