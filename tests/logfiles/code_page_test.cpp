#include "logfiles/code_page.h"
#include "tests/qt_printers.h"

#include <gtest/gtest.h>

namespace logvane::codepage {
namespace {

std::string allBytes()
{
    std::string bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(i);
    return bytes;
}

TEST(CodePage, EveryByteIsOneCharacterAndComesBackAsItself)
{
    const QString text = decode(allBytes());
    ASSERT_EQ(text.size(), 256);
    const Result<std::string> back = encode(text, QStringLiteral("in the test"));
    ASSERT_TRUE(back) << back.error().toStdString();
    EXPECT_EQ(*back, allBytes());
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(decode(std::string(1, static_cast<char>(i))), QString(text.at(i))) << i;
}

TEST(CodePage, Windows1252AsTheEncodingStandardHasIt)
{
    const std::pair<unsigned char, char16_t> cases[] = {
        {0x41, u'A'},
        {0x80, u'\u20AC'},
        {0x8A, u'\u0160'},
        {0x9A, u'\u0161'},
        {0x9F, u'\u0178'},
        {0x81, u'\u0081'},
        {0x8D, u'\u008D'},
        {0x8F, u'\u008F'},
        {0x90, u'\u0090'},
        {0x9D, u'\u009D'},
        {0xA0, u'\u00A0'},
        {0xE9, u'\u00E9'},
        {0xFF, u'\u00FF'},
    };
    for (const auto& [byte, character] : cases)
        EXPECT_EQ(characters()[byte], character) << int(byte);
}

TEST(CodePage, ACharacterWithoutAByteIsNamedWithWhereItStands)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Q1\u03A9BC"),
            QStringLiteral("\u201C\u03A9\u201D (U+03A9) in the comment")},
        {QStringLiteral("73 \U0001F600"),
            QStringLiteral("\u201C\U0001F600\u201D (U+1F600) in the comment")},
        {QStringLiteral("x\u2028y"), QStringLiteral("U+2028 in the comment")},
        {QString(QChar(0xD800)), QStringLiteral("U+D800 in the comment")},
    };
    for (const auto& [text, named] : cases) {
        const Result<std::string> bytes = encode(text, QStringLiteral("in the comment"));
        ASSERT_FALSE(bytes);
        EXPECT_TRUE(bytes.error().contains(named)) << bytes.error().toStdString();
    }
}

} // namespace
} // namespace logvane::codepage
