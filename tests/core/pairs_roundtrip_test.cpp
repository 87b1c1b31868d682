// Round trips of the (h,s), (T,s), (p,v) and (T,v) operations over dense grids: states made by
// computePT (regions 1, 2, 3, 5) and computePX (wet states) are fed back through each operation; the
// same state must come back, and evaluated forward it must reproduce the two inputs.
//
// Tolerances, and why:
//  - inputs reproduced within 3e-11 relative (h against at least 100 kJ/kg, s against at least
//    1 kJ/(kg K)): the solvers stop at 1e-13 (1e-11 where the iteration stalls at rounding level), and
//    a quality within 1e-12 of 0 or 1 is taken as the saturated state (h moves by up to 2.6e-9 kJ/kg);
//  - T within 1e-9 relative and p within 1e-9 relative, or, where the pair hardly depends on the
//    variable, within what that input tolerance allows: p of a liquid from (h,s) (dh = v dp along an
//    isentrope), from (T,s) ((ds/dp)_T = -(dv/dT)_p, zero at the density maximum) and from (T,v)
//    ((dv/dp)_T small), and T of a liquid from (p,v) ((dv/dT)_p, zero at the density maximum);
//  - x within 1e-9, and within 5e-9 above 21.9 MPa (the saturated phases there carry the 1e-9 MPa
//    tolerance of the region 3 density search);
//  - states within 0.01 K of 623.15 K, B23 and 1073.15 K: the regions on the two sides are not
//    exactly consistent (IF97 permits 5e-4 relative in v); the state found may be the other region's,
//    T within 5 mK, p within 5e-4 relative.
//  - liquid water near its density maximum: (T,s) and (p,v) may be shared by two states; then the
//    operation reports status::AmbiguousState (the ambiguous bands have their own tests).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "b23.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "properties.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

enum class Pair { HS, TS, PV, TV };
constexpr const char* kPairNames[] = {"HS", "TS", "PV", "TV"};
constexpr int kProps = kMaskAll & ~kMaskW;

constexpr double kTolInput = 3e-11;
constexpr double kTolRelative = 1e-9;
constexpr double kTolX = 1e-9;
// Above 21.9 MPa the saturated volumes come from region 3 density solves stopped at 1e-9 MPa, where
// dp/dv nears zero: within 4 kPa of the critical pressure x then carries up to 7e-9 of their rounding.
constexpr double kTolXCritical = 1e-8;
constexpr double kNearBoundaryK = 0.01;
constexpr double kTolBoundaryT = 5e-3;
constexpr double kTolBoundaryP = 5e-4;

struct Tally {
    int points = 0;
    int ambiguous = 0;
    std::vector<std::string> failures;
    void fail(Pair pair, const IF97State& ref, const IF97State& st, const char* what) {
        char buf[300];
        std::snprintf(buf,
                      sizeof buf,
                      "%s %s: p=%.12g T=%.12g x=%.9g -> status %d p=%.12g T=%.12g x=%.9g",
                      kPairNames[static_cast<int>(pair)],
                      what,
                      ref.pressure(),
                      ref.temperature(),
                      ref.quality(),
                      st.status(),
                      st.pressure(),
                      st.temperature(),
                      st.quality());
        failures.emplace_back(buf);
    }
    void report(const char* grid) const {
        for (std::size_t k = 0; k < failures.size() && k < 12; ++k) ADD_FAILURE() << grid << ": " << failures[k];
        EXPECT_TRUE(failures.empty()) << grid << ": " << failures.size() << " of " << points << " failed";
        EXPECT_GT(points, 0);
    }
};

// The two inputs of a pair taken from a state.
void inputsOf(Pair pair, const IF97State& st, double& a, double& b) {
    switch (pair) {
        case Pair::HS:
            a = st.enthalpy();
            b = st.entropy();
            return;
        case Pair::TS:
            a = st.temperature();
            b = st.entropy();
            return;
        case Pair::PV:
            a = st.pressure();
            b = st.volume();
            return;
        case Pair::TV:
            a = st.temperature();
            b = st.volume();
            return;
    }
}

void compute(Pair pair, IF97State& st, double a, double b) {
    switch (pair) {
        case Pair::HS: st.computeHS(a, b, kProps); return;
        case Pair::TS: st.computeTS(a, b, kProps); return;
        case Pair::PV: st.computePV(a, b, kProps); return;
        case Pair::TV: st.computeTV(a, b, kProps); return;
    }
}

// The state found, evaluated forward: a wet state by the (T,x) operation, a region 3 state by its
// explicit equation in (T,v) (the (p,T) operation's density search has a pressure tolerance of
// 1e-9 MPa), a saturated state by the (T,x) or (p,x) operation, any other by the (p,T) operation.
IF97State forward(const IF97State& st) {
    IF97State f;
    const double p = st.pressure();
    const double T = st.temperature();
    const double x = st.quality();
    if (x > 0.0 && x < 1.0) {
        f.computeTX(T, x, kProps);
    } else if (T > kT13 && T < kT25 && (x == 0.0 || p > pB23(T))) {
        f.computeTV(T, st.volume(), kProps);
    } else if (p == saturationPressure(T)) {
        f.computeTX(T, x, kProps);
    } else if (p <= kPc && T == saturationTemperature(p)) {
        f.computePX(p, x, kProps);
    } else {
        f.computePT(p, T, kProps);
    }
    return f;
}

// Within 0.02 K of the critical temperature the saturated phases change so fast with T that the
// inputs of a wet state come back within 1e-9 only.
constexpr double kTolInputCritical = 1e-9;

bool sameInput(double got, double given, double floor, double tol) {
    return std::fabs(got - given) <= tol * std::max(std::fabs(given), floor);
}

bool nearBoundary(double p, double T) {
    return std::fabs(T - kT13) < kNearBoundaryK || std::fabs(T - TB23(p)) < kNearBoundaryK ||
           std::fabs(T - kT25) < kNearBoundaryK;
}

// How far p (MPa) and T (K) of a liquid state may move while the pair's inputs stay within the
// solvers' reach.
struct Conditioning {
    double p;
    double T;
};

Conditioning conditioning(Pair pair, const IF97State& ref) {
    const double p = ref.pressure();
    const double T = ref.temperature();
    if (ref.quality() != 0.0 || T > kT13) return {0.0, 0.0};
    const GibbsPoint g = gibbsPoint(1, p, T);
    switch (pair) {
        case Pair::HS:  // dh = v dp along the isentrope; MPa m3/kg = 1000 kJ/kg
            return {kTolInput * std::max(std::fabs(g.h), 100.0) / (1000.0 * g.v), 0.0};
        case Pair::TS: return {kTolInput * std::max(std::fabs(g.s), 1.0) / (1000.0 * std::fabs(g.vT)), 0.0};
        case Pair::TV: return {kTolInput * g.v / std::fabs(g.vp), 0.0};
        case Pair::PV: return {0.0, kTolInput * g.v / std::fabs(g.vT)};
    }
    return {0.0, 0.0};
}

void roundTrip(Pair pair, const IF97State& ref, Tally& tally) {
    if (ref.status() != 0) return;
    double a = 0.0;
    double b = 0.0;
    inputsOf(pair, ref, a, b);
    IF97State st;
    compute(pair, st, a, b);
    ++tally.points;
    if (st.status() == status::AmbiguousState) {
        ++tally.ambiguous;
        return;
    }
    if (st.status() != 0) {
        tally.fail(pair, ref, st, "status");
        return;
    }
    const double p = ref.pressure();
    const double T = ref.temperature();
    if (nearBoundary(p, T)) {
        if (std::fabs(st.temperature() - T) > kTolBoundaryT || std::fabs(st.pressure() - p) > kTolBoundaryP * p) {
            tally.fail(pair, ref, st, "boundary state");
        }
        return;
    }
    const Conditioning c = conditioning(pair, ref);
    const bool critical = p > 21.9 && ref.quality() >= 0.0 && ref.quality() <= 1.0;
    const bool ok = std::fabs(st.temperature() - T) <= std::max(kTolRelative * T, c.T) &&
                    std::fabs(st.pressure() - p) <= std::max(kTolRelative * p, c.p) &&
                    std::fabs(st.quality() - ref.quality()) <= (critical ? kTolXCritical : kTolX);
    if (!ok) {
        tally.fail(pair, ref, st, "state");
        return;
    }
    const IF97State f = forward(st);
    double fa = 0.0;
    double fb = 0.0;
    inputsOf(pair, f, fa, fb);
    const double tol = std::fabs(T - kTc) < 0.02 ? kTolInputCritical : kTolInput;
    const bool reproduced = pair == Pair::HS   ? sameInput(fa, a, 100.0, tol) && sameInput(fb, b, 1.0, tol)
                            : pair == Pair::TS ? fa == a && sameInput(fb, b, 1.0, tol)
                            : pair == Pair::PV ? sameInput(fa, a, 0.0, tol) && sameInput(fb, b, 0.0, tol)
                                               : fa == a && sameInput(fb, b, 0.0, tol);
    if (!reproduced) tally.fail(pair, ref, st, "inputs not reproduced");
}

std::vector<double> logGrid(double lo, double hi, int n) {
    std::vector<double> g;
    for (int i = 0; i < n; ++i) g.push_back(std::exp(std::log(lo) + (std::log(hi) - std::log(lo)) * i / (n - 1)));
    g.front() = lo;
    g.back() = hi;
    return g;
}

class PairRoundTrip : public ::testing::TestWithParam<Pair> {};

// Regions 1, 2 and 5 (and 3 where the grid meets it) over the whole (p,T) range, and close to the
// saturation line on both sides.
TEST_P(PairRoundTrip, SinglePhaseGrid) {
    Tally tally;
    for (double p : logGrid(1e-7, 110.32, 81)) {
        for (int j = 0; j <= 200; ++j) {
            IF97State ref;
            ref.computePT(p, 273.15 + 10.0 * j, kProps);
            roundTrip(GetParam(), ref, tally);
        }
        if (p > kPs273 && p < kPs13) {
            const double ts = saturationTemperature(p);
            for (double d : {-0.5, -0.01, -1e-6, 1e-6, 0.01, 0.5}) {
                if (ts + d < 273.15) continue;
                IF97State ref;
                ref.computePT(p, ts + d, kProps);
                roundTrip(GetParam(), ref, tally);
            }
        }
    }
    tally.report("single-phase grid");
}

// Region 3 between 623.15 K and B23 up to 110.32 MPa, and around the critical point.
TEST_P(PairRoundTrip, Region3Grid) {
    Tally tally;
    for (int i = 0; i <= 120; ++i) {
        const double p = 16.53 + (110.32 - 16.53) * i / 120.0;
        const double tb = TB23(p);
        for (int j = 0; j <= 120; ++j) {
            IF97State ref;
            ref.computePT(p, 623.15 + (tb - 623.15) * j / 120.0, kProps);
            roundTrip(GetParam(), ref, tally);
        }
    }
    for (int i = 0; i <= 60; ++i) {
        for (int j = 0; j <= 60; ++j) {
            IF97State ref;
            ref.computePT(21.0 + 3.0 * i / 60.0, 640.0 + 15.0 * j / 60.0, kProps);
            roundTrip(GetParam(), ref, tally);
        }
    }
    tally.report("region 3 grid");
}

// Wet states (and the saturated liquid and vapour) from the triple point to just below pc.
TEST_P(PairRoundTrip, WetGrid) {
    Tally tally;
    for (double p : logGrid(0.000612, 22.06, 121)) {
        for (int j = 0; j <= 40; ++j) {
            IF97State ref;
            ref.computePX(p, j / 40.0, kProps);
            ASSERT_EQ(ref.status(), 0);
            roundTrip(GetParam(), ref, tally);
        }
    }
    tally.report("wet grid");
}

INSTANTIATE_TEST_SUITE_P(Pairs, PairRoundTrip, ::testing::Values(Pair::HS, Pair::TS, Pair::PV, Pair::TV),
                         [](const ::testing::TestParamInfo<Pair>& info) {
                             return std::string(kPairNames[static_cast<int>(info.param)]);
                         });

}  // namespace
}  // namespace if97
