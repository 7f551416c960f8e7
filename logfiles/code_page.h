#pragma once

#include "logfiles/result.h"

#include <QString>
#include <QStringView>

#include <array>
#include <string>
#include <string_view>

// The one 8-bit code page of every log file, read and written: windows-1252 as the WHATWG
// Encoding Standard has it. It is the ANSI code page of the Windows machines most contest logs
// come from, and each of its 256 bytes is one character, so a file read and written unchanged
// keeps every byte. This is the only place where file bytes become text and text becomes bytes.

namespace logvane::codepage {

// The character of each byte.
const std::array<char16_t, 256>& characters();

QString decode(std::string_view bytes);

// Where a text to be written comes from, for the message about a character it cannot hold.
enum class Source { EdiText, Comment, AdifText };

// The bytes of `text`, or, when it holds a character the code page has no byte for, a message that
// names the first such character and where it stands. Nothing is replaced or dropped.
Result<std::string> encode(QStringView text, Source source);

} // namespace logvane::codepage
