// Speed of the (p,h) and (p,s) operations per region, refined and with the backward equations only,
// and of the two-phase critical flow velocity.
#include <benchmark/benchmark.h>

#include "critical_velocity.h"
#include "if97_state.h"
#include "properties.h"

namespace {

using if97::IF97State;

void BM_computePH(benchmark::State& bs, double p, double h, int mask, int backwardOnly) {
    IF97State st;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(p);
        st.computePH(p, h, mask, backwardOnly);
        benchmark::DoNotOptimize(st);
    }
}

void BM_computePS(benchmark::State& bs, double p, double s, int mask, int backwardOnly) {
    IF97State st;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(p);
        st.computePS(p, s, mask, backwardOnly);
        benchmark::DoNotOptimize(st);
    }
}

void BM_criticalVelocity(benchmark::State& bs, double p, double x) {
    IF97State wet;
    wet.computePX(p, x, if97::kMaskH | if97::kMaskS);
    const double h = wet.enthalpy();
    const double s = wet.entropy();
    for (auto _ : bs) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(if97::criticalVelocity(p, h, s, x));
    }
}

constexpr int kT = if97::kMaskT;
constexpr int kAllButW = if97::kMaskAll & ~if97::kMaskW;

}  // namespace

// (p,h), mask T; refined (0) and backward equations only (1).
BENCHMARK_CAPTURE(BM_computePH, region1_3MPa_500, 3.0, 500.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region1_3MPa_500_backward, 3.0, 500.0, kT, 1);
BENCHMARK_CAPTURE(BM_computePH, region2_3MPa_3000, 3.0, 3000.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region2_3MPa_3000_backward, 3.0, 3000.0, kT, 1);
BENCHMARK_CAPTURE(BM_computePH, region2c_60MPa_2700, 60.0, 2700.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, wet_1MPa_2000, 1.0, 2000.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region3_25MPa_1800, 25.0, 1800.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region3_20MPa_2500_vapour, 20.0, 2500.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region5_0_5MPa_5219, 0.5, 5219.76, kT, 0);
BENCHMARK_CAPTURE(BM_computePH, region1_3MPa_500_allbutw, 3.0, 500.0, kAllButW, 0);

// (p,s), mask T.
BENCHMARK_CAPTURE(BM_computePS, region1_3MPa_0_5, 3.0, 0.5, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, region1_3MPa_0_5_backward, 3.0, 0.5, kT, 1);
BENCHMARK_CAPTURE(BM_computePS, region2_3MPa_6_5, 3.0, 6.5, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, region2_3MPa_6_5_backward, 3.0, 6.5, kT, 1);
BENCHMARK_CAPTURE(BM_computePS, region2a_0_1MPa_7_5, 0.1, 7.5, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, wet_1MPa_5, 1.0, 5.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, region3_25MPa_4, 25.0, 4.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, region3_20MPa_5_vapour, 20.0, 5.0, kT, 0);
BENCHMARK_CAPTURE(BM_computePS, region5_0_5MPa_9_65, 0.5, 9.654, kT, 0);

// Critical flow velocity of wet states.
BENCHMARK_CAPTURE(BM_criticalVelocity, p1MPa_x0_9, 1.0, 0.9)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_criticalVelocity, p0_1MPa_x0_5, 0.1, 0.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_criticalVelocity, p10MPa_x0_95, 10.0, 0.95)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_criticalVelocity, p15MPa_x0_999, 15.0, 0.999)->Unit(benchmark::kMicrosecond);
