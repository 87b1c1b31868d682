#include "region5_inverse.h"

#include <cmath>

#include "region5.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kMaxSecantSteps = 30;
constexpr double kFirstStepK = 1.0;

// Secant iteration on the region 5 property selected by member (h or s) from T0 and T0 + 1 K.
double secant5(double p, double target, double T0, double tol, int mask, double Properties::*member,
               Properties& out) noexcept {
    region5(p, T0, mask, out);
    double yPrev = out.*member;
    if (std::fabs(yPrev - target) < tol) return T0;
    double tPrev = T0;
    double t = T0 + kFirstStepK;
    region5(p, t, mask, out);
    double yCur = out.*member;
    if (std::fabs(yCur - target) < tol) return t;
    for (int step = 0; step < kMaxSecantSteps; ++step) {
        const double dy = yCur - yPrev;
        if (!(dy != 0.0)) break;
        const double tNext = t + (target - yCur) / dy * (t - tPrev);
        if (!(tNext > 0.0) || !std::isfinite(tNext)) break;
        tPrev = t;
        yPrev = yCur;
        t = tNext;
        region5(p, t, mask, out);
        yCur = out.*member;
        if (std::fabs(yCur - target) < tol) return t;
    }
    return status::IterationConvergence;
}

}  // namespace

double region5Tph(double p, double h, int mask, Properties& out) noexcept {
    return secant5(p, h, region5StartTph(h), kRegion5TolH, mask | kMaskH, &Properties::h, out);
}

double region5Tph(double p, double h) noexcept {
    Properties out{};
    return region5Tph(p, h, kMaskH, out);
}

double region5Tps(double p, double s, double Tstart, int mask, Properties& out) noexcept {
    return secant5(p, s, Tstart, kRegion5TolS, mask | kMaskS, &Properties::s, out);
}

double region5Tps(double p, double s, double Tstart) noexcept {
    Properties out{};
    return region5Tps(p, s, Tstart, kMaskS, out);
}

}  // namespace if97
