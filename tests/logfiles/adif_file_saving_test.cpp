#include "logfiles/adif_file_saving.h"
#include "tests/qt_printers.h"
#include "tests/temporary_folder.h"

#include <csignal>
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

// Each row saves into a folder of its own, prepared as the row says.
struct SaveCase
{
    std::function<void(const fs::path&)> prepare;
    fs::path edi; // saved beside it
    std::string_view told; // in the failure's message; empty where the save succeeds
    fs::path holder; // what holds the new text afterwards, or still the older one; none for a pipe
    fs::perms mode; // the holder's
    std::vector<fs::path> after; // all the folder and its "out" folder hold afterwards
};

TEST(AdifFileSaving, SavesWhereItMayAndLeavesNothingBehind)
{
    ::umask(022); // a new file's mode is 0666 shaped by the umask
    const std::string text = Header + "<CALL:5>Q1\xA0\xFF\x80<COMMENT:0><EOR>\r\n";
    const auto older = [](const fs::path& dir, const fs::path& name, fs::perms mode) {
        testing::writeFile(dir / name, "an older ADIF file");
        fs::permissions(dir / name, mode);
    };
    const std::string longest(251, 'n'); // and ".adi", as long as a name may be
    const SaveCase cases[] = {
        {[](auto&) {}, "CONTEST.EDI", "", "CONTEST.adi", fs::perms(0644), {"CONTEST.adi"}},
        {[&](auto& dir) { older(dir, "CONTEST.adi", fs::perms(0640)); }, "CONTEST.EDI", "",
            "CONTEST.adi", fs::perms(0640), {"CONTEST.adi"}},
        {[&](auto& dir) {
             older(dir, "real.adi", fs::perms(0640));
             fs::create_symlink(dir / "real.adi", dir / "LINKED.adi");
         },
            "LINKED.edi", "", "real.adi", fs::perms(0640), {"LINKED.adi", "real.adi"}},
        {[](auto&) {}, longest + ".edi", "", longest + ".adi", fs::perms(0644), {longest + ".adi"}},
        {[](auto&) {}, "missing/LOG.edi", "No such file or directory", "", {}, {}},
        // A link is followed to its end, a relative one from its own folder, even to a file not
        // there yet, and stays a link.
        {[](auto& dir) {
             fs::create_directory(dir / "out");
             fs::create_symlink("out/b-real.adi", dir / "b.adi");
         },
            "b.edi", "", "out/b-real.adi", fs::perms(0644), {"b.adi", "out", "out/b-real.adi"}},
        {[&](auto& dir) {
             fs::create_directory(dir / "out");
             older(dir, "out/c2.adi", fs::perms(0640));
             fs::create_symlink("out/c1.adi", dir / "c.adi");
             fs::create_symlink("c2.adi", dir / "out/c1.adi");
         },
            "c.edi", "", "out/c2.adi", fs::perms(0640),
            {"c.adi", "out", "out/c1.adi", "out/c2.adi"}},
        {[](auto& dir) {
             fs::create_symlink("loop2.adi", dir / "loop.adi");
             fs::create_symlink("loop.adi", dir / "loop2.adi");
         },
            "loop.edi", "Too many levels of symbolic links", "", {}, {"loop.adi", "loop2.adi"}},
        // A folder where the file should go (a failure even for root).
        {[](auto& dir) { fs::create_directory(dir / "folder.adi"); }, "folder.edi",
            "a folder of that name is in the way", "", {}, {"folder.adi"}},
        // A write-protected file is refused, by root too; a pipe is not opened, nor replaced.
        {[&](auto& dir) { older(dir, "RO.adi", fs::perms(0444)); }, "RO.edi", "write-protected",
            "RO.adi", fs::perms(0444), {"RO.adi"}},
        {[](auto& dir) { ::mkfifo((dir / "pipe.adi").c_str(), 0666); }, "pipe.edi",
            "not a regular file", "", {}, {"pipe.adi"}},
    };
    for (const SaveCase& row : cases) {
        SCOPED_TRACE(row.edi);
        const testing::TemporaryFolder dir;
        row.prepare(dir.path());
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
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(watch, dir.path().c_str(), IN_CREATE | IN_MOVED_TO);

        const Result<fs::path> saved = saveAdifFile(dir / row.edi, text);

        // While it ran, no name but those it leaves and hidden ones appeared in the folder.
        alignas(inotify_event) char events[65536];
        const ssize_t length = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            const std::string name = event->name;
            EXPECT_TRUE(name[0] == '.' || std::count(row.after.begin(), row.after.end(), name))
                << name;
            at += sizeof(inotify_event) + event->len;
        }
        ::close(watch);
        if (row.told.empty()) {
            ASSERT_TRUE(saved) << saved.error().message.toStdString();
            EXPECT_EQ(*saved, dir / fs::path(row.edi).replace_extension(".adi"));
        } else {
            ASSERT_FALSE(saved);
            EXPECT_TRUE(saved.error().message.contains(QString::fromUtf8(row.told)))
                << saved.error().message.toStdString();
        }
        if (!row.holder.empty()) {
            EXPECT_EQ(testing::contents(dir / row.holder),
                row.told.empty() ? text + "\r\n" : "an older ADIF file");
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
