#include "conversion/conversion_run.h"
#include "logfiles/conversion_job.h"
#include "logfiles/translations.h"
#include "tests/address_space.h"
#include "tests/qt_printers.h"
#include "tests/temporary_folder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace logvane {
namespace {

TEST(ConversionJob, DoneWholeOrNotAtAll)
{
    // The folder's name and the log's are in Latin-1, no UTF-8: both are found, read and written.
    const testing::TemporaryFolder dir;
    const std::filesystem::path edi = dir / "LOG\xE9.edi";
    const std::filesystem::path adi = dir / "LOG\xE9.adi";
    testing::writeFile(edi, "PBand=144 MHz\n130803;1200;Q1A;1;5");
    testing::writeFile(adi, "an older ADIF file");
    const std::pair<QString, QString> failures[] = {
        {QStringLiteral("73\r\nQ1"), QStringLiteral("The character U+000D in the comment")},
        {QStringLiteral("73\u2028Q1"), QStringLiteral("The character U+2028 in the comment")},
        {QStringLiteral("73\u2029"), QStringLiteral("The character U+2029 in the comment")},
    };
    for (const auto& [comment, told] : failures) {
        const Result<ConvertedLog> job = convertEdiFile(edi, {}, comment);
        ASSERT_FALSE(job) << told.toStdString();
        EXPECT_TRUE(job.error().message.contains(told)) << job.error().message.toStdString();
        EXPECT_EQ(testing::contents(adi), "an older ADIF file");
    }

    const Result<ConvertedLog> job = convertEdiFile(edi, "kept\r\n", QStringLiteral("tnx \u00A0"));
    ASSERT_TRUE(job) << job.error().message.toStdString();
    EXPECT_EQ(job->ediText, "kept\r\nPBand=144 MHz\r\n130803;1200;Q1A;1;5\r\n");
    EXPECT_EQ(job->adifText,
        "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n<QSO_DATE:8>20130803"
        "<TIME_ON:4>1200<TIME_OFF:4>1200<CALL:3>Q1A<MODE:3>SSB<BAND:2>2m<RST_SENT:1>5<RST_RCVD:0>"
        "<GRIDSQUARE:0><COMMENT:5>tnx \xA0<EOR>\r\n");
    EXPECT_EQ(job->ediPath, edi);
    EXPECT_EQ(job->adifPath, adi);
    EXPECT_EQ(testing::contents(adi), job->adifText + "\r\n");
}

// A log that needs more memory than there is fails as any job fails: told, nothing saved.
TEST(ConversionJob, RunningOutOfMemoryIsAFailure)
{
    if (!testing::AddressSpaceCanBeLimited)
        GTEST_SKIP() << "address space cannot be limited under AddressSanitizer";
    const testing::TemporaryFolder dir;
    std::string records;
    for (int i = 0; i < 600'000; ++i)
        records += "130803;1200;\r\n";
    testing::writeFile(dir / "LOG.edi", records);
    const QString longComment(1500, u'x'); // a gigabyte of ADIF text
    EXPECT_EXIT(
        {
            testing::limitAddressSpace(512 << 20);
            const Result<ConvertedLog> job = convertEdiFile(dir / "LOG.edi", {}, longComment);
            std::_Exit(
                !job && job.error().message.contains(QStringLiteral("not enough memory")) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "LOG.adi"));
}

TEST(ConversionJob, TheConfirmationCountsWhatWasWritten)
{
    const struct
    {
        ConversionRun::RecordCounts counts;
        FieldGroups groups;
        const char* lines;
    } cases[] = {
        {{157, 0, 0}, {}, "157 contacts written."},
        {{1, 0, 0}, {}, "1 contact written."},
        {{0, 0, 0}, {}, "0 contacts written."},
        {{76, 4, 0}, {}, "76 contacts written, 4 of them without a band."},
        {{44, 0, 1}, {}, "44 contacts written, 1 of them without a mode."},
        {{2, 1, 1}, {true, false},
            "2 contacts written, 1 of them without a band and 1 without a "
            "mode.\nFields added: contest exchange."},
        {{3, 0, 0}, {false, true}, "3 contacts written.\nFields added: my station."},
        {{3, 0, 0}, {true, true},
            "3 contacts written.\nFields added: contest exchange and my "
            "station."},
    };
    for (const auto& [counts, groups, lines] : cases) {
        const ConvertedLog log {{}, {}, {}, "/logs/LOG.adi", counts, groups};
        EXPECT_EQ(confirmationOf(log),
            QStringLiteral("ADI file saved in /logs/LOG.adi\n") + QString::fromUtf8(lines));
    }
}

// Each language counts as its speakers count: one, three and five contacts each take their own
// form where the language has one; the C locale speaks English.
TEST(ConversionJob, TheCountsReadRightInEveryLanguage)
{
    const std::pair<QLocale, const char*> cases[] = {
        {QLocale::c(), "1 contact written.|3 contacts written.|5 contacts written."},
        {QLocale::German, "1 QSO geschrieben.|3 QSOs geschrieben.|5 QSOs geschrieben."},
        {QLocale::Czech, "1 spojení zapsáno.|3 spojení zapsána.|5 spojení zapsáno."},
        {QLocale::Slovak, "1 spojenie zapísané.|3 spojenia zapísané.|5 spojení zapísaných."},
        {QLocale::Polish, "1 zapisana łączność.|3 zapisane łączności.|5 zapisanych łączności."},
        {QLocale::Italian, "1 QSO scritto.|3 QSO scritti.|5 QSO scritti."},
        {QLocale::French, "1 QSO écrit.|3 QSO écrits.|5 QSO écrits."},
        {QLocale::Hungarian,
            "1 összeköttetés kiírva.|3 összeköttetés kiírva.|5 összeköttetés kiírva."},
        {QLocale::Spanish, "1 contacto escrito.|3 contactos escritos.|5 contactos escritos."},
    };
    for (const auto& [locale, counted] : cases) {
        Translations translations(locale);
        translations.install();
        EXPECT_EQ(
            translations.language(), locale == QLocale::c() ? u"en"_qs : locale.name().left(2));
        QStringList lines;
        for (const std::size_t records : {1, 3, 5})
            lines << confirmationOf(
                {{}, {}, {}, "/logs/LOG.adi", {records, 0, 0},
                    {}}).section(u'\n', 1);
        EXPECT_EQ(lines.join(u'|'), QString::fromUtf8(counted));
    }
}

} // namespace
} // namespace logvane

// The log files' tests, in English as the program speaks it: "1 contact", "2 contacts".
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    logvane::Translations english(QLocale(QLocale::English));
    const QCoreApplication application(argc, argv);
    english.install();
    return RUN_ALL_TESTS();
}
