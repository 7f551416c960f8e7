#include "logfiles/adif_file_saving.h"

#include "logfiles/system_file.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace logvane {
namespace {

namespace fs = std::filesystem;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Saving)
};

Failure cannotSave(const fs::path& path, const QString& reason)
{
    //: %2 is the reason ("Permission denied", "the older file is write-protected").
    return {Text::tr("Could not save the ADI file \"%1\": %2. Nothing was saved, and any older "
                     "file of that name is unchanged.")
                .arg(shownPath(path), reason)};
}

// The file that `path` names once its links are followed to their end, whether it is there or not:
// a dangling link names the file to make, which weakly_canonical, resolving only the part that is
// there, misses. A relative link is read from its own folder. Linux follows at most 40 links in a
// path; so does the save, with the system's error.
Result<fs::path> followLinks(const fs::path& path)
{
    fs::path target = path;
    for (int followed = 0;; ++followed) {
        std::error_code error;
        const fs::path next = fs::read_symlink(target, error);
        if (error == std::errc::invalid_argument || error == std::errc::no_such_file_or_directory)
            return target; // not a link, or nothing there yet
        if (!error && followed == 40)
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        if (error)
            return cannotSave(path, systemReason(error.value()));
        target = target.parent_path() / next; // an absolute `next` is taken as it is
    }
}

// The mode of the file that the save replaces, if there is one, for the new file to keep; or the
// reason the save may not replace it.
Result<std::optional<mode_t>> olderMode(const fs::path& path, const fs::path& target)
{
    struct stat older;
    if (::stat(target.c_str(), &older) != 0) {
        if (errno == ENOENT)
            return std::optional<mode_t>();
        return cannotSave(path, systemReason(errno));
    }
    if (S_ISDIR(older.st_mode))
        return Failure {Text::tr("Could not save the ADI file \"%1\": a folder of that name is in "
                                 "the way. Nothing was saved.")
                            .arg(shownPath(path))};
    // A rename would put a plain file where a device or a pipe was (/dev/null itself, for root).
    if (!S_ISREG(older.st_mode))
        return cannotSave(
            path, Text::tr("it is not a regular file but a device, a pipe or a socket"));
    // A rename asks the folder, never the file, so the file is asked here. access() lets root
    // write any file, but whoever took every write permission off a file meant it to stay, so that
    // is refused for root too.
    if ((older.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return cannotSave(path, Text::tr("the older file is write-protected"));
    return std::optional<mode_t>(older.st_mode & 07777);
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The older file's mode, then the text and one more CR LF, on the disk: false, with errno set, when
// any of it fails.
bool fill(int descriptor, std::optional<mode_t> mode, std::string_view text)
{
    return (!mode || ::fchmod(descriptor, *mode) == 0) && writeAll(descriptor, text)
        && writeAll(descriptor, "\r\n") && ::fsync(descriptor) == 0;
}

// `prefix` and 8 random letters: a hidden name in `folder` that nobody else has taken, for which
// `make` succeeds. An empty path, with errno set, when `make` fails for another reason.
fs::path uniqueName(const fs::path& folder, const std::string& prefix,
    const std::function<bool(const fs::path&)>& make)
{
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 8; ++i)
            name += Letters[letter(random)];
        if (make(folder / name))
            return folder / name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

// The folder a file lies in, as open() takes it: "." for a bare name.
fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Writes the text, whole and on the disk, to a new file in the folder of `target`, named `hidden`
// there: 0, or the error number that stopped it. Every file is made as any new file is made, for
// the umask to shape (0666 less it), before it is given the older file's mode.
int writeHidden(
    const fs::path& target, std::optional<mode_t> mode, std::string_view text, fs::path& hidden)
{
    const fs::path folder = folderOf(target);
    // A file without a name until it is whole, so that a save killed half way leaves nothing
    // behind; then a short name of its own, not the target's, so that a target of the longest name
    // the system allows is saved too. Linking through /proc needs no privilege, unlike
    // AT_EMPTY_PATH.
    FileDescriptor unnamed(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(unnamed.get());
        if (!fill(unnamed.get(), mode, text))
            return errno;
        hidden = uniqueName(folder, ".logvane-", [&self](const fs::path& name) {
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
        return !hidden.empty() && unnamed.close() ? 0 : errno;
    }
    // The system or the file system cannot make a file without a name: a part file, named from
    // the start after the target, cut so that its name, with the dots and letters, fits NAME_MAX.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return errno;
    int descriptor = -1;
    const std::string prefix
        = std::string(".").append(target.filename().native(), 0, NAME_MAX - 10).append(".");
    hidden = uniqueName(folder, prefix, [&descriptor](const fs::path& name) {
        descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return descriptor >= 0;
    });
    FileDescriptor part(descriptor);
    return part && fill(part.get(), mode, text) && part.close() ? 0 : errno;
}

// A rename is on the disk only once its folder is: until then a power cut can bring the older file
// back. 0, or the error number.
int syncFolder(const fs::path& folder)
{
    const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened && ::fsync(opened.get()) == 0 ? 0 : errno;
}

} // namespace

std::optional<fs::path> adifPathFor(const fs::path& inputPath)
{
    const auto& bytes = inputPath.native();
    if (bytes.size() < 3)
        return std::nullopt;
    return fs::path(bytes.substr(0, bytes.size() - 3) + "adi");
}

Result<fs::path> saveAdifFile(const fs::path& inputPath, std::string_view adifText)
{
    const std::optional<fs::path> path = adifPathFor(inputPath);
    if (!path)
        return Failure {Text::tr("There is no ADI file name for \"%1\": nothing was saved.")
                            .arg(shownPath(inputPath))};
    const Result<fs::path> followed = followLinks(*path);
    if (!followed)
        return followed.error();
    const fs::path& target = *followed;
    const Result<std::optional<mode_t>> mode = olderMode(*path, target);
    if (!mode)
        return mode.error();

    // Removed on any way out but the rename that makes it the ADIF file.
    struct HiddenFile
    {
        fs::path path;
        bool renamed = false;
        ~HiddenFile()
        {
            if (!renamed && !path.empty())
                ::unlink(path.c_str());
        }
    } hidden;
    if (const int error = writeHidden(target, *mode, adifText, hidden.path))
        return cannotSave(*path, systemReason(error));
    if (::rename(hidden.path.c_str(), target.c_str()) != 0)
        return cannotSave(*path, systemReason(errno));
    hidden.renamed = true;
    // Saved, but not known to be on the disk: "nothing was saved" would be untrue.
    if (const int error = syncFolder(folderOf(target)))
        return Failure {Text::tr("The ADI file \"%1\" was written, but the system could not "
                                 "confirm that it is on the disk: %2.")
                            .arg(shownPath(*path), systemReason(error))};
    return *path;
}

} // namespace logvane
