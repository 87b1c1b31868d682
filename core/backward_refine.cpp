#include "backward_refine.h"

#include <cmath>

#include "backward_region1.h"
#include "backward_region2.h"
#include "b23.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

constexpr double kFirstStepK = 0.001;  // second point of the secant, K above the backward value
constexpr int kMaxSecantSteps = 30;
constexpr double kT273 = 273.15;

// Secant iteration on y(T) = target from T0: T0, T0 + 0.001 K, then up to 30 secant steps.  Returns
// the first temperature whose y matches within tol, or T0 when none does.
template <class Forward>
double secant(double T0, double target, double tol, Forward&& y, bool& converged) noexcept {
    converged = true;
    double yPrev = y(T0);
    if (std::fabs(yPrev - target) < tol) return T0;
    double tPrev = T0;
    double t = T0 + kFirstStepK;
    double yCur = y(t);
    if (std::fabs(yCur - target) < tol) return t;
    for (int step = 0; step < kMaxSecantSteps; ++step) {
        const double dy = yCur - yPrev;
        if (!(dy != 0.0)) break;
        const double tNext = t + (target - yCur) / dy * (t - tPrev);
        if (!std::isfinite(tNext)) break;
        tPrev = t;
        yPrev = yCur;
        t = tNext;
        yCur = y(t);
        if (std::fabs(yCur - target) < tol) return t;
    }
    converged = false;
    return T0;
}

double region1H(double p, double T) noexcept {
    Properties out{};
    region1(p, T, kMaskH, out);
    return out.h;
}
double region1S(double p, double T) noexcept {
    Properties out{};
    region1(p, T, kMaskS, out);
    return out.s;
}
double region2H(double p, double T) noexcept {
    Properties out{};
    region2(p, T, kMaskH, out);
    return out.h;
}
double region2S(double p, double T) noexcept {
    Properties out{};
    region2(p, T, kMaskS, out);
    return out.s;
}

// Regula falsi (Illinois variant) on y(T) = target over [lo, hi], for the states where the secant from
// the backward value does not converge or the backward value lies outside the region: at pressures
// far below 1 kPa the region 2a T(p,s) equation is used outside its range and can be wrong by
// thousands of kelvin (even negative).  Returns false when y does not bracket the target.
template <class Forward>
bool bracketed(double lo, double hi, double target, double tol, Forward&& y, double& T) noexcept {
    constexpr int kMaxSteps = 200;
    double fLo = y(lo) - target;
    double fHi = y(hi) - target;
    if (!(fLo <= 0.0 && fHi >= 0.0)) return false;
    int lastSide = 0;
    for (int step = 0; step < kMaxSteps; ++step) {
        double t = (fHi - fLo) > 0.0 ? lo - fLo * (hi - lo) / (fHi - fLo) : 0.5 * (lo + hi);
        if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
        const double f = y(t) - target;
        if (std::fabs(f) < tol) {
            T = t;
            return true;
        }
        if (f < 0.0) {
            lo = t;
            fLo = f;
            if (lastSide == -1) fHi *= 0.5;
            lastSide = -1;
        } else {
            hi = t;
            fHi = f;
            if (lastSide == 1) fLo *= 0.5;
            lastSide = 1;
        }
        if (hi - lo < 1e-12 * hi) {
            T = 0.5 * (lo + hi);
            return true;
        }
    }
    return false;
}

// Temperature ranges in which the refinement looks for the root when the secant fails: region 1
// lies between 273.15 K and 623.15 K, region 2 between the saturation line (B23 above 16.53 MPa,
// where the region test puts its states) and 1073.15 K; one kelvin more on each side takes in
// states that the region test admits within a boundary margin.
constexpr double kRegion1Lo = 272.15;
constexpr double kRegion1Hi = 624.15;
double region2Lo(double p) noexcept { return (p <= kPs13 ? saturationTemperature(p) : TB23(p)) - 1.0; }
constexpr double kRegion2Hi = 1074.15;
// Below every region 2 state of the input range (saturation temperature at 1e-7 MPa: 190.89 K).
constexpr double kRegion2Floor = 189.0;

// The refined temperature: the secant from T0 when T0 lies in [floor, hi] and converges, else the
// bracketed solve on [lo(), hi], else T0.  lo is computed only when it is needed.
template <class Lower, class Forward>
double refine(double T0, double floor, Lower&& lo, double hi, double target, double tol, Forward&& y) noexcept {
    bool converged = false;
    if (T0 >= floor && T0 <= hi) {
        const double T = secant(T0, target, tol, y, converged);
        if (converged) return T;
    }
    double T = T0;
    return bracketed(lo(), hi, target, tol, y, T) ? T : T0;
}

}  // namespace

// With backwardOnly the backward value is returned as it is, unless it lies outside the region's
// temperature range, where the backward equation is outside its range of validity and its value has
// no meaning: the temperature is then solved for as with refinement.

double backwardT1ph(double p, double h, int backwardOnly) noexcept {
    const double T0 = backwardEquationT1ph(p, h);
    if (backwardOnly && T0 >= kRegion1Lo && T0 <= kRegion1Hi) return T0;
    return refine(
        T0,
        kRegion1Lo,
        [] { return kRegion1Lo; },
        kRegion1Hi,
        h,
        kRefineTolH,
        [p](double T) { return region1H(p, T); });
}

double backwardT2ph(double p, double h, int backwardOnly) noexcept {
    const double T0 = backwardEquationT2ph(p, h);
    if (backwardOnly && T0 >= kRegion2Floor && T0 <= kRegion2Hi) return T0;
    return refine(
        T0,
        kRegion2Floor,
        [p] { return region2Lo(p); },
        kRegion2Hi,
        h,
        kRefineTolH,
        [p](double T) { return region2H(p, T); });
}

double backwardT1ps(double p, double s, int backwardOnly) noexcept {
    const double T0 = backwardEquationT1ps(p, s);
    if (!(T0 >= kT273)) return status::EntropyHigh;
    if (backwardOnly && T0 <= kRegion1Hi) return T0;
    return refineT1ps(p, s, T0);
}

// Below the saturation pressure at 273.15 K the region 2a T(p,s) equation lies outside its range and
// is off by up to hundreds of kelvin (794 K at 1e-7 MPa, 1.1 K at 1e-4 MPa), as its 2a T(p,h) partner
// is not (under 18 mK): there the temperature is solved for even with backwardOnly.
double backwardT2ps(double p, double s, int backwardOnly) noexcept {
    const double T0 = backwardEquationT2ps(p, s);
    if (backwardOnly && p >= kPs273 && T0 >= kRegion2Floor && T0 <= kRegion2Hi) return T0;
    return refine(
        T0,
        kRegion2Floor,
        [p] { return region2Lo(p); },
        kRegion2Hi,
        s,
        kRefineTolS2,
        [p](double T) { return region2S(p, T); });
}

double refineT1ps(double p, double s, double T0) noexcept {
    return refine(
        T0,
        kRegion1Lo,
        [] { return kRegion1Lo; },
        kRegion1Hi,
        s,
        kRefineTolS1,
        [p](double T) { return region1S(p, T); });
}

}  // namespace if97
