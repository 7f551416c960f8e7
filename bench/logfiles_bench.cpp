// Loading a 50 MB EDI file into an EDI text, and saving a 50 MB ADIF text.
#include "bench/generated_log.h"
#include "bench/peak_memory.h"
#include "conversion/conversion_run.h"
#include "logfiles/adif_file_saving.h"
#include "logfiles/edi_file_loading.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::filesystem::path pathOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QTemporaryDir& workDirectory()
{
    static QTemporaryDir dir;
    return dir;
}

// 50 MB, about 940,000 lines.
qint64 writeLargeLog(const QString& path)
{
    const std::string log = logvane::bench::generatedEdiLog(940'000);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(log.data(), static_cast<qint64>(log.size()))
            != static_cast<qint64>(log.size()))
        std::abort();
    return static_cast<qint64>(log.size());
}

void BM_LoadEdiFile(benchmark::State& state)
{
    const QString name = QStringLiteral("LARGE.EDI");
    const qint64 size = writeLargeLog(workDirectory().filePath(name));
    const std::size_t before = logvane::bench::residentBytes();
    logvane::bench::resetPeakResident();
    for (auto _ : state) {
        auto loaded = logvane::loadEdiFile(pathOf(workDirectory().filePath(name)), {});
        if (!loaded)
            state.SkipWithError(loaded.error().message.toStdString().c_str());
        benchmark::DoNotOptimize(loaded->ediText.data());
    }
    const double peak = static_cast<double>(logvane::bench::peakResidentBytes() - before);
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file_byte"] = peak / static_cast<double>(size);
}
BENCHMARK(BM_LoadEdiFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveAdifFile(benchmark::State& state)
{
    const std::string edi = logvane::bench::generatedEdiLog(285'000);
    const std::string adif = logvane::ConversionRun::run(edi, "Thank you for the QSO").text;
    const QString input = workDirectory().filePath(QStringLiteral("SAVED.EDI"));
    for (auto _ : state) {
        if (!logvane::saveAdifFile(pathOf(input), adif))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(adif.size()));
    state.counters["adif_MB"] = static_cast<double>(adif.size()) / 1e6;
}
BENCHMARK(BM_SaveAdifFile)->Unit(benchmark::kMillisecond)->UseRealTime(); // the disk flush too

} // namespace

BENCHMARK_MAIN();
