#pragma once

#include "logfiles/result.h"

#include <filesystem>
#include <string>
#include <vector>

// The command line: "logvane [Qt's options] [--] [FILE.edi...]". Without file names the program is
// the two windows as ever; with them, each file is converted as if picked (Open with, on a
// desktop). Qt's application object takes its options from anywhere in the arguments, after "--"
// too, so it is shown only those before it.

namespace logvane {

struct CommandLine
{
    enum class Request { Windows, Help, Version };
    Request request = Request::Windows;
    // The program's name and the arguments before "--", followed by a null, for Qt to take its
    // options from; it keeps the rest in place.
    std::vector<char*> forQt;
    std::vector<std::filesystem::path> filesAfterDashes;
};

CommandLine readCommandLine(int argc, char* argv[]);

// The files named: the arguments Qt left before "--", then those after it. An argument before
// "--" that starts with "-" is an option neither Qt nor the program knows: its failure.
Result<std::vector<std::filesystem::path>> filesNamed(
    int argc, char* argv[], std::vector<std::filesystem::path> filesAfterDashes);

std::string helpText();
std::string versionText();

} // namespace logvane
