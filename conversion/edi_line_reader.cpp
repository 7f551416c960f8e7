#include "conversion/edi_line_reader.h"

#include "conversion/band_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace logvane {
namespace {

constexpr std::string_view BandHeaderKey = "PBand=";

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

// Eight bytes of a line as one number, the first byte lowest.
constexpr std::uint64_t eightBytesAt(std::string_view line, std::size_t at)
{
    if (std::is_constant_evaluated() || std::endian::native != std::endian::little) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < 8; ++i)
            word |= std::uint64_t {static_cast<unsigned char>(line[at + i])} << (8 * i);
        return word;
    }
    std::uint64_t word;
    std::memcpy(&word, line.data() + at, sizeof word);
    return word;
}

// Notes where the first ";" of the line stand, as many as `positions` holds, and gives how many
// there are. A record's fields are a few bytes long, so a branch per byte would guess wrong at
// every field: the bytes are looked at eight at a time, and the ";" among them marked by the
// classic test for a zero byte, applied to the bytes XOR ";".
template <std::size_t N>
constexpr std::size_t findSemicolons(std::string_view line, std::array<std::size_t, N>& positions)
{
    constexpr std::uint64_t Semicolons = 0x3b3b3b3b3b3b3b3b;
    constexpr std::uint64_t Low7 = 0x7f7f7f7f7f7f7f7f;
    std::size_t found = 0;
    std::size_t at = 0;
    for (; at + 8 <= line.size() && found < N; at += 8) {
        const std::uint64_t word = eightBytesAt(line, at) ^ Semicolons;
        // The high bit of each byte that was a ";" (is zero now), and of no other.
        std::uint64_t marks = ~(((word & Low7) + Low7) | word | Low7);
        for (; marks != 0 && found < N; marks &= marks - 1)
            positions[found++] = at + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
    }
    for (; at < line.size() && found < N; ++at) {
        if (line[at] == ';')
            positions[found++] = at;
    }
    return found;
}

// The fields of a record line, counted from 1; the reader needs those up to the locator.
enum Field : std::size_t {
    CallField = 3,
    ModeCodeField,
    RstSentField,
    RstRcvdField = 7,
    LocatorField = 10
};

constexpr QsoFields readFields(std::string_view line)
{
    std::array<std::size_t, LocatorField> semicolons; // only the first `found` are set
    const std::size_t found = findSemicolons(line, semicolons);
    // Field n runs from the ";" before it to the next ";" or the end of the line; a field after
    // the last ";" is reached, one beyond it is not.
    const auto field = [&](std::size_t n) -> std::string_view {
        if (n > found + 1)
            return {};
        const std::size_t start = n == 1 ? 0 : semicolons[n - 2] + 1;
        return line.substr(start, (n <= found ? semicolons[n - 1] : line.size()) - start);
    };

    QsoFields values {cut(line, 1, 6), cut(line, 8, 4)};
    // A call is found only with the ";" after it.
    if (found < CallField || field(CallField).empty())
        return values;
    values.call = field(CallField);
    const ModeCode& mode = modeOfCode(field(ModeCodeField));
    values.mode = mode.mode;
    values.rstSent = field(RstSentField).substr(0, mode.rstWidth);
    values.rstRcvd = field(RstRcvdField).substr(0, mode.rstWidth);
    values.locator = field(LocatorField).substr(0, LocatorWidth);
    return values;
}

// CallLengthTable: where the REG1TEST layout puts the fields after a call of n characters, for
// records of its widths: a one-character mode code, reports of the mode's width, three-digit
// serials and an empty exchange. Start columns; the reports are 3 wide for CW, 2 for SSB, the
// locator 6.
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

// A record line of the layout's widths with a call of n characters.
struct LayoutLine
{
    std::array<char, 64> bytes {};
    std::size_t size = 0;

    constexpr LayoutLine(std::size_t n, bool cw)
    {
        add("130803;1200;");
        add(std::string_view("QQQQQQQQQ").substr(0, n));
        add(cw ? ";2;599;001;578;012;;KN00AB;120;;;;" : ";1;59;001;57;012;;KN00AB;120;;;;");
    }
    constexpr void add(std::string_view text)
    {
        for (const char c : text)
            bytes[size++] = c;
    }
    constexpr std::string_view firstBytes(std::size_t count) const { return {bytes.data(), count}; }
};

// Reading the fields gives exactly the columns of the table, for every row, both modes, and the
// line cut off after any column from the gate's on.
constexpr bool fieldsStandAtTheTableColumns()
{
    for (const CallLengthRow& row : CallLengthTable) {
        for (const bool cw : {true, false}) {
            const LayoutLine whole(row.n, cw);
            for (std::size_t length = 12; length <= whole.size; ++length) {
                const std::string_view line = whole.firstBytes(length);
                QsoFields expected {cut(line, 1, 6), cut(line, 8, 4)};
                if (length >= row.semicolon)
                    expected.call = cut(line, 13, row.n);
                if (length >= row.modeCode) {
                    expected.mode = cw ? "CW" : "SSB";
                    expected.rstSent
                        = cw ? cut(line, row.cwRstSent, 3) : cut(line, row.ssbRstSent, 2);
                    expected.rstRcvd
                        = cw ? cut(line, row.cwRstRcvd, 3) : cut(line, row.ssbRstRcvd, 2);
                    expected.locator = cut(line, cw ? row.cwLocator : row.ssbLocator, LocatorWidth);
                }
                if (readFields(line) != expected)
                    return false;
            }
        }
    }
    return true;
}
static_assert(fieldsStandAtTheTableColumns());

} // namespace

std::optional<std::string_view> bandFromHeader(std::string_view line)
{
    if (!line.starts_with(BandHeaderKey))
        return std::nullopt;
    return bandNamedBy(line.substr(BandHeaderKey.size()));
}

bool isQsoRecordLine(std::string_view line)
{
    return cut(line, 7, 1) == ";" && cut(line, 12, 1) == ";";
}

QsoFields extractFields(std::string_view line)
{
    return readFields(line);
}

} // namespace logvane
