#pragma once

#include "conversion/field_groups.h"
#include "logfiles/comment.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The command line:
//   logvane [Qt's options] [--] [FILE.edi...]
//   logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...
// Without file names the program is the two windows as ever; with them, each file is converted
// as if picked (Open with, on a desktop). With --convert the files are converted without any
// window, as a script or a terminal without a desktop wants it. The command line is read whole
// before Qt starts, so that a mistyped option is told as such with or without a desktop. Qt's
// application object takes its options from anywhere in the arguments, after "--" too, so it is
// handed only its own options, and no file name.

namespace logvane {

struct CommandLine
{
    enum class Request { Windows, Help, Version, Convert, Misuse };
    Request request = Request::Windows;
    // The program's name and Qt's options, followed by a null, for Qt's application object.
    std::vector<char*> forQt;
    std::vector<std::filesystem::path> files;
    // With --convert: the groups of fields given with --fields, and the comment.
    std::optional<FieldGroups> fields;
    QString comment = DefaultComment;
    // What is wrong with a command line the program cannot follow, and the argument at fault.
    enum class Misuse { UnknownOption, UnknownFieldGroups, NoFile };
    Misuse misuse = Misuse::UnknownOption;
    std::string culprit;
};

// What the command line asks for. -h or --help anywhere before "--" asks for the help, whatever
// else is given; --version for the version, but for that.
CommandLine readCommandLine(int argc, char* argv[]);

// The one-line message for a command line the program cannot follow, in the user's language.
QString misuseMessage(const CommandLine& commandLine);
QString helpText();
std::string versionText();

} // namespace logvane
