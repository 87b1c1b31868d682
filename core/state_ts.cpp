// IF97State::computeTS: the (T,s) operation.
//
// The isotherm T is followed in pressure: s falls as p rises ((ds/dp)_T = -(dv/dT)_p) except in
// liquid water below its density maximum. The saturated phases at T (below the critical temperature)
// and the region 2 state on B23 divide the isotherm; the state is then solved on one piece, where s
// is monotone, by a safeguarded Newton iteration in p (region 1), ln p (regions 2, 5) or the density
// (region 3).
//
// Ambiguity: below about 277.13 K liquid water expands on cooling, so that on an isotherm s first
// rises with p, up to the pressure of the density maximum, and then falls. An entropy between s' and
// that maximum belongs to two liquid states (and to a wet state of very small quality):
// status::AmbiguousState. An entropy below s' (only the compressed branch) or above the maximum
// (wet or vapour) is unique.
#include <algorithm>
#include <cmath>

#include "b23.h"
#include "backward_hs.h"
#include "boundaries_ph.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "pair_state.h"
#include "portable_math.h"
#include "region2.h"
#include "region3.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

// The lowest pressure of the region 2 and 5 solves (MPa): far below the range, so that an entropy
// beyond the 1e-7 MPa isobar is found and then refused with its code.
constexpr double kPFloor = 1e-200;
// Highest density of the region 3 solve (kg/m3): above the density at 110.32 MPa and 623.15 K.
constexpr double kRhoMax3 = 800.0;
// Below this temperature the liquid branch may pass a density maximum (K).
constexpr double kDensityMaximumTop = 278.0;

// iso: region 2's isotherm at T when the caller has formed it.
PairSolution gibbs(int region, double T, double s, double pLo, double pHi, double p0, double pLimit, int codeAbove,
                   const Region2Isotherm* iso = nullptr) noexcept {
    double p = std::clamp(p0, pLo, pHi);
    const int rc = iso != nullptr ? solveRegion2TS(*iso, s, pLo, pHi, p) : solveGibbsTS(region, T, s, pLo, pHi, p);
    if (rc != 0) {
        // The root lies beyond the bracket's end at the range limit, or the iteration failed.
        return pairError(s < gibbsPoint(region, pLimit, T, kNeedSlopesTS).s ? codeAbove : rc);
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

PairSolution helmholtz(double T, double s, double rhoLo, double rhoHi, double rho0) noexcept {
    double rho = std::clamp(rho0, rhoLo, rhoHi);
    if (const int rc = solveHelmholtzTS(T, s, rhoLo, rhoHi, rho); rc != 0) {
        const HelmholtzPoint top = helmholtzPoint(rhoHi, T, kNeedValue | kNeedD1 | kNeedD2);
        return pairError(s < top.s && top.p > kPairPMax ? status::PressureHigh : rc);
    }
    const double p = helmholtzPoint(rho, T, kNeedD1).p;
    if (p > kPairPMax * (1.0 + kPairLimitSlack)) return pairError(status::PressureHigh);
    return PairSolution{0, 3, std::min(p, kPairPMax), T, 1.0 / rho, region3Quality(p, T, rho)};
}

PairSolution wetState(double T, double p, double s, double sl, double sv) noexcept {
    return PairSolution{0, 4, p, T, 0.0, std::clamp((s - sl) / (sv - sl), 0.0, 1.0)};
}

// Region 2 (or 5) below pTop, where s(pTop) = sTop and, when known (not 0), p ds/dp = mTop.
// Started from the isotherm of a gas with a second virial coefficient, s = s0 - R ln p - c p, whose
// c matches mTop (the ideal gas, c = 0, without it).
PairSolution vapour(int region, double T, double s, double pTop, double sTop, double mTop, double pLimit, int codeAbove,
                    const Region2Isotherm* iso = nullptr) noexcept {
    const double yTop = portable_math::log(pTop);
    double y = yTop + std::max((sTop - s) / kR, -600.0);
    const double c = mTop < -kR ? -(mTop + kR) / pTop : 0.0;
    if (c > 0.0) {
        // s(y) = sTop - R (y - yTop) - c (e^y - pTop) = s, falling in y: a few Newton steps.
        for (int k = 0; k < 4; ++k) {
            const double e = portable_math::exp(y);
            const double f = sTop - kR * (y - yTop) - c * (e - pTop) - s;
            y += f / (kR + c * e);
        }
    }
    return gibbs(region, T, s, kPFloor, pTop, portable_math::exp(y), pLimit, codeAbove, iso);
}

// Liquid water at T <= 623.15 K below the saturated liquid (s < s'), or, below the density maximum,
// anywhere on the isotherm's liquid part.
PairSolution liquid(double T, double s, double ps, double sl, double sv) noexcept {
    if (T < kDensityMaximumTop) {
        const GibbsPoint atSaturation = gibbsPoint(1, ps, T, kNeedSlopesPV);
        if (atSaturation.vT < 0.0) {
            // s rises with p from ps up to the density maximum at pm, then falls.
            const double pm = densityMaximumP(T, ps, kPairPMax);
            const double sMax = gibbsPoint(1, pm, T, kNeedSlopesTS).s;
            if (s > sMax) {
                // Above every liquid state: wet (s < s'' here) or vapour.
                return s <= sv ? wetState(T, ps, s, sl, sv) : pairError(0);
            }
            if (s >= sl) return pairError(status::AmbiguousState);
            return gibbs(1, T, s, pm, kPairPMax, pm, kPairPMax, status::PressureHigh);
        }
    }
    // Not liquid: a PairSolution without region sends the caller on to the wet state.
    if (s >= sl) return pairError(0);
    return gibbs(1, T, s, ps * (1.0 - kAcrossSaturation), kPairPMax, ps, kPairPMax, status::PressureHigh);
}

PairSolution solveTS(double T, double s) noexcept {
    if (T <= kT13) {
        // Far from the saturated states the fitted s'(T), s''(T) of the (p,s) region test decide
        // (their guard bands cover their error); close to them the phases themselves.
        const double ps = saturationPressure(T);
        const double sVapEstimate = estimate::sVap(T);
        if (s > sVapEstimate + guard::sVap(ps, T)) {
            return vapour(2, T, s, ps * (1.0 + kAcrossSaturation), sVapEstimate, 0.0, ps, status::PressureHigh);
        }
        if (T >= kDensityMaximumTop && s < estimate::sLiq(T) - guard::sLiq(ps, T)) {
            return gibbs(1, T, s, ps * (1.0 - kAcrossSaturation), kPairPMax, ps, kPairPMax, status::PressureHigh);
        }
        const SaturatedPhases sat = saturatedAt(T, kMaskS);
        const double sl = sat.liquid.s;
        const double sv = sat.vapour.s;
        if (s > sv) return vapour(2, T, s, sat.p * (1.0 + kAcrossSaturation), sv, 0.0, sat.p, status::PressureHigh);
        if (s < sl || T < kDensityMaximumTop) {
            const PairSolution l = liquid(T, s, sat.p, sl, sv);
            if (l.code != 0 || l.region != 0) return l;
        }
        return wetState(T, sat.p, s, sl, sv);
    }
    if (T > kT25) {
        const GibbsPoint top = gibbsPoint(5, kPairP5Max, T, kNeedSlopesTS);
        if (s < top.s) return pairError(status::TemperatureHigh);
        return vapour(5, T, s, kPairP5Max, top.s, kPairP5Max * top.sp, kPairP5Max, status::TemperatureHigh);
    }
    // Region 2 on B23 (or at the pressure limit where B23 lies above it) divides the isotherm.
    const double pB = pB23(T);
    const double pTop = std::min(pB, kPairPMax);
    const Region2Isotherm iso = region2Isotherm(T);
    const IsothermEntropy b = region2IsothermEntropy(iso, pTop);
    // Where B23 lies above the pressure limit, every state of the isotherm is region 2: a lower s is
    // refused there with its code, after the solve (an s on the limit may differ from b.s by rounding).
    if (s >= b.s || pB > kPairPMax) {
        return vapour(2, T, s, pTop * (1.0 + kAcrossBoundary), b.s, b.pSp, kPairPMax, status::PressureHigh, &iso);
    }
    const double rhoB = 1.0 / region2IsothermVolume(iso, pTop).v;
    const double rhoB3 = rhoB * (1.0 - kAcrossBoundary);
    if (T >= kTc) return helmholtz(T, s, rhoB3, kRhoMax3, rhoB);
    // Below Tc the saturated phases of region 3 divide the rest; s' < sc < s''.
    const double ps = saturationPressure(T);
    const bool liquidSide = s < hs::kSc;
    int side = liquidSide ? kSideLiquid : kSideVapour;
    const double vSat = region3Volume(ps, T, side);
    if (vSat < 0.0) return pairError(status::Region3Convergence);
    const double sSat = helmholtzPoint(1.0 / vSat, T, kNeedValue | kNeedD2).s;
    const double rhoSat = 1.0 / vSat;
    if (liquidSide && s <= sSat) return helmholtz(T, s, rhoSat * (1.0 - kAcrossSaturation), kRhoMax3, rhoSat);
    if (!liquidSide && s >= sSat) return helmholtz(T, s, rhoB3, rhoSat * (1.0 + kAcrossSaturation), rhoSat);
    const SaturatedPhases sat = saturatedAt(T, kMaskS);
    if (sat.code != 0) return pairError(sat.code);
    return wetState(T, ps, s, sat.liquid.s, sat.vapour.s);
}

}  // namespace

void IF97State::computeTS(double T, double s, int mask) noexcept {
    T_ = T;
    s_ = s;
    if (!checkTemperature(T) || !checkEntropy(s)) return;
    storePair(solveTS(T, s), mask & ~(kMaskT | kMaskS));
}

}  // namespace if97
