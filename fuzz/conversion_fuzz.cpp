// Arbitrary bytes as an EDI text and a comment: the conversion must not crash, and its output
// must keep the shape every ADIF reader relies on. The first byte gives the comment's length (its
// low six bits) and the optional field groups (bit 6 the contest exchange, bit 7 my station).
#include "conversion/adif_record_writer.h"
#include "conversion/conversion_run.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The lines that must give a record: split at CR LF, ";" in columns 7 and 12.
std::vector<std::string_view> recordLines(std::string_view edi)
{
    std::vector<std::string_view> lines;
    if (edi.empty())
        return lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = edi.find("\r\n", start);
        const std::string_view line
            = edi.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.size() >= 12 && line[6] == ';' && line[11] == ';')
            lines.push_back(line);
        if (end == std::string_view::npos)
            return lines;
        start = end + 2;
    }
}

// What the record of a gated line must hold, worked out here on its own: the fields split at ";",
// the call when field 3 is followed by a ";" and not empty, then the mode of the mode code, the
// reports of fields 5 and 7 and the locator of field 10, each cut at its width; for the contest
// exchange, the serials of fields 6 and 8 and the exchange of field 9.
struct Expected
{
    std::string_view call, mode, rstSent, rstRcvd, locator, sentSerial, rcvdSerial, exchange;
};

std::string_view withoutBlanks(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    return value;
}

// 1 to 9 digits without their leading zeros, or nothing.
std::string_view serialOf(std::string_view field)
{
    std::string_view serial = withoutBlanks(field);
    if (serial.empty() || serial.size() > 9
        || serial.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    while (serial.size() > 1 && serial.front() == '0')
        serial.remove_prefix(1);
    return serial;
}

Expected expectedRecord(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const auto field = [&fields](std::size_t number) {
        return number <= fields.size() ? fields[number - 1] : std::string_view {};
    };
    if (fields.size() < 4 || field(3).empty())
        return {};
    constexpr std::array<std::pair<std::string_view, std::string_view>, 6> modes
        = {{{"1", "SSB"}, {"2", "CW"}, {"5", "AM"}, {"6", "FM"}, {"8", "SSTV"}, {"9", "ATV"}}};
    std::string_view mode;
    for (const auto& [code, name] : modes) {
        if (field(4) == code)
            mode = name;
    }
    const std::size_t width = mode == "SSB" ? 2 : 3;
    return {field(3), mode, field(5).substr(0, width), field(7).substr(0, width),
        field(10).substr(0, 6), serialOf(field(6)), serialOf(field(8)), withoutBlanks(field(9))};
}

bool isAdifBand(std::string_view band)
{
    constexpr std::array<std::string_view, 33> bands
        = {"2190m", "630m", "560m", "160m", "80m", "60m", "40m", "30m", "20m", "17m", "15m", "12m",
            "10m", "8m", "6m", "5m", "4m", "2m", "1.25m", "70cm", "33cm", "23cm", "13cm", "9cm",
            "6cm", "3cm", "1.25cm", "6mm", "4mm", "2.5mm", "2mm", "1mm", "submm"};
    for (const std::string_view known : bands) {
        if (band == known)
            return true;
    }
    return false;
}

// Reads "<NAME:" length ">" and the value that many bytes long; the length must be decimal
// without leading zeros.
std::string_view readField(std::string_view adif, std::size_t& at, std::string_view tag)
{
    check(adif.substr(at, tag.size()) == tag, "field tag in its place");
    at += tag.size();
    const std::size_t close = adif.find('>', at);
    check(close != std::string_view::npos && close > at, "length closed by >");
    const std::string_view digits = adif.substr(at, close - at);
    check(digits.size() == 1 || digits[0] != '0', "no leading zeros");
    std::size_t length = 0;
    for (const char digit : digits) {
        check(digit >= '0' && digit <= '9', "length is decimal");
        length = length * 10 + static_cast<std::size_t>(digit - '0');
    }
    at = close + 1;
    check(length <= adif.size() - at, "value within the text");
    const std::string_view value = adif.substr(at, length);
    at += length;
    return value;
}

// The fields of the optional groups, in their order, each with the bit of its group.
constexpr std::array<std::pair<std::string_view, unsigned>, 7> OptionalTags
    = {{{"<STX:", 1}, {"<SRX:", 1}, {"<STX_STRING:", 1}, {"<SRX_STRING:", 1}, {"<TX_PWR:", 1},
        {"<STATION_CALLSIGN:", 2}, {"<MY_GRIDSQUARE:", 2}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view comment = input.substr(1, data[0] & 0x3F);
    const std::string_view edi = input.substr(1 + comment.size());
    const unsigned chosen = data[0] >> 6;
    const logvane::FieldGroups groups {.contest = (chosen & 1) != 0, .station = (chosen & 2) != 0};

    const logvane::ConversionRun::AdifText converted
        = logvane::ConversionRun::run(edi, comment, groups);
    const std::string& adif = converted.text;
    check(adif == logvane::ConversionRun::run(edi, comment, groups).text,
        "two runs give the same text");
    logvane::ConversionRun::RecordCounts counted;

    const std::string_view text = adif;
    check(text.starts_with(logvane::headerText()), "header first");
    std::size_t at = logvane::headerText().size();
    constexpr std::array<std::string_view, 9> tags = {"<TIME_ON:", "<TIME_OFF:", "<CALL:", "<MODE:",
        "<BAND:", "<RST_SENT:", "<RST_RCVD:", "<GRIDSQUARE:", "<COMMENT:"};
    for (const std::string_view line : recordLines(edi)) {
        check(text.substr(at, 14) == "<QSO_DATE:8>20", "date prefix");
        check(text.substr(at + 14, 6) == line.substr(0, 6), "date");
        at += 20;
        std::array<std::string_view, tags.size()> values {};
        for (std::size_t i = 0; i < tags.size(); ++i)
            values[i] = readField(text, at, tags[i]);
        check(values[0] == line.substr(7, 4) && values[1] == values[0], "time on and off");
        const Expected expected = expectedRecord(line);
        check(values[2] == expected.call, "call");
        check(values[3] == expected.mode, "mode");
        check(values[5] == expected.rstSent, "sent report");
        check(values[6] == expected.rstRcvd, "received report");
        check(values[7] == expected.locator, "locator");
        check(values[4].empty() || isAdifBand(values[4]), "band");
        ++counted.records;
        counted.withoutBand += values[4].empty() ? 1 : 0;
        counted.withoutMode += values[3].empty() ? 1 : 0;
        check(values[8] == comment, "comment");
        std::array<std::string_view, OptionalTags.size()> optional {};
        for (std::size_t next = 0; text.substr(at, 5) != "<EOR>"; ++next) {
            while (next < OptionalTags.size()
                && !text.substr(at).starts_with(OptionalTags[next].first))
                ++next;
            check(next < OptionalTags.size(), "optional fields in their order");
            check((OptionalTags[next].second & chosen) != 0, "fields of the chosen groups only");
            optional[next] = readField(text, at, OptionalTags[next].first);
            check(!optional[next].empty(), "optional fields only with a value");
        }
        if (groups.contest) {
            check(optional[0] == expected.sentSerial, "sent serial");
            check(optional[1] == expected.rcvdSerial, "received serial");
            check(optional[3] == expected.exchange, "received exchange");
        }
        check(text.substr(at, 7) == "<EOR>\r\n", "end of record");
        at += 7;
    }
    check(at == text.size(), "one record per record line and nothing more");
    check(converted.counts == counted, "counts of the records written");
    return 0;
}
