#include "conversion/band_table.h"
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
        {"PBand=144 MHZ", "2m"},
        {"PBand=144000 kHz", "2m"},
        {"PBand=\t144 MHz \t", "2m"},
        {"PBand=432MHz", "70cm"},
        {"PBand=1,3 GHz", "23cm"},
        {"PBand=1.3 GHz", "23cm"},
        {"PBand=1,2 GHz", "23cm"},
        {"PBand=999999999 GHz", ""},
        {"PBand=135,7 kHz", "2190m"},
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
    // Both edges of every band, in MHz as the ADIF standard gives them, each with the value one
    // unit of the ninth decimal place outside it: band, below, lower edge, upper edge, above.
    const char* const edges[][5] = {
        {"2190m", "0.135699999", "0.1357", "0.1378", "0.137800001"},
        {"630m", "0.471999999", "0.472", "0.479", "0.479000001"},
        {"560m", "0.500999999", "0.501", "0.504", "0.504000001"},
        {"160m", "1.799999999", "1.8", "2.0", "2.000000001"},
        {"80m", "3.499999999", "3.5", "4.0", "4.000000001"},
        {"60m", "5.059999999", "5.06", "5.45", "5.450000001"},
        {"40m", "6.999999999", "7.0", "7.3", "7.300000001"},
        {"30m", "10.099999999", "10.1", "10.15", "10.150000001"},
        {"20m", "13.999999999", "14.0", "14.35", "14.350000001"},
        {"17m", "18.067999999", "18.068", "18.168", "18.168000001"},
        {"15m", "20.999999999", "21.0", "21.45", "21.450000001"},
        {"12m", "24.889999999", "24.89", "24.99", "24.990000001"},
        {"10m", "27.999999999", "28.0", "29.7", "29.700000001"},
        {"8m", "39.999999999", "40", "45", "45.000000001"},
        {"6m", "49.999999999", "50", "54", "54.000000001"},
        {"5m", "54.000000999", "54.000001", "69.9", "69.900000001"},
        {"4m", "69.999999999", "70", "71", "71.000000001"},
        {"2m", "143.999999999", "144", "148", "148.000000001"},
        {"1.25m", "221.999999999", "222", "225", "225.000000001"},
        {"70cm", "419.999999999", "420", "450", "450.000000001"},
        {"33cm", "901.999999999", "902", "928", "928.000000001"},
        {"23cm", "1239.999999999", "1240", "1300", "1300.000000001"},
        {"13cm", "2299.999999999", "2300", "2450", "2450.000000001"},
        {"9cm", "3299.999999999", "3300", "3500", "3500.000000001"},
        {"6cm", "5649.999999999", "5650", "5925", "5925.000000001"},
        {"3cm", "9999.999999999", "10000", "10500", "10500.000000001"},
        {"1.25cm", "23999.999999999", "24000", "24250", "24250.000000001"},
        {"6mm", "46999.999999999", "47000", "47200", "47200.000000001"},
        {"4mm", "75499.999999999", "75500", "81000", "81000.000000001"},
        {"2.5mm", "119979.999999999", "119980", "123000", "123000.000000001"},
        {"2mm", "133999.999999999", "134000", "149000", "149000.000000001"},
        {"1mm", "240999.999999999", "241000", "250000", "250000.000000001"},
        {"submm", "299999.999999999", "300000", "7500000", "7500000.000000001"},
        {"23cm", "1199.999999999", "1200", "1200", "1200.000000001"},
        {"1.25m", "219.999999999", "220", "220", "220.000000001"},
        {"33cm", "899.999999999", "900", "900", "900.000000001"},
    };
    for (const auto& [band, below, lower, upper, above] : edges) {
        for (const char* edge : {lower, upper})
            EXPECT_EQ(bandNamedBy(edge), band) << edge;
        for (const char* outside : {below, above})
            EXPECT_NE(bandNamedBy(outside), band) << outside;
    }
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
