#include "conversion/contest_values.h"

#include "conversion/log_characters.h"

#include <algorithm>

namespace logvane {
namespace {

constexpr std::size_t MostSerialDigits = 9;
constexpr std::size_t MostPowerDigits = 6;
constexpr std::size_t MostPowerDecimals = 3;
constexpr std::size_t ShortestCall = 3;
constexpr std::size_t LongestCall = 20;

// An ASCII letter from A to `last`, in either case.
constexpr bool isLetterUpTo(char c, char last)
{
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return upper >= 'A' && upper <= last;
}

constexpr std::string_view trimmed(std::string_view raw)
{
    while (!raw.empty() && isBlank(raw.front()))
        raw.remove_prefix(1);
    while (!raw.empty() && isBlank(raw.back()))
        raw.remove_suffix(1);
    return raw;
}

// How many digits stand in `text` from `at` on.
constexpr std::size_t digitsFrom(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

} // namespace

std::string_view serialNumber(std::string_view raw)
{
    const std::string_view serial = trimmed(raw);
    if (serial.empty() || serial.size() > MostSerialDigits
        || digitsFrom(serial, 0) != serial.size())
        return {};
    return serial.substr(std::min(serial.find_first_not_of('0'), serial.size() - 1));
}

std::string_view exchangeText(std::string_view raw)
{
    return trimmed(raw);
}

std::string transmitPower(std::string_view raw)
{
    std::string_view value = trimmed(raw);
    if (!value.empty() && (value.back() == 'W' || value.back() == 'w'))
        value = trimmed(value.substr(0, value.size() - 1));
    const std::size_t whole = digitsFrom(value, 0);
    if (whole == 0 || whole > MostPowerDigits)
        return {};
    std::string watts(value.substr(0, whole));
    if (whole < value.size()) {
        const std::size_t decimals = digitsFrom(value, whole + 1);
        if ((value[whole] != '.' && value[whole] != ',') || decimals == 0
            || decimals > MostPowerDecimals || whole + 1 + decimals != value.size())
            return {};
        watts += '.';
        watts += value.substr(whole + 1);
    }
    if (watts.find_first_of("123456789") == std::string::npos)
        return {}; // no power at all
    return watts;
}

std::string_view stationCallsign(std::string_view raw)
{
    const std::string_view call = trimmed(raw);
    if (call.size() < ShortestCall || call.size() > LongestCall)
        return {};
    for (const char c : call) {
        if (!isLetterUpTo(c, 'Z') && !isDigit(c) && c != '/')
            return {};
    }
    return call;
}

std::string_view maidenheadLocator(std::string_view raw)
{
    const std::string_view locator = trimmed(raw);
    if (locator.size() != 4 && locator.size() != 6 && locator.size() != 8)
        return {};
    // Pairs: field letters A to R, square digits, subsquare letters A to X, extended square digits.
    for (std::size_t i = 0; i < locator.size(); ++i) {
        const char c = locator[i];
        const bool fits = i < 2 ? isLetterUpTo(c, 'R')
            : i >= 4 && i < 6   ? isLetterUpTo(c, 'X')
                                : isDigit(c);
        if (!fits)
            return {};
    }
    return locator;
}

} // namespace logvane
