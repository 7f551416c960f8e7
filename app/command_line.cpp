#include "app/command_line.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
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

// "none", or "contest", "station" or both, joined by a comma.
std::optional<FieldGroups> fieldGroupsNamed(std::string_view list)
{
    if (list == "none")
        return FieldGroups {};
    FieldGroups groups;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, end - start);
        if (name == "contest")
            groups.contest = true;
        else if (name == "station")
            groups.station = true;
        else
            return std::nullopt;
        start = end + 1;
    }
    return groups;
}

constexpr std::string_view FieldsOption = "--fields=";
constexpr std::string_view CommentOption = "--comment=";

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    CommandLine commandLine;
    if (argc > 0)
        commandLine.forQt.push_back(argv[0]);
    const auto misuse = [&commandLine](CommandLine::Misuse what, std::string_view culprit) {
        if (commandLine.request == CommandLine::Request::Misuse)
            return; // the first is told
        commandLine.request = CommandLine::Request::Misuse;
        commandLine.misuse = what;
        commandLine.culprit = culprit;
    };
    bool converting = false; // --convert changes what the other options mean
    for (int at = 1; at < argc && std::string_view(argv[at]) != "--"; ++at)
        converting = converting || std::string_view(argv[at]) == "--convert";
    bool help = false;
    bool version = false;
    bool afterDashes = false;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (afterDashes || !argument.starts_with('-') || argument == "-") {
            commandLine.files.emplace_back(argument);
        } else if (argument == "--") {
            afterDashes = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--convert") {
            continue; // seen above
        } else if (converting && argument.starts_with(FieldsOption)) {
            commandLine.fields = fieldGroupsNamed(argument.substr(FieldsOption.size()));
            if (!commandLine.fields)
                misuse(CommandLine::Misuse::UnknownFieldGroups, argument);
        } else if (converting && argument.starts_with(CommentOption)) {
            commandLine.comment = QString::fromLocal8Bit(argument.substr(CommentOption.size()));
        } else if (const QtOption option = converting ? QtOption::None : qtOption(argument);
                   option != QtOption::None) {
            commandLine.forQt.push_back(argv[at]);
            if (option == QtOption::WithValue && at + 1 < argc)
                commandLine.forQt.push_back(argv[++at]);
        } else {
            misuse(CommandLine::Misuse::UnknownOption, argument);
        }
    }
    commandLine.forQt.push_back(nullptr);
    if (converting && commandLine.files.empty())
        misuse(CommandLine::Misuse::NoFile, {});
    if (help)
        commandLine.request = CommandLine::Request::Help;
    else if (version)
        commandLine.request = CommandLine::Request::Version;
    else if (converting && commandLine.request != CommandLine::Request::Misuse)
        commandLine.request = CommandLine::Request::Convert;
    return commandLine;
}

QString misuseMessage(const CommandLine& commandLine)
{
    const QString culprit = QString::fromLocal8Bit(commandLine.culprit);
    switch (commandLine.misuse) {
    case CommandLine::Misuse::UnknownFieldGroups:
        return QCoreApplication::translate("CommandLine",
            "logvane: %1 names no groups of fields: give none, contest, station or "
            "contest,station")
            .arg(culprit);
    case CommandLine::Misuse::NoFile:
        return QCoreApplication::translate(
            "CommandLine", "logvane: --convert needs the EDI files to convert");
    case CommandLine::Misuse::UnknownOption:
        break;
    }
    return QCoreApplication::translate("CommandLine",
        "logvane: unknown option %1 (a file whose name begins with \"-\" goes after \"--\"); "
        "logvane --help tells the options")
        .arg(culprit);
}

QString helpText()
{
    return QCoreApplication::translate("CommandLine",
        "Usage: logvane [Qt options] [--] [FILE.edi...]\n"
        "       logvane --convert [--fields=LIST] [--comment=TEXT] [--] FILE.edi...\n"
        "Converts VHF/UHF contest logs in the EDI format (REG1TEST) to ADIF files.\n"
        "\n"
        "Without files, the main window opens: press New or Open and pick an EDI file of the\n"
        "folder listed; NAME.adi is written beside it. With files, each is converted in turn as\n"
        "if picked after New, its .adi file written beside it, and one message tells what\n"
        "happened. Only names that end in .edi, in any letter case, are taken.\n"
        "\n"
        "With --convert, the files are converted without a window, and without a desktop: a\n"
        "line for each tells where its .adi file went, or why it failed. The exit status is 0\n"
        "when every file was saved, 1 when any failed, 2 for a command line it cannot follow.\n"
        "\n"
        "  -h, --help        show this text and end\n"
        "  --version         show the version and end\n"
        "  --convert         convert the files without a window\n"
        "  --fields=LIST     with --convert: the groups of fields to add to every record, none,\n"
        "                    contest, station or contest,station (without it, those chosen\n"
        "                    with Fields... in the window)\n"
        "  --comment=TEXT    with --convert: the comment of every record (\"Thank you for the\n"
        "                    QSO\" without it)\n"
        "  --                end the options: every argument after it is a file name\n"
        "\n"
        "Qt's own options (-platform, -style, -reverse, ...) are taken before \"--\".\n");
}

std::string versionText()
{
    return "logvane " LOGVANE_VERSION "\n";
}

} // namespace logvane
