#include "conversion/adif_record_writer.h"

#include <gtest/gtest.h>
#include <string>

namespace logvane {
namespace {

const QsoFields Sample {"130803", "1200", "Q1ABC", "SSB", "59", "57", "KN00AA"};

std::string recordText(const QsoFields& fields, std::string_view band, std::string_view comment)
{
    RecordWriter writer(comment);
    writer.setBand(band);
    std::string text;
    writer.append(text, fields);
    return text;
}

TEST(AdifRecordWriter, HeaderIsTheWholeFirstLine)
{
    EXPECT_EQ(
        headerText(), "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n");
}

// Everything before the comment item of the sample record with an empty band.
const std::string SampleWithoutComment
    = "<QSO_DATE:8>20130803<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:5>Q1ABC<MODE:3>SSB<BAND:0>"
      "<RST_SENT:2>59<RST_RCVD:2>57<GRIDSQUARE:6>KN00AA";

TEST(AdifRecordWriter, CommentsAreWrittenAsTheyAreWithTheirByteCount)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "<COMMENT:0>"},
        {"Thank you for the QSO", "<COMMENT:21>Thank you for the QSO"},
        {"line one\r\nline two", "<COMMENT:18>line one\r\nline two"},
        {"tricky <EOR> > <", "<COMMENT:16>tricky <EOR> > <"},
        {"73 \xE9\xA0\xFF", "<COMMENT:6>73 \xE9\xA0\xFF"},
    };
    for (const auto& [comment, item] : cases)
        EXPECT_EQ(recordText(Sample, "", comment), SampleWithoutComment + item + "<EOR>\r\n");
}

// Lengths of one to four digits, in every item at once; empty values keep their fields, and the
// date's tag stays 8 whatever the date holds.
TEST(AdifRecordWriter, ValuesOfAnyLengthGetEveryDigitOfTheirLength)
{
    for (const std::size_t size : {0, 9, 10, 99, 100, 1000}) {
        const std::string v(size, 'x');
        const std::string n = std::to_string(size);
        std::string expected = "<QSO_DATE:8>20" + v;
        for (const char* tag : {"TIME_ON", "TIME_OFF", "CALL", "MODE", "BAND", "RST_SENT",
                 "RST_RCVD", "GRIDSQUARE", "COMMENT"})
            expected += std::string("<") + tag + ":" + n + ">" + v;
        EXPECT_EQ(recordText({v, v, v, v, v, v, v}, v, v), expected + "<EOR>\r\n") << size;
    }
}

} // namespace
} // namespace logvane
