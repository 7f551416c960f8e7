// The whole job in the real windows, offscreen, beside its floor, each run in a fresh process so
// that its peak memory is its own.
//
// job:   the user presses New and picks the log in the picker; the clock runs until the
//        confirmation, which is accepted at once.
// floor: what no design of these windows can go below: the log and its ADIF text read as bytes,
//        the two text areas filled once with them in the same display form, the .adi file
//        written, the confirmation "shown".
//
// Usage: ui_bench [runs]   (default 3). Logs: 100,000 contacts (5.3 MB); 50 MB of ordinary lines;
// 50 MB that is one line.
#include "bench/generated_log.h"
#include "bench/peak_memory.h"
#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/text_area.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* Comment = "Thank you for the QSO";

void writeAll(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        std::abort();
}

std::string readAll(const QString& path)
{
    QFile file(path);
    std::string bytes(static_cast<std::size_t>(file.size()), '\0');
    if (!file.open(QIODevice::ReadOnly)
        || file.read(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        std::abort();
    return bytes;
}

// One run of a case in this process; gives milliseconds, or a negative number on failure.
double runCase(const QString& kind, const QString& directory)
{
    Clock::time_point confirmed;
    bool saved = false;
    logvane::Form1 form(QFile::encodeName(directory).toStdString(),
        [&](logvane::MessageKind messageKind, const QString&) {
            confirmed = Clock::now();
            saved = messageKind == logvane::MessageKind::Confirmation;
        });
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return -1;
    const QString edi = QDir(directory).filePath(QStringLiteral("LOG.EDI"));
    if (kind == QStringLiteral("job")) {
        form.Command5->click(); // New: the picker opens with nothing selected
        const Clock::time_point picked = Clock::now();
        QTest::keyClick(form.picker().File1, Qt::Key_Down); // the one log listed
        return saved ? std::chrono::duration<double, std::milli>(confirmed - picked).count() : -1;
    }
    const Clock::time_point start = Clock::now();
    std::string ediBytes = readAll(edi);
    std::string adifBytes = readAll(directory + QStringLiteral(".adif"));
    if (!logvane::saveAdifFile(QFile::encodeName(edi).toStdString(), adifBytes))
        return -1;
    form.Text1->setBytes(std::move(ediBytes));
    form.Text2->setBytes(std::move(adifBytes));
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures
{
    std::vector<double> milliseconds;
    double peakMegabytes = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--run")) {
        const double milliseconds = runCase(arguments[2], arguments[3]);
        std::printf("%.1f %.1f\n", milliseconds,
            static_cast<double>(logvane::bench::peakResidentBytes()) / (1024 * 1024));
        return milliseconds < 0 ? 1 : 0;
    }
    const int runs = arguments.size() > 1 ? arguments[1].toInt() : 3;

    // Each log in a folder of its own, so that the picker lists it alone; the floor's ADIF text
    // beside the folder.
    QTemporaryDir work;
    const std::string contacts = logvane::bench::generatedEdiLog(100'000);
    std::string lines = logvane::bench::generatedEdiLog(940'000);
    std::string oneLine = lines;
    std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    const std::map<QString, const std::string*> logs = {{QStringLiteral("100k"), &contacts},
        {QStringLiteral("50MB-lines"), &lines}, {QStringLiteral("50MB-one-line"), &oneLine}};
    for (const auto& [name, log] : logs) {
        const QString folder = work.filePath(name);
        QDir().mkpath(folder);
        writeAll(QDir(folder).filePath(QStringLiteral("LOG.EDI")), *log);
        writeAll(folder + QStringLiteral(".adif"), logvane::ConversionRun::run(*log, Comment).text);
    }
    lines.clear();
    oneLine.clear();

    struct Case
    {
        QString kind, log;
    };
    const std::vector<Case> cases = {{QStringLiteral("floor"), QStringLiteral("100k")},
        {QStringLiteral("job"), QStringLiteral("100k")},
        {QStringLiteral("job"), QStringLiteral("50MB-lines")},
        {QStringLiteral("job"), QStringLiteral("50MB-one-line")}};
    std::map<QString, Figures> figures;
    for (int run = 0; run < runs; ++run) {
        for (const Case& c : cases) {
            QProcess child;
            child.start(QApplication::applicationFilePath(),
                {QStringLiteral("--run"), c.kind, work.filePath(c.log)});
            child.waitForFinished(-1);
            double milliseconds = -1;
            double megabytes = 0;
            if (std::sscanf(
                    child.readAllStandardOutput().constData(), "%lf %lf", &milliseconds, &megabytes)
                    != 2
                || milliseconds < 0) {
                std::fprintf(stderr, "%s %s failed\n", qPrintable(c.kind), qPrintable(c.log));
                return 1;
            }
            Figures& f = figures[c.kind + QStringLiteral(" ") + c.log];
            f.milliseconds.push_back(milliseconds);
            f.peakMegabytes = std::max(f.peakMegabytes, megabytes);
        }
    }
    std::printf("%-20s %10s %10s %14s\n", "case", "median ms", "min ms", "peak RSS MB");
    for (const auto& [name, f] : figures)
        std::printf("%-20s %10.0f %10.0f %14.0f\n", qPrintable(name), median(f.milliseconds),
            *std::min_element(f.milliseconds.begin(), f.milliseconds.end()), f.peakMegabytes);
    return 0;
}
