#include "conversion/edi_line_reader.h"

#include "conversion/band_table.h"
#include "conversion/log_characters.h"

#include <array>
#include <utility>

namespace logvane {
namespace {

constexpr std::string_view BandHeaderKey = "PBand=";
constexpr std::string_view LogStart = "[REG1TEST";

constexpr std::array<std::pair<std::string_view, HeaderKey>, 4> GroupHeaderKeys = {{
    {"PExch=", HeaderKey::Exchange},
    {"SPowe=", HeaderKey::Power},
    {"PCall=", HeaderKey::Callsign},
    {"PWWLo=", HeaderKey::Locator},
}};

struct ModeCode
{
    std::string_view code;
    std::string_view mode;
    std::size_t rstWidth; // a report is cut at this many characters
};

// The EDI mode codes that mean one ADIF mode whichever way the contact went. SSB reports have
// two characters (readability, strength); all others three (and tone, or a third figure).
constexpr std::array<ModeCode, 6> ModeCodes = {{
    {"1", "SSB", 2},
    {"2", "CW", 3},
    {"5", "AM", 3},
    {"6", "FM", 3},
    {"8", "SSTV", 3},
    {"9", "ATV", 3},
}};

// Every other code gives no mode: 0, 3 and 4 mean SSB one way and CW the other, 7 meant RTTY in
// the old format and any machine mode today. Its reports are still read as they were logged.
constexpr ModeCode UnnamedMode = {{}, {}, 3};

constexpr const ModeCode& modeOfCode(std::string_view code)
{
    for (const ModeCode& known : ModeCodes) {
        if (known.code == code)
            return known;
    }
    return UnnamedMode;
}

constexpr std::size_t LocatorWidth = 6;

// Columns count from 1: the at most `count` bytes of `line` starting at `column`, fewer where the
// line ends earlier, and nothing where the column lies beyond its end.
constexpr std::string_view cut(std::string_view line, std::size_t column, std::size_t count)
{
    return column > line.size() ? std::string_view {} : line.substr(column - 1, count);
}

// The fields of a record line, counted from 1; the reader needs those up to the locator.
enum Field : std::size_t {
    CallField = 3,
    ModeCodeField,
    RstSentField,
    SentSerialField,
    RstRcvdField,
    RcvdSerialField,
    ExchangeField,
    LocatorField
};

} // namespace

std::optional<std::string_view> bandFromHeader(std::string_view line)
{
    if (!line.starts_with(BandHeaderKey))
        return std::nullopt;
    return bandNamedBy(line.substr(BandHeaderKey.size()));
}

bool mayBeHeaderLine(std::string_view line)
{
    return !line.empty() && !isDigit(line.front());
}

std::optional<HeaderValue> groupHeaderValue(std::string_view line)
{
    for (const auto& [key, which] : GroupHeaderKeys) {
        if (line.starts_with(key))
            return HeaderValue {which, line.substr(key.size())};
    }
    return std::nullopt;
}

bool startsLog(std::string_view line)
{
    return line.starts_with(LogStart);
}

bool isQsoRecordLine(std::string_view line)
{
    return cut(line, 7, 1) == ";" && cut(line, 12, 1) == ";";
}

QsoFields extractFields(std::string_view line)
{
    QsoFields values {cut(line, 1, 6), cut(line, 8, 4)};
    // Field n runs from the ";" before it to the next ";" or the end of the line; a field after
    // the last ";" is reached, one beyond it is not and stays empty.
    std::array<std::string_view, LocatorField + 1> fields {}; // counted from 1
    std::size_t semicolons = 0;
    for (std::size_t n = 1, start = 0; n <= LocatorField; ++n) {
        const std::size_t end = line.find(';', start);
        fields[n] = line.substr(start, end - start);
        if (end == std::string_view::npos)
            break;
        ++semicolons;
        start = end + 1;
    }
    // A call is found only with the ";" after it.
    if (semicolons < CallField || fields[CallField].empty())
        return values;
    values.call = fields[CallField];
    const ModeCode& mode = modeOfCode(fields[ModeCodeField]);
    values.mode = mode.mode;
    values.rstSent = fields[RstSentField].substr(0, mode.rstWidth);
    values.rstRcvd = fields[RstRcvdField].substr(0, mode.rstWidth);
    values.locator = fields[LocatorField].substr(0, LocatorWidth);
    values.sentSerial = fields[SentSerialField];
    values.rcvdSerial = fields[RcvdSerialField];
    values.exchange = fields[ExchangeField];
    return values;
}

} // namespace logvane
