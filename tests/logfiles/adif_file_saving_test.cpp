#include "logfiles/adif_file_saving.h"
#include "tests/qt_printers.h"
#include "tests/temporary_folder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace logvane {
namespace {

namespace fs = std::filesystem;

const std::string Header = "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n";

TEST(AdifFileSaving, OutputPathReplacesTheLastThreeBytes)
{
    const std::pair<fs::path, std::optional<fs::path>> cases[] = {
        {"C:\\logs\\CONTEST.EDI", "C:\\logs\\CONTEST.adi"},
        {"/logs/contest.edi", "/logs/contest.adi"},
        {"/logs/contest.txt", "/logs/contest.adi"},
        {"/logs/Caf\xE9.edi", "/logs/Caf\xE9.adi"},
        {"edi", "adi"},
        {"ed", std::nullopt},
    };
    for (const auto& [input, output] : cases)
        EXPECT_EQ(adifPathFor(input), output) << input;
}

TEST(AdifFileSaving, WritesTheBytesAndOneMoreCrLfOverTheOlderFile)
{
    const testing::TemporaryFolder dir;
    const std::string text = Header + "<CALL:5>Q1\xA0\xFF\x80<COMMENT:0><EOR>\r\n";
    const Result<fs::path> saved = saveAdifFile(dir / "CONTEST.EDI", text);
    ASSERT_TRUE(saved) << saved.error().message.toStdString();
    EXPECT_EQ(*saved, dir / "CONTEST.adi");
    EXPECT_EQ(testing::contents(*saved), text + "\r\n");

    // The older file's mode stays; so does a link, which is followed.
    fs::permissions(*saved, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(saveAdifFile(dir / "CONTEST.EDI", Header));
    EXPECT_EQ(testing::contents(*saved), Header + "\r\n");
    EXPECT_EQ(fs::status(*saved).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(dir / "CONTEST.adi", dir / "LINKED.adi");
    ASSERT_TRUE(saveAdifFile(dir / "LINKED.edi", Header + Header));
    EXPECT_TRUE(fs::is_symlink(dir / "LINKED.adi"));
    EXPECT_EQ(testing::contents(*saved), Header + Header + "\r\n");
    EXPECT_EQ(testing::filesIn(dir.path()), (std::vector<fs::path> {"CONTEST.adi", "LINKED.adi"}));
}

TEST(AdifFileSaving, AFailureIsToldAndHarmsNothing)
{
    const testing::TemporaryFolder dir;
    // A folder where the file should go (a failure even for root).
    fs::create_directory(dir / "folder.adi");
    const Result<fs::path> saved = saveAdifFile(dir / "folder.edi", Header);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(
        saved.error().message.contains(QStringLiteral("a folder of that name is in the way")))
        << saved.error().message.toStdString();
    EXPECT_EQ(testing::filesIn(dir.path()), std::vector<fs::path> {"folder.adi"});

    // A disk that fills up while the file is written, for root too: the older file stays whole.
    testing::writeFile(dir / "LOG.adi", "an older ADIF file");
    const auto saveOnAFullDisk = [&dir] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        const Result<fs::path> full = saveAdifFile(dir / "LOG.edi", std::string(10'000, 'x'));
        const QString& told = full ? QString() : full.error().message;
        std::_Exit(told.contains(QStringLiteral("File too large"))
                    && told.contains(QStringLiteral("is unchanged"))
                ? 0
                : 1);
    };
    EXPECT_EXIT(saveOnAFullDisk(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(testing::contents(dir / "LOG.adi"), "an older ADIF file");
    EXPECT_EQ(testing::filesIn(dir.path()), (std::vector<fs::path> {"LOG.adi", "folder.adi"}));
}

} // namespace
} // namespace logvane
