#pragma once

#include "logfiles/result.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one 8-bit code page of every log file, read and written: the Windows ANSI code page of the
// user's language, the one the Windows loggers of the user's country write. Each of its 256 bytes
// is one character, so a file read and written unchanged keeps every byte. Log files stay bytes
// from loading to saving; characters are made of them only to show them, and bytes of characters
// only where a person typed them.

namespace logvane::codepage {

class CodePage
{
public:
    // The table of "windows-<number>" (874 for Thai), from Qt's codec. A byte the code page leaves
    // unassigned stands for the character of the same value (a C1 control, or a Latin-1 letter the
    // code page does not hold), as the Encoding Standard has it for windows-1252, so that the table
    // stays one to one and every byte comes back out as it went in.
    explicit CodePage(int number);

    QString name() const;
    const std::array<char16_t, 256>& characters() const { return characters_; }
    // The byte of a character, if the code page has one.
    std::optional<char> byteOf(char16_t character) const;

    // The bytes of `text`, or the failure for its first character without a byte; `place` says
    // where the text stands ("in the comment"). Nothing is replaced or dropped.
    Result<std::string> encode(QStringView text, const QString& place) const;
    // The failure for the character at `at` of `text`, which has no byte.
    Failure characterWithoutByte(QStringView text, qsizetype at, const QString& place) const;

private:
    int number_;
    std::array<char16_t, 256> characters_ {};
    std::vector<std::int16_t> bytes_; // the byte of each UTF-16 unit, or -1
};

// The ANSI code page Windows gives a language: 1250 Central European, 1251 Cyrillic, 1253 Greek,
// 1254 Turkish, 1255 Hebrew, 1256 Arabic, 1257 Baltic, 1258 Vietnamese, 874 Thai, and 1252 for
// every other language.
int ansiCodePageOf(const QLocale& locale);

// The code page of the locale the user's characters follow, from the values of LC_ALL, LC_CTYPE
// and LANG: the first that is set names it; none gives 1252.
int codePageOfLocaleVariables(const QString& lcAll, const QString& lcCtype, const QString& lang);

// The code page of every log file, chosen once, at its first use: on Windows the system's ANSI code
// page; elsewhere the one of the locale the user's characters follow (LC_ALL, LC_CTYPE, then LANG).
const CodePage& inUse();

} // namespace logvane::codepage
