// Speed of the (h,s), (T,s), (p,v) and (T,v) operations per region (mask T, or p where T is an
// input), with the inputs of (p,T) or (p,x) states.
#include <benchmark/benchmark.h>

#include "if97_state.h"
#include "properties.h"

namespace {

using if97::IF97State;

enum Pair { HS, TS, PV, TV };

// The two inputs of the pair at the state (p, T), or at the wet state (p, x) when wet.
void inputsAt(Pair pair, double p, double Tx, bool wet, double& a, double& b) {
    IF97State ref;
    if (wet) {
        ref.computePX(p, Tx, if97::kMaskAll);
    } else {
        ref.computePT(p, Tx, if97::kMaskAll);
    }
    switch (pair) {
        case HS:
            a = ref.enthalpy();
            b = ref.entropy();
            break;
        case TS:
            a = ref.temperature();
            b = ref.entropy();
            break;
        case PV:
            a = ref.pressure();
            b = ref.volume();
            break;
        case TV:
            a = ref.temperature();
            b = ref.volume();
            break;
    }
}

void BM_pair(benchmark::State& bs, Pair pair, double p, double Tx, bool wet) {
    double a = 0.0;
    double b = 0.0;
    inputsAt(pair, p, Tx, wet, a, b);
    IF97State st;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(a);
        switch (pair) {
            case HS: st.computeHS(a, b, if97::kMaskT); break;
            case TS: st.computeTS(a, b, if97::kMaskP); break;
            case PV: st.computePV(a, b, if97::kMaskT); break;
            case TV: st.computeTV(a, b, if97::kMaskP); break;
        }
        benchmark::DoNotOptimize(st);
    }
    if (st.status() != 0) bs.SkipWithError("the state was not found");
}

}  // namespace

#define PAIR_BENCHMARKS(PAIR)                                                               \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region1_3MPa_400K, PAIR, 3.0, 400.0, false);          \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region1_50MPa_550K, PAIR, 50.0, 550.0, false);        \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region2_0_1MPa_500K, PAIR, 0.1, 500.0, false);        \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region2_5MPa_700K, PAIR, 5.0, 700.0, false);          \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region2_40MPa_800K, PAIR, 40.0, 800.0, false);        \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region3_25MPa_650K, PAIR, 25.0, 650.0, false);        \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region3_60MPa_700K, PAIR, 60.0, 700.0, false);        \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region3_20MPa_630K_liquid, PAIR, 20.0, 630.0, false); \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region3_20MPa_645K_vapour, PAIR, 20.0, 645.0, false); \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_wet_0_1MPa_x0_9, PAIR, 0.1, 0.9, true);               \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_wet_20MPa_x0_5, PAIR, 20.0, 0.5, true);               \
    BENCHMARK_CAPTURE(BM_pair, PAIR##_region5_1MPa_1500K, PAIR, 1.0, 1500.0, false)

PAIR_BENCHMARKS(HS);
PAIR_BENCHMARKS(TS);
PAIR_BENCHMARKS(PV);
PAIR_BENCHMARKS(TV);
