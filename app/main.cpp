// logvane: EDI contest logs to ADIF. The program lists the EDI files where its logs are, and
// converts the files named on its command line or dropped on its window; with --convert, it
// converts the files named without any window.
#include "app/command_line.h"
#include "app/display_guard.h"
#include "app/without_windows.h"
#include "logfiles/program_directory.h"
#include "logfiles/translations.h"
#include "ui/form1.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <filesystem>

int main(int argc, char* argv[])
{
    logvane::openClosedStandardStreams();
    logvane::CommandLine commandLine = logvane::readCommandLine(argc, argv);
    if (commandLine.request != logvane::CommandLine::Request::Windows)
        return logvane::runWithoutWindows(argc > 0 ? argv[0] : nullptr, commandLine);

    logvane::Translations translations; // before Qt starts, for the display guard's line
    int qtArgc = static_cast<int>(commandLine.forQt.size()) - 1;
    logvane::holdStartupMessages(translations); // no display: one line and status 1, not an abort
    QApplication app(qtArgc, commandLine.forQt.data());
    logvane::releaseStartupMessages();
    translations.install();

    QApplication::setApplicationName(logvane::ApplicationTitle);
    // The installed desktop entry's id, so that a desktop takes the windows for its menu entry's.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavren.logvane"));
    QApplication::setWindowIcon(logvane::programIcon()); // message boxes too
    std::error_code error; // a working directory removed under the program: the picker says so
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    logvane::Form1 form1(
        logvane::programDirectory(argc > 0 ? argv[0] : "", error ? "." : workingDirectory));
    form1.show();
    const std::vector<std::filesystem::path>& files = commandLine.files;
    if (!files.empty())
        QTimer::singleShot(0, &form1, [&form1, &files] { form1.convertFiles(files); });
    return QApplication::exec();
}
