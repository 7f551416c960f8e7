#include "app/command_line.h"

#include <string_view>

namespace logvane {

CommandLine readCommandLine(int argc, char* argv[])
{
    CommandLine commandLine;
    int at = 0;
    for (; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (at > 0 && argument == "--")
            break;
        if (at > 0 && (argument == "--help" || argument == "-h"))
            commandLine.request = CommandLine::Request::Help;
        else if (at > 0 && argument == "--version"
            && commandLine.request == CommandLine::Request::Windows)
            commandLine.request = CommandLine::Request::Version;
        commandLine.forQt.push_back(argv[at]);
    }
    commandLine.forQt.push_back(nullptr);
    for (++at; at < argc; ++at)
        commandLine.filesAfterDashes.emplace_back(argv[at]);
    return commandLine;
}

Result<std::vector<std::filesystem::path>> filesNamed(
    int argc, char* argv[], std::vector<std::filesystem::path> filesAfterDashes)
{
    std::vector<std::filesystem::path> files;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (argument.starts_with('-') && argument != "-")
            return Failure {QStringLiteral(
                "logvane: unknown option %1 (a file whose name begins with \"-\" goes after "
                "\"--\"); logvane --help tells the options")
                                .arg(QString::fromLocal8Bit(argv[at]))};
        files.emplace_back(argument);
    }
    files.insert(files.end(), std::make_move_iterator(filesAfterDashes.begin()),
        std::make_move_iterator(filesAfterDashes.end()));
    return files;
}

std::string helpText()
{
    return "Usage: logvane [Qt options] [--] [FILE.edi...]\n"
           "Converts VHF/UHF contest logs in the EDI format (REG1TEST) to ADIF files.\n"
           "\n"
           "Without files, the main window opens: press New or Open and pick an EDI file of the\n"
           "folder listed; NAME.adi is written beside it. With files, each is converted in turn "
           "as\n"
           "if picked after New, its .adi file written beside it, and one message tells what\n"
           "happened. Only names that end in .edi, in any letter case, are taken.\n"
           "\n"
           "  -h, --help   show this text and end\n"
           "  --version    show the version and end\n"
           "  --           end the options: every argument after it is a file name\n"
           "\n"
           "Qt's own options (-platform, -style, -reverse, ...) are taken before \"--\".\n";
}

std::string versionText()
{
    return "logvane " LOGVANE_VERSION "\n";
}

} // namespace logvane
