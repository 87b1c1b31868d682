// Wet states: computePX, computeTX and twoPhaseFromX.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "critical_velocity.h"
#include "if97_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The saturated phase evaluated directly by the single-phase equations.
Properties saturatedPhase(double p, double T, bool liquid) {
    Properties r{};
    if (T <= kT13) {
        if (liquid) {
            region1(p, T, kMaskAll, r);
        } else {
            region2(p, T, kMaskAll, r);
        }
        return r;
    }
    int side = liquid ? kSideLiquid : kSideVapour;
    r.v = region3Volume(p, T, side);
    region3(r.v, T, kMaskAll & ~kMaskP, r);
    return r;
}

void expectPhase(const IF97State& state, const Properties& ref) {
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.enthalpy(), ref.h);
    EXPECT_EQ(state.entropy(), ref.s);
    EXPECT_EQ(state.volume(), ref.v);
    EXPECT_EQ(state.cp(), ref.cp);
    EXPECT_EQ(state.soundSpeed(), ref.w);
}

TEST(TwoPhase, SaturatedEndsEqualTheSinglePhaseValues) {
    for (double p : {0.001, 0.1, 1.0, 10.0, 16.0, 17.0, 20.0, 22.0}) {
        const double T = saturationTemperature(p);
        IF97State state;
        state.computePX(p, 0.0, kMaskAll);
        EXPECT_EQ(state.temperature(), T);
        expectPhase(state, saturatedPhase(p, T, true));
        state.computePX(p, 1.0, kMaskAll);
        expectPhase(state, saturatedPhase(p, T, false));
    }
    for (double T : {273.15, 300.0, 450.0, 623.15, 630.0, 640.0, 647.0}) {
        const double p = saturationPressure(T);
        IF97State state;
        state.computeTX(T, 0.0, kMaskAll);
        EXPECT_EQ(state.pressure(), p);
        expectPhase(state, saturatedPhase(p, T, true));
        state.computeTX(T, 1.0, kMaskAll);
        expectPhase(state, saturatedPhase(p, T, false));
    }
}

TEST(TwoPhase, WetStatesInterpolateInQuality) {
    for (double T : {300.0, 500.0, 623.15, 635.0, 645.0}) {
        const double p = saturationPressure(T);
        const Properties l = saturatedPhase(p, T, true);
        const Properties g = saturatedPhase(p, T, false);
        for (double x : {0.1, 0.25, 0.5, 0.9}) {
            IF97State state;
            state.computeTX(T, x, kMaskAll);
            ASSERT_EQ(state.status(), 0);
            EXPECT_TRUE(test::relativelyNear(state.volume(), l.v + (g.v - l.v) * x, test::kSameEquation));
            EXPECT_TRUE(test::relativelyNear(state.enthalpy(), l.h + (g.h - l.h) * x, test::kSameEquation));
            EXPECT_TRUE(test::relativelyNear(state.entropy(), l.s + (g.s - l.s) * x, test::kSameEquation));
            EXPECT_EQ(state.cp(), kNotDefined);
            EXPECT_EQ(state.quality(), x);
        }
    }
}

// A wet state's w is its critical flow velocity; below x = 0.25 it is not defined.
TEST(TwoPhase, WetStateSoundSpeedIsTheCriticalFlowVelocity) {
    IF97State state;
    state.computePX(1.0, 0.5, kMaskW | kMaskS);
    EXPECT_GT(state.soundSpeed(), 0.0);
    EXPECT_EQ(state.soundSpeed(), criticalVelocity(1.0, 0.0, state.entropy(), 0.5));
    state.computePX(1.0, 0.2, kMaskW);
    EXPECT_EQ(state.soundSpeed(), kNotDefined);
}

TEST(TwoPhase, MaskSelectsWetProperties) {
    IF97State state;
    state.computePX(1.0, 0.0, kMaskAll);
    const double cp = state.cp();
    const double v = state.volume();
    state.computePX(1.0, 0.5, kMaskH);
    EXPECT_EQ(state.cp(), cp);
    EXPECT_EQ(state.volume(), v);
    state.computePX(1.0, 0.5, 0);
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.cp(), cp);
}

TEST(TwoPhase, CriticalPointIsExact) {
    IF97State state;
    state.computeTX(647.096, 0.3, kMaskAll);
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.pressure(), 22.064);
    EXPECT_EQ(state.volume(), kVc);
    state.computePX(22.064, 0.7, kMaskAll);
    EXPECT_EQ(state.status(), 0);
    EXPECT_EQ(state.temperature(), 647.096);
    EXPECT_EQ(state.volume(), kVc);
}

struct CodeRow {
    bool byPressure;  // computePX, else computeTX
    double in, x;
    int status;
};

TEST(TwoPhase, Codes) {
    const CodeRow rows[] = {
        {true, std::nextafter(22.064, 1e9), 0.5, status::AboveCriticalPressure},
        {true, 30.0, 0.0, status::AboveCriticalPressure},
        {false, std::nextafter(647.096, 1e9), 0.5, status::AboveCriticalTemperature},
        {false, 700.0, 1.0, status::AboveCriticalTemperature},
        {true, 1.0, -0.1, status::QualityRange},
        {true, 1.0, 1.1, status::QualityRange},
        {true, 1.0, kNaN, status::QualityRange},
        {false, 400.0, std::nextafter(1.0, 2.0), status::QualityRange},
        {false, 400.0, std::nextafter(0.0, -1.0), status::QualityRange},
        {true, 0.0, 0.5, status::PressureLow},
        {true, kNaN, kNaN, status::PressureLow},
        {false, 273.0, 0.5, status::TemperatureLow},
        {false, kNaN, 0.5, status::TemperatureLow},
    };
    for (const CodeRow& r : rows) {
        IF97State state;
        if (r.byPressure) {
            state.computePX(r.in, r.x, kMaskAll);
        } else {
            state.computeTX(r.in, r.x, kMaskAll);
        }
        EXPECT_EQ(state.status(), r.status) << r.in << ", x = " << r.x;
        EXPECT_EQ(state.enthalpy(), static_cast<double>(r.status));
    }
}

TEST(TwoPhase, PressureAndTemperatureRoutesAgree) {
    for (double T : {350.0, 600.0, 640.0}) {
        const double p = saturationPressure(T);
        IF97State byT;
        IF97State byP;
        byT.computeTX(T, 0.4, kMaskH | kMaskS | kMaskV);
        byP.computePX(p, 0.4, kMaskH | kMaskS | kMaskV);
        EXPECT_TRUE(test::relativelyNear(byP.temperature(), T, test::kRoundTrip));
        EXPECT_TRUE(test::relativelyNear(byP.enthalpy(), byT.enthalpy(), 1e-7));
        EXPECT_TRUE(test::relativelyNear(byP.entropy(), byT.entropy(), 1e-7));
    }
}

}  // namespace
}  // namespace if97

namespace if97 {
namespace {

// A mask of only p, T and x (the saturation calls) gives the saturation line's value and touches no
// other field, on both sides of 623.15 K and for every quality.
TEST(TwoPhase, SaturationOnlyMasksLeaveThePhasesAlone) {
    struct Row {
        double T;
        double x;
    };
    constexpr Row kRows[] = {
        {300.0, 0.0}, {400.0, 1.0}, {623.15, 0.0}, {640.0, 0.0}, {640.0, 1.0}, {646.0, 0.5}, {647.096, 1.0}};
    for (const Row& row : kRows) {
        IF97State st;
        st.computeTX(row.T, row.x, kMaskP | kMaskT | kMaskX);
        ASSERT_EQ(st.status(), 0) << row.T;
        EXPECT_EQ(st.pressure(), saturationPressure(row.T)) << row.T;
        EXPECT_EQ(st.quality(), row.x);
        const double p = st.pressure();
        IF97State px;
        px.computePX(p, row.x, kMaskT);
        ASSERT_EQ(px.status(), 0) << p;
        EXPECT_EQ(px.temperature(), saturationTemperature(p)) << p;
        // A new state's fields are 0: the phases were not evaluated.
        EXPECT_EQ(px.volume(), 0.0) << p;
        EXPECT_EQ(px.enthalpy(), 0.0) << p;
        EXPECT_EQ(st.volume(), 0.0) << row.T;
    }
}

}  // namespace
}  // namespace if97
