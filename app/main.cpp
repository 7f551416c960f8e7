// logvane: EDI contest logs to ADIF. The program lists the EDI files beside itself.
#include "ui/form1.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(logvane::ApplicationTitle);
    QApplication::setWindowIcon(logvane::programIcon()); // message boxes too
    logvane::Form1 form1(QCoreApplication::applicationDirPath());
    form1.show();
    return QApplication::exec();
}
