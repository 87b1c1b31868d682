// What the (h,s), (T,s), (p,v) and (T,v) operations share: the saturated phases their region tests
// compare with, and the evaluation of the state a solver found.
#include "b23.h"
#include "if97_state.h"
#include "pair_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "saturation.h"
#include "status.h"
#include "two_phase.h"

namespace if97 {

double region3Quality(double p, double T, double rho) noexcept {
    if (T >= kTc || p >= kPc) return 1.0;
    return rho * kVc > 1.0 ? 0.0 : 1.0;
}

SaturatedPhases saturatedAtP(double p, double Ts, int mask) noexcept {
    SaturatedPhases sat{0, p, Properties{}, Properties{}};
    sat.code = saturatedPhases(p, Ts, mask | kMaskV, sat.liquid, sat.vapour);
    return sat;
}

SaturatedPhases saturatedAt(double T, int mask) noexcept { return saturatedAtP(saturationPressure(T), T, mask); }

namespace {

// A quality within this of 0 or 1 is the saturated liquid or vapour: the solvers' rounding (about
// 1e-13) leaves such states a hair inside the two-phase region, where cp and the transport
// properties are not defined. The inputs move by at most 1e-12 (h'' - h'), 2.6e-9 kJ/kg.
constexpr double kQualitySnap = 1e-12;

// A solved state checked against the range of the state: moved onto a limit it lies beyond by no
// more than the solvers' tolerance, else the code of the limit.
PairSolution withinRange(PairSolution s) noexcept {
    if (s.code != 0) return s;
    if (s.region == 4) {
        if (s.x < kQualitySnap) s.x = 0.0;
        if (s.x > 1.0 - kQualitySnap) s.x = 1.0;
    }
    const double pMax = s.region == 5 ? kPairP5Max : kPairPMax;
    if (s.T < kPairTMin) {
        if (s.T < kPairTMin * (1.0 - kPairLimitSlack)) return pairError(status::TemperatureLow);
        s.T = kPairTMin;
    }
    if (s.T > kPairTMax) {
        if (s.T > kPairTMax * (1.0 + kPairLimitSlack)) return pairError(status::TemperatureHigh);
        s.T = kPairTMax;
    }
    if (s.p < kPairPMin) {
        if (s.p < kPairPMin * (1.0 - kPairLimitSlack)) return pairError(status::PressureLow);
        s.p = kPairPMin;
    }
    if (s.p > pMax) {
        if (s.p > pMax * (1.0 + kPairLimitSlack)) {
            return pairError(s.region == 5 ? status::TemperatureHigh : status::PressureHigh);
        }
        s.p = pMax;
    }
    return s;
}

}  // namespace

void IF97State::storePair(const PairSolution& found, int mask) noexcept {
    const PairSolution solution = withinRange(found);
    if (solution.code != 0) {
        status_ = solution.code;
        return;
    }
    p_ = solution.p;
    T_ = solution.T;
    x_ = solution.x;
    Properties out{};
    switch (solution.region) {
        case 1:
            region1(p_, T_, mask, out);
            store(out, mask);
            return;
        case 2:
            region2(p_, T_, mask, out);
            store(out, mask);
            return;
        case 5:
            region5(p_, T_, mask, out);
            store(out, mask);
            return;
        case 3:
            region3(solution.v, T_, mask & ~kMaskP, out);
            if (mask & kMaskV) v_ = solution.v;
            store(out, mask & ~kMaskV);
            return;
        default: {
            // The wet-state evaluation also writes h and s when w is asked for; the given inputs
            // (not in mask) keep their values.
            const double h = h_;
            const double s = s_;
            const double v = v_;
            twoPhaseFromX(mask);
            if (!(mask & kMaskH)) h_ = h;
            if (!(mask & kMaskS)) s_ = s;
            if (!(mask & kMaskV)) v_ = v;
            return;
        }
    }
}

}  // namespace if97
