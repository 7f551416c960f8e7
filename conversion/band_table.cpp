#include "conversion/band_table.h"

#include "conversion/log_characters.h"

#include <array>
#include <cstdint>
#include <optional>

namespace logvane {
namespace {

// Frequencies are whole numbers of microhertz: nine decimals of a kHz are exactly one, so every
// frequency a value can name is exact, and the highest band edge, 7.5 THz, fits in 64 bits. Edges
// are compared exactly, as decimals: "1,3 GHz" is the 23 cm band's upper edge, not next to it.
using Microhertz = std::uint64_t;

constexpr Microhertz PerKilohertz = 1'000'000'000;
constexpr Microhertz PerMegahertz = 1'000 * PerKilohertz;
constexpr Microhertz PerGigahertz = 1'000 * PerMegahertz;
constexpr Microhertz HighestEdge = 7'500'000 * PerMegahertz;
constexpr std::size_t MostDigits = 9;

constexpr char lowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads one to nine digits at `at` into `number`; gives how many there were, 0 for too many.
constexpr std::size_t readDigits(std::string_view text, std::size_t& at, Microhertz& number)
{
    const std::size_t start = at;
    for (; at < text.size() && isDigit(text[at]); ++at)
        number = number * 10 + static_cast<Microhertz>(text[at] - '0');
    const std::size_t count = at - start;
    return count <= MostDigits ? count : 0;
}

constexpr std::optional<Microhertz> frequencyOf(std::string_view value)
{
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < value.size() && isBlank(value[at]))
            ++at;
    };
    skipBlanks();
    Microhertz whole = 0;
    Microhertz fraction = 0;
    std::size_t fractionDigits = 0;
    if (readDigits(value, at, whole) == 0)
        return std::nullopt;
    if (at < value.size() && (value[at] == ',' || value[at] == '.')) {
        ++at;
        fractionDigits = readDigits(value, at, fraction);
        if (fractionDigits == 0)
            return std::nullopt;
    }
    skipBlanks();
    Microhertz unit = PerMegahertz;
    if (value.size() - at >= 3 && lowerCase(value[at + 1]) == 'h'
        && lowerCase(value[at + 2]) == 'z') {
        const char prefix = lowerCase(value[at]);
        unit = prefix == 'k' ? PerKilohertz
            : prefix == 'm'  ? PerMegahertz
            : prefix == 'g'  ? PerGigahertz
                             : 0;
        if (unit == 0)
            return std::nullopt;
        at += 3;
    }
    skipBlanks();
    if (at != value.size() || whole > HighestEdge / unit)
        return std::nullopt; // trailing text, or far above every band
    Microhertz fractionUnit = unit;
    for (std::size_t i = 0; i < fractionDigits; ++i)
        fractionUnit /= 10;
    return whole * unit + fraction * fractionUnit;
}

constexpr Microhertz megahertz(std::string_view decimal)
{
    return frequencyOf(decimal).value();
}

struct Band
{
    std::string_view name;
    Microhertz lower, upper;
};

// BandTable: the Band enumeration of the ADIF standard (3.1.5 and 3.1.6 agree), edges in MHz. The
// last three rows are the frequencies just below a band's edge by which loggers name it.
constexpr std::array<Band, 36> BandTable = {{
    {"2190m", megahertz("0.1357"), megahertz("0.1378")},
    {"630m", megahertz("0.472"), megahertz("0.479")},
    {"560m", megahertz("0.501"), megahertz("0.504")},
    {"160m", megahertz("1.8"), megahertz("2.0")},
    {"80m", megahertz("3.5"), megahertz("4.0")},
    {"60m", megahertz("5.06"), megahertz("5.45")},
    {"40m", megahertz("7.0"), megahertz("7.3")},
    {"30m", megahertz("10.1"), megahertz("10.15")},
    {"20m", megahertz("14.0"), megahertz("14.35")},
    {"17m", megahertz("18.068"), megahertz("18.168")},
    {"15m", megahertz("21.0"), megahertz("21.45")},
    {"12m", megahertz("24.89"), megahertz("24.99")},
    {"10m", megahertz("28.0"), megahertz("29.7")},
    {"8m", megahertz("40"), megahertz("45")},
    {"6m", megahertz("50"), megahertz("54")},
    {"5m", megahertz("54.000001"), megahertz("69.9")},
    {"4m", megahertz("70"), megahertz("71")},
    {"2m", megahertz("144"), megahertz("148")},
    {"1.25m", megahertz("222"), megahertz("225")},
    {"70cm", megahertz("420"), megahertz("450")},
    {"33cm", megahertz("902"), megahertz("928")},
    {"23cm", megahertz("1240"), megahertz("1300")},
    {"13cm", megahertz("2300"), megahertz("2450")},
    {"9cm", megahertz("3300"), megahertz("3500")},
    {"6cm", megahertz("5650"), megahertz("5925")},
    {"3cm", megahertz("10000"), megahertz("10500")},
    {"1.25cm", megahertz("24000"), megahertz("24250")},
    {"6mm", megahertz("47000"), megahertz("47200")},
    {"4mm", megahertz("75500"), megahertz("81000")},
    {"2.5mm", megahertz("119980"), megahertz("123000")},
    {"2mm", megahertz("134000"), megahertz("149000")},
    {"1mm", megahertz("241000"), megahertz("250000")},
    {"submm", megahertz("300000"), megahertz("7500000")},
    {"23cm", megahertz("1200"), megahertz("1200")}, // "1,2 GHz"
    {"1.25m", megahertz("220"), megahertz("220")},
    {"33cm", megahertz("900"), megahertz("900")},
}};

} // namespace

std::string_view bandNamedBy(std::string_view value)
{
    const std::optional<Microhertz> frequency = frequencyOf(value);
    if (!frequency)
        return {};
    for (const Band& band : BandTable) {
        if (*frequency >= band.lower && *frequency <= band.upper)
            return band.name;
    }
    return {};
}

} // namespace logvane
