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
#include "if97_state.h"
#include "pair_solvers.h"
#include "pair_state.h"
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

PairSolution gibbs(int region, double T, double s, double pLo, double pHi, double p0, double pLimit,
                   int codeAbove) noexcept {
    double p = std::clamp(p0, pLo, pHi);
    const int rc = solveGibbsTS(region, T, s, pLo, pHi, p);
    if (rc != 0) {
        // The root lies beyond the bracket's end at the range limit, or the iteration failed.
        return pairError(s < gibbsPoint(region, pLimit, T).s ? codeAbove : rc);
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
        const HelmholtzPoint top = helmholtzPoint(rhoHi, T);
        return pairError(s < top.s && top.p > kPairPMax ? status::PressureHigh : rc);
    }
    const double p = helmholtzPoint(rho, T).p;
    if (p > kPairPMax * (1.0 + kPairLimitSlack)) return pairError(status::PressureHigh);
    return PairSolution{0, 3, std::min(p, kPairPMax), T, 1.0 / rho, region3Quality(p, T, rho)};
}

PairSolution wetState(double T, double p, double s, double sl, double sv) noexcept {
    return PairSolution{0, 4, p, T, 0.0, std::clamp((s - sl) / (sv - sl), 0.0, 1.0)};
}

// Region 2 (or 5) between pLo and pTop, where s(pTop) = sTop: started from the ideal-gas isotherm.
PairSolution vapour(int region, double T, double s, double pTop, double sTop, double pLimit, int codeAbove) noexcept {
    const double p0 = pTop * std::exp(std::max((sTop - s) / kR, -600.0));
    return gibbs(region, T, s, kPFloor, pTop, p0, pLimit, codeAbove);
}

// Liquid water at T <= 623.15 K below the saturated liquid (s < s'), or, below the density maximum,
// anywhere on the isotherm's liquid part.
PairSolution liquid(double T, double s, double ps, double sl, double sv) noexcept {
    if (T < kDensityMaximumTop) {
        const GibbsPoint atSaturation = gibbsPoint(1, ps, T);
        if (atSaturation.vT < 0.0) {
            // s rises with p from ps up to the density maximum at pm, then falls.
            const double pm = densityMaximumP(T, ps, kPairPMax);
            const double sMax = gibbsPoint(1, pm, T).s;
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
        const SaturatedPhases sat = saturatedAt(T, kMaskS);
        const double sl = sat.liquid.s;
        const double sv = sat.vapour.s;
        if (s > sv) return vapour(2, T, s, sat.p * (1.0 + kAcrossSaturation), sv, sat.p, status::PressureHigh);
        if (s < sl || T < kDensityMaximumTop) {
            const PairSolution l = liquid(T, s, sat.p, sl, sv);
            if (l.code != 0 || l.region != 0) return l;
        }
        return wetState(T, sat.p, s, sl, sv);
    }
    if (T > kT25) {
        const double s10 = gibbsPoint(5, kPairP5Max, T).s;
        if (s < s10) return pairError(status::TemperatureHigh);
        return vapour(5, T, s, kPairP5Max, s10, kPairP5Max, status::TemperatureHigh);
    }
    // Region 2 on B23 (or at the pressure limit where B23 lies above it) divides the isotherm.
    const double pB = pB23(T);
    const double pTop = std::min(pB, kPairPMax);
    const GibbsPoint b = gibbsPoint(2, pTop, T);
    if (s >= b.s) return vapour(2, T, s, pTop * (1.0 + kAcrossBoundary), b.s, kPairPMax, status::PressureHigh);
    if (pB > kPairPMax) return pairError(status::PressureHigh);
    const double rhoB = 1.0 / b.v;
    const double rhoB3 = rhoB * (1.0 - kAcrossBoundary);
    if (T >= kTc) return helmholtz(T, s, rhoB3, kRhoMax3, rhoB);
    // Below Tc the saturated phases of region 3 divide the rest; s' < sc < s''.
    const double ps = saturationPressure(T);
    const bool liquidSide = s < hs::kSc;
    int side = liquidSide ? kSideLiquid : kSideVapour;
    const double vSat = region3Volume(ps, T, side);
    if (vSat < 0.0) return pairError(status::Region3Convergence);
    const double sSat = helmholtzPoint(1.0 / vSat, T).s;
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
