#include "region3_solve.h"

#include <cmath>

#include "properties.h"
#include "region3.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kMaxIterations = 16;
// Accepted residuals of the targets T and v.
constexpr double kTolT = 1e-9;   // K
constexpr double kTolV = 1e-15;  // m3/kg

struct Row {
    double value;  // quantity(v, T)
    double dv;     // d quantity / dv at constant T
    double dT;     // d quantity / dT at constant v
    double tol;    // accepted residual
};

Row row(Region3Quantity q, const Region3Derivatives& d, double v, double T) noexcept {
    switch (q) {
        case Region3Quantity::Pressure: return {d.p, d.dpdv, d.dpdT, kRegion3SolveTolP};
        case Region3Quantity::Temperature: return {T, 0.0, 1.0, kTolT};
        case Region3Quantity::Volume: return {v, 1.0, 0.0, kTolV};
        case Region3Quantity::Enthalpy: return {d.h, d.dhdv, d.dhdT, kRegion3SolveTolH};
        default: return {d.s, d.dsdv, d.dsdT, kRegion3SolveTolS};
    }
}

}  // namespace

Region3Solution solveRegion3(const Region3Target& a, const Region3Target& b, double v0, double T0,
                             const Region3Bounds& bounds) noexcept {
    const bool withEntropy = a.quantity == Region3Quantity::Entropy || b.quantity == Region3Quantity::Entropy;
    const bool twoSided = bounds.side != kSideUnknown && bounds.Tlo < kTc;
    double v = v0;
    double T = T0 < bounds.Tlo ? bounds.Tlo : (T0 > bounds.Thi ? bounds.Thi : T0);
    for (int it = 1; it <= kMaxIterations; ++it) {
        const Region3Derivatives d = region3Derivatives(v, T, withEntropy);
        const Row ra = row(a.quantity, d, v, T);
        const Row rb = row(b.quantity, d, v, T);
        const double fa = ra.value - a.value;
        const double fb = rb.value - b.value;
        const double det = ra.dv * rb.dT - ra.dT * rb.dv;
        if (!(std::fabs(det) > 0.0)) break;
        const double dv = (fa * rb.dT - fb * ra.dT) / det;
        const double dT = (ra.dv * fb - rb.dv * fa) / det;
        if (!(std::fabs(dv) <= 0.5 * v)) break;  // also NaN
        v -= dv;
        T -= dT;
        if (T < bounds.Tlo) T = bounds.Tlo;
        if (T > bounds.Thi) T = bounds.Thi;
        if (std::fabs(fa) <= ra.tol && std::fabs(fb) <= rb.tol) {
            // Both targets are met at the evaluated point; the step just taken from it only removes
            // the remainder (quadratic convergence).  The state must be on the stable branch of its side.
            const bool onSide = !twoSided || T >= kTc || (bounds.side == kSideLiquid ? v < kVc : v > kVc);
            const bool stable = d.dpdv < 0.0;
            return {v, T, it, onSide && stable ? 0 : status::IterationConvergence};
        }
    }
    return {v, T, kMaxIterations, status::IterationConvergence};
}

}  // namespace if97
