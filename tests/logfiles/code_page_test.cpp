#include "logfiles/code_page.h"
#include "tests/qt_printers.h"

#include <gtest/gtest.h>

namespace logvane::codepage {
namespace {

const int AnsiCodePages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

TEST(CodePage, EveryByteOfEveryCodePageComesBackAsItself)
{
    std::string allBytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        allBytes[static_cast<std::size_t>(i)] = static_cast<char>(i);
    for (const int number : AnsiCodePages) {
        const CodePage codePage(number);
        QString text;
        for (const char16_t character : codePage.characters())
            text += QChar(character);
        const Result<std::string> back = codePage.encode(text, {});
        ASSERT_TRUE(back) << number << ": " << back.error().message.toStdString();
        EXPECT_EQ(*back, allBytes) << number;

        const Result<std::string> han = codePage.encode(QStringLiteral("73 \u4E2D"), {});
        ASSERT_FALSE(han) << number;
        EXPECT_TRUE(
            han.error().message.contains(QStringLiteral("of the windows-%1 code page").arg(number)))
            << han.error().message.toStdString();
    }
}

TEST(CodePage, CharactersAsWindowsHasThem)
{
    const struct
    {
        int codePage;
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {1252, 0x41, u'A'},
        {1252, 0x80, u'\u20AC'},
        {1252, 0x8A, u'\u0160'},
        {1252, 0x9F, u'\u0178'},
        {1252, 0x81, u'\u0081'}, // unassigned: the C1 control of the same value
        {1252, 0x9D, u'\u009D'},
        {1252, 0xA0, u'\u00A0'},
        {1252, 0xFF, u'\u00FF'},
        {1250, 0xEC, u'\u011B'}, // ě
        {1250, 0xF8, u'\u0159'}, // ř
        {1250, 0xB3, u'\u0142'}, // ł
        {1251, 0xC0, u'\u0410'}, // А
        {1253, 0xD9, u'\u03A9'}, // Ω
        {1253, 0xD2, u'\u00D2'}, // unassigned: the Latin-1 letter of the same value
        {1257, 0xA1, u'\u00A1'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodePage(c.codePage).characters()[c.byte], c.character)
            << c.codePage << " " << int(c.byte);
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
    const CodePage windows1252(1252);
    for (const auto& [text, named] : cases) {
        const Result<std::string> bytes
            = windows1252.encode(text, QStringLiteral("in the comment"));
        ASSERT_FALSE(bytes);
        EXPECT_TRUE(bytes.error().message.contains(named)) << bytes.error().message.toStdString();
    }
}

// The first of LC_ALL, LC_CTYPE and LANG that is set names the language, and the language the
// code page its Windows ANSI code page is.
TEST(CodePage, TheCodePageIsTheOneWindowsGivesTheUsersLanguage)
{
    const struct
    {
        const char *lcAll, *lcCtype, *lang;
        int codePage;
    } cases[] = {
        {"", "", "cs_CZ.UTF-8", 1250},
        {"", "", "pl_PL", 1250},
        {"", "", "sr_RS@latin", 1250},
        {"", "", "sr_RS", 1251},
        {"", "", "ru_RU.UTF-8", 1251},
        {"", "", "el_GR", 1253},
        {"", "", "tr_TR", 1254},
        {"", "", "lt_LT", 1257},
        {"", "", "de_DE", 1252},
        {"", "", "", 1252},
        {"", "ru_RU.UTF-8", "de_DE.UTF-8", 1251},
        {"el_GR.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", 1253},
        {"C", "ru_RU.UTF-8", "", 1252},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codePageOfLocaleVariables(QString::fromLatin1(c.lcAll),
                      QString::fromLatin1(c.lcCtype), QString::fromLatin1(c.lang)),
            c.codePage)
            << c.lcAll << " " << c.lcCtype << " " << c.lang;
}

} // namespace
} // namespace logvane::codepage
