// logvane: EDI contest logs to ADIF. The program lists the EDI files beside itself.
#include "app/display_guard.h"
#include "logfiles/program_directory.h"
#include "ui/form1.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>

int main(int argc, char* argv[])
{
    logvane::holdStartupMessages(); // no display: one line and status 1, not Qt's abort
    QApplication app(argc, argv);
    logvane::releaseStartupMessages();
    QApplication::setApplicationName(logvane::ApplicationTitle);
    QApplication::setWindowIcon(logvane::programIcon()); // message boxes too
    std::error_code error; // a working directory removed under the program: the picker says so
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    logvane::Form1 form1(
        logvane::programDirectory(argc > 0 ? argv[0] : "", error ? "." : workingDirectory));
    form1.show();
    return QApplication::exec();
}
