#pragma once

#include "logfiles/result.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The one 8-bit code page of every log file, read and written: windows-1252 as the WHATWG
// Encoding Standard has it. It is the ANSI code page of the Windows machines most contest logs
// come from, and each of its 256 bytes is one character, so a file read and written unchanged
// keeps every byte. Log files stay bytes from loading to saving; characters are made of them only
// to show them, and bytes of characters only where a person typed them.

namespace logvane::codepage {

// The character of each byte.
const std::array<char16_t, 256>& characters();

// The byte of a character, if the code page has one.
std::optional<char> byteOf(char16_t character);

QString decode(std::string_view bytes);

// The failure for the character at `at` of `text` that has no byte; `place` says where it stands
// ("in the comment", "on line 3 of the EDI text").
Failure characterWithoutByte(QStringView text, qsizetype at, const QString& place);

// The bytes of `text`, or the failure for its first character without a byte. Nothing is replaced
// or dropped.
Result<std::string> encode(QStringView text, const QString& place);

} // namespace logvane::codepage
