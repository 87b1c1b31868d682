// The (p,h) operation: range checks and their codes, the isotherm limits, the pressure where the two
// plans part, wet states next to the saturated liquid and vapour, backward-only temperatures, the
// region 3 and region 5 iterations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "backward_refine.h"
#include "backward_region1.h"
#include "boundaries_ph.h"
#include "if97_state.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region3_inverse.h"
#include "region5.h"
#include "region5_inverse.h"
#include "saturation.h"
#include "status.h"
#include "b23.h"

namespace if97 {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The refinement matches h within 1e-7 kJ/kg; T then agrees within 1e-7/cp K, well below this.
constexpr double kRefinedT = 1e-6;  // K
constexpr double kRefineH = 1e-7;   // kJ/kg
constexpr double kStep = 1e-6;      // kJ/kg, an input this far beyond a limit

Properties at(void (*region)(double, double, int, Properties&), double p, double T, int mask = kMaskAll) {
    Properties o{};
    region(p, T, mask, o);
    return o;
}

struct CodeRow {
    double p, h;
    int code;
    const char* why;
};

TEST(ComputePH, RangeChecksAndIsothermLimits) {
    const CodeRow rows[] = {
        {0.0, 100.0, status::PressureLow, "p = 0"},
        {kNaN, 100.0, status::PressureLow, "NaN fails the lower test"},
        {-kInf, 100.0, status::PressureLow, "-inf"},
        {110.33, 100.0, status::PressureHigh, "above 110.32 MPa"},
        {kInf, 100.0, status::PressureHigh, "+inf"},
        {1.0, kNaN, status::EnthalpyLow, "NaN enthalpy"},
        {1.0, -0.0500001, status::EnthalpyLow, "below -0.05 kJ/kg"},
        {1.0, 7377.0001, status::EnthalpyHigh, "above 7377 kJ/kg"},
        {1.0, kInf, status::EnthalpyHigh, "+inf enthalpy"},
        // Isotherm limits: 1 kJ/kg beyond the exact isotherm values (IF97 regions 1, 2, 5).
        {1.0, at(region1, 1.0, 273.15).h - kStep, status::EnthalpyLow, "below h(p, 273.15 K)"},
        {100.0, at(region1, 100.0, 273.15).h - kStep, status::EnthalpyLow, "below h(p, 273.15 K), 100 MPa"},
        {1.0, at(region5, 1.0, 2273.15).h + kStep, status::EnthalpyHigh, "above h(p, 2273.15 K)"},
        {20.0, at(region2, 20.0, 1073.15).h + kStep, status::EnthalpyHigh, "above h(p, 1073.15 K), p > 10 MPa"},
        {105.0, at(region2, 105.0, 1073.15).h + kStep, status::EnthalpyHigh, "above h(p, 1073.15 K), 105 MPa"},
        {10.0000001, at(region2, 10.0000001, 1073.15).h + kStep, status::EnthalpyHigh, "just above 10 MPa"},
    };
    IF97State st;
    for (const auto& r : rows) {
        st.computePH(r.p, r.h, kMaskAll, 0);
        EXPECT_EQ(st.status(), r.code) << r.why;
        EXPECT_EQ(st.temperature(), static_cast<double>(r.code)) << r.why;
    }
    if (!kShortNumbering) {
        st.computePH(20.0, at(region2, 20.0, 1073.15).h + kStep, kMaskAll, 0);
        EXPECT_EQ(st.status(), -2200);
        st.computePH(1.0, -1.0, kMaskAll, 0);
        EXPECT_EQ(st.status(), -2100);
    }
}

// Just above h(p, 1073.15 K) at 10 MPa and below is region 5, and at the isotherms themselves the
// state is accepted.
TEST(ComputePH, AcceptedAtTheLimits) {
    IF97State st;
    const double h5 = at(region2, 10.0, 1073.15).h + 0.01;
    st.computePH(10.0, h5, kMaskAll, 0);
    ASSERT_EQ(st.status(), 0);
    EXPECT_GT(st.temperature(), 1073.15);
    EXPECT_NEAR(at(region5, 10.0, st.temperature()).h, h5, kRefineH);
    EXPECT_EQ(st.quality(), 1.0);

    st.computePH(1.0, at(region1, 1.0, 273.15).h, kMaskAll, 0);
    EXPECT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), 273.15, kRefinedT);
    st.computePH(1.0, at(region5, 1.0, 2273.15).h, kMaskAll, 0);
    EXPECT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), 2273.15, kRefinedT);
}

// At p = 16.529164252605 MPa exactly the (p,h) plan takes the low-pressure branch: a state 0.00005 kJ/kg
// below the vapour enthalpy at Ts (= TB23 there) is wet, where the high-pressure branch would take
// it as region 2 by the B23 margin.
TEST(ComputePH, SaturationPressureAt62315KTakesTheLowPressureBranch) {
    const double p = kPs13;
    const double ts = saturationTemperature(p);
    const double hv = at(region2, p, ts).h;
    EXPECT_EQ(regionOfPH(p, hv - 0.00005).region, 4);
    IF97State st;
    st.computePH(p, hv - 0.00005, kMaskAll, 0);
    ASSERT_EQ(st.status(), 0);
    EXPECT_LT(st.quality(), 1.0);
    EXPECT_EQ(st.temperature(), ts);
    // Just above the pressure the high-pressure branch applies.
    const double pUp = std::nextafter(p, 20.0);
    EXPECT_EQ(regionOfPH(pUp, at(region2, pUp, TB23(pUp)).h - 0.00005).region, 2);
}

// A wet state within 1e-9 (in quality) of the saturated liquid is the saturated liquid: x = 0 and the
// liquid's cp; likewise next to the saturated vapour.
TEST(ComputePH, WetStatesNextToTheSaturatedPhasesSnap) {
    for (double p : {0.01, 1.0, 10.0, 16.0}) {
        const double ts = saturationTemperature(p);
        const Properties liq = at(region1, p, ts);
        const Properties vap = at(region2, p, ts);
        IF97State st;
        st.computePH(p, liq.h + 0.5e-9 * (vap.h - liq.h), kMaskAll, 0);
        ASSERT_EQ(st.status(), 0);
        EXPECT_EQ(st.quality(), 0.0) << p;
        EXPECT_EQ(st.cp(), liq.cp) << p;
        EXPECT_EQ(st.soundSpeed(), liq.w) << p;
        EXPECT_EQ(st.temperature(), ts);
        st.computePH(p, vap.h - 0.5e-9 * (vap.h - liq.h), kMaskAll, 0);
        ASSERT_EQ(st.status(), 0);
        EXPECT_EQ(st.quality(), 1.0) << p;
        EXPECT_EQ(st.cp(), vap.cp) << p;
        // 2e-9 away is wet: cp is not defined.
        st.computePH(p, liq.h + 2e-9 * (vap.h - liq.h), kMaskAll & ~kMaskW, 0);
        EXPECT_GT(st.quality(), 0.0);
        EXPECT_EQ(st.cp(), kNotDefined);
    }
}

// Wet states above 623.15 K come from the region 3 saturated phases.
TEST(ComputePH, WetStateAboveRegion1) {
    const double p = 20.0;
    IF97State sat;
    sat.computePX(p, 0.0, kMaskH | kMaskV);
    const double hl = sat.enthalpy(), vl = sat.volume();
    sat.computePX(p, 1.0, kMaskH | kMaskV);
    const double hv = sat.enthalpy(), vv = sat.volume();
    IF97State st;
    st.computePH(p, hl + 0.3 * (hv - hl), kMaskAll & ~kMaskW, 0);
    ASSERT_EQ(st.status(), 0);
    EXPECT_NEAR(st.quality(), 0.3, 1e-12);
    EXPECT_NEAR(st.volume(), vl + 0.3 * (vv - vl), 1e-15);
    EXPECT_EQ(st.temperature(), saturationTemperature(p));
}

// backwardOnly = 1 returns the backward equation's temperature (IF97 Table 7 and Table 24), whose h
// differs from the given h by the backward equation's own error; refined, h is reproduced.
TEST(ComputePH, BackwardOnlyAndRefined) {
    struct Row {
        double p, h, tBackward;
        void (*region)(double, double, int, Properties&);
    };
    const Row rows[] = {
        {3.0, 500.0, 0.391798509e3, region1},    // IF97 Table 7
        {80.0, 1500.0, 0.611041229e3, region1},  // IF97 Table 7
        {3.0, 3000.0, 0.575373370e3, region2},   // IF97 Table 24
        {25.0, 3500.0, 0.875279054e3, region2},  // IF97 Table 24
        {60.0, 2700.0, 0.791137067e3, region2},  // IF97 Table 24
    };
    IF97State st;
    for (const auto& r : rows) {
        st.computePH(r.p, r.h, kMaskAll, 1);
        ASSERT_EQ(st.status(), 0);
        EXPECT_NEAR(st.temperature(), r.tBackward, 5e-7 * r.tBackward) << r.p << " " << r.h;
        const double hBack = at(r.region, r.p, st.temperature(), kMaskH).h;
        EXPECT_GT(std::fabs(hBack - r.h), 10 * kRefineH) << "backward error expected";
        st.computePH(r.p, r.h, kMaskAll, 0);
        EXPECT_NEAR(at(r.region, r.p, st.temperature(), kMaskH).h, r.h, kRefineH) << r.p << " " << r.h;
        EXPECT_EQ(st.enthalpy(), r.h);
        EXPECT_EQ(st.volume(), at(r.region, r.p, st.temperature()).v);
    }
}

// Region 3: the critical point without iteration, and a state on either side of the saturation line.
TEST(ComputePH, Region3) {
    IF97State st;
    st.computePH(kPc, kCriticalH, kMaskAll, 0);
    ASSERT_EQ(st.status(), 0);
    EXPECT_EQ(st.temperature(), kTc);
    EXPECT_EQ(st.volume(), kVc);

    // IF97 Table 33 states: (650 K, 500 kg/m3) and (750 K, 500 kg/m3), both above 22.064 MPa.
    struct Row {
        double T, v;
    };
    for (const Row r : {Row{650.0, 1.0 / 500.0}, Row{750.0, 1.0 / 500.0}, Row{650.0, 1.0 / 200.0}}) {
        Properties o{};
        region3(r.v, r.T, kMaskP | kMaskH, o);
        st.computePH(o.p, o.h, kMaskAll, 0);
        ASSERT_EQ(st.status(), 0);
        EXPECT_NEAR(st.temperature(), r.T, kRefinedT);
        EXPECT_NEAR(st.volume(), r.v, 1e-9 * r.v);
    }
}

// The region 3 iteration reports -2500 when the enthalpy cannot be reached on its bracket.
TEST(Region3Iteration, UnreachableEnthalpyGivesTheCode) {
    double T = 0.0, v = 0.0;
    EXPECT_EQ(region3Tph(25.0, 3500.0, 650.0, kSideVapour, T, v), status::IterationConvergence);
    EXPECT_EQ(region3Tps(25.0, 7.0, 650.0, kSideVapour, T, v), status::IterationConvergence);
    // Reachable ones converge from a poor start.
    Properties o{};
    region3(1.0 / 400.0, 680.0, kMaskP | kMaskH | kMaskS, o);
    EXPECT_EQ(region3Tph(o.p, o.h, 623.15, kSideVapour, T, v), 0);
    EXPECT_NEAR(T, 680.0, kRefinedT);
    EXPECT_EQ(region3Tps(o.p, o.s, TB23(o.p), kSideVapour, T, v), 0);
    EXPECT_NEAR(T, 680.0, kRefinedT);
}

// Region 5: the secant iteration from the fitted start value reproduces the (p,T) state.
TEST(ComputePH, Region5) {
    // The 1997 region 5 check states (IF97-tables section 6).
    struct Row {
        double p, T;
    };
    IF97State st;
    for (const Row r : {Row{0.5, 1500.0}, Row{8.0, 1500.0}, Row{8.0, 2000.0}, Row{1e-6, 2200.0}, Row{10.0, 1074.0}}) {
        const Properties o = at(region5, r.p, r.T);
        st.computePH(r.p, o.h, kMaskAll, 0);
        ASSERT_EQ(st.status(), 0) << r.p << " " << r.T;
        EXPECT_NEAR(st.temperature(), r.T, kRefinedT);
        EXPECT_NEAR(st.volume(), o.v, 1e-9 * o.v);
        EXPECT_NEAR(st.soundSpeed(), o.w, 1e-6);
        EXPECT_EQ(st.quality(), 1.0);
        EXPECT_NEAR(region5Tph(r.p, o.h), r.T, kRefinedT);
    }
}

// Fields that the mask does not ask for keep their values; the inputs are stored.
TEST(ComputePH, MaskLeavesOtherFields) {
    IF97State st;
    st.computePT(1.0, 400.0, kMaskAll);
    const double cpBefore = st.cp();
    st.computePH(3.0, 500.0, kMaskT | kMaskV, 0);
    ASSERT_EQ(st.status(), 0);
    EXPECT_EQ(st.cp(), cpBefore);
    EXPECT_EQ(st.pressure(), 3.0);
    EXPECT_EQ(st.enthalpy(), 500.0);
    EXPECT_NEAR(st.volume(), at(region1, 3.0, st.temperature()).v, 1e-18);
}

}  // namespace
}  // namespace if97
