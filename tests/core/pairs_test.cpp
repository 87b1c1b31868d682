// The (h,s), (T,s), (p,v) and (T,v) operations: verification values, the region boundaries approached
// from both sides, the ambiguous states of liquid water near its density maximum, and the codes of
// inputs beyond the range. The internal energy, cv and density getters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <random>

#include "b23.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "properties.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr int kProps = kMaskAll & ~kMaskW;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTolT = 1e-7;  // K: a state coming back through a pair
constexpr double kTolRel = 1e-9;

// IF97 Table 33 through (T,v): region 3 is explicit in (rho, T), so the operation must give every
// printed property (p, h, u, s, cp, w) to its nine digits.
TEST(PairTV, IF97Table33) {
    struct Row {
        double T, rho, p, h, u, s, cp, w;
    };
    const Row rows[] = {
        {650, 500, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2, 0.502005554e3},
        {650, 200, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2, 0.383444594e3},
        {750, 500, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1, 0.760696041e3},
    };
    for (const Row& r : rows) {
        IF97State st;
        st.computeTV(r.T, 1.0 / r.rho, kMaskAll | kMaskU);
        ASSERT_EQ(st.status(), 0) << r.T << " " << r.rho;
        EXPECT_TRUE(test::matchesPrinted(st.pressure(), r.p));
        EXPECT_TRUE(test::matchesPrinted(st.enthalpy(), r.h));
        EXPECT_TRUE(test::matchesPrinted(st.internalEnergy(), r.u));
        EXPECT_TRUE(test::matchesPrinted(st.entropy(), r.s));
        EXPECT_TRUE(test::matchesPrinted(st.cp(), r.cp));
        EXPECT_TRUE(test::matchesPrinted(st.soundSpeed(), r.w));
        EXPECT_DOUBLE_EQ(st.density(), r.rho);
    }
}

// Internal energy u = h - p v against IF97 Tables 5 (region 1), 15 (region 2) and the region 5
// values of the 1997 coefficients.
TEST(StateDerived, InternalEnergyTables5And15AndRegion5) {
    struct Row {
        double p, T, u;
    };
    const Row rows[] = {
        {3, 300, 0.112324818e3},
        {80, 300, 0.106448356e3},
        {3, 500, 0.971934985e3},  // Table 5
        {0.0035, 300, 0.241169160e4},
        {0.0035, 700, 0.301262819e4},
        {30, 700, 0.246861076e4},  // Table 15
        {0.5, 1500, 0.452748654e4},
        {8, 1500, 0.451397105e4},
        {8, 2000, 0.565785774e4},  // region 5
    };
    for (const Row& r : rows) {
        IF97State st;
        st.computePT(r.p, r.T, kMaskU);
        EXPECT_TRUE(test::matchesPrinted(st.internalEnergy(), r.u)) << r.p << " " << r.T;
    }
}

// cv against the definition (du/dT)_v, by central differences through the (T,v) operation, in
// every region; and cv < cp.
TEST(StateDerived, CvIsTheSlopeOfUAtConstantVolume) {
    const double states[][2] = {
        {3, 300}, {80, 500}, {0.0035, 700}, {30, 700}, {25, 650}, {40, 700}, {0.5, 1500}, {8, 2000}};
    for (const auto& s : states) {
        IF97State st;
        st.computePT(s[0], s[1], kMaskAll | kMaskCv);
        ASSERT_EQ(st.status(), 0);
        const double v = st.volume();
        const double dT = 1e-3;
        IF97State up;
        IF97State down;
        up.computeTV(s[1] + dT, v, kMaskU);
        down.computeTV(s[1] - dT, v, kMaskU);
        const double slope = (up.internalEnergy() - down.internalEnergy()) / (2.0 * dT);
        EXPECT_TRUE(test::relativelyNear(st.cv(), slope, 1e-6)) << s[0] << " MPa " << s[1] << " K";
        EXPECT_LT(st.cv(), st.cp());
    }
}

TEST(StateDerived, WetStates) {
    IF97State liquid;
    IF97State vapour;
    IF97State wet;
    liquid.computePX(1.0, 0.0, kMaskU | kMaskCv);
    vapour.computePX(1.0, 1.0, kMaskU | kMaskCv);
    wet.computePX(1.0, 0.25, kMaskU | kMaskCv);
    EXPECT_NEAR(wet.internalEnergy(), 0.75 * liquid.internalEnergy() + 0.25 * vapour.internalEnergy(), 1e-9);
    EXPECT_NEAR(wet.density(), 1.0 / (0.75 / liquid.density() + 0.25 / vapour.density()), 1e-9);
    EXPECT_EQ(wet.cv(), kNotDefined);
    EXPECT_GT(liquid.cv(), 3.0);
    EXPECT_GT(vapour.cv(), 1.0);
    wet.computePX(30.0, 0.5, kMaskU);
    EXPECT_EQ(wet.internalEnergy(), status::AboveCriticalPressure);
    EXPECT_EQ(wet.cv(), status::AboveCriticalPressure);
}

// The four pairs taken from one state must each give the state back: T and p within kTolT and
// kTolRel, or, for a liquid whose pair hardly depends on p (or T), within what the solvers' input
// tolerance of 1e-11 allows (as in the round-trip grids).
enum class Pair { HS, TS, PV, TV };

void expectSameState(const IF97State& ref, const IF97State& st, Pair pair, const char* name) {
    ASSERT_EQ(st.status(), 0) << name << " at " << ref.pressure() << " MPa " << ref.temperature() << " K";
    double tolP = kTolRel * ref.pressure();
    double tolT = kTolT;
    if (ref.quality() == 0.0 && ref.temperature() <= kT13) {
        const GibbsPoint g = gibbsPoint(1, ref.pressure(), ref.temperature());
        constexpr double kInput = 1e-11;
        if (pair == Pair::HS) tolP = std::max(tolP, kInput * std::max(std::fabs(g.h), 100.0) / (1000.0 * g.v));
        if (pair == Pair::TS) {
            tolP = std::max(tolP, kInput * std::max(std::fabs(g.s), 1.0) / (1000.0 * std::fabs(g.vT)));
        }
        if (pair == Pair::TV) tolP = std::max(tolP, kInput * g.v / std::fabs(g.vp));
        if (pair == Pair::PV) tolT = std::max(tolT, kInput * g.v / std::fabs(g.vT));
    }
    EXPECT_NEAR(st.temperature(), ref.temperature(), tolT) << name;
    EXPECT_NEAR(st.pressure(), ref.pressure(), tolP) << name;
    EXPECT_NEAR(st.quality(), ref.quality(), 1e-9) << name;
}

void expectAllPairs(const IF97State& ref) {
    IF97State st;
    st.computeHS(ref.enthalpy(), ref.entropy(), kProps);
    expectSameState(ref, st, Pair::HS, "HS");
    st.computeTS(ref.temperature(), ref.entropy(), kProps);
    expectSameState(ref, st, Pair::TS, "TS");
    st.computePV(ref.pressure(), ref.volume(), kProps);
    expectSameState(ref, st, Pair::PV, "PV");
    st.computeTV(ref.temperature(), ref.volume(), kProps);
    expectSameState(ref, st, Pair::TV, "TV");
}

// The saturated liquid and vapour lines from both sides: a compressed liquid (superheated vapour)
// 1 mK from the line, the saturated state itself, and wet states of quality 1e-9 from it. (Below
// about 281 K the saturated liquid shares (T,s) and (p,v) with other states: the ambiguity tests.)
TEST(PairBoundaries, SaturationLinesFromBothSides) {
    for (double T : {300.0, 450.0, 600.0, 623.14, 623.16, 640.0, 647.0}) {
        const double ps = saturationPressure(T);
        for (double x : {0.0, 1e-9, 1.0 - 1e-9, 1.0}) {
            IF97State ref;
            ref.computeTX(T, x, kProps);
            ASSERT_EQ(ref.status(), 0);
            expectAllPairs(ref);
        }
        IF97State liquid;
        liquid.computePT(ps, T - 1e-3, kProps);  // above the saturation pressure of T - 1 mK
        ASSERT_EQ(liquid.quality(), 0.0);
        expectAllPairs(liquid);
        IF97State vapour;
        vapour.computePT(ps, T + 1e-3, kProps);
        ASSERT_EQ(vapour.quality(), 1.0);
        expectAllPairs(vapour);
    }
}

// At the triple point: the saturated vapour and the wet states from every pair; the saturated
// liquid from (h,s) and (T,v), while (T,s) and (p,v) find it shares them with a compressed liquid.
TEST(PairBoundaries, TriplePoint) {
    const double T = 273.16;
    for (double x : {1e-3, 0.5, 1.0}) {
        IF97State ref;
        ref.computeTX(T, x, kProps);
        expectAllPairs(ref);
    }
    IF97State liquid;
    liquid.computeTX(T, 0.0, kProps);
    IF97State st;
    st.computeHS(liquid.enthalpy(), liquid.entropy(), kProps);
    expectSameState(liquid, st, Pair::HS, "HS");
    st.computeTV(T, liquid.volume(), kProps);
    expectSameState(liquid, st, Pair::TV, "TV");
    st.computeTS(T, liquid.entropy(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    st.computePV(liquid.pressure(), liquid.volume() * (1.0 + 1e-9), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
}

// The region boundaries 623.15 K, B23 and 1073.15 K from both sides, 20 mK away (beyond the few
// mK by which IF97's regions differ there), and on them.
TEST(PairBoundaries, RegionBoundariesFromBothSides) {
    for (double p : {17.0, 30.0, 60.0, 100.0}) {
        for (double T : {kT13 - 0.02, kT13, kT13 + 0.02, TB23(p) - 0.02, TB23(p) + 0.02}) {
            IF97State ref;
            ref.computePT(p, T, kProps);
            ASSERT_EQ(ref.status(), 0);
            expectAllPairs(ref);
        }
    }
    for (double p : {1e-4, 0.1, 5.0, 10.0}) {
        for (double T : {kT25 - 0.02, kT25, kT25 + 0.02}) {
            IF97State ref;
            ref.computePT(p, T, kProps);
            ASSERT_EQ(ref.status(), 0);
            expectAllPairs(ref);
        }
    }
    // Above 10 MPa region 2 ends at 1073.15 K: the state on it comes back, h or v beyond it gives
    // the code of a temperature above the range.
    IF97State edge;
    edge.computePT(20.0, kT25, kProps);
    expectAllPairs(edge);
    IF97State st;
    st.computeHS(edge.enthalpy() + 1.0, edge.entropy() + 1e-3, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
    st.computePV(20.0, edge.volume() * 1.001, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
}

// The critical point and its surroundings: single phase above and beside it, wet states below.
TEST(PairBoundaries, CriticalPoint) {
    IF97State c;
    c.computePT(kPc, kTc, kProps);
    ASSERT_EQ(c.status(), 0);
    IF97State st;
    st.computeHS(c.enthalpy(), c.entropy(), kProps);
    ASSERT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), kTc, 1e-6);
    EXPECT_NEAR(st.pressure(), kPc, 1e-6);
    st.computeTV(kTc, kVc, kProps);
    ASSERT_EQ(st.status(), 0);
    EXPECT_NEAR(st.pressure(), kPc, 1e-8);
    st.computeTS(kTc, c.entropy(), kProps);
    ASSERT_EQ(st.status(), 0);
    EXPECT_NEAR(st.pressure(), kPc, 1e-6);
    st.computePV(kPc, kVc, kProps);
    ASSERT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), kTc, 1e-6);
    for (double p : {kPc - 0.01, kPc + 0.01}) {
        for (double T : {kTc - 0.05, kTc + 0.05}) {
            IF97State ref;
            ref.computePT(p, T, kProps);
            ASSERT_EQ(ref.status(), 0);
            expectAllPairs(ref);
        }
    }
    for (double x : {0.05, 0.5, 0.95}) {
        IF97State ref;
        ref.computePX(22.0, x, kProps);
        expectAllPairs(ref);
    }
}

// (p,v) near the density maximum: at 0.1 MPa liquid water is densest at about 277.13 K; the liquid at
// 275 K and the one at about 279.3 K with the same v are both refused, from either side; a v that
// only the warm branch reaches, and the liquid at 50 MPa (no maximum above 273.15 K there), are
// solved.
TEST(PairAmbiguity, PressureVolumeOnBothSidesOfTheDensityMaximum) {
    IF97State cold;
    cold.computePT(0.1, 275.0, kProps);
    IF97State st;
    st.computePV(0.1, cold.volume(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    // The warm partner: the temperature above the maximum with the cold state's volume.
    double lo = 277.2;
    double hi = 285.0;
    for (int k = 0; k < 60; ++k) {
        IF97State mid;
        mid.computePT(0.1, 0.5 * (lo + hi), kMaskV);
        (mid.volume() < cold.volume() ? lo : hi) = 0.5 * (lo + hi);
    }
    IF97State warm;
    warm.computePT(0.1, 0.5 * (lo + hi), kProps);
    EXPECT_GT(warm.temperature(), 279.0);
    st.computePV(0.1, warm.volume(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    // Just beyond the band on the warm side (v above v(273.15 K)): one state.
    IF97State outside;
    outside.computePT(0.1, 283.0, kProps);
    expectAllPairs(outside);
    // Denser than the maximum: no state.
    IF97State densest;
    densest.computePT(0.1, 277.13, kMaskV);
    st.computePV(0.1, densest.volume() * (1.0 - 1e-6), kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    // At 50 MPa v rises with T from 273.15 K.
    IF97State high;
    high.computePT(50.0, 275.0, kProps);
    expectAllPairs(high);
}

// (p,v) below about 1.1 kPa the saturation temperature lies close above the density maximum: a cold
// liquid shares its v with a wet state of very small quality; both are refused.
TEST(PairAmbiguity, PressureVolumeLiquidAndWetState) {
    const double p = 0.0009;  // Tsat = 278.5 K
    IF97State liquid;
    liquid.computePT(p, 274.0, kProps);
    IF97State st;
    st.computePV(p, liquid.volume(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    IF97State barelyWet;
    barelyWet.computePX(p, 1e-12, kProps);
    st.computePV(p, barelyWet.volume(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    IF97State wet;
    wet.computePX(p, 0.01, kProps);
    expectAllPairs(wet);
}

// (T,s) near the density maximum: at 275 K s rises with p up to about 10.4 MPa and falls beyond, so
// two liquid states (and a wet state of very small quality) share an entropy between s' and that
// maximum; below s' only the compressed branch has it, above the maximum only the wet state.
TEST(PairAmbiguity, TemperatureEntropyOnBothSidesOfTheDensityMaximum) {
    const double T = 275.0;
    IF97State low;
    low.computePT(2.0, T, kProps);
    IF97State st;
    st.computeTS(T, low.entropy(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    // The partner above the maximum, by bisection on the falling branch.
    double lo = 15.0;
    double hi = 110.0;
    for (int k = 0; k < 60; ++k) {
        IF97State mid;
        mid.computePT(0.5 * (lo + hi), T, kMaskS);
        (mid.entropy() > low.entropy() ? lo : hi) = 0.5 * (lo + hi);
    }
    IF97State partner;
    partner.computePT(0.5 * (lo + hi), T, kProps);
    EXPECT_GT(partner.pressure(), 10.4);
    st.computeTS(T, partner.entropy(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    IF97State barelyWet;
    barelyWet.computeTX(T, 1e-9, kProps);
    st.computeTS(T, barelyWet.entropy(), kProps);
    EXPECT_EQ(st.status(), status::AmbiguousState);
    // Below s': the compressed branch only. Above the maximum: the wet state only.
    IF97State compressed;
    compressed.computePT(100.0, T, kProps);
    expectAllPairs(compressed);
    IF97State wet;
    wet.computeTX(T, 1e-4, kProps);
    expectAllPairs(wet);
    // At 290 K there is no maximum on the isotherm.
    IF97State warm;
    warm.computePT(2.0, 290.0, kProps);
    expectAllPairs(warm);
}

// Inputs beyond the range give the code of the limit they cross; NaN fails the lower test.
TEST(PairRange, Codes) {
    IF97State st;
    IF97State ref;
    // (h,s)
    ref.computePT(100.0, 300.0, kProps);
    st.computeHS(ref.enthalpy() + 20.0, ref.entropy() - 0.01, kProps);  // beyond 100 MPa at that entropy
    EXPECT_EQ(st.status(), status::PressureHigh);
    st.computeHS(-0.04, 0.0, kProps);  // below the 273.15 K isotherm
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computeHS(2500.0, 15.0, kProps);  // vapour below 273.15 K
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computeHS(7000.0, 20.0, kProps);  // below 1e-7 MPa
    EXPECT_EQ(st.status(), status::PressureLow);
    st.computeHS(7300.0, 9.0, kProps);  // hotter than 2273.15 K
    EXPECT_EQ(st.status(), status::TemperatureHigh);
    st.computeHS(kNaN, 1.0, kProps);
    EXPECT_EQ(st.status(), status::EnthalpyLow);
    st.computeHS(100.0, kNaN, kProps);
    EXPECT_EQ(st.status(), status::EntropyLow);
    // (T,s)
    st.computeTS(400.0, 30.0, kProps);
    EXPECT_EQ(st.status(), status::PressureLow);
    st.computeTS(400.0, 1.0, kProps);
    EXPECT_EQ(st.status(), status::PressureHigh);
    st.computeTS(1500.0, 5.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
    st.computeTS(273.0, 5.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computeTS(kNaN, 5.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    // (p,v)
    st.computePV(1.0, 0.0009, kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computePV(1.0, 0.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computePV(1.0, kNaN, kProps);
    EXPECT_EQ(st.status(), status::TemperatureLow);
    st.computePV(1.0, 20.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
    st.computePV(0.0, 1.0, kProps);
    EXPECT_EQ(st.status(), status::PressureLow);
    st.computePV(200.0, 0.001, kProps);
    EXPECT_EQ(st.status(), status::PressureHigh);
    // (T,v)
    st.computeTV(300.0, 0.0009, kProps);
    EXPECT_EQ(st.status(), status::PressureHigh);
    st.computeTV(300.0, -1.0, kProps);
    EXPECT_EQ(st.status(), status::PressureHigh);
    st.computeTV(300.0, kNaN, kProps);
    EXPECT_EQ(st.status(), status::PressureHigh);
    st.computeTV(300.0, 1e9, kProps);
    EXPECT_EQ(st.status(), status::PressureLow);
    st.computeTV(1500.0, 0.01, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
    st.computeTV(2300.0, 1.0, kProps);
    EXPECT_EQ(st.status(), status::TemperatureHigh);
}

// Inputs over the whole box the range checks accept (and beyond it for v): every result is a state
// within the range with finite properties, a range code, or the ambiguous-state code; never a
// convergence failure.
TEST(PairRange, EveryInputGivesAStateOrARangeCode) {
    std::mt19937_64 rng(2026);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const int allowed[] = {0,
                           status::TemperatureHigh,
                           status::TemperatureLow,
                           status::PressureHigh,
                           status::PressureLow,
                           status::EnthalpyLow,
                           status::EnthalpyHigh,
                           status::EntropyLow,
                           status::EntropyHigh,
                           status::AmbiguousState};
    for (int k = 0; k < 20000; ++k) {
        IF97State st;
        const double logV = std::log(1e-4) + u(rng) * std::log(1e12);
        switch (k % 4) {
            case 0: st.computeHS(-1.0 + u(rng) * 7400.0, -0.1 + u(rng) * 20.0, kProps); break;
            case 1: st.computeTS(273.0 + u(rng) * 2001.0, -0.1 + u(rng) * 20.0, kProps); break;
            case 2: st.computePV(std::exp(std::log(1e-7) + u(rng) * std::log(1.1e9)), std::exp(logV), kProps); break;
            default: st.computeTV(273.0 + u(rng) * 2001.0, std::exp(logV), kProps); break;
        }
        const int code = st.status();
        EXPECT_NE(std::find(std::begin(allowed), std::end(allowed), code), std::end(allowed)) << k << ": " << code;
        if (code != 0) continue;
        for (double value : {st.pressure(), st.temperature(), st.quality(), st.enthalpy(), st.entropy(), st.volume()}) {
            EXPECT_TRUE(std::isfinite(value)) << k;
        }
        EXPECT_GE(st.pressure(), 1e-7);
        EXPECT_LE(st.pressure(), 110.32);
        EXPECT_GE(st.temperature(), 273.15);
        EXPECT_LE(st.temperature(), 2273.15);
    }
}

// The limits themselves are in the range: 1e-7 MPa, 110.32 MPa, 273.15 K, 2273.15 K.
TEST(PairRange, LimitsAreAccepted) {
    const double states[][2] = {{1e-7, 273.15}, {1e-7, 2273.15}, {110.32, 273.15}, {110.32, 1073.15}, {10.0, 2273.15}};
    for (const auto& s : states) {
        IF97State ref;
        ref.computePT(s[0], s[1], kProps);
        ASSERT_EQ(ref.status(), 0);
        expectAllPairs(ref);
    }
}

}  // namespace
}  // namespace if97
