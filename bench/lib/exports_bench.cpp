// Per-call cost of vaprop32 exports (set 0 Eng and set 3 SIF) next to the bare core operation they
// wrap, at the same state: the difference is the interface's own cost (UnitSet check, conversions,
// getter, output conversion, and the call into the shared library).
#include "vaprop32.h"

#include "if97_state.h"
#include "if97_transport.h"

#include <benchmark/benchmark.h>

namespace {

// One superheated state, 200 psia and 600 F (about 1.379 MPa, 588.7 K), in both sets.
constexpr double kPsia = 200.0;
constexpr double kFahrenheit = 600.0;
constexpr double kMPa = kPsia / 145.0377378;
constexpr double kKelvin = (kFahrenheit + 459.67) / 1.8;
// Wet state for (p, x): 100 psia, x = 0.5.
constexpr double kWetPsia = 100.0;
constexpr double kWetMPa = kWetPsia / 145.0377378;

struct Derived {
    double hSI, sSI;  // kJ/kg, kJ/(kg K) at the superheated state
    double hEng, sEng;
};

Derived derived() {
    if97::IF97State s;
    s.computePT(kMPa, kKelvin, 24);
    return {s.enthalpy(), s.entropy(), s.enthalpy() * 0.42992261392949266, s.entropy() * 0.23884589662749595};
}
const Derived kState = derived();

template <double(VAPROP_CALL* F)(double, double, int32_t)>
void exportCall(benchmark::State& st, double a, double b, int32_t set) {
    for (auto _ : st) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(F(a, b, set));
    }
}

void BM_StmPTH(benchmark::State& st) {
    const bool eng = st.range(0) == 0;
    exportCall<StmPTH>(st, eng ? kPsia : kMPa, eng ? kFahrenheit : kKelvin, eng ? 0 : 3);
}
void BM_StmPHT(benchmark::State& st) {
    const bool eng = st.range(0) == 0;
    exportCall<StmPHT>(st, eng ? kPsia : kMPa, eng ? kState.hEng : kState.hSI, eng ? 0 : 3);
}
void BM_StmPST(benchmark::State& st) {
    const bool eng = st.range(0) == 0;
    exportCall<StmPST>(st, eng ? kPsia : kMPa, eng ? kState.sEng : kState.sSI, eng ? 0 : 3);
}
void BM_StmPQH(benchmark::State& st) {
    const bool eng = st.range(0) == 0;
    exportCall<StmPQH>(st, eng ? kWetPsia : kWetMPa, 0.5, eng ? 0 : 3);
}
void BM_StmPTK(benchmark::State& st) {
    const bool eng = st.range(0) == 0;
    exportCall<StmPTK>(st, eng ? kPsia : kMPa, eng ? kFahrenheit : kKelvin, eng ? 0 : 3);
}
BENCHMARK(BM_StmPTH)->Arg(0)->Arg(3);
BENCHMARK(BM_StmPHT)->Arg(0)->Arg(3);
BENCHMARK(BM_StmPST)->Arg(0)->Arg(3);
BENCHMARK(BM_StmPQH)->Arg(0)->Arg(3);
BENCHMARK(BM_StmPTK)->Arg(0)->Arg(3);

// The bare core operations, on an object of the benchmark's own.
void BM_CorePTH(benchmark::State& st) {
    if97::IF97State s;
    double p = kMPa;
    for (auto _ : st) {
        benchmark::DoNotOptimize(p);
        s.computePT(p, kKelvin, 8);
        benchmark::DoNotOptimize(s.enthalpy());
    }
}
void BM_CorePHT(benchmark::State& st) {
    if97::IF97State s;
    double p = kMPa;
    for (auto _ : st) {
        benchmark::DoNotOptimize(p);
        s.computePH(p, kState.hSI, 2, 0);
        benchmark::DoNotOptimize(s.temperature());
    }
}
void BM_CorePST(benchmark::State& st) {
    if97::IF97State s;
    double p = kMPa;
    for (auto _ : st) {
        benchmark::DoNotOptimize(p);
        s.computePS(p, kState.sSI, 2, 0);
        benchmark::DoNotOptimize(s.temperature());
    }
}
void BM_CorePQH(benchmark::State& st) {
    if97::IF97State s;
    double p = kWetMPa;
    for (auto _ : st) {
        benchmark::DoNotOptimize(p);
        s.computePX(p, 0.5, 8);
        benchmark::DoNotOptimize(s.enthalpy());
    }
}
void BM_CorePTK(benchmark::State& st) {
    if97::IF97State s;
    if97::IF97Transport t;
    double p = kMPa;
    for (auto _ : st) {
        benchmark::DoNotOptimize(p);
        s.computePT(p, kKelvin, 32);
        t.computeConductivity(p, kKelvin, s.volume());
        benchmark::DoNotOptimize(t.conductivity());
    }
}
BENCHMARK(BM_CorePTH);
BENCHMARK(BM_CorePHT);
BENCHMARK(BM_CorePST);
BENCHMARK(BM_CorePQH);
BENCHMARK(BM_CorePTK);

}  // namespace

BENCHMARK_MAIN();
