#pragma once

#include <filesystem>

namespace logvane {

// The folder the picker lists. Started by a path to the program (it holds a "/": "./logvane",
// "/opt/logs/logvane", a link placed among one's logs), the folder that path names, links not
// resolved, when the user can write to it: that is where the logs are. Started by a bare name found
// on the PATH, as a terminal or a desktop's menu starts an installed program, or from a folder the
// user cannot write to (/usr/bin), the working directory, where the user is.
std::filesystem::path programDirectory(
    const std::filesystem::path& startedAs, const std::filesystem::path& workingDirectory);

} // namespace logvane
