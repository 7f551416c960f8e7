#pragma once

#include <QString>

#include <filesystem>

// Files as the system stores them. A path is carried as its bytes (std::filesystem::path) from the
// listing to the saved file, so a folder or a log named in another encoding than the system's is
// found, read and written all the same; its name is decoded only to be shown.

namespace logvane {

// The path as the user reads it: decoded from the system's encoding of file names, with bytes that
// encoding cannot read shown as U+FFFD, and in the platform's separators.
QString shownPath(const std::filesystem::path& path);

// A folder as the user would type it: shown as shownPath() does, the home folder as "~".
QString shownFolder(const std::filesystem::path& folder);

// The system's words for the error number `error` ("Permission denied").
QString systemReason(int error);

// An open file descriptor, closed when it goes.
class FileDescriptor
{
public:
    explicit FileDescriptor(int descriptor)
        : descriptor_(descriptor)
    { }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    explicit operator bool() const { return descriptor_ >= 0; }
    int get() const { return descriptor_; }
    // Closes it now; false, with errno set, when the system reports an error (on some file
    // systems a failed write shows only here).
    bool close();

private:
    int descriptor_;
};

} // namespace logvane
