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
#include "portable_math.h"
#include "region3.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

// Bounds of the density maximum's reach (the maximum lies at 277.134 K near 0 MPa and falls with
// pressure; liquid water at 273.15 K has at most 1.00021e-3 m3/kg): a liquid warmer than
// kAboveDensityMaximum, or with a volume above kAboveColdLiquid, is on the branch where v rises with T.
constexpr double kAboveDensityMaximum = 277.2;  // K
constexpr double kAboveColdLiquid = 1.0003e-3;  // m3/kg

PairSolution gibbs(int region, double p, double v, double TLo, double THi, double T0) noexcept {
    double T = std::clamp(T0, TLo, THi);
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

// Vapour above TLo: region 2 up to 1073.15 K, region 5 above (p <= 10 MPa). Started from the ideal
// gas; up to 1 MPa steam is within 10 % of it, so that an ideal-gas temperature below 950 K is
// region 2 without a look at the 1073.15 K isotherm.
// lo: the region 2 state (v and dv/dT) at TLo when known. The start is the ideal gas, or, with lo,
// the cubic through ln T(ln v) with its slopes at TLo and 1073.15 K, which is good to about 1e-4 in
// T and leaves the Newton iteration two or three steps.
PairSolution vapour(double p, double v, double TLo, const GibbsPoint* lo = nullptr) noexcept {
    const double Tideal = p * v * 1000.0 / kR;
    if (p <= 1.0 && Tideal < 950.0) return gibbs(2, p, v, TLo - kAcrossBoundaryK, kT25 + kAcrossBoundaryK, Tideal);
    const GibbsPoint hot = gibbsPoint(2, p, kT25, kNeedSlopesPV);
    if (v <= hot.v) {
        double T0 = Tideal;
        if (lo != nullptr && lo->v < hot.v && lo->vT > 0.0) {
            // Hermite cubic in x = ln v for y = ln T, with dy/dx = v / (T dv/dT) at both ends.
            const double x0 = portable_math::log(lo->v);
            const double width = portable_math::log(hot.v) - x0;
            const double t = (portable_math::log(v) - x0) / width;
            const double y0 = portable_math::log(TLo);
            const double y1 = portable_math::log(kT25);
            const double m0 = width * lo->v / (TLo * lo->vT);
            const double m1 = width * hot.v / (kT25 * hot.vT);
            const double u = 1.0 - t;
            const double lnT = u * u * ((1.0 + 2.0 * t) * y0 + t * m0) + t * t * ((3.0 - 2.0 * t) * y1 - u * m1);
            T0 = portable_math::exp(lnT);
        }
        return gibbs(2, p, v, TLo - kAcrossBoundaryK, kT25 + kAcrossBoundaryK, T0);
    }
    if (p > kPairP5Max) return pairError(status::TemperatureHigh);
    if (v > gibbsPoint(5, p, kPairTMax, kNeedSlopesTV).v) return pairError(status::TemperatureHigh);
    return gibbs(5, p, v, kT25 - kAcrossBoundaryK, kPairTMax, Tideal);
}

// Liquid water of region 1 between 273.15 K and THi, where the state top = (v, dv/dT) at THi.
// wetAbove: the states above THi on the isobar begin with the wet states (THi is the saturation
// temperature), so that a v a little above top.v may also be a cold liquid.
PairSolution liquid(double p, double v, double THi, const GibbsPoint& top, bool wetAbove) noexcept {
    // Started from THi along the isobar's slope.
    const double T0 = THi + (v - top.v) / top.vT;
    if (v > kAboveColdLiquid) {
        if (v > top.v) return pairError(0);
        return gibbs(1, p, v, std::min(kAboveDensityMaximum, THi), THi, T0);
    }
    const GibbsPoint bottom = gibbsPoint(1, p, kPairTMin, kNeedSlopesPV);
    if (bottom.vT >= 0.0) {
        // No density maximum above 273.15 K at this pressure: v rises with T.
        if (v > top.v) return pairError(0);
        if (v < bottom.v) return pairError(status::TemperatureLow);
        return gibbs(1, p, v, kPairTMin, THi, T0);
    }
    const double TMax = top.vT <= 0.0 ? THi : densityMaximumT(p, kPairTMin, THi);
    const double vMin = gibbsPoint(1, p, TMax, kNeedSlopesPV).v;
    if (v < vMin) return pairError(status::TemperatureLow);
    // The states that have this v: one below the maximum, one above it, the wet state (v = top.v
    // being the saturated liquid, the end of the branch below THi).
    const bool wet = wetAbove && v >= top.v;
    const bool saturatedLiquid = wetAbove && v == top.v;
    const bool cold = v <= bottom.v && !(saturatedLiquid && TMax == THi);
    const bool warm = TMax < THi && v <= top.v && !saturatedLiquid;
    if (static_cast<int>(cold) + static_cast<int>(warm) + static_cast<int>(wet) > 1) {
        return pairError(status::AmbiguousState);
    }
    if (cold) return gibbs(1, p, v, kPairTMin, TMax, 0.5 * (kPairTMin + TMax));
    if (warm) return gibbs(1, p, v, TMax, THi, T0);
    return pairError(0);
}

PairSolution solvePV(double p, double v) noexcept {
    // A volume that is not positive lies below every liquid state.
    if (!(v > 0.0)) return pairError(status::TemperatureLow);
    if (p < kPs273) {
        // Below the triple-point pressure only vapour is in the range.
        if (v < gibbsPoint(2, p, kPairTMin, kNeedSlopesTV).v) return pairError(status::TemperatureLow);
        return vapour(p, v, kPairTMin);
    }
    if (p <= kPs13) {
        const double Ts = saturationTemperature(p);
        // The saturated vapour is a real gas (pv < RT): beyond the ideal-gas volume at Ts, vapour.
        if (v > kR * Ts / p * 0.001) {
            if (p <= 1.0) return vapour(p, v, Ts);  // started from the ideal gas
            const GibbsPoint vapourSat = gibbsPoint(2, p, Ts, kNeedSlopesPV);
            return vapour(p, v, Ts, &vapourSat);
        }
        const GibbsPoint liquidSat = gibbsPoint(1, p, Ts, kNeedSlopesPV);
        if (v < liquidSat.v || v <= kAboveColdLiquid) {
            const PairSolution l = liquid(p, v, Ts, liquidSat, true);
            if (l.code != 0 || l.region != 0) return l;
        }
        const GibbsPoint vapourSat = gibbsPoint(2, p, Ts, kNeedSlopesPV);
        if (v > vapourSat.v) return vapour(p, v, Ts, &vapourSat);
        return wetState(p, Ts, v, liquidSat.v, vapourSat.v);
    }
    // Above 16.529 MPa: region 1 up to 623.15 K, region 3 up to B23, region 2 beyond.
    const GibbsPoint at13 = gibbsPoint(1, p, kT13, kNeedSlopesPV);
    if (v <= at13.v) {
        const PairSolution l = liquid(p, v, kT13, at13, false);
        return l.code != 0 || l.region != 0 ? l : pairError(status::IterationConvergence);
    }
    const double TB = TB23(p);
    const GibbsPoint atB = gibbsPoint(2, p, TB, kNeedSlopesPV);
    const double vB = atB.v;
    if (v >= vB) return vapour(p, v, TB, &atB);
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
