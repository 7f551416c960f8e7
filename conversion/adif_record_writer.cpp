#include "conversion/adif_record_writer.h"

#include "conversion/contest_values.h"

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

// An optional field: written only when it has a value.
void appendPresent(std::string& adif, std::string_view tag, std::string_view value)
{
    if (!value.empty())
        appendField(adif, tag, value);
}

constexpr std::size_t slot(HeaderKey key)
{
    return static_cast<std::size_t>(key);
}

} // namespace

std::string_view headerText()
{
    return HeaderLine;
}

RecordWriter::RecordWriter(std::string_view comment, FieldGroups groups)
    : groups_(groups)
{
    setBand({});
    appendField(commentItem_, "<COMMENT:", comment);
    formatItemsAndEnd();
}

void RecordWriter::setBand(std::string_view band)
{
    bandItem_.clear();
    appendField(bandItem_, "<BAND:", band);
}

void RecordWriter::setHeaderValue(const HeaderValue& header)
{
    std::string& field = headerItems_[slot(header.key)];
    field.clear();
    switch (header.key) {
    case HeaderKey::Exchange:
        if (groups_.contest)
            appendPresent(field, "<STX_STRING:", exchangeText(header.value));
        break;
    case HeaderKey::Power:
        if (groups_.contest)
            appendPresent(field, "<TX_PWR:", transmitPower(header.value));
        break;
    case HeaderKey::Callsign:
        if (groups_.station)
            appendPresent(field, "<STATION_CALLSIGN:", stationCallsign(header.value));
        break;
    case HeaderKey::Locator:
        if (groups_.station)
            appendPresent(field, "<MY_GRIDSQUARE:", maidenheadLocator(header.value));
        break;
    }
    formatItemsAndEnd();
}

void RecordWriter::clearHeaderValues()
{
    for (std::string& field : headerItems_)
        field.clear();
    formatItemsAndEnd();
}

void RecordWriter::formatItemsAndEnd()
{
    itemsAndEnd_ = headerItems_[slot(HeaderKey::Power)];
    itemsAndEnd_ += headerItems_[slot(HeaderKey::Callsign)];
    itemsAndEnd_ += headerItems_[slot(HeaderKey::Locator)];
    itemsAndEnd_ += EndOfRecord;
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
    adif += commentItem_;
    if (groups_.contest) {
        appendPresent(adif, "<STX:", serialNumber(fields.sentSerial));
        appendPresent(adif, "<SRX:", serialNumber(fields.rcvdSerial));
        adif += headerItems_[slot(HeaderKey::Exchange)];
        appendPresent(adif, "<SRX_STRING:", exchangeText(fields.exchange));
    }
    adif += itemsAndEnd_;
}

} // namespace logvane
