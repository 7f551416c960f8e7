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

} // namespace
} // namespace logvane
