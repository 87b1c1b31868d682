// StmBatch over a million random states of regions 1 and 2 (set SIF), on 1 and 2 threads, next to
// the same states through the single export StmPTH: states per second in the items/s column.
#include "vaprop32.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kStates = 1000000;

struct States {
    std::vector<double> p, T;
};

// p from 1 kPa to 16 MPa (log-uniform), T from 273.15 to 1073.15 K: regions 1 and 2 only (region 3
// lies above 16.529 MPa).
const States& states() {
    static const States s = [] {
        States r;
        std::mt19937_64 rng(2026);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        while (static_cast<int>(r.p.size()) < kStates) {
            const double p = 1e-3 * std::pow(16e3, u(rng));
            const double T = 273.15 + 800.0 * u(rng);
            const double region = StmPTR(p, T, 3);
            if (region != 1.0 && region != 2.0) continue;
            r.p.push_back(p);
            r.T.push_back(T);
        }
        return r;
    }();
    return s;
}

void BM_StmBatchPTH(benchmark::State& st) {
    const States& s = states();
    std::vector<double> out(kStates);
    const auto threads = static_cast<std::int32_t>(st.range(0));
    for (auto _ : st) {
        benchmark::DoNotOptimize(StmBatch("PT", "H", 3, kStates, s.p.data(), s.T.data(), out.data(), threads));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kStates);
}
BENCHMARK(BM_StmBatchPTH)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SingleExportPTH(benchmark::State& st) {
    const States& s = states();
    std::vector<double> out(kStates);
    for (auto _ : st) {
        for (int i = 0; i < kStates; ++i) out[static_cast<std::size_t>(i)] = StmPTH(s.p[i], s.T[i], 3);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kStates);
}
BENCHMARK(BM_SingleExportPTH)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
