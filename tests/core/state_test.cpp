// IF97State: range checks, region choice by (p, T), getters and masks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "if97_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RangeRow {
    double p, T;
    int status;
};

TEST(StateRangeChecks, PressureThenTemperature) {
    const RangeRow rows[] = {
        {0.0, 300, status::PressureLow},
        {1e-7, 300, 0},
        {std::nextafter(1e-7, 0.0), 300, status::PressureLow},
        {110.32, 300, 0},
        {std::nextafter(110.32, 1e9), 300, status::PressureHigh},
        {kNaN, 300, status::PressureLow},
        {kInf, 300, status::PressureHigh},
        {-kInf, 300, status::PressureLow},
        {-1.0, 300, status::PressureLow},
        {1, 273.15, 0},
        {1, std::nextafter(273.15, 0.0), status::TemperatureLow},
        {1, kNaN, status::TemperatureLow},
        {1, kInf, status::TemperatureHigh},
        {1, -kInf, status::TemperatureLow},
        {1, 2273.15, 0},
        {1, std::nextafter(2273.15, 1e9), status::TemperatureHigh},
        {kNaN, kNaN, status::PressureLow},
        {200, 100, status::PressureHigh},
        {10.0, 1073.16, 0},
        {std::nextafter(10.0, 1e9), 1073.16, status::TemperatureHigh},
    };
    for (const RangeRow& r : rows) {
        IF97State state;
        state.computePT(r.p, r.T, kMaskAll);
        EXPECT_EQ(state.status(), r.status) << r.p << " MPa, " << r.T << " K";
        if (r.status != 0) {
            EXPECT_EQ(state.enthalpy(), static_cast<double>(r.status));
            EXPECT_EQ(state.pressure(), static_cast<double>(r.status));
            EXPECT_EQ(state.soundSpeed(), static_cast<double>(r.status));
        }
    }
}

struct RegionRow {
    double p, T;
    int region;
};

TEST(StateRegions, ChoiceByPressureAndTemperature) {
    const RegionRow rows[] = {
        {3, 300, 1},       // IF97 Table 5 state
        {0.0035, 300, 2},  // IF97 Table 15 state
        {30, 700, 2},      // below pB23(700 K) = 30.48 MPa
        {31, 700, 3},
        {25, 650, 3},
        {16.53, 623.15, 1},  // above psat(623.15 K)
        {16.52, 623.15, 2},
        {16.6, 623.16, 3},
        {100, 1073.15, 2},  // 1073.15 K belongs to region 2
        {10, std::nextafter(1073.15, 1e9), 5},
        {0.5, 1500, 5},
        {110.32, 273.15, 1},
        {1e-7, 273.15, 2},
    };
    for (const RegionRow& r : rows) {
        IF97State state;
        EXPECT_EQ(state.regionOfPT(r.p, r.T), r.region) << r.p << " MPa, " << r.T << " K";
        EXPECT_EQ(state.status(), 0);
    }
}

TEST(StateRegions, RegionOfPTCodes) {
    IF97State state;
    EXPECT_EQ(state.regionOfPT(11.0, 1100.0), status::TemperatureHigh);
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.regionOfPT(kNaN, 300.0), status::PressureLow);
    EXPECT_EQ(state.status(), status::PressureLow);
    EXPECT_EQ(state.regionOfPT(1.0, 3000.0), status::TemperatureHigh);
    EXPECT_EQ(state.status(), status::TemperatureHigh);
    EXPECT_EQ(state.regionOfPT(1.0, 300.0), 1);
    EXPECT_EQ(state.status(), 0);
}

// A state exactly on the saturation line below 623.15 K is region 2; just
// above the saturation pressure it is region 1.
TEST(StateRegions, SaturationLineIsRegion2) {
    for (double T : {300.0, 450.0, 600.0}) {
        const double ps = saturationPressure(T);
        IF97State state;
        EXPECT_EQ(state.regionOfPT(ps, T), 2) << T;
        state.computePT(ps, T, kMaskH);
        EXPECT_EQ(state.quality(), 1.0);
        Properties r2{};
        region2(ps, T, kMaskH, r2);
        EXPECT_EQ(state.enthalpy(), r2.h);
        EXPECT_EQ(state.regionOfPT(std::nextafter(ps, 1e9), T), 1) << T;
    }
}

struct EvalRow {
    double p, T;
    int region;
    double x;
};

TEST(StateCompute, EvaluatesTheChosenRegion) {
    const EvalRow rows[] = {
        {3, 300, 1, 0.0},
        {0.0035, 700, 2, 1.0},
        {0.5, 1500, 5, 1.0},
        {25, 650, 3, 1.0},    // above pc: vapour-like by definition of the search
        {18, 630, 3, 0.0},    // below pc, above psat(630 K): liquid-like
        {19, 640, 3, 1.0},    // below psat(640 K): vapour-like
        {21.9, 650, 3, 1.0},  // below pc above Tc: vapour-like
    };
    for (const EvalRow& r : rows) {
        IF97State state;
        state.computePT(r.p, r.T, kMaskAll);
        ASSERT_EQ(state.status(), 0) << r.p << " MPa, " << r.T << " K";
        Properties ref{};
        if (r.region == 1) region1(r.p, r.T, kMaskAll, ref);
        if (r.region == 2) region2(r.p, r.T, kMaskAll, ref);
        if (r.region == 5) region5(r.p, r.T, kMaskAll, ref);
        if (r.region == 3) {
            int side = kSideUnknown;
            ref.v = region3Volume(r.p, r.T, side);
            region3(ref.v, r.T, kMaskAll & ~kMaskP, ref);
        }
        EXPECT_EQ(state.pressure(), r.p);
        EXPECT_EQ(state.temperature(), r.T);
        EXPECT_EQ(state.quality(), r.x) << r.p << " MPa, " << r.T << " K";
        EXPECT_EQ(state.enthalpy(), ref.h);
        EXPECT_EQ(state.entropy(), ref.s);
        EXPECT_EQ(state.volume(), ref.v);
        EXPECT_EQ(state.cp(), ref.cp);
        EXPECT_EQ(state.soundSpeed(), ref.w);
    }
}

TEST(StateCompute, Region3ReproducesTable33ThroughTheDensitySearch) {
    // IF97 Table 33: 750 K, 500 kg/m3 at p = 0.783095639e2 MPa.
    IF97State state;
    state.computePT(78.3095639, 750, kMaskAll);
    ASSERT_EQ(state.status(), 0);
    EXPECT_TRUE(test::relativelyNear(state.volume(), 1.0 / 500, 1e-8));
    EXPECT_TRUE(test::relativelyNear(state.enthalpy(), 0.225868845e4, 1e-8));
    EXPECT_TRUE(test::relativelyNear(state.entropy(), 0.446971906e1, 1e-8));
}

TEST(StateCompute, MaskZeroLeavesPropertiesUntouched) {
    IF97State state;
    state.computePT(3, 300, kMaskAll);
    const double h = state.enthalpy();
    const double s = state.entropy();
    const double v = state.volume();
    const double cp = state.cp();
    const double w = state.soundSpeed();
    for (const auto& pt : {std::pair{80.0, 300.0}, std::pair{0.0035, 700.0}, std::pair{0.5, 1500.0}}) {
        state.computePT(pt.first, pt.second, 0);
        ASSERT_EQ(state.status(), 0);
        EXPECT_EQ(state.enthalpy(), h);
        EXPECT_EQ(state.entropy(), s);
        EXPECT_EQ(state.volume(), v);
        EXPECT_EQ(state.cp(), cp);
        EXPECT_EQ(state.soundSpeed(), w);
    }
    // Region 3 stores the volume it searched for, and nothing else.
    state.computePT(25.0, 650.0, 0);
    ASSERT_EQ(state.status(), 0);
    EXPECT_EQ(state.enthalpy(), h);
    EXPECT_EQ(state.entropy(), s);
    EXPECT_EQ(state.cp(), cp);
    EXPECT_EQ(state.soundSpeed(), w);
}

TEST(StateCompute, FailedCheckKeepsEarlierFields) {
    IF97State state;
    state.computePT(3, 300, kMaskH);
    const double h = state.enthalpy();
    state.computePT(3, 5000, kMaskH);
    EXPECT_EQ(state.status(), status::TemperatureHigh);
    EXPECT_EQ(state.enthalpy(), static_cast<double>(status::TemperatureHigh));
    state.computePT(3, 300, 0);
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.enthalpy(), h);
}

TEST(StateGetters, IsentropicExponent) {
    IF97State state;
    state.computePT(0.0035, 700, kMaskV | kMaskW);
    const double w = state.soundSpeed();
    EXPECT_DOUBLE_EQ(state.isentropicExponent(), w * w / (0.0035 * state.volume()) * 1e-6);
    // Dilute steam: close to cp/cv of the ideal gas (about 1.3).
    EXPECT_GT(state.isentropicExponent(), 1.25);
    EXPECT_LT(state.isentropicExponent(), 1.35);
    state.computePX(1.0, 0.2, kMaskV | kMaskW);  // below x = 0.25 the wet w is not defined
    EXPECT_EQ(state.soundSpeed(), kNotDefined);
    EXPECT_EQ(state.isentropicExponent(), kNotDefined);
    state.computePT(0.0, 700, kMaskW);
    EXPECT_EQ(state.isentropicExponent(), static_cast<double>(status::PressureLow));
}

TEST(StateGetters, CopiesAreIndependent) {
    IF97State a;
    a.computePT(3, 300, kMaskH);
    IF97State b = a;
    b.computePT(0.0035, 700, kMaskH);
    EXPECT_NE(a.enthalpy(), b.enthalpy());
    EXPECT_EQ(a.quality(), 0.0);
    EXPECT_EQ(b.quality(), 1.0);
}

}  // namespace
}  // namespace if97
