#include "critical_velocity.h"

#include <cmath>

#include "if97_state.h"
#include "properties.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kPasses = 22;
constexpr int kRounds = 8;
constexpr int kStepsPerRound = 25;
constexpr double kPressureTol = 0.00025;  // relative distance of the throat pressure from p
// The isentrope meets the saturated-vapour line (where the equilibrium sound speed jumps) closer to
// p than this: the throat search would be pinned at that kink.
constexpr double kKinkZone = 0.001;
constexpr double kDiffStep = 1e-5;  // relative pressure step of the equilibrium derivative

// Velocity (m/s) gained by the isentropic expansion from h0 to h (kJ/kg): sqrt(2000 (h0 - h)).
double expansionVelocity(double h0, double h) noexcept {
    const double dh = h0 - h;
    return dh > 0.0 ? 68.2055716404 * std::sqrt(dh * 0.42992261392949266) : 0.0;
}

}  // namespace

double equilibriumThroatVelocity(double p, double s) noexcept {
    IF97State st;
    double v[3];
    for (int k = 0; k < 3; ++k) {
        st.computePS(p * (1.0 - kDiffStep * k), s, kMaskV, 0);
        if (st.status() != 0) return kNotDefined;
        v[k] = st.volume();
    }
    // Second-order one-sided difference, step -kDiffStep * p: dv/dp in m3/(kg MPa).
    const double dvdp = (-3.0 * v[0] + 4.0 * v[1] - v[2]) / (-2.0 * kDiffStep * p);
    if (!(dvdp < 0.0)) return kNotDefined;
    return v[0] * std::sqrt(-1e6 / dvdp);
}

double criticalVelocity(double p, double /*h*/, double s, double x) noexcept {
    if (!(p >= kCriticalVelocityPMin && p <= kCriticalVelocityPMax && x >= kCriticalVelocityXMin))
        return kNotDefined;

    IF97State st;
    // Nearly dry steam whose isentrope reaches the saturated-vapour line just above p: the mass flux
    // peaks at that kink rather than at the throat, so the search would settle on a velocity that is
    // too high.  The throat velocity is then the equilibrium one.
    st.computePS(p * (1.0 + kKinkZone), s, kMaskX, 0);
    if (st.status() == 0 && st.quality() >= 1.0) return equilibriumThroatVelocity(p, s);

    double p0 = 1.8 * p;
    double pLo = 1.4 * p;
    double pHi = 2.1 * p;
    double V = 0.0;  // velocity of the last evaluated throat step
    for (int pass = 0; pass < kPasses; ++pass) {
        st.computePS(p0, s, kMaskH, 1);
        if (isErrorStatus(st.status())) return kNotDefined;  // no stagnation state on this isentrope
        const double h0 = st.enthalpy();
        // Every pass starts its throat search well above the mass-flux maximum.
        double dp = 0.05 * (0.9 * p0);
        double pt = 0.9 * p0 + dp;
        for (int round = 0; round < kRounds; ++round) {
            double gMax = 0.0;
            for (int step = 0; step < kStepsPerRound; ++step) {
                pt -= dp;
                if (!(pt > 0.0)) break;
                st.computePS(pt, s, kMaskH | kMaskV, 0);
                if (isErrorStatus(st.status())) break;
                V = expansionVelocity(h0, st.enthalpy());
                const double G = V / st.volume();
                // A step not below the maximum so far becomes the maximum; the first step below it
                // has passed the peak and ends the round.
                if (step > 0 && G < gMax) break;
                gMax = G;
            }
            pt += 2.2 * dp;
            dp *= 0.1;
        }
        if (std::fabs(pt - p) / p < kPressureTol) return V;
        if (p0 < pHi && pt > p) pHi = p0;
        if (p0 > pLo && pt < p) pLo = p0;
        p0 = p * (p0 / pt);
        if (p0 > pHi || p0 < pLo || pass > 4) p0 = 0.5 * (pHi + pLo);
    }
    return V;
}

}  // namespace if97
