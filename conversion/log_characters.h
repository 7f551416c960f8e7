#pragma once

// Kinds of bytes that the values of an EDI log are read by. Only ASCII counts: every other byte of
// the 8-bit text is a character of the code page, never a blank or a digit.

namespace logvane {

// A blank around a value: a space or a tab.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace logvane
