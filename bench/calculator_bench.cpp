// Speed of the calculator's arithmetic and of one command on the in-memory window.
// Targets on the reference machine: one analysis under 1 us, one upper "Calc" under 5 us.
#include <benchmark/benchmark.h>

#include "calculator/tuning_dlg.h"
#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"
#include "framework/memory/memory_window.h"
#include "pitch/note_lookup.h"
#include "pitch/pitch_table.h"
#include "res/resource.h"

namespace {

// Exposes the analysis step alone.
class BenchTuningDlg : public CTuningDlg {
public:
    using CTuningDlg::AnalyseFrequency;
};

void BM_BuildPitchTable(benchmark::State& state) {
    float reference = 440;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reference);
        BuildPitchTable(reference);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildPitchTable);

void BM_FindNearestNote(benchmark::State& state) {
    BuildPitchTable(440);
    float frequency = 445;
    for (auto _ : state) {
        benchmark::DoNotOptimize(frequency);
        benchmark::DoNotOptimize(FindNearestNote(frequency));
    }
}
BENCHMARK(BM_FindNearestNote);

void BM_AnalyseFrequency(benchmark::State& state) {
    BenchTuningDlg dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->Type(IDC_VALUE, "445");
    window->Click(IDOK);
    for (auto _ : state) {
        dialog.AnalyseFrequency();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AnalyseFrequency);

void BM_UpperCalc(benchmark::State& state) {
    CTuningDlg dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->Type(IDC_VALUE, "445.123");
    for (auto _ : state) {
        window->Click(IDOK);
    }
}
BENCHMARK(BM_UpperCalc);

}  // namespace

int main(int argc, char** argv) {
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
