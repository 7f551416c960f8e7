#include "app/display_guard.h"

#include "logfiles/translations.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace logvane {

namespace {

QtMessageHandler qtHandler = nullptr;
const Translations* language = nullptr;
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

// What Qt said while it started that tells why it could not: a display that its X11 or Wayland
// plugin could not reach, or the platform plugins it could not find or load.
bool displayUnreachable = false;
QStringList pluginReasons;

// A line of the guard's own, in the user's language.
void printLine(const char* text, const QString& argument = {})
{
    QString line = language->translate("DisplayGuard", text);
    if (!argument.isEmpty())
        line = line.arg(argument);
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::string_view category = context.category ? context.category : "";
    if (type != QtFatalMsg) {
        displayUnreachable = displayUnreachable || category.starts_with("qt.qpa.xcb")
            || category.starts_with("qt.qpa.wayland");
        if (category == "qt.qpa.plugin")
            pluginReasons.append(message);
        qtHandler(type, context, message); // into the held text, in order with libxcb's own
        return;
    }
    // Qt's only fatal message while the application object is built is that no platform plugin
    // could be started. For want of a display the user needs no more than that; a plugin that is
    // missing or broken (a mistyped QT_QPA_PLATFORM, say) is told in Qt's words, with the plugins
    // there are.
    restoreStderr();
    if (displayUnreachable || pluginReasons.isEmpty()) {
        printLine(QT_TRANSLATE_NOOP("DisplayGuard",
            "logvane needs a desktop session: no X11 or Wayland display was found"));
    } else {
        //: %1 is what Qt said, in English.
        printLine(QT_TRANSLATE_NOOP("DisplayGuard", "logvane could not start its windows: %1"),
            pluginReasons.join(QStringLiteral("; ")));
        const qsizetype available = message.indexOf(QStringLiteral("Available platform plugins"));
        if (available >= 0)
            std::fprintf(stderr, "%s\n", qPrintable(message.mid(available).trimmed()));
    }
    std::_Exit(1); // the application object is half built: no destructor may run on it
}

} // namespace

void openClosedStandardStreams()
{
#ifdef Q_OS_UNIX
    // open() gives the lowest free number: the closed stream's, taken in order.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) < 0)
            ::open("/dev/null", O_RDWR);
    }
#endif
}

void holdStartupMessages(const Translations& translations)
{
    language = &translations;
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
