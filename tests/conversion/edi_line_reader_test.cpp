#include "conversion/edi_line_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace logvane {
namespace {

struct BandCase
{
    const char* line;
    std::optional<std::string_view> band;
};

// The frequency a header names, in any spelling loggers write, and the ADIF band whose edges hold
// it, compared exactly at the edges.
TEST(EdiLineReader, BandHeadersNameTheBandOfTheirFrequency)
{
    const BandCase cases[] = {
        {"PBand=144 MHz", "2m"},
        {"PBand=145 MHz", "2m"},
        {"PBand=144 MHZ", "2m"},
        {"PBand=144000 kHz", "2m"},
        {"PBand=148 MHz", "2m"},
        {"PBand=148,000000001 MHz", ""},
        {"PBand=143.999999999 MHz", ""},
        {"PBand=\t144 MHz \t", "2m"},
        {"PBand=432MHz", "70cm"},
        {"PBand=430 MHz", "70cm"},
        {"PBand=435 MHz", "70cm"},
        {"PBand=1,3 GHz", "23cm"},
        {"PBand=1.3 GHz", "23cm"},
        {"PBand=1296 MHz", "23cm"},
        {"PBand=1300 MHz", "23cm"},
        {"PBand=1300.000001 MHz", ""},
        {"PBand=1,2 GHz", "23cm"},
        {"PBand=1199,999 MHz", ""},
        {"PBand=220", "1.25m"},
        {"PBand=900 MHz", "33cm"},
        {"PBand=2,3 GHz", "13cm"},
        {"PBand=3,4 GHz", "9cm"},
        {"PBand=5,7 GHz", "6cm"},
        {"PBand=10 GHz", "3cm"},
        {"PBand=24 GHz", "1.25cm"},
        {"PBand=47 GHz", "6mm"},
        {"PBand=76 GHz", "4mm"},
        {"PBand=122 GHz", "2.5mm"},
        {"PBand=134 GHz", "2mm"},
        {"PBand=248 GHz", "1mm"},
        {"PBand=7500 GHz", "submm"},
        {"PBand=7500,000000001 GHz", ""},
        {"PBand=999999999 GHz", ""},
        {"PBand=50 MHz", "6m"},
        {"PBand=54 MHz", "6m"},
        {"PBand=54.000001 MHz", "5m"},
        {"PBand=54.0000005 MHz", ""},
        {"PBand=70 MHz", "4m"},
        {"PBand=14 MHz", "20m"},
        {"PBand=135,7 kHz", "2190m"},
        {"PBand=0.137800001", ""},
        {"PBand=144.123456789", "2m"},
        {"PBand=144.1234567890", ""},
        {"PBand=0000000144 MHz", ""},
        {"PBand=000000144", "2m"},
        // Values that name no frequency, or one in no band, clear the band.
        {"PBand=2m", ""},
        {"PBand=1,1 GHz", ""},
        {"PBand=144 MHz;", ""},
        {"PBand=144 MHz 432 MHz", ""},
        {"PBand=1,3,5 GHz", ""},
        {"PBand=144.", ""},
        {"PBand=.5 GHz", ""},
        {"PBand=144 Hz", ""},
        {"PBand=144 MHz\r", ""},
        {"PBand=144\xA0MHz", ""},
        {"PBand=-144 MHz", ""},
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

// CallLengthTable: where the REG1TEST layout puts the fields after a call of n characters, for
// records of its widths (a one-character mode code, reports of the mode's width, three-digit
// serials, an empty exchange). Start columns, counted from 1; reports are 3 wide for CW and 2 for
// SSB, the locator 6.
struct CallLengthRow
{
    std::size_t n, semicolon, modeCode;
    std::size_t cwRstSent, cwRstRcvd, cwLocator;
    std::size_t ssbRstSent, ssbRstRcvd, ssbLocator;
};
const CallLengthRow CallLengthTable[] = {
    {4, 17, 18, 20, 28, 37, 20, 27, 35},
    {5, 18, 19, 21, 29, 38, 21, 28, 36},
    {6, 19, 20, 22, 30, 39, 22, 29, 37},
    {7, 20, 21, 23, 31, 40, 23, 30, 38},
    {8, 21, 22, 24, 32, 41, 24, 31, 39},
    {9, 22, 23, 25, 33, 42, 25, 32, 40},
};

// Records of the layout's widths give exactly the values at the table's columns, for every call
// length and both modes, and so does every such line cut off after any column from the gate's on.
TEST(EdiLineReader, FieldsOfTheLayoutStandAtTheTableColumns)
{
    const auto cut = [](const std::string& line, std::size_t column, std::size_t count) {
        return column > line.size() ? std::string() : line.substr(column - 1, count);
    };
    for (const CallLengthRow& row : CallLengthTable) {
        for (const bool cw : {true, false}) {
            const std::string whole = "130803;1200;" + std::string(row.n, 'Q')
                + (cw ? ";2;599;001;578;012;;KN00AB;120;;;;" : ";1;59;001;57;012;;KN00AB;120;;;;");
            for (std::size_t length = 12; length <= whole.size(); ++length) {
                const std::string line = whole.substr(0, length);
                const QsoFields fields = extractFields(line);
                const bool called = length >= row.semicolon;
                const bool moded = length >= row.modeCode;
                const std::string expected[]
                    = {called ? cut(line, 13, row.n) : "", moded ? (cw ? "CW" : "SSB") : "",
                        moded ? cut(line, cw ? row.cwRstSent : row.ssbRstSent, cw ? 3 : 2) : "",
                        moded ? cut(line, cw ? row.cwRstRcvd : row.ssbRstRcvd, cw ? 3 : 2) : "",
                        moded ? cut(line, cw ? row.cwLocator : row.ssbLocator, 6) : ""};
                const std::string_view read[]
                    = {fields.call, fields.mode, fields.rstSent, fields.rstRcvd, fields.locator};
                for (std::size_t i = 0; i < std::size(read); ++i)
                    EXPECT_EQ(read[i], expected[i]) << line << " value " << i;
                EXPECT_EQ(fields.date, "130803");
                EXPECT_EQ(fields.time, "1200");
            }
        }
    }
}

} // namespace
} // namespace logvane
