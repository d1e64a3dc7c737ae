// Speed of Unpatch on large and typical lists, next to the floor that any engine must pay to hand
// back its output: copying a string of the output's size into newly allocated memory.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "bench/engine/workloads.h"

namespace quernel::bench {
namespace {

void UnpatchWorkload(benchmark::State& state, const Workload& workload) {
    std::size_t output_bytes = 0;
    for (auto _ : state) {
        const std::string output = Unpatch(workload.mode, workload.input);
        output_bytes = output.size();
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * output_bytes));
    state.counters["output_MB"] = static_cast<double>(output_bytes) / 1e6;
}

void CopyFloor(benchmark::State& state, const Workload& workload) {
    const std::string source = Unpatch(workload.mode, workload.input);
    for (auto _ : state) {
        std::string copy(source);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

void RegisterWorkload(Workload (*make)()) {
    // Workloads are made once and kept for the whole run.
    const auto* workload = new Workload(make());
    const std::string name = workload->name;
    benchmark::RegisterBenchmark(("Unpatch/" + name).c_str(), UnpatchWorkload, *workload)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Floor/" + name).c_str(), CopyFloor, *workload)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace
}  // namespace quernel::bench

int main(int argc, char** argv) {
    using namespace quernel::bench;
    // glibc raises its mmap threshold after large frees, so repeated runs would reuse warm memory
    // that a real first conversion does not have. A fixed threshold keeps every large output
    // freshly mapped, page faults included, for the engine and the floor alike.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    for (auto make : {BulkTarrow, BulkPlainText, CopyHeavyPlainText, AlternatingPlainText,
                      GroupedPlainText, TypicalPlainText}) {
        RegisterWorkload(make);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
