#include "backward_refine.h"

#include <cmath>

#include "backward_region1.h"
#include "backward_region2.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "status.h"

namespace if97 {
namespace {

constexpr double kFirstStepK = 0.001;  // second point of the secant, K above the backward value
constexpr int kMaxSecantSteps = 30;
constexpr double kT273 = 273.15;

// Secant iteration on y(T) = target from T0: T0, T0 + 0.001 K, then up to 30 secant steps.  Returns
// the first temperature whose y matches within tol, or T0 when none does.
template <class Forward>
double secant(double T0, double target, double tol, Forward&& y) noexcept {
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

}  // namespace

double backwardT1ph(double p, double h, int backwardOnly) noexcept {
    const double T0 = backwardEquationT1ph(p, h);
    if (backwardOnly) return T0;
    return secant(T0, h, kRefineTolH, [p](double T) { return region1H(p, T); });
}

double backwardT2ph(double p, double h, int backwardOnly) noexcept {
    const double T0 = backwardEquationT2ph(p, h);
    if (backwardOnly) return T0;
    return secant(T0, h, kRefineTolH, [p](double T) { return region2H(p, T); });
}

double backwardT1ps(double p, double s, int backwardOnly) noexcept {
    const double T0 = backwardEquationT1ps(p, s);
    if (!(T0 >= kT273)) return status::EntropyHigh;
    if (backwardOnly) return T0;
    return refineT1ps(p, s, T0);
}

double backwardT2ps(double p, double s, int backwardOnly) noexcept {
    const double T0 = backwardEquationT2ps(p, s);
    if (backwardOnly) return T0;
    return secant(T0, s, kRefineTolS2, [p](double T) { return region2S(p, T); });
}

double refineT1ps(double p, double s, double T0) noexcept {
    return secant(T0, s, kRefineTolS1, [p](double T) { return region1S(p, T); });
}

}  // namespace if97
