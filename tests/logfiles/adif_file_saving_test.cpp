#include "logfiles/adif_file_saving.h"
#include "logfiles/system_file.h"
#include "tests/qt_printers.h"
#include "tests/temporary_folder.h"

#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Each row saves into a folder of its own, where the shell first runs `made`.
struct SaveCase
{
    std::string made;
    fs::path edi; // saved beside it
    std::string_view told; // in the failure's message; empty where the save succeeds
    fs::path holder; // what then holds the new text, or still the older one, with the mode `mode`
    fs::perms mode;
    std::vector<fs::path> after; // all the folder and its "out" folder then hold
};

TEST(AdifFileSaving, SavesWhereItMayAndLeavesNothingBehind)
{
    ::umask(022); // a new file's mode is 0666 shaped by the umask
    const std::string text = Header + "<CALL:5>Q1\xA0\xFF\x80<COMMENT:0><EOR>\r\n";
    const std::string longest(251, 'n'); // and ".adi", as long as a name may be
    const SaveCase cases[] = {
        {"", "CONTEST.EDI", "", "CONTEST.adi", fs::perms(0644), {"CONTEST.adi"}},
        {"echo older >CONTEST.adi; chmod 640 CONTEST.adi", "CONTEST.EDI", "", "CONTEST.adi",
            fs::perms(0640), {"CONTEST.adi"}},
        {"", longest + ".edi", "", longest + ".adi", fs::perms(0644), {longest + ".adi"}},
        {"", "missing/LOG.edi", "No such file or directory", "", {}, {}},
        // A link is followed to its end, a relative one from its own folder, even to a file not
        // there yet, and stays a link.
        {"echo older >real.adi; chmod 640 real.adi; ln -s \"$PWD/real.adi\" LINKED.adi",
            "LINKED.edi", "", "real.adi", fs::perms(0640), {"LINKED.adi", "real.adi"}},
        {"mkdir out; ln -s out/b-real.adi b.adi", "b.edi", "", "out/b-real.adi", fs::perms(0644),
            {"b.adi", "out", "out/b-real.adi"}},
        {"mkdir out; echo older >out/c2.adi; chmod 640 out/c2.adi; ln -s out/c1.adi c.adi; "
         "ln -s c2.adi out/c1.adi",
            "c.edi", "", "out/c2.adi", fs::perms(0640),
            {"c.adi", "out", "out/c1.adi", "out/c2.adi"}},
        {"ln -s loop2.adi loop.adi; ln -s loop.adi loop2.adi", "loop.edi",
            "Too many levels of symbolic links", "", {}, {"loop.adi", "loop2.adi"}},
        // In the way, for root too: a folder, a write-protected file, a pipe (never opened).
        {"mkdir folder.adi", "folder.edi", "a folder of that name is in the way", "", {},
            {"folder.adi"}},
        {"echo older >RO.adi; chmod 444 RO.adi", "RO.edi", "write-protected", "RO.adi",
            fs::perms(0444), {"RO.adi"}},
        {"mkfifo pipe.adi", "pipe.edi", "not a regular file", "", {}, {"pipe.adi"}},
    };
    for (const SaveCase& row : cases) {
        SCOPED_TRACE(row.edi);
        const testing::TemporaryFolder dir;
        ASSERT_EQ(
            std::system(("set -e; cd '" + dir.path().native() + "'; " + row.made).c_str()), 0);
        const auto listing = [&dir] {
            std::vector<fs::path> names = testing::filesIn(dir.path());
            if (fs::is_directory(dir / "out"))
                for (const fs::path& name : testing::filesIn(dir / "out"))
                    names.push_back("out" / name);
            return names;
        };
        std::map<fs::path, fs::file_type> kinds; // a link, a pipe, a folder stays one
        for (const fs::path& name : listing())
            kinds[name] = fs::symlink_status(dir / name).type();
        const FileDescriptor watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
        ::inotify_add_watch(watch.get(), dir.path().c_str(), IN_CREATE | IN_MOVED_TO);

        const Result<fs::path> saved = saveAdifFile(dir / row.edi, text);

        // While it ran, no name but those it leaves and hidden ones appeared in the folder.
        alignas(inotify_event) char events[65536];
        const ssize_t length = ::read(watch.get(), events, sizeof events);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            const fs::path name = event->name;
            EXPECT_TRUE(
                name.native()[0] == '.' || std::count(row.after.begin(), row.after.end(), name))
                << name;
            at += sizeof(inotify_event) + event->len;
        }
        const QString told = saved ? QString() : saved.error().message;
        ASSERT_EQ(bool(saved), row.told.empty()) << told.toStdString();
        EXPECT_TRUE(told.contains(QString::fromUtf8(row.told))) << told.toStdString();
        EXPECT_TRUE(!saved || *saved == dir / fs::path(row.edi).replace_extension(".adi"));
        if (!row.holder.empty()) {
            EXPECT_EQ(
                testing::contents(dir / row.holder), row.told.empty() ? text + "\r\n" : "older\n");
            EXPECT_EQ(fs::status(dir / row.holder).permissions(), row.mode);
        }
        EXPECT_EQ(listing(), row.after);
        for (const auto& [name, kind] : kinds)
            EXPECT_EQ(fs::symlink_status(dir / name).type(), kind) << name;
    }
}

TEST(AdifFileSaving, AFullDiskIsToldAndHarmsNothing)
{
    const testing::TemporaryFolder dir;
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
    EXPECT_EQ(testing::filesIn(dir.path()), std::vector<fs::path> {"LOG.adi"});
}

} // namespace
} // namespace logvane
