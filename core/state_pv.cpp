// IF97State::computePV: the (p,v) operation.
//
// The isobar p is followed in temperature: v grows with T ((dv/dT)_p > 0) except in liquid water
// below its density maximum. Below the critical pressure the saturated volumes v', v'' at Tsat(p)
// divide it into liquid, wet (quality from v) and vapour; the 623.15 K isotherm, B23 and 1073.15 K
// divide the regions. On each piece v(T) is monotone and T is solved by a safeguarded Newton
// iteration on the basic equation (region 3: in T at the given density).
//
// Ambiguity: below about 277.13 K (at low pressure; the temperature of the density maximum falls as p
// rises, and reaches 273.15 K near 20 MPa) liquid water expands on cooling, so that one isobar holds
// two liquid temperatures with the same v, one below and one above the maximum; where the saturation
// temperature lies close above the maximum, a liquid below it also shares its v with a wet state of
// very small quality. These inputs give status::AmbiguousState; a v that only one state has is
// solved.
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

PairSolution gibbs(int region, double p, double v, double TLo, double THi) noexcept {
    double T = 0.5 * (TLo + THi);
    if (region != 1) T = std::clamp(p * v * 1000.0 / kR, TLo, THi);  // ideal gas
    if (const int rc = solveGibbsPV(region, p, v, TLo, THi, T); rc != 0) return pairError(rc);
    return PairSolution{0, region, p, T, 0.0, region == 1 ? 0.0 : 1.0};
}

PairSolution region3(double p, double v, double TLo, double THi) noexcept {
    double T = 0.5 * (TLo + THi);
    if (const int rc = solveHelmholtzPV(p, 1.0 / v, TLo, THi, T); rc != 0) return pairError(rc);
    return PairSolution{0, 3, p, T, v, region3Quality(p, T, 1.0 / v)};
}

PairSolution wetState(double p, double Ts, double v, double vl, double vv) noexcept {
    return PairSolution{0, 4, p, Ts, 0.0, std::clamp((v - vl) / (vv - vl), 0.0, 1.0)};
}

// Vapour above TLo (where v(TLo) = vLo <= v): region 2 up to 1073.15 K, region 5 above (p <= 10 MPa).
PairSolution vapour(double p, double v, double TLo) noexcept {
    const double v1073 = gibbsPoint(2, p, kT25).v;
    if (v <= v1073) return gibbs(2, p, v, TLo - kAcrossBoundaryK, kT25 + kAcrossBoundaryK);
    if (p > kPairP5Max) return pairError(status::TemperatureHigh);
    if (v > gibbsPoint(5, p, kPairTMax).v) return pairError(status::TemperatureHigh);
    return gibbs(5, p, v, kT25 - kAcrossBoundaryK, kPairTMax);
}

// Liquid water of region 1 between 273.15 K and THi, where v(THi) = vHi. wetAbove: the states
// above THi on the isobar begin with the wet states (THi is the saturation temperature), so that a
// v a little above vHi may also be a cold liquid.
PairSolution liquid(double p, double v, double THi, double vHi, bool wetAbove) noexcept {
    const GibbsPoint bottom = gibbsPoint(1, p, kPairTMin);
    if (bottom.vT >= 0.0) {
        // No density maximum above 273.15 K at this pressure: v rises with T.
        if (v > vHi) return pairError(0);
        if (v < bottom.v) return pairError(status::TemperatureLow);
        return gibbs(1, p, v, kPairTMin, THi);
    }
    const double TMax = gibbsPoint(1, p, THi).vT <= 0.0 ? THi : densityMaximumT(p, kPairTMin, THi);
    const double vMin = gibbsPoint(1, p, TMax).v;
    if (v < vMin) return pairError(status::TemperatureLow);
    // The states that have this v: one below the maximum, one above it, the wet state (v = vHi being
    // the saturated liquid, the end of the branch below THi).
    const bool wet = wetAbove && v >= vHi;
    const bool saturatedLiquid = wetAbove && v == vHi;
    const bool cold = v <= bottom.v && !(saturatedLiquid && TMax == THi);
    const bool warm = TMax < THi && v <= vHi && !saturatedLiquid;
    if (static_cast<int>(cold) + static_cast<int>(warm) + static_cast<int>(wet) > 1) {
        return pairError(status::AmbiguousState);
    }
    if (cold) return gibbs(1, p, v, kPairTMin, TMax);
    if (warm) return gibbs(1, p, v, TMax, THi);
    return pairError(0);
}

PairSolution solvePV(double p, double v) noexcept {
    // A volume that is not positive lies below every liquid state.
    if (!(v > 0.0)) return pairError(status::TemperatureLow);
    if (p < kPs273) {
        // Below the triple-point pressure only vapour is in the range.
        if (v < gibbsPoint(2, p, kPairTMin).v) return pairError(status::TemperatureLow);
        return vapour(p, v, kPairTMin);
    }
    if (p <= kPs13) {
        const double Ts = saturationTemperature(p);
        const SaturatedPhases sat = saturatedAtP(p, Ts, kMaskV);
        if (v > sat.vapour.v) return vapour(p, v, Ts);
        const PairSolution l = liquid(p, v, Ts, sat.liquid.v, true);
        if (l.code != 0 || l.region != 0) return l;
        return wetState(p, Ts, v, sat.liquid.v, sat.vapour.v);
    }
    // Above 16.529 MPa: region 1 up to 623.15 K, region 3 up to B23, region 2 beyond.
    const double v13 = gibbsPoint(1, p, kT13).v;
    if (v <= v13) {
        const PairSolution l = liquid(p, v, kT13, v13, false);
        return l.code != 0 || l.region != 0 ? l : pairError(status::IterationConvergence);
    }
    const double TB = TB23(p);
    if (TB <= kT25 && v >= gibbsPoint(2, p, TB).v) return vapour(p, v, TB);
    const double THi = std::min(TB, kT25);
    if (p >= kPc) return region3(p, v, kT13 - kAcrossBoundaryK, THi + kAcrossBoundaryK);
    // Below pc: the saturated phases of region 3 at Tsat(p), v' < vc < v''.
    const double Ts = saturationTemperature(p);
    int side = v < kVc ? kSideLiquid : kSideVapour;
    const double vSat = region3Volume(p, Ts, side);
    if (vSat < 0.0) return pairError(status::Region3Convergence);
    const double dTs = Ts * kAcrossSaturation;
    if (side == kSideLiquid && v <= vSat) return region3(p, v, kT13 - kAcrossBoundaryK, Ts + dTs);
    if (side == kSideVapour && v >= vSat) return region3(p, v, Ts - dTs, THi + kAcrossBoundaryK);
    const SaturatedPhases sat = saturatedAtP(p, Ts, kMaskV);
    if (sat.code != 0) return pairError(sat.code);
    return wetState(p, Ts, v, sat.liquid.v, sat.vapour.v);
}

}  // namespace

void IF97State::computePV(double p, double v, int mask) noexcept {
    p_ = p;
    v_ = v;
    if (!checkPressure(p)) return;
    storePair(solvePV(p, v), mask & ~(kMaskP | kMaskV));
}

}  // namespace if97
