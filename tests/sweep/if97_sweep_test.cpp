// Property-based sweep of the IF97 core over the whole input space of each operation: dense grids
// and seeded random points for computePT, computePX, computeTX, computePH and computePS.
//
// Asserted for every input inside the valid range:
//   - no code: the status is 0 (only (p,T) above 1073.15 K and 10 MPa is refused, with -1000);
//   - the state is physical: 273.15 K <= T <= 2273.15 K, 0 <= x <= 1, v > 0;
//   - round trips: a (p,T) state fed to computePH and computePS comes back at its temperature; a
//     (p,h) or (p,s) result reproduces its h or s through computePT (single phase) or computePX (wet
//     states); a wet state from computeTX equals the one from computePX at the saturation pressure;
//   - fast mode: the backward temperature lies within the backward equations' error of the refined one.
// Every failing input is counted in a bucket per operation, region and pressure decade, and the
// report lists each bucket with its first inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "b23.h"
#include "if97_state.h"
#include "properties.h"
#include "saturation.h"
#include "status.h"
#include "sweep_support.h"

namespace {

using if97::IF97State;
using sweep::Tally;

constexpr int kMask = if97::kMaskAll & ~if97::kMaskW;  // every property but w (the wet w is an own search)

// Tolerance tiers.
constexpr double kTolT = 1e-6;            // K: refined or iterated temperatures of regions 1, 2, 3
constexpr double kTolT5 = 2e-6;           // K: region 5 secant iteration at up to 2273 K
constexpr double kTolTB23 = 5e-3;         // K: within 0.01 K of the B23 line (regions 2 and 3 differ there)
constexpr double kNearB23 = 0.01;         // K
constexpr double kTolH = 1e-6;            // kJ/kg: h reproduced by the (p,h) result
constexpr double kTolS = 1e-8;            // kJ/(kg K): s reproduced by the (p,s) result
constexpr double kTolSat = 1e-9;          // K: a wet state's temperature against Tsat(p)
constexpr double kTolWet = 1e-9;          // relative: the same wet state from (T,x) and from (p,x)
constexpr double kTolFast = 0.03;         // K: backward equations T(p,h), T(p,s) (IF97: 25 mK in region 1)
constexpr double kTolFastAbove100 = 0.5;  // K: the same equations beyond their 100 MPa, up to 110.32 MPa
constexpr double kTolBoundary = 0.05;     // K: at 623.15 K (regions 1/3) and 1073.15 K (2/5), which differ there
constexpr double kNearBoundary = 0.02;    // K
constexpr double kTolHCritical = 1e-4;    // kJ/kg: h through computePT within 0.5 MPa and 1 K of the critical point
constexpr double kTolSCritical = 2e-6;    // kJ/(kg K): the same for s
constexpr double kTolHAtCritical = 1e-2;  // kJ/kg: within 0.01 MPa and 0.01 K of it, where dh/dT is unbounded
constexpr double kTolRange = 1e-6;        // K: a result at a limit isotherm may lie this far beyond it
constexpr double kNearSaturation = 1e-6;  // K: a single-phase result this close to Tsat may change phase
constexpr double kTMin = 273.15;
constexpr double kTMax = 2273.15;
constexpr double kPMin = 1e-7;
constexpr double kPMax = 110.32;

// Pressure of the saturation line at 273.15 K: below it no liquid or wet state lies in the range.
double pTriple() { return if97::saturationPressure(kTMin); }

int regionOf(double p, double T) {
    IF97State st;
    return st.regionOfPT(p, T);
}

std::string bucket(const char* op, int region, double p) {
    return std::string(op) + " region " + std::to_string(region) + " " + sweep::pressureBand(p);
}

bool nearB23(double p, double T) { return p > if97::kPs13 && std::fabs(T - if97::TB23(p)) < kNearB23; }

// Next to the 623.15 K and 1073.15 K boundaries, where the equations of the two sides differ a little.
bool nearRegionBoundary(double p, double T) {
    return (p > if97::kPs13 && std::fabs(T - if97::kT13) < kNearBoundary) || std::fabs(T - if97::kT25) < kNearBoundary;
}

bool nearCritical(double p, double T) { return std::fabs(p - if97::kPc) < 0.5 && std::fabs(T - if97::kTc) < 1.0; }
bool atCritical(double p, double T) { return std::fabs(p - if97::kPc) < 0.01 && std::fabs(T - if97::kTc) < 0.01; }

double fastTolerance(double p) { return p <= 100.0 ? kTolFast : kTolFastAbove100; }

// The fast mode is held to the backward equations' error only from the triple-point pressure up,
// unless a test asks for the pressures below (the test at the end).
bool checkFastBelowTriple = false;
bool fastChecked(double p) { return checkFastBelowTriple || p >= pTriple(); }

// Upper end of the h or s range at p: the 2273.15 K isotherm up to 10 MPa, the 1073.15 K one above.
double upperIsotherm(double p) { return p <= 10.0 ? kTMax : if97::kT25; }

double propertyAt(double p, double T, bool entropy) {
    IF97State st;
    st.computePT(p, T, kMask);
    return entropy ? st.entropy() : st.enthalpy();
}

// One (p,T) state: codes, physical values, and the way back through (p,h) and (p,s).
void checkPT(double p, double T, Tally& tally) {
    tally.point();
    IF97State st;
    st.computePT(p, T, kMask);
    if (T > if97::kT25 && p > 10.0) {
        if (st.status() != if97::status::TemperatureHigh) {
            tally.fail("PT refusal above 1073.15 K, 10 MPa", "p=%.17g T=%.17g status %d", p, T, st.status());
        }
        return;
    }
    const int region = regionOf(p, T);
    if (st.status() != 0 || !(st.volume() > 0.0) || !(st.cp() > 0.0 || st.cp() == if97::kNotDefined)) {
        tally.fail(bucket("PT", region, p),
                   "p=%.17g T=%.17g status %d v %.9g cp %.9g",
                   p,
                   T,
                   st.status(),
                   st.volume(),
                   st.cp());
        return;
    }
    const double tol = nearB23(p, T)              ? kTolTB23
                       : nearRegionBoundary(p, T) ? kTolBoundary
                       : region == 5              ? kTolT5
                                                  : kTolT;
    for (int op = 0; op < 2; ++op) {
        for (int fast = 0; fast < (fastChecked(p) ? 2 : 1); ++fast) {
            IF97State back;
            if (op == 0) {
                back.computePH(p, st.enthalpy(), kMask, fast);
            } else {
                back.computePS(p, st.entropy(), kMask, fast);
            }
            const double t = back.temperature();
            // Regions 3 and 5 iterate in fast mode too, but a state next to a boundary may be taken for
            // region 1 or 2 and get the backward temperature.
            const double allowed = fast ? std::fmax(fastTolerance(p), tol) : tol;
            if (back.status() != 0 || !(std::fabs(t - T) <= allowed)) {
                tally.fail(
                    bucket(op == 0 ? (fast ? "PT->PH fast" : "PT->PH") : (fast ? "PT->PS fast" : "PT->PS"), region, p),
                    "p=%.17g T=%.17g %s=%.17g -> status %d T %.17g",
                    p,
                    T,
                    op == 0 ? "h" : "s",
                    op == 0 ? st.enthalpy() : st.entropy(),
                    back.status(),
                    t);
            }
        }
    }
}

// One (p,h) or (p,s) input inside the range: no code, a physical state, and h or s reproduced.
void checkPY(double p, double y, bool entropy, Tally& tally) {
    tally.point();
    const char* op = entropy ? "PS" : "PH";
    IF97State st;
    if (entropy) {
        st.computePS(p, y, kMask, 0);
    } else {
        st.computePH(p, y, kMask, 0);
    }
    const double T = st.temperature();
    const double x = st.quality();
    if (st.status() != 0 || !(T >= kTMin - kTolRange && T <= upperIsotherm(p) + kTolRange) || !(x >= 0.0 && x <= 1.0) ||
        !(st.volume() > 0.0)) {
        tally.fail(bucket(op, 0, p) + (st.status() ? " code " + std::to_string(st.status()) : std::string(" state")),
                   "p=%.17g %s=%.17g -> status %d T %.17g x %.17g v %.9g",
                   p,
                   entropy ? "s" : "h",
                   y,
                   st.status(),
                   T,
                   x,
                   st.volume());
        return;
    }
    const double ts = p <= if97::kPc ? if97::saturationTemperature(p) : -1.0;
    double back;
    int region = 4;
    if (x > 0.0 && x < 1.0) {
        if (!(std::fabs(T - ts) <= kTolSat * ts)) {
            tally.fail(bucket(op, 4, p) + " temperature",
                       "p=%.17g %s=%.17g -> T %.17g, Tsat %.17g",
                       p,
                       entropy ? "s" : "h",
                       y,
                       T,
                       ts);
            return;
        }
        IF97State wet;
        wet.computePX(p, x, kMask);
        back = entropy ? wet.entropy() : wet.enthalpy();
    } else {
        region = regionOf(p, T);
        if ((ts > 0.0 && std::fabs(T - ts) < kNearSaturation) || nearB23(p, T)) {
            return;  // the (p,T) evaluation may take the other side of the line
        }
        back = propertyAt(p, std::fmin(std::fmax(T, kTMin), upperIsotherm(p)), entropy);
    }
    const double tol = atCritical(p, T) && !entropy ? kTolHAtCritical
                       : nearCritical(p, T)         ? (entropy ? kTolSCritical : kTolHCritical)
                                                    : (entropy ? kTolS : kTolH);
    if (!(std::fabs(back - y) <= tol * std::fmax(1.0, std::fabs(y) * 1e-3))) {
        tally.fail(bucket(op, region, p) + " round trip",
                   "p=%.17g %s=%.17g -> T %.17g x %.17g, back %.17g",
                   p,
                   entropy ? "s" : "h",
                   y,
                   T,
                   x,
                   back);
        return;
    }
    if (!fastChecked(p)) {
        return;
    }
    IF97State fast;
    if (entropy) {
        fast.computePS(p, y, kMask, 1);
    } else {
        fast.computePH(p, y, kMask, 1);
    }
    if (fast.status() != 0 || !(std::fabs(fast.temperature() - T) <= fastTolerance(p))) {
        tally.fail(bucket(entropy ? "PS fast" : "PH fast", region, p),
                   "p=%.17g %s=%.17g -> status %d T %.17g, refined %.17g",
                   p,
                   entropy ? "s" : "h",
                   y,
                   fast.status(),
                   fast.temperature(),
                   T);
    }
}

// One wet state from (p,x): no code, T = Tsat(p), and back through (p,h) and (p,s) to the same h, s.
void checkPX(double p, double x, Tally& tally) {
    tally.point();
    IF97State st;
    st.computePX(p, x, kMask);
    const double ts = if97::saturationTemperature(p);
    if (st.status() != 0 || st.temperature() != ts || !(st.volume() > 0.0)) {
        tally.fail(bucket("PX", 4, p), "p=%.17g x=%.17g -> status %d T %.17g", p, x, st.status(), st.temperature());
        return;
    }
    for (int op = 0; op < 2; ++op) {
        const bool entropy = op == 1;
        const double y = entropy ? st.entropy() : st.enthalpy();
        IF97State back;
        if (entropy) {
            back.computePS(p, y, kMask, 0);
        } else {
            back.computePH(p, y, kMask, 0);
        }
        if (back.status() != 0 || !(std::fabs(back.temperature() - ts) <= kTolT)) {
            tally.fail(bucket(entropy ? "PX->PS" : "PX->PH", 4, p),
                       "p=%.17g x=%.17g %s=%.17g -> status %d T %.17g, Tsat %.17g",
                       p,
                       x,
                       entropy ? "s" : "h",
                       y,
                       back.status(),
                       back.temperature(),
                       ts);
        }
    }
}

// One wet state from (T,x) against the same state from (p,x) at the saturation pressure.
void checkTX(double T, double x, Tally& tally) {
    tally.point();
    IF97State st;
    st.computeTX(T, x, kMask);
    const double p = if97::saturationPressure(T);
    IF97State ref;
    ref.computePX(p, x, kMask);
    const auto close = [](double a, double b) { return std::fabs(a - b) <= kTolWet * std::fmax(1.0, std::fabs(b)); };
    if (st.status() != 0 || st.pressure() != p || !close(st.enthalpy(), ref.enthalpy()) ||
        !close(st.entropy(), ref.entropy()) || !close(st.volume(), ref.volume())) {
        tally.fail(bucket("TX", 4, p),
                   "T=%.17g x=%.17g -> status %d h %.17g, from (p,x) %.17g",
                   T,
                   x,
                   st.status(),
                   st.enthalpy(),
                   ref.enthalpy());
    }
}

std::vector<double> pressures(double lo, int n) {
    std::vector<double> ps = sweep::logGrid(lo, kPMax, n);
    for (double p : {0.000611657, 0.1, 1.0, 10.0, 16.529164252605, 16.6, 20.0, 22.0, 22.064, 22.1, 25.0, 50.0, 100.0}) {
        if (p >= lo) {
            ps.push_back(p);
        }
    }
    return ps;
}

std::vector<double> wetQualities() {
    std::vector<double> xs = sweep::linGrid(0.0, 1.0, 21);
    for (double x : {1e-12, 1e-6, 0.001, 0.999, 1.0 - 1e-6, 1.0 - 1e-12}) {
        xs.push_back(x);
    }
    return xs;
}

TEST(SweepIF97, PTGridAndRoundTrips) {
    Tally tally;
    for (double p : pressures(kPMin, 140)) {
        for (double T : sweep::linGrid(kTMin, kTMax, 401)) {
            checkPT(p, T, tally);
        }
        for (double T : {623.15, 623.16, 647.096, 1073.15, 1073.16}) {
            checkPT(p, T, tally);
        }
        if (p < if97::kPc) {
            const double ts = if97::saturationTemperature(p);
            for (double d : {-1e-3, 1e-3, -0.1, 0.1}) {
                if (ts + d >= kTMin) {
                    checkPT(p, ts + d, tally);
                }
            }
        }
    }
    // Around the critical point and along the B23 line.
    for (double p : sweep::linGrid(21.5, 23.0, 31)) {
        for (double T : sweep::linGrid(640.0, 655.0, 61)) {
            checkPT(p, T, tally);
        }
    }
    for (double p : sweep::linGrid(16.53, kPMax, 40)) {
        const double tb = if97::TB23(p);
        for (double d : {-0.5, -0.02, 0.02, 0.5}) {
            checkPT(p, tb + d, tally);
        }
    }
    tally.report("computePT");
}

TEST(SweepIF97, PHAndPSGridsOverTheWholeRange) {
    for (int entropy = 0; entropy < 2; ++entropy) {
        Tally tally;
        // Below the triple-point pressure the range starts at the vapour at 273.15 K.
        for (double p : pressures(kPMin, 140)) {
            const double lo = propertyAt(p, kTMin, entropy);
            const double hi = propertyAt(p, upperIsotherm(p), entropy);
            for (double y : sweep::linGrid(lo, hi, 401)) {
                checkPY(p, y, entropy, tally);
            }
        }
        tally.report(entropy ? "computePS grid" : "computePH grid");
    }
}

TEST(SweepIF97, WetStatesFromPXAndTX) {
    Tally tally;
    for (double p : sweep::logGrid(pTriple(), if97::kPc, 120)) {
        for (double x : wetQualities()) {
            checkPX(p, x, tally);
        }
    }
    for (double T : sweep::linGrid(kTMin, if97::kTc, 160)) {
        for (double x : wetQualities()) {
            checkTX(T, x, tally);
        }
    }
    tally.report("computePX / computeTX");
}

TEST(SweepIF97, SeededRandomPoints) {
    std::mt19937_64 rng(0x13F0A97ULL);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double logLo = std::log(kPMin);
    const double logHi = std::log(kPMax);
    const auto pressure = [&] { return std::exp(logLo + (logHi - logLo) * unit(rng)); };
    Tally pt;
    Tally py;
    Tally px;
    for (int i = 0; i < 100000; ++i) {
        const double p = pressure();
        checkPT(p, kTMin + (kTMax - kTMin) * unit(rng), pt);
    }
    for (int i = 0; i < 100000; ++i) {
        const double p = pressure();
        const bool entropy = (i & 1) != 0;
        const double lo = propertyAt(p, kTMin, entropy);
        const double hi = propertyAt(p, upperIsotherm(p), entropy);
        checkPY(p, lo + (hi - lo) * unit(rng), entropy, py);
    }
    for (int i = 0; i < 20000; ++i) {
        const double p = std::exp(std::log(pTriple()) + (std::log(if97::kPc) - std::log(pTriple())) * unit(rng));
        checkPX(p, unit(rng), px);
    }
    pt.report("random (p,T)");
    py.report("random (p,h) and (p,s)");
    px.report("random (p,x)");
}

// Below the pressure of the saturation line at 273.15 K every state of the range is vapour: (p,x)
// has no state there, (p,h) and (p,s) below the vapour's value at 273.15 K lie outside the range,
// and the fast mode must still give the vapour's temperature.
TEST(SweepIF97, NothingBelowTheTriplePointPressureIsTakenForLiquidOrWet) {
    Tally tally;
    for (double p : sweep::logGrid(kPMin, pTriple() * 0.9999, 25)) {
        IF97State wet;
        wet.computePX(p, 0.5, kMask);
        tally.point();
        if (wet.status() == 0 && wet.temperature() < kTMin) {
            tally.fail(bucket("PX", 4, p), "p=%.17g x=0.5 -> T %.17g", p, wet.temperature());
        }
        for (int entropy = 0; entropy < 2; ++entropy) {
            const double lo = propertyAt(p, kTMin, entropy);
            for (double y : sweep::linGrid(entropy ? -0.011 : -0.05, lo, 40)) {
                tally.point();
                IF97State st;
                if (entropy) {
                    st.computePS(p, y, kMask, 0);
                } else {
                    st.computePH(p, y, kMask, 0);
                }
                const bool below = y < lo;
                const int want = entropy ? if97::status::EntropyLow : if97::status::EnthalpyLow;
                if (below ? st.status() != want : (st.status() != 0 || st.temperature() < kTMin)) {
                    tally.fail(bucket(entropy ? "PS" : "PH", 0, p),
                               "p=%.17g %s=%.17g -> status %d T %.17g",
                               p,
                               entropy ? "s" : "h",
                               y,
                               st.status(),
                               st.temperature());
                }
            }
        }
    }
    checkFastBelowTriple = true;
    for (double p : sweep::logGrid(kPMin, pTriple() * 0.9999, 25)) {
        for (double T : sweep::linGrid(kTMin, kTMax, 101)) {
            checkPT(p, T, tally);
        }
    }
    checkFastBelowTriple = false;
    tally.report("below the triple-point pressure");
}

}  // namespace
