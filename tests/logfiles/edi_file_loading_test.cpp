#include "logfiles/edi_directory.h"
#include "logfiles/edi_file_loading.h"
#include "logfiles/program_directory.h"
#include "tests/qt_printers.h"
#include "tests/temporary_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace logvane {
namespace {

TEST(EdiFileLoading, EveryLineEndBecomesCrLf)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
        {"no end", "no end\r\n"},
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        {"a\n\nb\r\r", "a\r\n\r\nb\r\n\r\n"},
        {"\n\r", "\r\n\r\n"},
        {"\r\r\n", "\r\n\r\n"},
        {"\r\n\n", "\r\n\r\n"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases) {
        std::string edi = "old\r\n";
        EdiLineAppender whole(edi);
        whole.append(bytes);
        whole.finish();
        EXPECT_EQ(edi, "old\r\n" + text) << bytes;

        // A file arrives in pieces: a CR LF may be split between two of them.
        std::string piecewise;
        EdiLineAppender appender(piecewise);
        for (const char byte : bytes)
            appender.append(std::string_view(&byte, 1));
        appender.finish();
        EXPECT_EQ(piecewise, text) << "byte by byte: " << bytes;
    }
}

// Started by a path, the folder it names; by a bare name, or from a folder the user cannot write
// to, the working directory.
TEST(EdiFileLoading, TheProgramDirectoryIsWhereTheLogsAre)
{
    const testing::TemporaryFolder logs;
    std::filesystem::create_directory(logs / "sub");
    const std::filesystem::path working = "/home/q1abc";
    const std::pair<std::filesystem::path, std::filesystem::path> cases[] = {
        {logs / "logvane", logs.path()}, // a link among the logs, not followed
        {logs / "sub/../sub/./logvane", logs / "sub"},
        {"logvane", working}, // found on the PATH
        {"/nowhere/at/all/logvane", working},
    };
    for (const auto& [startedAs, directory] : cases)
        EXPECT_EQ(programDirectory(startedAs, working), directory) << startedAs;
    EXPECT_EQ(programDirectory("./logvane", logs.path()), logs.path());
    EXPECT_EQ(programDirectory("sub/logvane", logs.path()), logs / "sub");

    // Root may write anywhere, so the folder nobody may write to is tried as nobody.
    std::filesystem::permissions(logs.path(), std::filesystem::perms::all);
    std::filesystem::permissions(logs / "sub",
        std::filesystem::perms::owner_all | std::filesystem::perms::group_exec
            | std::filesystem::perms::others_exec);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                std::_Exit(2);
            std::_Exit(programDirectory(logs / "sub/logvane", working) == working ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A file's lines go after the EDI text and its path is kept, or the refusal names file and reason.
// The bound holds for the text as it comes out, each line ended by CR LF: LF lines grow by a byte.
TEST(EdiFileLoading, AppendsTheFileOrNamesItAndTheReason)
{
    const testing::TemporaryFolder dir;
    constexpr auto Limit = static_cast<std::size_t>(EdiTextLimit);
    const auto file
        = [&dir](const char* name, std::size_t size, char filler, const char* end = "") {
              testing::writeFile(dir / name, std::string(size, filler) + end);
              return dir / name;
          };
    std::filesystem::create_directory(dir / "folder.edi");
    const struct
    {
        const char* cause;
        std::filesystem::path path;
        std::string ediText;
        const char* told; // empty where the file must load
        const char* loaded = nullptr; // the EDI text then, where it is short
    } cases[] = {
        {"appended", file("log.edi", 0, 'x', "PBand=144 MHz\r\n130803;1200;Q1ABC"), "kept\r\n", "",
            "kept\r\nPBand=144 MHz\r\n130803;1200;Q1ABC\r\n"},
        {"empty", file("empty.edi", 0, 'x'), "kept\r\n", "", "kept\r\n"},
        {"missing", dir / "gone.edi", {}, "the file does not exist"},
        {"a folder", dir / "folder.edi", {}, "it is not a regular file"},
        {"one byte over the bound", file("big.edi", Limit + 1, 'x'), {},
            "it holds 67,108,865 bytes, more than the 67,108,864 bytes"},
        {"at the bound, CR LF last", file("full.edi", Limit - 2, 'x', "\r\n"), {}, ""},
        {"LF lines over the bound", file("lf.edi", Limit / 2 + 1, '\n'), {},
            "with its lines ended by CR LF it takes the EDI text past the 64.0 MiB"},
        {"LF lines at the bound", file("lf-full.edi", Limit / 2, '\n'), {}, ""},
        {"over the bound with the text before it", dir / "CONTEST.EDI", std::string(Limit - 8, 'x'),
            "; press New"},
        {"at the bound with the text before it", dir / "CONTEST.EDI", std::string(Limit - 15, 'x'),
            ""},
    };
    testing::writeFile(dir / "CONTEST.EDI", "PBand=144 MHz\r\n"); // 15 bytes
    for (const auto& c : cases) {
        const Result<LoadedEdi> loaded = loadEdiFile(c.path, c.ediText);
        if (*c.told == '\0') {
            ASSERT_TRUE(loaded) << c.cause;
            EXPECT_EQ(loaded->path, c.path) << c.cause;
            EXPECT_TRUE(!c.loaded || loaded->ediText == c.loaded) << c.cause;
            continue;
        }
        ASSERT_FALSE(loaded) << c.cause;
        const std::string message = loaded.error().message.toStdString();
        EXPECT_NE(message.find(c.told), std::string::npos) << c.cause << ": " << message;
        // New helps only where the EDI text held something before.
        EXPECT_EQ(message.find("press New") != std::string::npos, !c.ediText.empty()) << c.cause;
        EXPECT_NE(message.find(c.path.filename().string().substr(0, 4)), std::string::npos)
            << c.cause << ": " << message;
    }
}

TEST(EdiFileLoading, ListsRegularEdiFilesSortedWithoutCase)
{
    const testing::TemporaryFolder dir;
    // "Caf\xE9.edi" was written in Latin-1 on an old stick: no UTF-8, but a log all the same.
    for (const char* name : {"b.EDI", "a.edi", "A.edi", "C.Edi", "Caf\xE9.edi", ".hidden.edi",
             "notes.txt", "x.edi.bak", "edi"})
        testing::writeFile(dir / name, "x");
    std::filesystem::create_directory(dir / "folder.edi");
    std::filesystem::create_symlink(dir / "a.edi", dir / "link.edi");
    std::filesystem::create_symlink(dir / "missing", dir / "dangling.edi");
    std::filesystem::create_symlink(dir / "folder.edi", dir / "folderlink.edi");
    std::filesystem::create_symlink("/dev/null", dir / "device.edi");

    const Result<std::vector<std::filesystem::path>> names = ediFileNames(dir.path());
    ASSERT_TRUE(names);
    EXPECT_EQ(*names,
        (std::vector<std::filesystem::path> {
            "A.edi", "a.edi", "b.EDI", "C.Edi", "Caf\xE9.edi", "link.edi"}));

    const Result<std::vector<std::filesystem::path>> gone = ediFileNames(dir / "gone");
    ASSERT_FALSE(gone);
    EXPECT_TRUE(gone.error().message.contains(QStringLiteral("No such file or directory")))
        << gone.error().message.toStdString();
}

} // namespace
} // namespace logvane
