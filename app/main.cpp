// logvane: EDI contest logs to ADIF. The program lists the EDI files beside itself.
#include "logfiles/program_directory.h"
#include "ui/form1.h"
#include "ui/message_box.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include <cstdio>
#include <filesystem>

namespace {

// Without a display Qt would abort, advising to reinstall the application. On X11 and Wayland a
// local display is a socket, so a stale setting is caught too.
bool displayFound()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != QStringLiteral("xcb")
        && !platform.startsWith(QStringLiteral("wayland")))
        return true; // offscreen, vnc and the like need no display
    const QString x11 = qEnvironmentVariable("DISPLAY");
    if (!x11.isEmpty()) {
        if (!x11.startsWith(u':'))
            return true; // a display across the network
        const QString number = x11.mid(1).section(u'.', 0, 0);
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X") + number))
            return true;
    }
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return QFile::exists(QDir::isAbsolutePath(wayland)
                ? wayland
                : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + wayland);
    return false;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayFound()) {
        std::fputs(
            "logvane needs a desktop session: no X11 or Wayland display was found\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(logvane::ApplicationTitle);
    QApplication::setWindowIcon(logvane::programIcon()); // message boxes too
    std::error_code error; // a working directory removed under the program: the picker says so
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    logvane::Form1 form1(
        logvane::programDirectory(argc > 0 ? argv[0] : "", error ? "." : workingDirectory));
    form1.show();
    return QApplication::exec();
}
