#include "region3_inverse.h"

#include <cmath>

#include "b23.h"
#include "properties.h"
#include "region3.h"
#include "region3_backward.h"
#include "region3_solve.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kMaxBisections = 50;

// What distinguishes the (p,h) iteration from the (p,s) one.
struct Plan {
    int mask;               // kMaskH or kMaskS
    double Properties::*y;  // the matched property
    double critical;        // its value at the critical point
    double critTol;         // critical-point short-cut tolerance
    double tol;             // match tolerance
    double accept;          // acceptance of the last bisection point
    double margin;          // bracket narrowing margin of the secant passes
    int maxSecant;          // secant passes
};

constexpr Plan kPlanH{kMaskH, &Properties::h, kCriticalH, 1e-6, kRegion3TolH, kRegion3AcceptH, 0.2, 20};
constexpr Plan kPlanS{kMaskS, &Properties::s, kCriticalS, 1e-9, kRegion3TolS, kRegion3AcceptS, 0.0, 30};

// One point of the iteration: v from the density search on the chosen side, then h or s.
// Returns false when the density search fails.
bool evaluate(const Plan& plan, double p, double T, int side, double& v, double& y) noexcept {
    int s = side;
    v = region3Volume(p, T, s);
    if (!(v > 0.0)) return false;
    Properties out{};
    region3(v, T, plan.mask, out);
    y = out.*plan.y;
    return true;
}

// The temperature bracket of the side: 623.15 K to TB23(p) above the critical pressure; below it,
// up to the saturation temperature on the liquid side, from it on the vapour side.
Region3Bounds bracket(double p, int side) noexcept {
    Region3Bounds b{kT13, TB23(p), kSideUnknown};
    if (!(p > kPc)) {
        const double ts = saturationTemperature(p);
        if (side == kSideLiquid) {
            b.Thi = ts;
        } else {
            b.Tlo = ts;
        }
        b.side = side;
    }
    return b;
}

Region3Solution newtonSolve(const Plan& plan, double p, double target, const Region3Bounds& bounds) noexcept {
    const bool byEntropy = plan.mask == kMaskS;
    const double T0 = byEntropy ? backwardT3ps(p, target) : backwardT3ph(p, target);
    const double v0 = byEntropy ? backwardV3ps(p, target) : backwardV3ph(p, target);
    const Region3Target a{Region3Quantity::Pressure, p};
    const Region3Target b{byEntropy ? Region3Quantity::Entropy : Region3Quantity::Enthalpy, target};
    return solveRegion3(a, b, v0, T0, bounds);
}

int iterate(const Plan& plan, double p, double target, double Tstart, int side, double& T, double& v) noexcept {
    // Critical point: no iteration.
    if (p == kPc && std::fabs(target - plan.critical) < plan.critTol) {
        T = kTc;
        v = kVc;
        return 0;
    }

    // Temperature bracket on the chosen side.
    const Region3Bounds bounds = bracket(p, side);
    const Region3Solution newton = newtonSolve(plan, p, target, bounds);
    if (newton.status == 0) {
        T = newton.T;
        v = newton.v;
        return 0;
    }
    double tLo = bounds.Tlo;
    double tHi = bounds.Thi;

    // First two points.
    double tPrev = Tstart;
    double yPrev = 0.0;
    if (!evaluate(plan, p, tPrev, side, v, yPrev)) {
        T = tPrev;
        return status::IterationConvergence;
    }
    T = tPrev;
    if (std::fabs(yPrev - target) < plan.tol) return 0;
    double t = Tstart + 1.0 > tHi ? tHi : Tstart + 1.0;
    double yCur = 0.0;
    if (!evaluate(plan, p, t, side, v, yCur)) return status::IterationConvergence;
    T = t;
    if (std::fabs(yCur - target) < plan.tol) return 0;

    // Secant passes; a step that leaves the bracket ends them.
    for (int pass = 0; pass < plan.maxSecant; ++pass) {
        const double tNext = t + (target - yCur) / (yCur - yPrev) * (t - tPrev);
        if (tNext > tHi || !(tNext >= tLo)) break;
        double yNext = 0.0;
        if (!evaluate(plan, p, tNext, side, v, yNext)) break;
        T = tNext;
        if (std::fabs(yNext - target) < plan.tol) return 0;
        if (yNext > target + plan.margin && tNext < tHi) tHi = tNext;
        if (yNext < target - plan.margin && tNext > tLo) tLo = tNext;
        tPrev = t;
        yPrev = yCur;
        t = tNext;
        yCur = yNext;
    }

    // Bisection on the narrowed bracket.
    double yMid = 0.0;
    for (int pass = 0; pass < kMaxBisections; ++pass) {
        const double tMid = 0.5 * (tLo + tHi);
        if (!evaluate(plan, p, tMid, side, v, yMid)) return status::IterationConvergence;
        T = tMid;
        if (std::fabs(yMid - target) < plan.tol) return 0;
        if (yMid > target) {
            tHi = tMid;
        } else {
            tLo = tMid;
        }
    }
    return std::fabs(yMid - target) < plan.accept ? 0 : status::IterationConvergence;
}

}  // namespace

int region3Tph(double p, double h, double Tstart, int side, double& T, double& v) noexcept {
    return iterate(kPlanH, p, h, Tstart, side, T, v);
}

int region3Tps(double p, double s, double Tstart, int side, double& T, double& v) noexcept {
    return iterate(kPlanS, p, s, Tstart, side, T, v);
}

Region3Solution region3NewtonPH(double p, double h, int side) noexcept {
    return newtonSolve(kPlanH, p, h, bracket(p, side));
}

Region3Solution region3NewtonPS(double p, double s, int side) noexcept {
    return newtonSolve(kPlanS, p, s, bracket(p, side));
}

}  // namespace if97
