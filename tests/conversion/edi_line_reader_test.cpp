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

// Shapes of records as real loggers write them. Each value is read from its own field, so nothing
// that stands before it can shift it.
TEST(EdiLineReader, EveryValueIsReadFromItsOwnField)
{
    const FieldsCase cases[] = {
        {"ssb, the layout's widths", "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;",
            {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00AA"}},
        {"four-digit serials from the 1000th contact",
            "210912;1012;Q3DEF;1;59;1000;59;004;;JN79SM;512;;;;",
            {"210912", "1012", "Q3DEF", "SSB", "59", "59", "JN79SM"}},
        {"four-digit serials from the first", "160507;1528;Q5GH;1;59;0001;59;0074;;JN95KI;200;;;;",
            {"160507", "1528", "Q5GH", "SSB", "59", "59", "JN95KI"}},
        {"serials unpadded and with a suffix", "160508;1058;Q9JKL;2;599;26;599;003/;;KN05XQ;3",
            {"160508", "1058", "Q9JKL", "CW", "599", "599", "KN05XQ"}},
        {"exchange filled", "190414;0904;Q0MN;2;599;001;579;016;DA;JO01CK;80;;;;",
            {"190414", "0904", "Q0MN", "CW", "599", "579", "JO01CK"}},
        {"received serial empty", "190414;0905;Q0MO;2;599;002;579;;;IO91EP;17",
            {"190414", "0905", "Q0MO", "CW", "599", "579", "IO91EP"}},
        {"ssb logged with 599", "130803;1200;Q1ABC;1;599;001;57;012;;KN00AA;1",
            {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00AA"}},
        {"cw logged with 59", "130803;1200;Q1ABC;2;59;001;57;012;;KN00AA;1",
            {"130803", "1200", "Q1ABC", "CW", "59", "57", "KN00AA"}},
        {"fm, no received report", "260118;0801;Q3EQO;6;59;001;;;;JN99EQ;2;;;;",
            {"260118", "0801", "Q3EQO", "FM", "59", "", "JN99EQ"}},
        {"mode code of no one mode", "250906;1644;Q5DX;3;59;259;599;016;;JO66LI;900;;;;",
            {"250906", "1644", "Q5DX", "", "59", "599", "JO66LI"}},
        {"mode code of two characters", "250906;1644;Q5DX;16;5999;259;599;016;;JO66LI88;9",
            {"250906", "1644", "Q5DX", "", "599", "599", "JO66LI"}},
        {"locator cut short", "130803;1200;Q1ABC;1;59;001;57;012;;KN00",
            {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00"}},
        {"three-character call", "130803;1200;Q1A;2;599;001;579;012;;KN00AA;1",
            {"130803", "1200", "Q1A", "CW", "599", "579", "KN00AA"}},
        {"portable call of ten", "130803;1200;Q2/Q1ABC/P;1;59;001;57;012;;KN00AA;1",
            {"130803", "1200", "Q2/Q1ABC/P", "SSB", "59", "57", "KN00AA"}},
        {"only date and time", "130803;1200;", {"130803", "1200"}},
        {"no end of call", "130803;1200;Q1ABC", {"130803", "1200"}},
        {"empty call", "130803;1200;;1;59;001;57;012;;KN00AA", {"130803", "1200"}},
        {"mode code missing", "130803;1200;Q1ABC;", {"130803", "1200", "Q1ABC"}},
        {"lone CR and LF stay in the line", "130803;1200;Q1\rB\n;1;59;001;57;012;;KN00AA",
            {"130803", "1200", "Q1\rB\n", "SSB", "59", "57", "KN00AA"}},
        {"8-bit bytes are single characters", "130803;1200;Q\xA0\xFF\x80Z;1;59;001;57;012;;KN00AA",
            {"130803", "1200", "Q\xA0\xFF\x80Z", "SSB", "59", "57", "KN00AA"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extractFields(c.line), c.fields) << c.name;
}

} // namespace
} // namespace logvane
