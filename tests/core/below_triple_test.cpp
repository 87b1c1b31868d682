// Pressures below the saturation pressure at 273.15 K (611.213 Pa): the saturation temperature lies
// under 273.15 K, the lowest temperature of IF97, so the range holds no liquid or wet state there.
// The (p,h) and (p,s) region tests bound the range by the region 2 value at 273.15 K, computePX
// refuses the pressure, and the fast (p,s) mode solves for the temperature instead of keeping the
// region 2a backward value, which lies far outside its range there.
#include <gtest/gtest.h>

#include <cmath>

#include "boundaries_ph.h"
#include "if97_state.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

// Tolerance tiers.
constexpr double kRefinedT = 1e-6;     // K: a refined (p,h) / (p,s) temperature against the (p,T) one
constexpr double kBackwardT = 0.03;    // K: the region 2a T(p,h) backward equation (IF97 permits 10 mK; 17 mK here)
constexpr double kReproducedH = 1e-6;  // kJ/kg: h(p, T) of a refined (p,h) result
constexpr double kReproducedS = 1e-8;  // kJ/(kg K): s(p, T) of a refined (p,s) result

enum class Op { PH, PS, PX, TX };

struct Refusal {
    Op op;
    double a;          // p (MPa), or T (K) for TX
    double b;          // h, s or x
    int backwardOnly;  // PH / PS only
    int library;       // expected code, library numbering
    int shortCode;     // expected code, short numbering
    const char* why;
};

int expected(const Refusal& r) { return kShortNumbering ? r.shortCode : r.library; }

int run(const Refusal& r) {
    IF97State st;
    switch (r.op) {
        case Op::PH: st.computePH(r.a, r.b, kMaskAll, r.backwardOnly); break;
        case Op::PS: st.computePS(r.a, r.b, kMaskAll, r.backwardOnly); break;
        case Op::PX: st.computePX(r.a, r.b, kMaskAll); break;
        case Op::TX: st.computeTX(r.a, r.b, kMaskAll); break;
    }
    return st.status();
}

// Codes from the status table: -2100/-21 enthalpy too low, -2300/-23 entropy too low, -1300/-4
// pressure too low, -1100/-2 temperature too low, -1700/-17 quality out of range.  The region 2
// values at 273.15 K that bound h and s: 2501.419 kJ/kg and 13.181039 kJ/(kg K) at 1e-7 MPa,
// 2501.4125 kJ/kg and 11.055613 kJ/(kg K) at 1e-5 MPa (IF97 Eq. 15 at 273.15 K).
constexpr Refusal kRefusals[] = {
    // Fuzzing findings: taken for a liquid at 190.887 K.
    {Op::PH, 1e-7, 100.0, 0, -2100, -21, "h far below the vapour at 273.15 K"},
    {Op::PH, 1e-7, 100.0, 1, -2100, -21, "the same, fast mode"},
    {Op::PH, 1e-5, 2501.0, 0, -2100, -21, "h just below the vapour at 273.15 K"},
    {Op::PH, 1e-7, 2501.41, 0, -2100, -21, "h 0.009 kJ/kg below the vapour at 273.15 K"},
    {Op::PH, 6.1e-4, -0.04, 0, -2100, -21, "liquid h at 273.15 K, 0.2 Pa below 611.213 Pa"},
    // Fuzzing finding: 272.29 K.
    {Op::PS, 1e-5, 11.0497, 0, -2300, -23, "s just below the vapour at 273.15 K"},
    {Op::PS, 1e-5, 11.0497, 1, -2300, -23, "the same, fast mode"},
    {Op::PS, 1e-7, 13.18, 0, -2300, -23, "s 0.001 kJ/(kg K) below the vapour at 273.15 K"},
    {Op::PS, 1e-6, 0.0, 0, -2300, -23, "liquid s at 273.15 K"},
    // Fuzzing finding: a liquid at about 200 K with h of about -1165 kJ/kg.
    {Op::PX, 1.56e-6, 0.0, 0, -1300, -4, "saturation temperature about 200 K"},
    {Op::PX, 1e-7, 0.5, 0, -1300, -4, "lowest accepted pressure: Tsat 190.887 K"},
    {Op::PX, 1e-7, 1.0, 0, -1300, -4, "saturated vapour there too"},
    {Op::PX, 6.1e-4, 0.5, 0, -1300, -4, "0.2 Pa below 611.213 Pa"},
    {Op::PX, 1e-7, 2.0, 0, -1300, -4, "the pressure is refused before the quality"},
    {Op::PX, 1e-8, 0.5, 0, -1300, -4, "below the accepted range"},
    {Op::PX, 0.001, 2.0, 0, -1700, -17, "above 611.213 Pa the quality is checked"},
    // The (T,x) side: its temperature check already refuses these saturation temperatures.
    {Op::TX, 190.887, 0.0, 0, -1100, -2, "saturation temperature at 1e-7 MPa"},
    {Op::TX, 273.14, 0.5, 0, -1100, -2, "just below 273.15 K"},
};

TEST(BelowTriple, RefusalsGiveTheirCodeInThisNumbering) {
    for (const Refusal& r : kRefusals) {
        EXPECT_EQ(run(r), expected(r)) << r.why << " (a " << r.a << ", b " << r.b << ", fast " << r.backwardOnly << ")";
    }
}

TEST(BelowTriple, TheCodesOfTheTableAreThoseOfTheStatusTable) {
    EXPECT_EQ(status::EnthalpyLow, kShortNumbering ? -21 : -2100);
    EXPECT_EQ(status::EntropyLow, kShortNumbering ? -23 : -2300);
    EXPECT_EQ(status::PressureLow, kShortNumbering ? -4 : -1300);
    EXPECT_EQ(status::TemperatureLow, kShortNumbering ? -2 : -1100);
}

TEST(BelowTriple, BoundaryPressureIsTheSaturationPressureAt273K) {
    // Bit for bit the saturation line's own value (IF97 Eq. 30: 611.213 Pa at 273.15 K).
    EXPECT_EQ(kPs273, saturationPressure(273.15));
    EXPECT_TRUE(test::matchesPrinted(kPs273 * 1e6, 611.213, 6));
    EXPECT_LT(saturationTemperature(kPs273 * (1.0 - 1e-12)), 273.15);
}

TEST(BelowTriple, FromTheBoundaryPressureUpWetStatesStayAccepted) {
    IF97State st;
    st.computePX(kPs273, 0.5, kMaskAll);
    EXPECT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), 273.15, kRefinedT);
    st.computePX(0.001, 0.5, kMaskAll);
    EXPECT_EQ(st.status(), 0);
    EXPECT_TRUE(test::relativelyNear(st.temperature(), saturationTemperature(0.001), test::kSameEquation));
    st.computeTX(273.15, 0.0, kMaskAll);
    EXPECT_EQ(st.status(), 0);
    EXPECT_EQ(st.pressure(), kPs273);
}

// Liquid at 273.155 K just above 611.213 Pa (Tsat 273.164 K) is still region 1 by (p,h) and (p,s).
TEST(BelowTriple, LiquidJustAboveTheBoundaryPressureIsUnchanged) {
    const double p = kPs273 * 1.001;
    Properties liquid{};
    region1(p, 273.155, kMaskH | kMaskS, liquid);
    EXPECT_EQ(regionOfPH(p, liquid.h).region, 1);
    EXPECT_EQ(regionOfPS(p, liquid.s).region, 1);
    IF97State st;
    st.computePH(p, liquid.h, kMaskAll, 0);
    EXPECT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), 273.155, kRefinedT);
    EXPECT_EQ(st.quality(), 0.0);
    st.computePS(p, liquid.s, kMaskAll, 0);
    EXPECT_EQ(st.status(), 0);
    EXPECT_NEAR(st.temperature(), 273.155, kRefinedT);
}

struct Vapour {
    double p;  // MPa
    double T;  // K
};

// Region 2 states of the range below 611.213 Pa, 273.15 K included.  1e-7 MPa, 15.7447 kJ/(kg K)
// is the fuzzing finding whose fast (p,s) temperature was 194.58 K for 984.18 K.
constexpr Vapour kVapours[] = {
    {1e-7, 273.15},
    {1e-7, 273.2},
    {1e-7, 500.0},
    {1e-7, 984.18},
    {1e-7, 1073.15},
    {1e-6, 273.15},
    {1e-6, 650.0},
    {1e-5, 273.15},
    {1e-5, 372.0},
    {1e-4, 300.0},
    {1e-4, 1000.0},
    {6.1e-4, 273.15},
    {6.1e-4, 800.0},
};

TEST(BelowTriple, VapourStatesComeBackFromPHAndPS) {
    for (const Vapour& v : kVapours) {
        Properties ref{};
        region2(v.p, v.T, kMaskH | kMaskS, ref);
        EXPECT_EQ(regionOfPH(v.p, ref.h).region, 2) << v.p << " " << v.T;
        EXPECT_EQ(regionOfPS(v.p, ref.s).region, 2) << v.p << " " << v.T;
        IF97State st;
        st.computePH(v.p, ref.h, kMaskAll, 0);
        EXPECT_EQ(st.status(), 0);
        EXPECT_NEAR(st.temperature(), v.T, kRefinedT) << "PH " << v.p << " " << v.T;
        EXPECT_GE(st.temperature(), 273.15) << "PH " << v.p << " " << v.T;
        EXPECT_EQ(st.quality(), 1.0);
        EXPECT_NEAR(st.enthalpy(), ref.h, kReproducedH);
        st.computePS(v.p, ref.s, kMaskAll, 0);
        EXPECT_EQ(st.status(), 0);
        EXPECT_NEAR(st.temperature(), v.T, kRefinedT) << "PS " << v.p << " " << v.T;
        EXPECT_GE(st.temperature(), 273.15) << "PS " << v.p << " " << v.T;
        EXPECT_EQ(st.quality(), 1.0);
        Properties back{};
        region2(v.p, st.temperature(), kMaskS, back);
        EXPECT_NEAR(back.s, ref.s, kReproducedS);
    }
}

TEST(BelowTriple, FastModeKeepsTheVapourTemperature) {
    for (const Vapour& v : kVapours) {
        Properties ref{};
        region2(v.p, v.T, kMaskH | kMaskS, ref);
        IF97State fast;
        IF97State refined;
        fast.computePS(v.p, ref.s, kMaskAll, 1);
        refined.computePS(v.p, ref.s, kMaskAll, 0);
        EXPECT_EQ(fast.status(), 0);
        // Solved for, not taken from the 2a backward equation: the refined temperature itself.
        EXPECT_EQ(fast.temperature(), refined.temperature()) << "PS fast " << v.p << " " << v.T;
        fast.computePH(v.p, ref.h, kMaskAll, 1);
        EXPECT_EQ(fast.status(), 0);
        EXPECT_NEAR(fast.temperature(), v.T, kBackwardT) << "PH fast " << v.p << " " << v.T;
        EXPECT_GE(fast.temperature(), 273.15) << "PH fast " << v.p << " " << v.T;
    }
}

TEST(BelowTriple, FuzzingFindingOfTheFastEntropyMode) {
    // s = 15.7447 kJ/(kg K) at 1e-7 MPa: 984.18 K by the forward equation of region 2.
    IF97State fast;
    fast.computePS(1e-7, 15.7447, kMaskAll, 1);
    ASSERT_EQ(fast.status(), 0);
    EXPECT_NEAR(fast.temperature(), 984.18, 0.01);
    Properties back{};
    region2(1e-7, fast.temperature(), kMaskS, back);
    EXPECT_NEAR(back.s, 15.7447, kReproducedS);
}

// At the lowest accepted h and s below 611.213 Pa (the region 2 values at 273.15 K) the result is
// 273.15 K or above, never a refinement step below the range (the sweep found 273.1499999949 K).
TEST(BelowTriple, TheLowestAcceptedStateIsAt273K) {
    for (double p : {1e-7, 4.8067937341107394e-05, 0.00020553240623714217, 0.00061115155617660097}) {
        Properties ref{};
        region2(p, 273.15, kMaskH | kMaskS, ref);
        for (int fast = 0; fast < 2; ++fast) {
            IF97State st;
            st.computePH(p, ref.h, kMaskAll, fast);
            EXPECT_EQ(st.status(), 0);
            EXPECT_GE(st.temperature(), 273.15) << "PH " << p << " fast " << fast;
            EXPECT_NEAR(st.temperature(), 273.15, fast ? kBackwardT : kRefinedT);
            st.computePS(p, ref.s, kMaskAll, fast);
            EXPECT_EQ(st.status(), 0);
            EXPECT_GE(st.temperature(), 273.15) << "PS " << p << " fast " << fast;
            EXPECT_NEAR(st.temperature(), 273.15, kRefinedT);
        }
    }
}

}  // namespace
}  // namespace if97
