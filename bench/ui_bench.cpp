// The whole job in the real windows, offscreen: the user picks a generated log of 100,000
// contacts in the picker, and the clock runs until the confirmation (accepted at once).
#include "bench/generated_log.h"
#include "bench/peak_memory.h"
#include "ui/file_list_box.h"
#include "ui/form1.h"
#include "ui/form2.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

void BM_PickToConfirmation(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string log = logvane::bench::generatedEdiLog(100'000);
    QFile file(dir.filePath(QStringLiteral("CONTEST.EDI")));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(log.data(), qint64(log.size())) != qint64(log.size()))
        std::abort();
    file.close();

    Clock::time_point confirmed;
    bool saved = false;
    logvane::Form1 form(dir.path(), [&](logvane::MessageKind kind, const QString&) {
        confirmed = Clock::now();
        saved = kind == logvane::MessageKind::Confirmation;
    });
    form.show();
    for (auto _ : state) {
        form.Command5->click(); // New: the picker opens with nothing selected
        const Clock::time_point picked = Clock::now();
        QTest::keyClick(form.picker().File1, Qt::Key_Down);
        if (!saved)
            state.SkipWithError("the job did not end with a saved file");
        state.SetIterationTime(std::chrono::duration<double>(confirmed - picked).count());
    }
    state.counters["log_MB"] = static_cast<double>(log.size()) / 1e6;
    state.counters["peak_resident_MB"]
        = static_cast<double>(logvane::bench::peakResidentBytes()) / 1e6;
}
BENCHMARK(BM_PickToConfirmation)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
