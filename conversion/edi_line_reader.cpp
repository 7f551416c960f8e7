#include "conversion/edi_line_reader.h"

#include <algorithm>
#include <array>
#include <utility>

namespace logvane {
namespace {

constexpr std::string_view BandHeaderKey = "PBand=";

// BandTable: band header values and the ADIF band names they give. The IARU Region 1 VHF
// handbook, and the loggers that follow it, name the 2 m and 70 cm bands by 145 and 435 MHz.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> BandTable = {{
    {"144 MHz", "2m"},
    {"145 MHz", "2m"},
    {"432 MHz", "70cm"},
    {"435 MHz", "70cm"},
    {"1,3 GHz", "23cm"},
}};

// Where a mode's fields start after a call of n characters: column = offset + n.
struct ModeLayout
{
    std::string_view mode;
    std::size_t rstWidth;
    std::size_t rstSentOffset;
    std::size_t rstRcvdOffset;
    std::size_t locatorOffset;
};

constexpr std::size_t CallColumn = 13;
constexpr std::size_t ModeCodeOffset = 14;
constexpr std::size_t LocatorWidth = 6;

// The EDI mode codes we read; the format defines more, which give no mode.
constexpr std::array<std::pair<std::string_view, ModeLayout>, 2> ModeCodes = {{
    {"2", {"CW", 3, 16, 24, 33}},
    {"1", {"SSB", 2, 16, 23, 31}},
}};

constexpr const ModeLayout& cw = ModeCodes[0].second;
constexpr const ModeLayout& ssb = ModeCodes[1].second;

// CallLengthTable: the start columns of the fields for the call lengths the EDI layout was
// drawn up for (4 to 9). The code reads every length through the offsets above; the table
// is kept to prove they give exactly these columns.
struct CallLengthRow
{
    std::size_t n, semicolon, modeCode;
    std::size_t cwRstSent, cwRstRcvd, cwLocator;
    std::size_t ssbRstSent, ssbRstRcvd, ssbLocator;
};
constexpr std::array<CallLengthRow, 6> CallLengthTable = {{
    {4, 17, 18, 20, 28, 37, 20, 27, 35},
    {5, 18, 19, 21, 29, 38, 21, 28, 36},
    {6, 19, 20, 22, 30, 39, 22, 29, 37},
    {7, 20, 21, 23, 31, 40, 23, 30, 38},
    {8, 21, 22, 24, 32, 41, 24, 31, 39},
    {9, 22, 23, 25, 33, 42, 25, 32, 40},
}};

static_assert(std::all_of(CallLengthTable.begin(), CallLengthTable.end(), [](const auto& r) {
    return r.semicolon == CallColumn + r.n && r.modeCode == ModeCodeOffset + r.n
        && r.cwRstSent == cw.rstSentOffset + r.n && r.cwRstRcvd == cw.rstRcvdOffset + r.n
        && r.cwLocator == cw.locatorOffset + r.n && r.ssbRstSent == ssb.rstSentOffset + r.n
        && r.ssbRstRcvd == ssb.rstRcvdOffset + r.n && r.ssbLocator == ssb.locatorOffset + r.n;
}));

const ModeLayout* layoutForModeCode(std::string_view code)
{
    for (const auto& [key, layout] : ModeCodes) {
        if (key == code)
            return &layout;
    }
    return nullptr;
}

} // namespace

std::string_view cut(std::string_view line, std::size_t column, std::size_t count)
{
    const std::size_t start = column - 1;
    if (start >= line.size())
        return {};
    return line.substr(start, count);
}

std::optional<std::string_view> bandFromHeader(std::string_view line)
{
    if (!line.starts_with(BandHeaderKey))
        return std::nullopt;
    const std::string_view value = line.substr(BandHeaderKey.size());
    for (const auto& [header, band] : BandTable) {
        if (header == value)
            return band;
    }
    return std::string_view {};
}

std::size_t longestBandName()
{
    std::size_t longest = 0;
    for (const auto& row : BandTable)
        longest = std::max(longest, row.second.size());
    return longest;
}

bool isQsoRecordLine(std::string_view line)
{
    return cut(line, 7, 1) == ";" && cut(line, 12, 1) == ";";
}

std::optional<std::size_t> callLength(std::string_view line)
{
    if (line.size() < CallColumn)
        return std::nullopt;
    const std::size_t semicolon = line.find(';', CallColumn - 1);
    if (semicolon == std::string_view::npos || semicolon == CallColumn - 1)
        return std::nullopt;
    return semicolon - (CallColumn - 1);
}

QsoFields extractFields(std::string_view line)
{
    QsoFields fields;
    fields.date = cut(line, 1, 6);
    fields.time = cut(line, 8, 4);

    const std::optional<std::size_t> n = callLength(line);
    if (!n)
        return fields;
    fields.call = cut(line, CallColumn, *n);

    const ModeLayout* layout = layoutForModeCode(cut(line, ModeCodeOffset + *n, 1));
    if (!layout)
        return fields;
    fields.mode = layout->mode;
    fields.rstSent = cut(line, layout->rstSentOffset + *n, layout->rstWidth);
    fields.rstRcvd = cut(line, layout->rstRcvdOffset + *n, layout->rstWidth);
    fields.locator = cut(line, layout->locatorOffset + *n, LocatorWidth);
    return fields;
}

} // namespace logvane
