#include "app/command_line.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace logvane {
namespace {

// The options Qt 6's application objects and its X11 platform plugin take: those that take the
// next argument as their value, those that stand alone, and those that may carry their value after
// "=" instead. Qt takes each with one dash or two.
constexpr std::array<std::string_view, 17> QtOptionsWithValue
    = {"style", "stylesheet", "qmljsdebugger", "platform", "platformpluginpath", "platformtheme",
        "plugin", "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon",
        "session", "display", "name", "visual"};
constexpr std::array<std::string_view, 7> QtFlags
    = {"reverse", "testability", "widgetcount", "nograb", "dograb", "qdebug", "qdevel"};
constexpr std::array<std::string_view, 3> QtOptionsWithJoinedValue
    = {"style", "stylesheet", "qmljsdebugger"};

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

enum class QtOption { None, Alone, WithValue };

QtOption qtOption(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = argument.find('=');
    if (equals != std::string_view::npos)
        return isOneOf(argument.substr(0, equals), QtOptionsWithJoinedValue) ? QtOption::Alone
                                                                             : QtOption::None;
    return isOneOf(argument, QtOptionsWithValue) ? QtOption::WithValue
        : isOneOf(argument, QtFlags)             ? QtOption::Alone
                                                 : QtOption::None;
}

Failure unknownOption(const char* argument)
{
    return {QStringLiteral("logvane: unknown option %1 (a file whose name begins with \"-\" goes "
                           "after \"--\"); logvane --help tells the options")
                .arg(QString::fromLocal8Bit(argument))};
}

} // namespace

Result<CommandLine> readCommandLine(int argc, char* argv[])
{
    CommandLine commandLine;
    if (argc > 0)
        commandLine.forQt.push_back(argv[0]);
    std::optional<Failure> unknown;
    bool afterDashes = false;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (afterDashes || !argument.starts_with('-') || argument == "-") {
            commandLine.files.emplace_back(argument);
        } else if (argument == "--") {
            afterDashes = true;
        } else if (argument == "-h" || argument == "--help") {
            commandLine.request = CommandLine::Request::Help;
        } else if (argument == "--version") {
            if (commandLine.request == CommandLine::Request::Windows)
                commandLine.request = CommandLine::Request::Version;
        } else if (const QtOption option = qtOption(argument); option != QtOption::None) {
            commandLine.forQt.push_back(argv[at]);
            if (option == QtOption::WithValue && at + 1 < argc)
                commandLine.forQt.push_back(argv[++at]);
        } else if (!unknown) {
            unknown = unknownOption(argv[at]);
        }
    }
    commandLine.forQt.push_back(nullptr);
    if (unknown && commandLine.request != CommandLine::Request::Help)
        return *unknown;
    return commandLine;
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
