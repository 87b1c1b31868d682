#include "critical_velocity.h"

#include <cmath>

#include "boundaries_ph.h"
#include "if97_state.h"
#include "properties.h"
#include "saturation.h"
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

// The throat of a stagnation state (p0, s, h0): the pressure pt of maximal mass flux G = V/v along
// the isentrope, and the velocity V there.
struct Throat {
    double pt;  // MPa
    double V;   // m/s
};

// One point of the throat search: G and V at pt, or false when the state cannot be evaluated.
bool fluxAt(IF97State& st, double s, double h0, double pt, double& G, double& V) noexcept {
    if (!(pt > 0.0)) return false;
    st.computePS(pt, s, kMaskH | kMaskV, 0);
    if (isErrorStatus(st.status())) return false;
    V = expansionVelocity(h0, st.enthalpy());
    G = V / st.volume();
    return true;
}

// The pressure in [a, b] (below the critical pressure) where the isentrope s meets the saturated
// vapour line, s''(p) = s, by the Illinois variant of regula falsi; one end wet, the other not.
double vapourLineCrossing(double s, double a, double b) noexcept {
    const auto f = [s](double p) { return exact::sVap(p, saturationTemperature(p)) - s; };
    double fa = f(a);
    double fb = f(b);
    if (!((fa > 0.0) != (fb > 0.0))) return 0.0;
    int kept = 0;
    for (int it = 0; it < 60 && b - a > 1e-14 * b; ++it) {
        const double c = b - fb * (b - a) / (fb - fa);
        if (!(c > a && c < b)) break;
        const double fc = f(c);
        if (fc == 0.0) return c;
        if ((fc > 0.0) == (fa > 0.0)) {
            a = c;
            fa = fc;
            if (kept == -1) fb *= 0.5;
            kept = -1;
        } else {
            b = c;
            fb = fc;
            if (kept == 1) fa *= 0.5;
            kept = 1;
        }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}

// Brent's maximisation of G on [a, b] from its best point x so far (G = fx, V = vx; wetA, wetX,
// wetB: whether the state at a, x, b lies below the saturated-vapour line): parabolic steps
// guarded by golden sections, to a relative 3e-8 in pressure: the flux is flat to its rounding over
// about that much on either side of a smooth maximum.
//
// The flux has a kink where the isentrope crosses the saturated-vapour line.  A maximum there
// converges only by golden sections; so once the bracket is narrower than kKinkZone and its ends lie
// on the two sides of the line, the crossing itself is found (by the saturation line, which is
// cheaper than the flux) and taken when the flux falls away from it on both sides.
Throat brentMax(IF97State& st, double s, double h0, double a, double b, double x, double fx, double vx, bool wetA,
                bool wetX, bool wetB) noexcept {
    constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt 5) / 2
    constexpr double kRelTol = 3e-8;
    constexpr double kKinkZone = 1e-3;  // relative bracket width
    constexpr double kKinkSide = 1e-7;  // relative offset of the one-sided checks
    bool kinkTried = false;
    double w = x;
    double u = x;
    double fw = fx;
    double fu = fx;
    double d = 0.0;
    double e = 0.0;
    for (int it = 0; it < 100; ++it) {
        const double m = 0.5 * (a + b);
        const double tol = kRelTol * x;
        if (std::fabs(x - m) <= 2.0 * tol - 0.5 * (b - a)) break;
        if (!kinkTried && wetA != wetB && b - a < kKinkZone * x && b < kPc) {
            kinkTried = true;
            const double pk = vapourLineCrossing(s, a, b);
            double gk = 0.0;
            double vk = 0.0;
            double gBelow = 0.0;
            double gAbove = 0.0;
            double unused = 0.0;
            if (pk > a && pk < b && fluxAt(st, s, h0, pk, gk, vk) && gk >= fx &&
                fluxAt(st, s, h0, pk * (1.0 - kKinkSide), gBelow, unused) &&
                fluxAt(st, s, h0, pk * (1.0 + kKinkSide), gAbove, unused) && gk >= gBelow && gk >= gAbove)
                return {pk, vk};
        }
        bool golden = true;
        if (std::fabs(e) > tol) {
            // Vertex of the parabola through x, w, u (the best three points).
            double r = (x - w) * (fx - fu);
            double q = (x - u) * (fx - fw);
            double pp = (x - u) * q - (x - w) * r;
            q = 2.0 * (q - r);
            if (q > 0.0) pp = -pp;
            q = std::fabs(q);
            if (std::fabs(pp) < std::fabs(0.5 * q * e) && pp > q * (a - x) && pp < q * (b - x)) {
                e = d;
                d = pp / q;
                const double t = x + d;
                if (t - a < 2.0 * tol || b - t < 2.0 * tol) d = x < m ? tol : -tol;
                golden = false;
            }
        }
        if (golden) {
            e = (x < m ? b : a) - x;
            d = kGolden * e;
        }
        const double t = std::fabs(d) >= tol ? x + d : x + (d > 0.0 ? tol : -tol);
        double ft = 0.0;
        double vt = 0.0;
        if (!fluxAt(st, s, h0, t, ft, vt)) break;
        const bool wetT = st.quality() < 1.0;
        if (ft >= fx) {
            if (t < x) {
                b = x;
                wetB = wetX;
            } else {
                a = x;
                wetA = wetX;
            }
            wetX = wetT;
            u = w;
            fu = fw;
            w = x;
            fw = fx;
            x = t;
            fx = ft;
            vx = vt;
        } else {
            if (t < x) {
                a = t;
                wetA = wetT;
            } else {
                b = t;
                wetB = wetT;
            }
            if (ft >= fw || w == x) {
                u = w;
                fu = fw;
                w = t;
                fw = ft;
            } else if (ft >= fu || u == x || u == w) {
                u = t;
                fu = ft;
            }
        }
    }
    return {x, vx};
}

// The search in rounds of steps: each round steps down from above the maximum found so far until
// the flux falls, then the next round repeats with a tenth of the step.  Used where the coarse scan
// of findThroat does not enclose a maximum.
Throat roundsSearch(IF97State& st, double s, double h0, double p0) noexcept {
    double dp = 0.05 * (0.9 * p0);
    double pt = 0.9 * p0 + dp;
    double V = 0.0;
    for (int round = 0; round < kRounds; ++round) {
        double gMax = 0.0;
        for (int step = 0; step < kStepsPerRound; ++step) {
            pt -= dp;
            double G = 0.0;
            if (!fluxAt(st, s, h0, pt, G, V)) break;
            // A step not below the maximum so far becomes the maximum; the first step below it
            // has passed the peak and ends the round.
            if (step > 0 && G < gMax) break;
            gMax = G;
        }
        pt += 2.2 * dp;
        dp *= 0.1;
    }
    return {pt, V};
}

// The throat by a coarse scan down from 0.9 p0 in steps of 0.045 p0 until the flux falls, which
// encloses the first maximum below 0.9 p0 within two steps, then Brent's maximisation on that
// interval.
Throat findThroat(IF97State& st, double s, double h0, double p0) noexcept {
    const double dp = 0.05 * (0.9 * p0);
    double pt = 0.9 * p0 + dp;
    double gPrev = 0.0;
    double vPrev = 0.0;
    bool wetPrev = false;  // at the best step
    bool wetTop = false;   // one step above it
    bool wetLow = false;   // at the step below it
    bool enclosed = false;
    for (int step = 0; step < kStepsPerRound; ++step) {
        pt -= dp;
        double G = 0.0;
        double V = 0.0;
        if (!fluxAt(st, s, h0, pt, G, V)) break;
        const bool wet = st.quality() < 1.0;
        if (step > 0 && G < gPrev) {
            wetLow = wet;
            enclosed = true;
            break;
        }
        wetTop = step > 0 ? wetPrev : wet;
        gPrev = G;
        vPrev = V;
        wetPrev = wet;
    }
    if (!enclosed) return roundsSearch(st, s, h0, p0);
    return brentMax(st, s, h0, pt, pt + 2.0 * dp, pt + dp, gPrev, vPrev, wetLow, wetPrev, wetTop);
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
    if (!(p >= kCriticalVelocityPMin && p <= kCriticalVelocityPMax && x >= kCriticalVelocityXMin)) return kNotDefined;

    IF97State st;
    // Nearly dry steam whose isentrope reaches the saturated-vapour line just above p: the mass flux
    // peaks at that kink rather than at the throat, so the search would settle on a velocity that is
    // too high.  The throat velocity is then the equilibrium one.
    st.computePS(p * (1.0 + kKinkZone), s, kMaskX, 0);
    if (st.status() == 0 && st.quality() >= 1.0) return equilibriumThroatVelocity(p, s);

    double p0 = 1.8 * p;
    double pLo = 1.4 * p;
    double pHi = 2.1 * p;
    double V = 0.0;  // velocity at the throat of the last pass
    for (int pass = 0; pass < kPasses; ++pass) {
        st.computePS(p0, s, kMaskH, 1);
        if (isErrorStatus(st.status())) return kNotDefined;  // no stagnation state on this isentrope
        const Throat throat = findThroat(st, s, st.enthalpy(), p0);
        V = throat.V;
        const double pt = throat.pt;
        if (std::fabs(pt - p) / p < kPressureTol) return V;
        if (p0 < pHi && pt > p) pHi = p0;
        if (p0 > pLo && pt < p) pLo = p0;
        p0 = p * (p0 / pt);
        if (p0 > pHi || p0 < pLo || pass > 4) p0 = 0.5 * (pHi + pLo);
    }
    return V;
}

}  // namespace if97
