// logvane: EDI contest logs to ADIF. The program lists the EDI files beside itself.
#include "app/display_guard.h"
#include "logfiles/program_directory.h"
#include "ui/form1.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char* argv[])
{
    logvane::holdStartupMessages(); // no display: one line and status 1, not Qt's abort
    QApplication app(argc, argv);
    logvane::releaseStartupMessages();
    QApplication::setApplicationName(logvane::ApplicationTitle);
    QApplication::setWindowIcon(logvane::programIcon()); // message boxes too
    const QString startedAs = argc > 0 ? QFile::decodeName(argv[0]) : QString();
    logvane::Form1 form1(
        logvane::programDirectory(startedAs, QCoreApplication::applicationDirPath()));
    form1.show();
    return QApplication::exec();
}
