#include "logfiles/adif_file_saving.h"

#include "logfiles/system_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace logvane {
namespace {

namespace fs = std::filesystem;

Failure cannotSave(const fs::path& path, const QString& reason)
{
    return {QStringLiteral("Could not save the ADI file \"%1\": %2. Nothing was saved, and any "
                           "older file of that name is unchanged.")
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
        return Failure {QStringLiteral("Could not save the ADI file \"%1\": a folder of that name "
                                       "is in the way. Nothing was saved.")
                            .arg(shownPath(path))};
    // A rename would put a plain file where a device or a pipe was (/dev/null itself, for root).
    if (!S_ISREG(older.st_mode))
        return cannotSave(
            path, QStringLiteral("it is not a regular file but a device, a pipe or a socket"));
    // A rename asks the folder, never the file, so the file is asked here. access() lets root
    // write any file, but whoever took every write permission off a file meant it to stay, so that
    // is refused for root too.
    if ((older.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return cannotSave(path, QStringLiteral("the older file is write-protected"));
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

// A new hidden file beside `target`, named after it, that nobody else has opened; `part` names it
// once it is made.
int createPartFile(const fs::path& target, fs::path& part)
{
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + target.filename().native() + ".";
        for (int i = 0; i < 8; ++i)
            name += Letters[letter(random)];
        const fs::path tried = target.parent_path() / name;
        // Made as any new file is made, for the umask to shape; given the older file's mode below.
        const int descriptor = ::open(tried.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0)
            part = tried;
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
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
        return Failure {QStringLiteral("There is no ADI file name for \"%1\": nothing was saved.")
                            .arg(shownPath(inputPath))};
    const Result<fs::path> followed = followLinks(*path);
    if (!followed)
        return followed.error();
    const fs::path& target = *followed;
    const Result<std::optional<mode_t>> mode = olderMode(*path, target);
    if (!mode)
        return mode.error();

    // Removed on any way out but the rename that makes it the ADIF file.
    struct PartFile
    {
        fs::path path;
        bool renamed = false;
        ~PartFile()
        {
            if (!renamed && !path.empty())
                ::unlink(path.c_str());
        }
    } part;
    FileDescriptor file(createPartFile(target, part.path));
    if (!file)
        return cannotSave(*path, systemReason(errno));
    if ((*mode && ::fchmod(file.get(), **mode) != 0) || !writeAll(file.get(), adifText)
        || !writeAll(file.get(), "\r\n") || ::fsync(file.get()) != 0 || !file.close()
        || ::rename(part.path.c_str(), target.c_str()) != 0)
        return cannotSave(*path, systemReason(errno));
    part.renamed = true;
    return *path;
}

} // namespace logvane
