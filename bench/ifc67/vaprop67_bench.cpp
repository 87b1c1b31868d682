// Speed of Stm67PTH, Stm67PHT and Stm67PST, one state per subregion (and the two-phase (p,h) case).
#include <benchmark/benchmark.h>

#include "vaprop67.h"

namespace {

struct State {
    const char* label;
    double p, t;  // psia, F
};
// One representative state of each subregion.
constexpr State kStates[] = {
    {"subregion1", 1000.0, 300.0},  // compressed liquid
    {"subregion2", 200.0, 600.0},   // superheated steam
    {"subregion3", 4000.0, 750.0},  // dense supercritical steam above the L line
    {"subregion4", 5000.0, 700.0},  // near-critical liquid
};

void forwardPTH(benchmark::State& st) {
    const State& s = kStates[st.range(0)];
    st.SetLabel(s.label);
    for (auto _ : st) benchmark::DoNotOptimize(Stm67PTH(s.p, s.t));
}

void backwardPHT(benchmark::State& st) {
    const State& s = kStates[st.range(0)];
    const double h = Stm67PTH(s.p, s.t);
    st.SetLabel(s.label);
    for (auto _ : st) benchmark::DoNotOptimize(Stm67PHT(s.p, h));
}

void backwardPST(benchmark::State& st) {
    const State& s = kStates[st.range(0)];
    const double entropy = Stm67PTS(s.p, s.t);
    st.SetLabel(s.label);
    for (auto _ : st) benchmark::DoNotOptimize(Stm67PST(s.p, entropy));
}

void backwardPHTwoPhase(benchmark::State& st) {
    const double h = 0.5 * (Stm67PQH(100.0, 0.0) + Stm67PQH(100.0, 1.0));
    for (auto _ : st) benchmark::DoNotOptimize(Stm67PHT(100.0, h));
}

BENCHMARK(forwardPTH)->DenseRange(0, 3);
BENCHMARK(backwardPHT)->DenseRange(0, 3);
BENCHMARK(backwardPST)->DenseRange(0, 3);
BENCHMARK(backwardPHTwoPhase);

}  // namespace

BENCHMARK_MAIN();
