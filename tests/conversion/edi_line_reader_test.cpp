#include "conversion/edi_line_reader.h"
#include "tests/conversion/qso_fields_printer.h"

#include <gtest/gtest.h>
#include <string>

namespace logvane {
namespace {

struct BandCase
{
    const char* line;
    std::optional<std::string_view> band;
};

TEST(EdiLineReader, BandHeaderValuesAreExactAndCaseSensitive)
{
    const BandCase cases[] = {
        {"PBand=144 MHz", "2m"},
        {"PBand=145 MHz", "2m"},
        {"PBand=432 MHz", "70cm"},
        {"PBand=435 MHz", "70cm"},
        {"PBand=1,3 GHz", "23cm"},
        // Band headers naming no band we know clear the band.
        {"PBand=144 MHz ", ""},
        {"PBand=1296 MHz", ""},
        {"PBand=50 MHz", ""},
        {"PBand=1.3 GHz", ""},
        {"PBand=144 mhz", ""},
        {"PBand=", ""},
        // Not band headers at all.
        {"pband=144 MHz", std::nullopt},
        {"PBAND=144 MHz", std::nullopt},
        {" PBand=144 MHz", std::nullopt},
        {"PBand", std::nullopt},
        {"TDate=20130803;20130804", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bandFromHeader(c.line), c.band) << '"' << c.line << '"';
}

TEST(EdiLineReader, GateWantsSemicolonsInColumnsSevenAndTwelve)
{
    const std::pair<const char*, bool> cases[] = {
        {"130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;", true},
        {"130803;1200;", true},
        {"PBand=;abcd;", true},
        {"130803;1200", false},
        {"130803;12000;", false},
        {"130803,1200;Q1ABC;1", false},
        {"TDate=20130803;20130804", false},
        {"[QSORecords;2]", false},
        {"PBand=144 MHz", false},
        {"", false},
    };
    for (const auto& [line, passes] : cases)
        EXPECT_EQ(isQsoRecordLine(line), passes) << '"' << line << '"';
}

struct FieldsCase
{
    const char* name;
    std::string line;
    QsoFields fields;
};

TEST(EdiLineReader, FieldsAreCutAtTheColumnsOfTheCallLength)
{
    const FieldsCase cases[] = {
        {"ssb sample", "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;",
            {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00AA"}},
        {"cw sample", "130803;1200;Q1ABC;2;599;001;579;012;;KN00AA;120;;;;",
            {"130803", "1200", "Q1ABC", "CW", "599", "579", "KN00AA"}},
        {"nine characters", "130803;1200;Q1ABCDEFG;2;599;001;579;012;;KN00AA;1;;;;",
            {"130803", "1200", "Q1ABCDEFG", "CW", "599", "579", "KN00AA"}},
        {"locator cut short", "130803;1200;Q1ABC;1;59;001;57;012;;KN00",
            {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00"}},
        {"only date and time", "130803;1200;", {"130803", "1200"}},
        {"no end of call", "130803;1200;Q1ABC", {"130803", "1200"}},
        {"empty call", "130803;1200;;1;59;001;57;012;;KN00AA", {"130803", "1200"}},
        {"unknown mode code", "130803;1200;Q1ABC;3;59;001;57;012;;KN00AA",
            {"130803", "1200", "Q1ABC"}},
        {"mode code missing", "130803;1200;Q1ABC;", {"130803", "1200", "Q1ABC"}},
        {"mode code is not one character", "130803;1200;Q1ABC;;1;59", {"130803", "1200", "Q1ABC"}},
        {"lone CR and LF stay in the line", "130803;1200;Q1\rB\n;1;59;001;57;012;;KN00AA",
            {"130803", "1200", "Q1\rB\n", "SSB", "59", "57", "KN00AA"}},
        {"8-bit bytes are single characters", "130803;1200;Q\xA0\xFF\x80Z;1;59;001;57;012;;KN00AA",
            {"130803", "1200", "Q\xA0\xFF\x80Z", "SSB", "59", "57", "KN00AA"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extractFields(c.line), c.fields) << c.name;
}

// Calls of 3 characters and portable calls of 10 or more are read with the same formulas.
TEST(EdiLineReader, EveryCallLengthFindsItsFields)
{
    const std::string calls[] = {"Q1A", "Q1AB", "Q1ABC", "Q12ABC", "Q1ABCDE", "Q1ABCDEF",
        "Q1ABCDEFG", "Q2/Q1ABC/P", "Q2/Q1ABCD/P", "Q2/Q1ABCDE/P"};
    for (const std::string& call : calls) {
        const std::string cw = "130803;1200;" + call + ";2;599;001;579;012;;KN00AA;120;;;;";
        const std::string ssb = "130803;1200;" + call + ";1;59;001;57;012;;KN00AA;120;;;;";
        EXPECT_EQ(callLength(cw), call.size());
        EXPECT_EQ(
            extractFields(cw), (QsoFields {"130803", "1200", call, "CW", "599", "579", "KN00AA"}))
            << call;
        EXPECT_EQ(
            extractFields(ssb), (QsoFields {"130803", "1200", call, "SSB", "59", "57", "KN00AA"}))
            << call;
    }
}

// Cutting the line off at any column yields what is left of each field, never more.
TEST(EdiLineReader, LinesCutOffAtAnyColumnGiveWhatIsLeft)
{
    const std::string full = "130803;1215;Q2ABCD;2;599;002;579;034;;KN00AB;130;;;;";
    // What remains of a field starting at `column` when the line has `length` bytes.
    const auto left = [](std::string_view value, std::size_t column, std::size_t length) {
        return length < column ? std::string_view {} : value.substr(0, length - column + 1);
    };
    for (std::size_t length = 12; length <= 45; ++length) {
        const std::string line = full.substr(0, length);
        QsoFields expected {"130803", left("1215", 8, length)};
        if (length >= 19) // the ";" after the call
            expected.call = "Q2ABCD";
        if (length >= 20) { // the mode code
            expected.mode = "CW";
            expected.rstSent = left("599", 22, length);
            expected.rstRcvd = left("579", 30, length);
            expected.locator = left("KN00AB", 39, length);
        }
        EXPECT_EQ(extractFields(line), expected) << "cut off after column " << length;
    }
}

} // namespace
} // namespace logvane
