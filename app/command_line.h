#pragma once

#include "logfiles/result.h"

#include <filesystem>
#include <string>
#include <vector>

// The command line: "logvane [Qt's options] [--] [FILE.edi...]". Without file names the program is
// the two windows as ever; with them, each file is converted as if picked (Open with, on a
// desktop). It is read whole before Qt starts, so that a mistyped option is told as such with or
// without a desktop. Qt's application object takes its options from anywhere in the arguments,
// after "--" too, so it is handed only its own options, and no file name.

namespace logvane {

struct CommandLine
{
    enum class Request { Windows, Help, Version };
    Request request = Request::Windows;
    // The program's name and Qt's options, followed by a null, for Qt's application object.
    std::vector<char*> forQt;
    std::vector<std::filesystem::path> files;
};

// The command line, or the one-line usage message for an option neither Qt nor the program knows.
// -h or --help anywhere before "--" asks for the help, whatever else is given.
Result<CommandLine> readCommandLine(int argc, char* argv[]);

std::string helpText();
std::string versionText();

} // namespace logvane
