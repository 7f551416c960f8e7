#include "app/without_windows.h"

#include "logfiles/comment.h"
#include "logfiles/conversion_job.h"
#include "logfiles/edi_directory.h"
#include "logfiles/field_choice.h"
#include "logfiles/translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace logvane {
namespace {

// A line as the terminal's encoding wants it, out at once, so that a long run shows its progress.
void printLine(std::FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", qPrintable(line));
    std::fflush(stream);
}

} // namespace

int runWithoutWindows(char* programName, const CommandLine& commandLine)
{
    static char fallbackName[] = "logvane";
    int argc = 1;
    char* argv[] = {programName ? programName : fallbackName, nullptr};
    Translations translations;
    const QCoreApplication application(argc, argv); // for the user's language, no display
    translations.install();
    switch (commandLine.request) {
    case CommandLine::Request::Help:
        std::fputs(qPrintable(helpText()), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(versionText().c_str(), stdout);
        return 0;
    case CommandLine::Request::Convert:
        return convertWithoutWindows(commandLine);
    case CommandLine::Request::Misuse:
    case CommandLine::Request::Windows:
        break;
    }
    printLine(stderr, misuseMessage(commandLine));
    return 2;
}

int convertWithoutWindows(const CommandLine& commandLine)
{
    // A comment is taken as the comment field takes it: line breaks and tabs become blanks, and a
    // character the code page cannot hold fails before any file is touched.
    const QString comment = withBlanksForBreaks(commandLine.comment);
    if (const Result<std::string> bytes = commentBytes(comment); !bytes) {
        printLine(stderr, bytes.error().message);
        return 2;
    }
    const FieldGroups groups = commandLine.fields.value_or(storedFieldGroups());
    std::size_t saved = 0;
    for (const std::filesystem::path& file : commandLine.files) {
        const Result<std::filesystem::path> path = ediFileNamed(file);
        const Result<ConvertedLog> log
            = path ? convertEdiFile(*path, {}, comment, groups) : path.error();
        if (log) {
            ++saved;
            printLine(stdout, summaryOf(*log));
        } else {
            printLine(stderr, log.error().message);
        }
    }
    const std::size_t failed = commandLine.files.size() - saved;
    if (commandLine.files.size() > 1)
        printLine(stdout, savedAndFailed(saved, failed));
    return failed == 0 ? 0 : 1;
}

} // namespace logvane
