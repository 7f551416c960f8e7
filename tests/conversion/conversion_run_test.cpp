#include "conversion/adif_record_writer.h"
#include "conversion/conversion_run.h"
#include "tests/address_space.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace logvane {
namespace {

const std::string Thanks = "Thank you for the QSO";
const std::string SsbLine = "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;";
const std::string CwLine = "130803;1215;Q2ABCD;2;599;002;579;034;;KN00AB;130;;;;";

// The values of one field in every record of the ADIF text, in order.
std::vector<std::string> recordValues(const std::string& adif, const std::string& name)
{
    const std::string tag = "<" + name + ":";
    std::vector<std::string> values;
    for (std::size_t at = adif.find(tag); at != std::string::npos; at = adif.find(tag, at + 1)) {
        const std::size_t close = adif.find('>', at);
        const std::size_t length
            = std::stoul(adif.substr(at + tag.size(), close - at - tag.size()));
        values.push_back(adif.substr(close + 1, length));
    }
    return values;
}

TEST(ConversionRun, WorkedExampleByteForByte)
{
    const std::string edi
        = "PBand=432 MHz\r\nPExch=DA\r\nSPowe=50\r\nPCall=Q1XYZ\r\nPWWLo=JO01AA\r\n"
          "[QSORecords;2]\r\n"
        + SsbLine + "\r\n" + CwLine + "\r\n";
    EXPECT_EQ(ConversionRun::run(edi, Thanks, FieldGroups {}).text,
        std::string(headerText())
            + "<QSO_DATE:8>20130803<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:5>Q1ABC<MODE:3>SSB"
              "<BAND:4>70cm<RST_SENT:2>59<RST_RCVD:2>57<GRIDSQUARE:6>KN00AA<COMMENT:21>"
              "Thank you for the QSO<EOR>\r\n"
              "<QSO_DATE:8>20130803<TIME_ON:4>1215<TIME_OFF:4>1215<CALL:6>Q2ABCD<MODE:2>CW"
              "<BAND:4>70cm<RST_SENT:3>599<RST_RCVD:3>579<GRIDSQUARE:6>KN00AB<COMMENT:21>"
              "Thank you for the QSO<EOR>\r\n");
}

// Shapes of records as real loggers write them. Each value is read from its own field, so nothing
// that stands before it can shift it.
TEST(ConversionRun, EveryValueIsReadFromItsOwnField)
{
    const struct
    {
        const char* name;
        std::string line;
        std::vector<std::string> values; // call, mode, sent and received report, locator
    } cases[] = {
        {"ssb, the layout's widths", "130803;1200;Q1ABC;1;59;001;57;012;;KN00AA;120;;;;",
            {"Q1ABC", "SSB", "59", "57", "KN00AA"}},
        {"four-digit serials from the 1000th contact",
            "210912;1012;Q3DEF;1;59;1000;59;004;;JN79SM;512;;;;",
            {"Q3DEF", "SSB", "59", "59", "JN79SM"}},
        {"four-digit serials from the first", "160507;1528;Q5GH;1;59;0001;59;0074;;JN95KI;200;;;;",
            {"Q5GH", "SSB", "59", "59", "JN95KI"}},
        {"serials unpadded and with a suffix", "160508;1058;Q9JKL;2;599;26;599;003/;;KN05XQ;3",
            {"Q9JKL", "CW", "599", "599", "KN05XQ"}},
        {"exchange filled", "190414;0904;Q0MN;2;599;001;579;016;DA;JO01CK;80;;;;",
            {"Q0MN", "CW", "599", "579", "JO01CK"}},
        {"received serial empty", "190414;0905;Q0MO;2;599;002;579;;;IO91EP;17",
            {"Q0MO", "CW", "599", "579", "IO91EP"}},
        {"ssb logged with 599", "130803;1200;Q1ABC;1;599;001;57;012;;KN00AA;1",
            {"Q1ABC", "SSB", "59", "57", "KN00AA"}},
        {"cw logged with 59", "130803;1200;Q1ABC;2;59;001;57;012;;KN00AA;1",
            {"Q1ABC", "CW", "59", "57", "KN00AA"}},
        {"fm, no received report", "260118;0801;Q3EQO;6;59;001;;;;JN99EQ;2;;;;",
            {"Q3EQO", "FM", "59", "", "JN99EQ"}},
        {"mode code of no one mode", "250906;1644;Q5DX;3;59;259;599;016;;JO66LI;900;;;;",
            {"Q5DX", "", "59", "599", "JO66LI"}},
        {"mode code of two characters", "250906;1644;Q5DX;16;5999;259;599;016;;JO66LI88;9",
            {"Q5DX", "", "599", "599", "JO66LI"}},
        {"locator cut short", "130803;1200;Q1ABC;1;59;001;57;012;;KN00",
            {"Q1ABC", "SSB", "59", "57", "KN00"}},
        {"three-character call", "130803;1200;Q1A;2;599;001;579;012;;KN00AA;1",
            {"Q1A", "CW", "599", "579", "KN00AA"}},
        {"portable call of ten", "130803;1200;Q2/Q1ABC/P;1;59;001;57;012;;KN00AA;1",
            {"Q2/Q1ABC/P", "SSB", "59", "57", "KN00AA"}},
        {"only date and time", "130803;1200;", {"", "", "", "", ""}},
        {"no end of call", "130803;1200;Q1ABC", {"", "", "", "", ""}},
        {"empty call", "130803;1200;;1;59;001;57;012;;KN00AA", {"", "", "", "", ""}},
        {"mode code missing", "130803;1200;Q1ABC;", {"Q1ABC", "", "", "", ""}},
        {"lone CR and LF stay in the line", "130803;1200;Q1\rB\n;1;59;001;57;012;;KN00AA",
            {"Q1\rB\n", "SSB", "59", "57", "KN00AA"}},
        {"8-bit bytes are single characters", "130803;1200;Q\xA0\xFF\x80Z;1;59;001;57;012;;KN00AA",
            {"Q\xA0\xFF\x80Z", "SSB", "59", "57", "KN00AA"}},
    };
    for (const auto& c : cases) {
        const std::string adif = ConversionRun::run(c.line, "").text;
        std::vector<std::string> values;
        for (const char* name : {"CALL", "MODE", "RST_SENT", "RST_RCVD", "GRIDSQUARE"})
            values.push_back(recordValues(adif, name).at(0));
        EXPECT_EQ(values, c.values) << c.name;
        EXPECT_EQ(recordValues(adif, "TIME_ON"), std::vector {c.line.substr(7, 4)}) << c.name;
    }
}

struct HeaderCase
{
    const char* name;
    std::string edi;
    std::vector<std::string> written; // of each record: its band, then its fields after the comment
    FieldGroups groups = {};
};

// Each record gets the band and the header values held when it is reached, and the fields of the
// chosen groups from its own values; a value that gives no field leaves it out.
TEST(ConversionRun, EachRecordGetsTheHeaderValuesHeldWhenItIsReached)
{
    const std::string r = SsbLine + "\r\n";
    const auto q = [](std::string sent, std::string rcvd, std::string exchange) {
        return "130803;1200;Q1ABC;1;59;" + sent + ";57;" + rcvd + ";" + exchange + ";KN00AA;1\r\n";
    };
    const std::string e = q("", "", ""),
                      all = "PExch= DA\r\nSPowe=0,5 w\r\nPCall=Q1XYZ/p\r\nPWWLo=JO01aa\r\n";
    const FieldGroups contest {.contest = true}, station {.station = true}, both {true, true};
    const HeaderCase cases[] = {
        {"header before the records", "PBand=144 MHz\r\n" + r + r, {"2m", "2m"}},
        {"record before the header", r + "PBand=144 MHz\r\n" + r, {"", "2m"}},
        {"two logs, two bands", "PBand=144 MHz\r\n" + r + "PBand=432 MHz\r\n" + r, {"2m", "70cm"}},
        {"unknown band after a known one", "PBand=1,3 GHz\r\n" + r + "PBand=1,1 GHz\r\n" + r,
            {"23cm", ""}},
        {"lower case key", "PBand=432 MHz\r\npband=144 MHz\r\n" + r, {"70cm"}},
        {"lone LF does not end the header", "PBand=144 MHz\n" + r, {}},
        {"lone CR does not end the header", "PBand=432 MHz\r" + r, {}},
        {"both groups, in their order", all + q("001", "012", " 7 "),
            {"<STX:1>1<SRX:2>12<STX_STRING:2>DA<SRX_STRING:1>7<TX_PWR:3>0.5"
             "<STATION_CALLSIGN:7>Q1XYZ/p<MY_GRIDSQUARE:6>JO01aa"},
            both},
        {"contest alone", all + q("001", "012", " 7 "),
            {"<STX:1>1<SRX:2>12<STX_STRING:2>DA<SRX_STRING:1>7<TX_PWR:3>0.5"}, contest},
        {"station alone", all + q("001", "012", " 7 "),
            {"<STATION_CALLSIGN:7>Q1XYZ/p<MY_GRIDSQUARE:6>JO01aa"}, station},
        {"serials and exchanges",
            q("12A", "000", "") + q("0000000001", "123456789", " \t ")
                + q(" 001\t", "1 2", "\tDA "),
            {"<SRX:1>0", "<SRX:9>123456789", "<STX:1>1<SRX_STRING:2>DA"}, contest},
        {"powers",
            "SPowe=0\r\n" + e + "SPowe=1.5 kW\r\n" + e + "SPowe=\t50 W\r\n" + e + "SPowe=0,0\r\n"
                + e + "SPowe=999999,999W\r\n" + e + "SPowe=1234567\r\n" + e,
            {"", "", "<TX_PWR:2>50", "", "<TX_PWR:10>999999.999", ""}, contest},
        {"calls",
            "PCall=q1a\r\n" + e + "PCall=Q1\r\n" + e + "PCall=Q1 XYZ\r\n" + e
                + "PCall=Q1ABCDEFGHIJKLMNOP/P\r\n" + e + "PCall=Q1ABCDEFGHIJKLMNOPQ/P\r\n" + e,
            {"<STATION_CALLSIGN:3>q1a", "", "", "<STATION_CALLSIGN:20>Q1ABCDEFGHIJKLMNOP/P", ""},
            station},
        {"locators",
            "PWWLo=JO01\r\n" + e + "PWWLo=RR99xx99\r\n" + e + "PWWLo=JS01\r\n" + e
                + "PWWLo=JO01AY\r\n" + e + "PWWLo=JO01A\r\n" + e,
            {"<MY_GRIDSQUARE:4>JO01", "<MY_GRIDSQUARE:8>RR99xx99", "", "", ""}, station},
        {"a new log clears all but the band",
            "PBand=144 MHz\r\n" + all + e + "[REG1TEST;1]\r\n" + e,
            {"2m<STX_STRING:2>DA<TX_PWR:3>0.5<STATION_CALLSIGN:7>Q1XYZ/p<MY_GRIDSQUARE:6>JO01aa",
                "2m"},
            both},
        {"invalid values clear, other keys are no headers",
            all + "PExch= \t\r\nSPowe=0\r\nPCall=Q1\r\nPWWLo=JO01A\r\npcall=Q1XYZ\r\n" + e, {""},
            both},
    };
    for (const auto& c : cases) {
        const ConversionRun::AdifText adif = ConversionRun::run(c.edi, "", c.groups);
        std::vector<std::string> written = recordValues(adif.text, "BAND");
        for (std::size_t i = 0, at = 0; i < written.size(); ++i) {
            at = adif.text.find("<COMMENT:0>", at) + 11;
            written[i] += adif.text.substr(at, adif.text.find("<EOR>", at) - at);
        }
        EXPECT_EQ(written, c.written) << c.name;
        EXPECT_EQ(adif.counts.withoutBand,
            std::count_if(c.written.begin(), c.written.end(),
                [](auto& w) { return w.empty() || w[0] == '<'; }))
            << c.name;
    }
}

TEST(ConversionRun, OnlyQsoRecordLinesGiveRecords)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {"\r\n\r\n", 0},
        {"[REG1TEST;1]\r\nTName=Test\r\nTDate=20130803;20130804\r\n[QSORecords;0]\r\n", 0},
        {SsbLine, 1},
        {SsbLine + "\r\n" + CwLine, 2},
        {SsbLine + "\n" + CwLine + "\r\n", 1},
        {SsbLine + "\r" + CwLine + "\r\n", 1},
        {SsbLine + "\r\r\n" + CwLine + "\n\r\n", 2},
        {"130803;1200;\r\n", 1},
    };
    for (const auto& [edi, records] : cases) {
        const ConversionRun::AdifText adif = ConversionRun::run(edi, "");
        EXPECT_TRUE(adif.text.starts_with(headerText()));
        EXPECT_EQ(recordValues(adif.text, "BAND").size(), records) << '"' << edi << '"';
        EXPECT_EQ(adif.counts.records, records) << '"' << edi << '"';
    }
}

// A record whose line does not give every item is still written, the missing items empty:
// nothing of the record before it may leak into it.
TEST(ConversionRun, MissingItemsAreWrittenEmptyNotCarriedOver)
{
    const std::string edi = "PBand=144 MHz\r\n" + CwLine + "\r\n130803;1230;Q3ABC;7;;003\r\n"
        + CwLine + "\r\n130803;1245;Q1AB\r\n";
    const auto [adif, counts] = ConversionRun::run(edi, "");
    EXPECT_EQ(counts, (ConversionRun::RecordCounts {4, 0, 2}));
    EXPECT_NE(adif.find("<TIME_ON:4>1230<TIME_OFF:4>1230<CALL:5>Q3ABC<MODE:0><BAND:2>2m<RST_SENT:0>"
                        "<RST_RCVD:0><GRIDSQUARE:0><COMMENT:0><EOR>\r\n"),
        std::string::npos);
    EXPECT_TRUE(
        adif.ends_with("<TIME_ON:4>1245<TIME_OFF:4>1245<CALL:0><MODE:0><BAND:2>2m<RST_SENT:0>"
                       "<RST_RCVD:0><GRIDSQUARE:0><COMMENT:0><EOR>\r\n"));
}

// The text is reserved from the record lines, not from all lines: 64 MiB of empty lines, within
// the bound of an EDI text, must not ask for gigabytes.
TEST(ConversionRun, ReservesForTheRecordsNotForEveryLine)
{
    if (!testing::AddressSpaceCanBeLimited)
        GTEST_SKIP() << "address space cannot be limited under AddressSanitizer";
    std::string emptyLines;
    for (int i = 0; i < 32 * 1024 * 1024; ++i)
        emptyLines += "\r\n";
    EXPECT_EXIT(
        {
            testing::limitAddressSpace(256 << 20);
            std::_Exit(ConversionRun::run(emptyLines, Thanks).text == headerText() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace logvane
