// Property-based sweep of the IFC-67 backward searches: (p,T) states over the whole valid range of
// the formulation (dense grid and seeded random points) are turned into h and s and searched back
// with tempFromPH67 / tempFromPS67; saturated and wet states from (p,x) are searched back to x.
//
// Asserted for every state inside the range:
//   - the search returns a temperature, not a code, and says "two-phase" only on the saturation line;
//   - the search converges: the temperature found reproduces h within 1e-4 Btu/lb (s within 1e-6
//     Btu/(lb R)), the search's own tolerances, and lies within the temperature they allow;
//   - a wet state's quality comes back from (p,h) and (p,s).
// Failures are counted per search, subregion and pressure decade, with the first inputs of each.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "backward67.h"
#include "calls67.h"
#include "constants67.h"
#include "forward67.h"
#include "sweep_support.h"
#include "working67.h"

namespace {

using namespace ifc67;
using sweep::Tally;

// Tolerance tiers.
constexpr double kTolH = 1e-4 * 1.01;     // Btu/lb: the (p,h) search's convergence test, and rounding
constexpr double kTolS = 1e-6 * 1.01;     // Btu/(lb R): the (p,s) search's convergence test
constexpr double kTolTh = 2e-3;           // F: the temperature 1e-4 Btu/lb allows (cp >= 0.05 Btu/(lb R))
constexpr double kTolTs = 2e-2;           // F: the temperature 1e-6 Btu/(lb R) allows at up to 2060 R
constexpr double kTolX = 1e-6;            // quality back from a wet state's h or s
constexpr double kNearSaturation = 1e-3;  // F: a state this close to Ts may be taken as two-phase

std::string bucket(const char* op, int subregion, double p) {
    return std::string(op) + " subregion " + std::to_string(subregion) + " " + sweep::pressureBand(p);
}

IFC67Working freshWorking() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

void checkPT(double p, double tF, Tally& tally) {
    IFC67Working w = freshWorking();
    const int sub = subregionOf67(p, tF);
    const double ts = p < kPc ? satTemperature67(p) : 1e9;
    for (int entropy = 0; entropy < 2; ++entropy) {
        tally.point();
        const Property prop = entropy ? Property::Entropy : Property::Enthalpy;
        const double y = callPTProperty(w, p, tF, prop);
        if (y <= -1000.0) {
            tally.fail(bucket(entropy ? "s(p,T)" : "h(p,T)", sub, p), "p=%.17g T=%.17g -> %.17g", p, tF, y);
            continue;
        }
        const char* op = entropy ? "T(p,s)" : "T(p,h)";
        SearchInfo info;
        const double t = searchTemperature67(w, p, y, entropy ? Given::Entropy : Given::Enthalpy, info);
        const bool nearSat = std::fabs(tF - ts) < kNearSaturation;
        if (t <= -1000.0) {
            tally.fail(bucket(op, sub, p) + " code",
                       "p=%.17g T=%.17g %s=%.17g -> %.17g (start %.9g)",
                       p,
                       tF,
                       entropy ? "s" : "h",
                       y,
                       t,
                       info.start);
            continue;
        }
        if (info.twoPhase) {
            if (!nearSat) {
                tally.fail(bucket(op, sub, p) + " taken as two-phase",
                           "p=%.17g T=%.17g %s=%.17g -> Ts %.17g",
                           p,
                           tF,
                           entropy ? "s" : "h",
                           y,
                           t);
            }
            continue;
        }
        if (nearSat) {
            continue;
        }
        IFC67Working check = freshWorking();
        const double back = evaluatePT67(check, p, t, prop);  // t may lie a little beyond 30 or 1600 F
        const double tol = entropy ? kTolS : kTolH;
        if (!(std::fabs(back - y) <= tol) || !(std::fabs(t - tF) <= (entropy ? kTolTs : kTolTh))) {
            tally.fail(bucket(op, sub, p) + (info.passes >= 20 ? " not converged" : " wrong"),
                       "p=%.17g T=%.17g %s=%.17g -> T %.17g after %d passes (start %.9g, set %d), back %.17g",
                       p,
                       tF,
                       entropy ? "s" : "h",
                       y,
                       t,
                       info.passes,
                       info.start,
                       info.startSet,
                       back);
        }
    }
}

void checkPX(double p, double x, Tally& tally) {
    IFC67Working w = freshWorking();
    for (int entropy = 0; entropy < 2; ++entropy) {
        tally.point();
        const double y = callPQProperty(w, p, x, entropy ? Property::Entropy : Property::Enthalpy);
        const double xb = callBackward(w, p, y, entropy ? Given::Entropy : Given::Enthalpy, Answer::Quality);
        if (!(std::fabs(xb - x) <= kTolX)) {
            tally.fail(bucket(entropy ? "x(p,s)" : "x(p,h)", 0, p),
                       "p=%.17g x=%.17g %s=%.17g -> x %.17g",
                       p,
                       x,
                       entropy ? "s" : "h",
                       y,
                       xb);
        }
    }
}

std::vector<double> pressures(int n) {
    std::vector<double> ps = sweep::logGrid(0.0881, kPMax, n);
    for (double p : {1.0,
                     4.0,
                     5.0,
                     14.696,
                     70.0,
                     450.0,
                     500.0,
                     2500.0,
                     2700.0,
                     3100.0,
                     3160.0,
                     3205.0,
                     3206.0,
                     3208.0,
                     3209.0,
                     3500.0,
                     5000.0,
                     10000.0}) {
        ps.push_back(p);
    }
    return ps;
}

TEST(SweepIFC67, BackwardSearchesOverThePTGrid) {
    Tally tally;
    for (double p : pressures(140)) {
        for (double t : sweep::linGrid(kTMin, kTMax, 315)) {
            checkPT(p, t, tally);
        }
        if (p < kPc) {
            const double ts = satTemperature67(p);
            for (double d : {-1.0, -0.01, 0.01, 1.0}) {
                if (ts + d >= kTMin) {
                    checkPT(p, ts + d, tally);
                }
            }
        }
    }
    // Around the critical point, where subregions 3 and 4 meet.
    for (double p : sweep::linGrid(3000.0, 3500.0, 26)) {
        for (double t : sweep::linGrid(690.0, 720.0, 61)) {
            checkPT(p, t, tally);
        }
    }
    tally.report("IFC-67 (p,T) grid");
}

TEST(SweepIFC67, BackwardSearchesAtRandomStates) {
    std::mt19937_64 rng(0x1967ULL);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double logLo = std::log(0.0881);
    const double logHi = std::log(kPMax);
    Tally tally;
    for (int i = 0; i < 100000; ++i) {
        checkPT(std::exp(logLo + (logHi - logLo) * unit(rng)), kTMin + (kTMax - kTMin) * unit(rng), tally);
    }
    tally.report("IFC-67 random (p,T)");
}

TEST(SweepIFC67, WetStatesComeBackToTheirQuality) {
    Tally tally;
    for (double p : sweep::logGrid(0.0881, 3200.0, 90)) {
        for (double x : sweep::linGrid(0.0, 1.0, 21)) {
            checkPX(p, x, tally);
        }
    }
    tally.report("IFC-67 wet states");
}

}  // namespace
