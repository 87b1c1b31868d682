// IF97State::computeTV: the (T,v) operation.
//
// On an isotherm the pressure falls as v grows in every stable single-phase state, so (T,v) is
// unique. Below the critical temperature the saturated volumes v' and v'' divide the isotherm into
// liquid, wet (v' <= v <= v'', quality from v) and vapour; the region 2 state on B23 divides
// region 3 from region 2. Region 3 needs no iteration: its equation is explicit in (rho, T). In
// regions 1, 2 and 5 p is solved by a safeguarded Newton iteration in p (region 1) or ln p.
#include <algorithm>
#include <cmath>

#include "b23.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "pair_state.h"
#include "region3.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

constexpr double kPFloor = 1e-200;  // MPa, lowest pressure of the region 2 and 5 solves

PairSolution gibbs(int region, double T, double v, double pLo, double pHi, double p0, double pLimit,
                   int codeAbove) noexcept {
    double p = std::clamp(p0, pLo, pHi);
    if (const int rc = solveGibbsTV(region, T, v, pLo, pHi, p); rc != 0) {
        return pairError(v < gibbsPoint(region, pLimit, T, kNeedSlopesTV).v ? codeAbove : rc);
    }
    if (p < kPairPMin) {
        if (p < kPairPMin * (1.0 - kPairLimitSlack)) return pairError(status::PressureLow);
        p = kPairPMin;
    }
    if (p > pLimit) {
        if (p > pLimit * (1.0 + kPairLimitSlack)) return pairError(codeAbove);
        p = pLimit;
    }
    return PairSolution{0, region, p, T, 0.0, region == 1 ? 0.0 : 1.0};
}

// Region 2 or 5 below pTop: started from the ideal-gas isotherm, or, with a known state ref (v and
// dv/dp at pRef), from the isotherm v = A/p + B + C p (A = RT) that matches it.
PairSolution vapour(int region, double T, double v, double pTop, double pLimit, int codeAbove) noexcept {
    return gibbs(region, T, v, kPFloor, pTop, kR * T / v * 0.001, pLimit, codeAbove);
}

PairSolution vapour(int region, double T, double v, double pTop, double pLimit, int codeAbove, double pRef,
                    const GibbsPoint& ref) noexcept {
    const double A = kR * T * 0.001;
    const double C = ref.vp + A / (pRef * pRef);
    const double B = ref.v - A / pRef - C * pRef;
    // C p^2 - (v - B) p + A = 0: the root that is A/(v - B) for C = 0.
    const double d = (v - B) * (v - B) - 4.0 * A * C;
    double p0 = A / v;
    if (d >= 0.0 && v > B) p0 = 2.0 * A / ((v - B) + std::sqrt(d));
    return gibbs(region, T, v, kPFloor, pTop, p0, pLimit, codeAbove);
}

PairSolution region3(double T, double v) noexcept {
    const double p = region3Pressure(T, v);
    if (!(p <= kPairPMax * (1.0 + kPairLimitSlack))) return pairError(status::PressureHigh);
    return PairSolution{0, 3, std::min(p, kPairPMax), T, v, region3Quality(p, T, 1.0 / v)};
}

PairSolution wetState(double T, double p, double v, double vl, double vv) noexcept {
    return PairSolution{0, 4, p, T, 0.0, std::clamp((v - vl) / (vv - vl), 0.0, 1.0)};
}

PairSolution solveTV(double T, double v) noexcept {
    // A volume that is not positive lies beyond every pressure.
    if (!(v > 0.0)) return pairError(status::PressureHigh);
    if (T <= kT13) {
        const double ps = saturationPressure(T);
        // The saturated vapour is a real gas (pv < RT): beyond the ideal-gas volume at ps, vapour.
        if (v > kR * T / ps * 0.001) return vapour(2, T, v, ps * (1.0 + kAcrossSaturation), ps, status::PressureHigh);
        const GibbsPoint liquidSat = gibbsPoint(1, ps, T, kNeedSlopesTV);
        if (v < liquidSat.v) {
            // Started from the saturated liquid along the isotherm's slope.
            const double p0 = ps + (v - liquidSat.v) / liquidSat.vp;
            return gibbs(1, T, v, ps * (1.0 - kAcrossSaturation), kPairPMax, p0, kPairPMax, status::PressureHigh);
        }
        const GibbsPoint vapourSat = gibbsPoint(2, ps, T, kNeedSlopesTV);
        if (v > vapourSat.v) {
            return vapour(2, T, v, ps * (1.0 + kAcrossSaturation), ps, status::PressureHigh, ps, vapourSat);
        }
        return wetState(T, ps, v, liquidSat.v, vapourSat.v);
    }
    if (T > kT25) {
        if (v < gibbsPoint(5, kPairP5Max, T, kNeedSlopesTV).v) return pairError(status::TemperatureHigh);
        return vapour(5, T, v, kPairP5Max, kPairP5Max, status::TemperatureHigh);
    }
    const double pB = pB23(T);
    if (pB > kPairPMax) return vapour(2, T, v, kPairPMax, kPairPMax, status::PressureHigh);
    const GibbsPoint b = gibbsPoint(2, pB, T, kNeedSlopesTV);
    const double vB = b.v;
    if (v >= vB) {
        const double pTop = pB * (1.0 + kAcrossBoundary);
        return vapour(2, T, v, pTop, pTop, status::PressureHigh, pB, b);
    }
    if (T >= kTc) return region3(T, v);
    // Below Tc: v' < vc < v''; only the saturated phase on the side of v decides single phase.
    const double ps = saturationPressure(T);
    int side = v < kVc ? kSideLiquid : kSideVapour;
    const double vSat = region3Volume(ps, T, side);
    if (vSat < 0.0) return pairError(status::Region3Convergence);
    if (side == kSideLiquid ? v <= vSat : v >= vSat) return region3(T, v);
    const SaturatedPhases sat = saturatedAt(T, kMaskV);
    if (sat.code != 0) return pairError(sat.code);
    return wetState(T, ps, v, sat.liquid.v, sat.vapour.v);
}

}  // namespace

void IF97State::computeTV(double T, double v, int mask) noexcept {
    T_ = T;
    v_ = v;
    if (!checkTemperature(T)) return;
    storePair(solveTV(T, v), mask & ~(kMaskT | kMaskV));
}

}  // namespace if97
