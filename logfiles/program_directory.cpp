#include "logfiles/program_directory.h"

#include <unistd.h>

namespace logvane {

std::filesystem::path programDirectory(
    const std::filesystem::path& startedAs, const std::filesystem::path& workingDirectory)
{
    if (startedAs.native().find('/') == std::string::npos)
        return workingDirectory;
    const std::filesystem::path folder
        = (workingDirectory / startedAs).lexically_normal().parent_path();
    return ::access(folder.c_str(), W_OK) == 0 ? folder : workingDirectory;
}

} // namespace logvane
