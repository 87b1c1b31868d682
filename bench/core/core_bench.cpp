// Nanoseconds per call of the forward IF97 core: computePT per region for
// mask 8 (h) and mask 248 (h, s, v, cp, w), the saturation line, the region 3
// density search, the saturation exports' core calls and the transport equations.
#include <benchmark/benchmark.h>

#include "if97_state.h"
#include "if97_transport.h"
#include "region3.h"
#include "saturation.h"

namespace {

using if97::IF97State;

void computePT(benchmark::State& bench, double p, double T, int mask) {
    IF97State state;
    double sink = 0.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(T);
        state.computePT(p, T, mask);
        sink += state.enthalpy();
        benchmark::DoNotOptimize(sink);
    }
    if (state.status() != 0) bench.SkipWithError("state failed");
}

void BM_Region1_h(benchmark::State& b) { computePT(b, 3.0, 300.0, 8); }
void BM_Region2_h(benchmark::State& b) { computePT(b, 0.0035, 700.0, 8); }
void BM_Region3_h(benchmark::State& b) { computePT(b, 25.0, 650.0, 8); }
void BM_Region5_h(benchmark::State& b) { computePT(b, 0.5, 1500.0, 8); }
void BM_Region1_hsvcw(benchmark::State& b) { computePT(b, 3.0, 300.0, 248); }
void BM_Region2_hsvcw(benchmark::State& b) { computePT(b, 0.0035, 700.0, 248); }
void BM_Region3_hsvcw(benchmark::State& b) { computePT(b, 25.0, 650.0, 248); }
void BM_Region5_hsvcw(benchmark::State& b) { computePT(b, 0.5, 1500.0, 248); }

void BM_SaturationPressure(benchmark::State& bench) {
    double T = 450.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(T);
        benchmark::DoNotOptimize(if97::saturationPressure(T));
    }
}

void BM_SaturationTemperature(benchmark::State& bench) {
    double p = 1.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(if97::saturationTemperature(p));
    }
}

// The saturation exports' core calls: the saturation pressure by computeTX(T, 0, p) and the
// saturation temperature by computePX(p, 0, T), below and above 623.15 K.
void computeTX(benchmark::State& bench, double T, int mask) {
    IF97State state;
    double sink = 0.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(T);
        state.computeTX(T, 0.0, mask);
        sink += state.pressure();
        benchmark::DoNotOptimize(sink);
    }
    if (state.status() != 0) bench.SkipWithError("state failed");
}

void computePX(benchmark::State& bench, double p, int mask) {
    IF97State state;
    double sink = 0.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(p);
        state.computePX(p, 0.0, mask);
        sink += state.temperature();
        benchmark::DoNotOptimize(sink);
    }
    if (state.status() != 0) bench.SkipWithError("state failed");
}

void BM_ComputeTX_p_400K(benchmark::State& b) { computeTX(b, 400.0, 1); }
void BM_ComputeTX_p_640K(benchmark::State& b) { computeTX(b, 640.0, 1); }
void BM_ComputePX_T_1MPa(benchmark::State& b) { computePX(b, 1.0, 2); }
void BM_ComputePX_T_20MPa(benchmark::State& b) { computePX(b, 20.0, 2); }

void BM_Region3Volume(benchmark::State& bench) {
    double p = 25.0;
    double T = 650.0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(T);
        int side = if97::kSideUnknown;
        benchmark::DoNotOptimize(if97::region3Volume(p, T, side));
    }
}

void BM_Viscosity(benchmark::State& bench) {
    if97::IF97Transport transport;
    double p = 3.0;
    double T = 300.0;
    double v = 0.00100215168;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(v);
        transport.computeViscosity(p, T, v);
        benchmark::DoNotOptimize(transport.viscosity());
    }
}

void BM_Conductivity(benchmark::State& bench) {
    if97::IF97Transport transport;
    double p = 3.0;
    double T = 300.0;
    double v = 0.00100215168;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(v);
        transport.computeConductivity(p, T, v);
        benchmark::DoNotOptimize(transport.conductivity());
    }
}

}  // namespace

BENCHMARK(BM_Region1_h);
BENCHMARK(BM_Region2_h);
BENCHMARK(BM_Region3_h);
BENCHMARK(BM_Region5_h);
BENCHMARK(BM_Region1_hsvcw);
BENCHMARK(BM_Region2_hsvcw);
BENCHMARK(BM_Region3_hsvcw);
BENCHMARK(BM_Region5_hsvcw);
BENCHMARK(BM_SaturationPressure);
BENCHMARK(BM_SaturationTemperature);
BENCHMARK(BM_ComputeTX_p_400K);
BENCHMARK(BM_ComputeTX_p_640K);
BENCHMARK(BM_ComputePX_T_1MPa);
BENCHMARK(BM_ComputePX_T_20MPa);
BENCHMARK(BM_Region3Volume);
BENCHMARK(BM_Viscosity);
BENCHMARK(BM_Conductivity);
