// Converting a 100,000-contact log, with no optional field group and with both, next to the floor
// no converter can beat: copying as many bytes as the conversion writes.
#include "bench/generated_log.h"
#include "conversion/conversion_run.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t Records = 100'000;
constexpr std::string_view Comment = "Thank you for the QSO";

const std::string& log100k()
{
    static const std::string log = logvane::bench::generatedEdiLog(Records);
    return log;
}

void convertLog(benchmark::State& state, logvane::FieldGroups groups)
{
    const std::string& edi = log100k();
    std::size_t written = 0;
    for (auto _ : state) {
        std::string adif = logvane::ConversionRun::run(edi, Comment, groups).text;
        written = adif.size();
        benchmark::DoNotOptimize(adif.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * edi.size()));
    state.counters["records/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * Records), benchmark::Counter::kIsRate);
    state.counters["adif_bytes"] = static_cast<double>(written);
}

void BM_ConvertLog(benchmark::State& state)
{
    convertLog(state, {});
}
BENCHMARK(BM_ConvertLog)->Unit(benchmark::kMillisecond);

void BM_ConvertLogWithBothGroups(benchmark::State& state)
{
    convertLog(state, {.contest = true, .station = true});
}
BENCHMARK(BM_ConvertLogWithBothGroups)->Unit(benchmark::kMillisecond);

void BM_MemcpyOfTheAdifBytes(benchmark::State& state)
{
    const std::size_t size = logvane::ConversionRun::run(log100k(), Comment).text.size();
    const std::string source(size, 'x');
    std::string target(size, ' ');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), size);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_MemcpyOfTheAdifBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
