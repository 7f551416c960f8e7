#include "app/display_guard.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace logvane {

namespace {

QtMessageHandler qtHandler = nullptr;
// Held text goes to a nameless temporary file that stands in for standard error: libxcb writes a
// server's refusal ("Authorization required, ...") straight to it, past any message handler.
std::FILE* held = nullptr;
int realStderr = -1;

void restoreStderr()
{
#ifdef Q_OS_UNIX
    if (realStderr < 0)
        return;
    dup2(realStderr, STDERR_FILENO);
    close(realStderr);
    realStderr = -1;
#endif
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message); // into the held text, in order with libxcb's own
        return;
    }
    // Qt's only fatal message while the application object is built is that no platform plugin
    // could open its display.
    restoreStderr();
    std::fputs("logvane needs a desktop session: no X11 or Wayland display was found\n", stderr);
    std::_Exit(1); // the application object is half built: no destructor may run on it
}

} // namespace

void holdStartupMessages()
{
#ifdef Q_OS_UNIX
    held = std::tmpfile();
    if (held) {
        realStderr = dup(STDERR_FILENO);
        if (realStderr >= 0)
            dup2(fileno(held), STDERR_FILENO);
    }
#endif
    qtHandler = qInstallMessageHandler(holdingHandler);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(qtHandler);
    restoreStderr();
    if (!held)
        return;
    std::rewind(held);
    char buffer[4096];
    for (std::size_t size; (size = std::fread(buffer, 1, sizeof buffer, held)) > 0;)
        std::fwrite(buffer, 1, size, stderr);
    std::fclose(held);
    held = nullptr;
}

} // namespace logvane
