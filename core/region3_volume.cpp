// Region 3 density search: the specific volume of a (p, T) state.
//
// The backward equation v(p,T) of the state's subregion (SR5-05) starts a Newton
// iteration on the region 3 pressure equation, whose slope dp/dv comes with the
// pressure from the same isotherm polynomial. Its result is accepted when it meets
// the pressure tolerance on the stable branch (dp/dv < 0) of the state's side of
// the saturation line, within 5 % of the start (the backward equations are within
// 1.7 % everywhere, 0.001 % away from the critical point).
//
// The safeguard, taken when the Newton result is refused, is a bisection of the
// pressure equation between fitted volume bounds. The fitted bounds do not hold
// everywhere in region 3, so every bracket is ordered by value and checked before
// the bisection: a fitted bound that lies on the wrong side of the root is
// replaced by one that cannot miss (the region 2 volume on the 2-3 boundary above,
// a dense-liquid volume below). Region 3's pressure falls with v on each side of
// the saturation line, so a checked bracket holds exactly one root of the side.
#include <cmath>

#include "b23.h"
#include "region2.h"
#include "region3.h"
#include "region3_backward.h"
#include "region3_bounds.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

constexpr double kPressureTolerance = 1e-9;  // MPa
constexpr double kWidthTolerance = 1e-14;    // m3/kg
constexpr int kMaxSteps = 100;
// Added to the region 2 volume on the 2-3 boundary to give an upper bound.
constexpr double kUpperMargin = 0.0001;  // m3/kg
// A volume below every region 3 state (1000 kg/m3; region 3 liquid is below 800 kg/m3).
constexpr double kDenseVolume = 0.001;  // m3/kg
// Below this distance from the saturation pressure a liquid state keeps both
// saturation-quadratic bounds.
constexpr double kSaturationBand = 1e-9;  // MPa

using namespace region3_bounds;

// The region 2 volume on the 2-3 boundary at T, plus a margin: larger than
// the volume of every region 3 state at T.
double upperVolume(double T) noexcept {
    Properties r2{};
    region2(pB23(T), T, kMaskV, r2);
    return r2.v + kUpperMargin;
}

// Bisection for p >= 22.064 MPa: tolerance only; failure after kMaxSteps.
double bisectSupercritical(const Region3Isotherm& iso, double p, double lo, double hi) noexcept {
    for (int step = 0; step < kMaxSteps; ++step) {
        const double v = 0.5 * (lo + hi);
        const double pv = iso.pressure(v);
        if (std::fabs(pv - p) < kPressureTolerance) return v;
        if (p >= pv) {
            hi = v;
        } else {
            lo = v;
        }
    }
    return static_cast<double>(status::Region3Convergence);
}

// Bisection below 22.064 MPa: tolerance or a bracket narrower than
// kWidthTolerance; the last mid-point is the result.
double bisectSubcritical(const Region3Isotherm& iso, double p, double lo, double hi) noexcept {
    double v = 0.5 * (lo + hi);
    for (int step = 0; step < kMaxSteps; ++step) {
        v = 0.5 * (lo + hi);
        const double pv = iso.pressure(v);
        if (std::fabs(pv - p) < kPressureTolerance || hi - lo < kWidthTolerance) break;
        if (p >= pv) {
            hi = v;
        } else {
            lo = v;
        }
    }
    return v;
}

// The bracketed bisection (the safeguard); side as region3Volume's.
double bracketedVolume(const Region3Isotherm& iso, double p, double T, int& side) noexcept {
    if (p >= kPc) {
        side = kSideVapour;
        double lo = volumeA(T);
        double hi = volumeB(T);
        if (iso.pressure(hi) > p) hi = upperVolume(T);
        if (iso.pressure(lo) < p) lo = kDenseVolume;
        return bisectSupercritical(iso, p, lo, hi);
    }

    Bounds bounds{};
    if (T >= kTc) {
        // Above the critical temperature below pc there is only the vapour-like branch.
        if (side == kSideUnknown) side = kSideVapour;
        bounds = {liquidCubic(T), upperVolume(T)};
    } else {
        const double ps = saturationPressure(T);
        if (side == kSideUnknown) side = p > ps ? kSideLiquid : kSideVapour;
        bounds = saturationBounds(ps, side);
        if (side == kSideLiquid) {
            if (std::fabs(p - ps) > kSaturationBand) bounds.second = liquidCubic(T);
        } else {
            bounds.second = upperVolume(T);
        }
    }

    const double pFirst = iso.pressure(bounds.first);
    if (side == kSideLiquid && std::fabs(pFirst - p) < kPressureTolerance) return bounds.first;
    const double pSecond = iso.pressure(bounds.second);
    if (std::fabs(pSecond - p) < kPressureTolerance) return bounds.second;

    // Order the bracket by value; pressure falls with v on the side's branch.
    double lo = bounds.first;
    double hi = bounds.second;
    double pLo = pFirst;
    double pHi = pSecond;
    if (lo > hi) {
        lo = bounds.second;
        hi = bounds.first;
        pLo = pSecond;
        pHi = pFirst;
    }
    if (pLo < p) {
        // The lower bound lies beyond the root: on the liquid side (and above
        // Tc) a dense-liquid volume cannot miss; on the vapour side the
        // saturated-vapour bound is too large, so start from the liquid-side
        // edge of the saturation quadratics.
        lo =
            side == kSideVapour && T < kTc ? saturationBounds(saturationPressure(T), kSideLiquid).second : kDenseVolume;
    }
    if (pHi > p) {
        hi = side == kSideLiquid ? saturationBounds(saturationPressure(T), kSideLiquid).second : upperVolume(T);
    }
    return bisectSubcritical(iso, p, lo, hi);
}

constexpr int kMaxNewtonSteps = 30;
// The Newton iteration ends at a point that meets the pressure tolerance and whose step is below
// this fraction of v (quadratic convergence: the error after that step is far below the rounding).
constexpr double kNewtonStepTolerance = 1e-9;
// A Newton result farther than this fraction from the start is refused.
constexpr double kStartWindow = 0.05;

}  // namespace

Region3VolumeSearch region3VolumeSearch(double p, double T, int side) noexcept {
    // The critical point itself: vapour side, critical volume.
    if (p == kPc && T == kTc) return {kVc, kSideVapour, 0, false};

    // The side, as the bracketed search decides it.
    const bool twoSided = p < kPc && T < kTc;
    if (p >= kPc) {
        side = kSideVapour;
    } else if (side == kSideUnknown) {
        side = T >= kTc || p <= saturationPressure(T) ? kSideVapour : kSideLiquid;
    }
    // On the critical isobar the subregion follows the critical temperature.
    const int startSide = p >= kPc ? (T < kTc ? kSideLiquid : kSideVapour) : side;
    const double v0 = backwardV3pt(p, T, startSide);

    const Region3Isotherm iso(T);
    int steps = 0;
    double v = v0;
    while (steps < kMaxNewtonSteps) {
        double dpdv = 0.0;
        const double pv = iso.pressure(v, dpdv);
        ++steps;
        if (!(dpdv < 0.0)) break;  // not on a stable branch (also NaN)
        const double dv = (pv - p) / dpdv;
        v -= dv;
        if (!(std::fabs(v - v0) <= kStartWindow * v0)) break;
        // The pressure is met at the evaluated point and the step from it is below 1e-9 v: after the
        // step the error is of the order of its square, far below the rounding of v.
        if (std::fabs(pv - p) < kPressureTolerance && std::fabs(dv) <= kNewtonStepTolerance * v) {
            const bool onSide = !twoSided || (side == kSideLiquid ? v < kVc : v > kVc);
            if (onSide) return {v, side, steps, false};
            break;
        }
    }
    const double vb = bracketedVolume(iso, p, T, side);
    return {vb, side, steps, true};
}

double region3Volume(double p, double T, int& side) noexcept {
    const Region3VolumeSearch r = region3VolumeSearch(p, T, side);
    side = r.side;
    return r.v;
}

}  // namespace if97
