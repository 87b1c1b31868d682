// IF97State::computeHS: the (h,s) operation.
//
// A first region comes from the (h,s) boundary lines of IAPWS SR4-04 (the saturated liquid and vapour
// lines, the 623.15 K isotherm hB13(s), the B23 line as TB23(h,s)). The state is then solved on the
// basic equation of that region, started from the backward equations p(h,s) (SR2-01, SR4-04) with
// T(p,h), and checked against the exact region bounds at the solved (p,T): the 623.15 K isotherm, the
// saturation pressure, B23 and 1073.15 K, and the range limits. A state that lies beyond a bound is
// solved again in the region on the other side, so the SR4-04 lines only choose where to start and
// never decide a state. Where IF97's regions are not exactly consistent at a boundary and the
// inputs fall in the gap between them (both solutions lie beyond the boundary by a few mK), the
// second solution is taken: it reproduces h and s.
//
// (h,s) determines the state uniquely: along an isentrope h rises with p (dh = v dp), in the
// single-phase regions and across the two-phase region alike.
#include <algorithm>
#include <cmath>

#include "b23.h"
#include "backward_hs.h"
#include "backward_region1.h"
#include "backward_region2.h"
#include "boundaries_ph.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "pair_state.h"
#include "portable_math.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region3_backward.h"
#include "region5_inverse.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kWet = 4;
constexpr double kRhoC = 322.0;  // kg/m3

// Bands around the SR4-04 estimates of the 623.15 K isotherm (kJ/kg) and of the B23 pressure
// (relative), wider than the estimates' errors and the regions' inconsistency there together. Within
// them the state is first solved in region 1 (or 2), the region the (p,T) region test gives a state
// on the boundary; a region 3 state there is found next.
constexpr double kBand13 = 0.2;
constexpr double kBandB23 = 5e-3;

// Starting region from the SR4-04 lines (the boundary checks after the solve correct it).
int firstRegion(double h, double s) noexcept {
    if (s < hs::kSLiq273) return 1;
    if (s <= hs::kSLiq623) {
        if (h < hs::hLiq1(s)) return kWet;
        return s > hs::kS13Top && h > hs::hB13(s) + kBand13 ? 3 : 1;
    }
    if (s <= hs::kSc) return h < hs::hLiq3a(s) ? kWet : 3;
    if (s <= hs::kS2bc) {
        if (h < hs::hVap2c3b(s)) return kWet;
        if (s < hs::kSB23Min) return 3;
        if (s <= hs::kSB23Max && h <= hs::kHB23Max) {
            if (h < hs::kHB23Min) return 3;
            return hs::p2c(h, s) > pB23(hs::TB23(h, s)) * (1.0 + kBandB23) ? 3 : 2;
        }
        return 2;
    }
    if (s <= hs::kSVap273 && h < hs::hVap2ab(s)) return kWet;
    return h > estimate::h1073(0.0) ? 5 : 2;
}

// A solved (p,T) of a Gibbs region, checked against the range limits: moved onto a limit it lies
// beyond by no more than the solvers' tolerance, else the code of the limit.
int clampToRange(double& p, double& T, double pMax, double TMax, int codeTHigh) noexcept {
    if (T < kPairTMin) {
        if (T < kPairTMin * (1.0 - kPairLimitSlack)) return status::TemperatureLow;
        T = kPairTMin;
    }
    if (T > TMax) {
        if (T > TMax * (1.0 + kPairLimitSlack)) return codeTHigh;
        T = TMax;
    }
    if (p < kPairPMin) {
        if (p < kPairPMin * (1.0 - kPairLimitSlack)) return status::PressureLow;
        p = kPairPMin;
    }
    if (p > pMax) {
        if (p > pMax * (1.0 + kPairLimitSlack)) {
            return pMax == kPairP5Max ? status::TemperatureHigh : status::PressureHigh;
        }
        p = pMax;
    }
    return 0;
}

// a lies beyond the region bound b by more than the solvers' tolerance: a solved state that reproduces
// the inputs of a state on a boundary stays in the region it was solved in.
bool beyond(double a, double b) noexcept { return a > b * (1.0 + kPairLimitSlack); }

// Largest distance (K) of a state from a region boundary, in the gap where neither region's
// solution lies on its own side: the inconsistency of IF97 between regions 1, 2, 3 and 5 is
// a few millikelvin.
constexpr double kGapK = 0.05;

// The solution of the second region at a boundary both regions place the inputs beyond.
PairSolution inGap(const PairSolution& sol, int boundary) noexcept {
    if (sol.code != 0 || sol.region == 0) return pairError(status::IterationConvergence);
    double distance = 0.0;
    switch (boundary) {
        case 13: distance = std::fabs(sol.T - kT13); break;
        case 23: distance = std::fabs(sol.T - TB23(sol.p)); break;
        case 25: distance = std::fabs(sol.T - kT25); break;
        default:
            distance = 0.0;  // the saturation line: exactly consistent, only rounding
            break;
    }
    return distance <= kGapK ? sol : pairError(status::IterationConvergence);
}

// The boundary between two regions (a pair of 1, 2, 3, 4 = wet, 5).
constexpr int boundaryOf(int a, int b) noexcept {
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    if (lo == 1 && hi == 3) return 13;
    if (lo == 2 && hi == 3) return 23;
    if (lo == 2 && hi == 5) return 25;
    return 4;
}

struct Attempt {
    PairSolution solution;
    int next;  // 0: the solution (or its code) stands; otherwise the region to solve next
};

Attempt region1(double h, double s) noexcept {
    double p = std::clamp(hs::p1(h, s), 0.001, 100.0);
    double T = std::clamp(backwardEquationT1ph(p, h), kPairTMin, kT13);
    if (const int rc = solveGibbsHS(1, h, s, p, T); rc != 0) return {pairError(rc), 0};
    if (beyond(T, kT13)) return {PairSolution{0, 1, p, T, 0.0, 0.0}, 3};
    if (T >= kPairTMin && T <= kT13 && p < saturationPressure(T)) return {PairSolution{0, 1, p, T, 0.0, 0.0}, kWet};
    if (const int rc = clampToRange(p, T, kPairPMax, kT13, status::TemperatureHigh); rc != 0) return {pairError(rc), 0};
    return {PairSolution{0, 1, p, T, 0.0, 0.0}, 0};
}

Attempt region2(double h, double s) noexcept {
    double p = std::clamp(hs::p2(h, s), kPairPMin, 100.0);
    double T = std::clamp(backwardEquationT2ph(std::max(p, kPs273), h), kPairTMin, kT25);
    if (const int rc = solveGibbsHS(2, h, s, p, T); rc != 0) return {pairError(rc), 0};
    const PairSolution found{0, 2, p, T, 0.0, 1.0};
    if (beyond(T, kT25)) {
        // Region 5 holds up to 10 MPa; region 2's solution there may lie a little across it.
        if (p > kPairP5Max * (1.0 + kAcrossBoundary)) return {pairError(status::TemperatureHigh), 0};
        return {found, 5};
    }
    if (T >= kPairTMin && T <= kT13 && p > saturationPressure(T)) return {found, kWet};
    if (T > kT13 && beyond(p, pB23(T))) return {found, 3};
    if (const int rc = clampToRange(p, T, kPairPMax, kT25, status::TemperatureHigh); rc != 0) return {pairError(rc), 0};
    return {PairSolution{0, 2, p, T, 0.0, 1.0}, 0};
}

Attempt region5(double h, double s) noexcept {
    double p = std::clamp(hs::p2(h, s), kPairPMin, kPairP5Max);
    double T = std::clamp(region5StartTph(h), kT25, kPairTMax);
    if (const int rc = solveGibbsHS(5, h, s, p, T); rc != 0) return {pairError(rc), 0};
    if (beyond(kT25, T)) return {PairSolution{0, 5, p, T, 0.0, 1.0}, 2};
    if (const int rc = clampToRange(p, T, kPairP5Max, kPairTMax, status::TemperatureHigh); rc != 0) {
        return {pairError(rc), 0};
    }
    return {PairSolution{0, 5, p, T, 0.0, 1.0}, 0};
}

Attempt region3(double h, double s) noexcept {
    const double p0 = std::clamp(hs::p3(h, s), kPs13, 100.0);
    double T = std::clamp(backwardT3ph(p0, h), kT13, 863.15);
    double rho = 1.0 / std::clamp(backwardV3ph(p0, h), 0.0013, 0.009);
    if (const int rc = solveHelmholtzHS(h, s, rho, T); rc != 0) return {pairError(rc), 0};
    const double p = helmholtzPoint(rho, T).p;
    const PairSolution found{0, 3, p, T, 1.0 / rho, region3Quality(p, T, rho)};
    if (beyond(kT13, T)) return {found, 1};
    if (beyond(pB23(T), p)) return {found, 2};
    if (T < kTc) {
        // Near the saturated states a state inside the two-phase region lies on the metastable part
        // of its branch: the liquid below, the vapour above the saturation pressure.
        const double ps = saturationPressure(T);
        if (rho > kRhoC ? p < ps : p > ps) return {found, kWet};
    }
    if (p > kPairPMax) {
        if (p > kPairPMax * (1.0 + kPairLimitSlack)) return {pairError(status::PressureHigh), 0};
    }
    return {found, 0};
}

// The wet state on the tie line through (h,s): at the saturation temperature Ts the line from
// (s', h') to (s'', h'') passes through the point. For a trial T the quality from s is
// xs = (s - s')/(s'' - s'); above Ts either xs leaves [0, 1] or the line passes above h, below Ts
// it passes below h. A safeguarded secant iteration in T runs on that sign rule.
struct TieLine {
    bool valid;  // xs within [0, 1]
    double g;    // h minus the tie line's h at s (kJ/kg); > 0 below Ts
    double x;    // xs
    double p;    // psat(T)
    int code;
};

TieLine tieLine(double T, double h, double s) noexcept {
    const SaturatedPhases sat = saturatedAt(T, kMaskH | kMaskS);
    if (sat.code != 0) return TieLine{false, 0.0, 0.0, sat.p, sat.code};
    const double x = (s - sat.liquid.s) / (sat.vapour.s - sat.liquid.s);
    const bool valid = x >= 0.0 && x <= 1.0;
    return TieLine{valid, h - (sat.liquid.h + x * (sat.vapour.h - sat.liquid.h)), x, sat.p, 0};
}

// A starting temperature from the fitted saturation estimates (below 623.15 K), by bisection.
double wetStart(double h, double s) noexcept {
    if (s >= hs::kSVap623) return std::clamp(hs::Tsat(h, s), kPairTMin, kT13);
    double lo = kPairTMin;
    double hi = kT13;
    for (int k = 0; k < 24; ++k) {
        const double T = 0.5 * (lo + hi);
        const double sl = estimate::sLiq(T);
        const double x = (s - sl) / (estimate::sVap(T) - sl);
        const double hl = estimate::hLiq(T);
        const bool below = x >= 0.0 && x <= 1.0 && h > hl + x * (estimate::hVap(T) - hl);
        (below ? lo : hi) = T;
    }
    return 0.5 * (lo + hi);
}

Attempt wet(double h, double s) noexcept {
    const double scaleH = std::max(std::fabs(h), kPairFloorH);
    // The bracket: below Ts at lo, at or above it at hi. The top of the dome within 1e-9 K of Tc is
    // left out: the tie lines shrink to a point there.
    const TieLine bottom = tieLine(kPairTMin, h, s);
    if (bottom.code != 0) return {pairError(bottom.code), 0};
    if (!bottom.valid) {
        // Not wet at 273.15 K: s lies beyond the saturated states there, on the vapour side above
        // s''(273.15 K) (vapour colder than 273.15 K) or on the liquid side.
        return {pairError(status::TemperatureLow), 0};
    }
    if (bottom.g < 0.0) return {pairError(status::TemperatureLow), 0};
    double lo = kPairTMin;
    double hi = kTc - 1e-9;
    double gLo = bottom.g;
    double T = std::clamp(wetStart(h, s), lo, hi);
    double Tprev = lo;
    double gPrev = bottom.g;
    bool prevValid = true;
    TieLine line{};
    for (int it = 0; it < 100; ++it) {
        line = tieLine(T, h, s);
        if (line.code != 0) return {pairError(line.code), 0};
        if (line.valid && std::fabs(line.g) <= kPairTolerance * scaleH) break;
        if (line.valid && line.g > 0.0) {
            lo = T;
            gLo = line.g;
        } else {
            hi = T;
        }
        if (hi - lo <= 1e-13 * T) break;
        double next = 0.5 * (lo + hi);
        if (line.valid && prevValid && line.g != gPrev) {
            const double secant = T - line.g * (T - Tprev) / (line.g - gPrev);
            if (secant > lo && secant < hi) next = secant;
        }
        Tprev = T;
        gPrev = line.g;
        prevValid = line.valid;
        T = next;
    }
    if (!line.valid || std::fabs(line.g) > kPairAccept * scaleH) {
        // No tie line through the point: it lies above the saturated liquid (or vapour) line, where
        // the bracket has closed on the end of the line at s'(T) = s (or s''(T) = s).
        if (gLo > 0.0 && hi - lo <= 1e-9 * T) return {pairError(0), s < hs::kSc ? 1 : 2};
        return {pairError(status::IterationConvergence), 0};
    }
    return {PairSolution{0, kWet, line.p, T, 0.0, line.x}, 0};
}

Attempt attempt(int region, double h, double s) noexcept {
    switch (region) {
        case 1: return region1(h, s);
        case 2: return region2(h, s);
        case 3: return region3(h, s);
        case kWet: return wet(h, s);
        default: return region5(h, s);
    }
}

PairSolution solveRegions(double h, double s) noexcept;

// Along the isentrope s the enthalpy rises with p (dh = v dp) through every phase, and inside the
// range lies one stretch of pressures: below it the isentrope is colder than 273.15 K, above it
// hotter than the range allows (or p above 110.32 MPa). A bisection in ln p with the (p,s) operation
// finds where h is reached, or which limit h lies beyond: the fall-back when the solves above do not
// converge, which is where (h,s) lies beyond the range.
enum class Along { Below, Above, Failed };

struct IsentropePoint {
    Along side;
    IF97State state;
};

IsentropePoint isentropeAt(double p, double h, double s) noexcept {
    IsentropePoint pt{Along::Failed, IF97State{}};
    pt.state.computePS(p, s, kMaskT | kMaskH | kMaskV, 0);
    const int code = pt.state.status();
    if (code == 0) {
        pt.side = pt.state.enthalpy() < h ? Along::Below : Along::Above;
    } else if (code == status::EntropyLow || code == status::EnthalpyLow) {
        pt.side = Along::Below;  // colder than 273.15 K at this pressure
    } else if (code == status::EntropyHigh || code == status::TemperatureHigh) {
        pt.side = Along::Above;  // hotter than the range at this pressure
    }
    return pt;
}

PairSolution alongIsentrope(double h, double s) noexcept {
    IsentropePoint lo = isentropeAt(kPairPMin, h, s);
    IsentropePoint hi = isentropeAt(kPairPMax, h, s);
    if (lo.side == Along::Failed || hi.side == Along::Failed) return pairError(status::IterationConvergence);
    if (lo.side == Along::Above) {
        return pairError(lo.state.status() == 0 ? status::PressureLow : status::TemperatureHigh);
    }
    if (hi.side == Along::Below) {
        return pairError(hi.state.status() == 0 ? status::PressureHigh : status::TemperatureLow);
    }
    double a = portable_math::log(kPairPMin);
    double b = portable_math::log(kPairPMax);
    for (int k = 0; k < 200 && b - a > 1e-15 * std::fabs(b) + 1e-300; ++k) {
        const double m = 0.5 * (a + b);
        IsentropePoint mid = isentropeAt(portable_math::exp(m), h, s);
        if (mid.side == Along::Failed) return pairError(status::IterationConvergence);
        if (mid.side == Along::Below) {
            a = m;
            lo = mid;
        } else {
            b = m;
            hi = mid;
        }
    }
    // h is reached between two states of the range: a state; else the limit it lies beyond.
    if (lo.state.status() != 0) return pairError(status::TemperatureLow);
    if (hi.state.status() != 0) return pairError(status::TemperatureHigh);
    const IF97State& st = hi.state;
    const double x = st.quality();
    if (x > 0.0 && x < 1.0) return PairSolution{0, kWet, st.pressure(), st.temperature(), 0.0, x};
    double p = st.pressure();
    double T = st.temperature();
    if (T > kT13 && T <= kT25 && (x == 0.0 || p > pB23(T))) {
        double rho = 1.0 / st.volume();
        if (solveHelmholtzHS(h, s, rho, T) != 0) return pairError(status::IterationConvergence);
        const double p3 = helmholtzPoint(rho, T).p;
        return PairSolution{0, 3, p3, T, 1.0 / rho, region3Quality(p3, T, rho)};
    }
    const int region = T > kT25 ? 5 : x == 0.0 ? 1 : 2;
    if (solveGibbsHS(region, h, s, p, T) != 0) return pairError(status::IterationConvergence);
    return PairSolution{0, region, p, T, 0.0, region == 1 ? 0.0 : 1.0};
}

PairSolution solveHS(double h, double s) noexcept {
    const PairSolution found = solveRegions(h, s);
    return found.code == status::IterationConvergence ? alongIsentrope(h, s) : found;
}

PairSolution solveRegions(double h, double s) noexcept {
    int region = firstRegion(h, s);
    int tried = 0;
    for (int k = 0; k < 6; ++k) {
        tried |= 1 << region;
        Attempt a = attempt(region, h, s);
        if (a.next == 0) return a.solution;
        // A liquid-side single phase above 623.15 K, or a vapour one, is region 3 when the tie-line
        // search ends on the dome's region 3 part.
        if (region == kWet && a.next == 1 && s > hs::kSLiq623) a.next = 3;
        if (region == kWet && a.next == 2 && s < hs::kSVap623) a.next = 3;
        // Both sides of an inconsistent boundary point at each other: the inputs lie in the gap, and
        // the solution found last reproduces them.
        if (tried & (1 << a.next)) return inGap(a.solution, boundaryOf(region, a.next));
        region = a.next;
    }
    return pairError(status::IterationConvergence);
}

}  // namespace

void IF97State::computeHS(double h, double s, int mask) noexcept {
    h_ = h;
    s_ = s;
    if (!checkEnthalpy(h) || !checkEntropy(s)) return;
    storePair(solveHS(h, s), mask & ~(kMaskH | kMaskS));
}

}  // namespace if97
