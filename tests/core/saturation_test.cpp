// The saturation line (IF97 Eqs. 30, 31) and the 2-3 boundary (IF97 Eqs. 5, 6).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "b23.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

using test::matchesPrinted;

struct Row {
    double in;
    double expected;
};

TEST(Saturation, PressureReproducesTable35) {
    // IF97 Table 35.
    const Row rows[] = {{300, 0.353658941e-2}, {500, 0.263889776e1}, {600, 0.123443146e2}};
    for (const Row& r : rows) EXPECT_TRUE(matchesPrinted(saturationPressure(r.in), r.expected)) << r.in;
}

TEST(Saturation, TemperatureReproducesTable36) {
    // IF97 Table 36.
    const Row rows[] = {{0.1, 0.372755919e3}, {1, 0.453035632e3}, {10, 0.584149488e3}};
    for (const Row& r : rows) EXPECT_TRUE(matchesPrinted(saturationTemperature(r.in), r.expected)) << r.in;
}

TEST(Saturation, CriticalPointIsExact) {
    EXPECT_EQ(saturationPressure(647.096), 22.064);
    EXPECT_EQ(saturationTemperature(22.064), 647.096);
}

TEST(Saturation, CodesAboveTheCriticalPoint) {
    const double tAbove = std::nextafter(647.096, 1e9);
    const double pAbove = std::nextafter(22.064, 1e9);
    EXPECT_EQ(saturationPressure(tAbove), static_cast<double>(status::AboveCriticalTemperature));
    EXPECT_EQ(saturationTemperature(pAbove), static_cast<double>(status::AboveCriticalPressure));
    EXPECT_EQ(saturationPressure(700), static_cast<double>(status::AboveCriticalTemperature));
    EXPECT_EQ(saturationTemperature(30), static_cast<double>(status::AboveCriticalPressure));
    // Just below the critical point the equations are continuous with the exact values.
    EXPECT_TRUE(test::relativelyNear(saturationPressure(std::nextafter(647.096, 0.0)), 22.064, test::kRoundTrip));
    EXPECT_TRUE(test::relativelyNear(saturationTemperature(std::nextafter(22.064, 0.0)), 647.096, test::kRoundTrip));
}

TEST(Saturation, EquationsInvertEachOther) {
    for (double T = 273.15; T < 647.09; T += 1.7) {
        const double p = saturationPressure(T);
        EXPECT_TRUE(test::relativelyNear(saturationTemperature(p), T, test::kRoundTrip)) << T;
    }
}

TEST(Saturation, PressureAt62315MatchesTheRegionBoundaryConstant) {
    // The region tests use 16.529164252605 MPa as psat(623.15 K).
    EXPECT_NEAR(saturationPressure(623.15), 16.529164252605, 1e-11);
}

// The quick test against the saturation line decides exactly as the equation,
// also for pressures a few units in the last place from the line.
TEST(Saturation, AbovePressureAgreesWithTheEquation) {
    int checked = 0;
    for (double T = 273.15; T <= 623.15; T += 0.0731) {
        const double ps = saturationPressure(T);
        const double probes[] = {ps,
                                 std::nextafter(ps, 0.0),
                                 std::nextafter(ps, 1e9),
                                 ps * (1 + 1e-13),
                                 ps * (1 - 1e-13),
                                 ps * 1.01,
                                 ps * 0.99,
                                 ps * 3,
                                 ps / 3,
                                 16.529164252605,
                                 1e-7};
        for (double p : probes) {
            ASSERT_EQ(aboveSaturationPressure(p, T), p > ps) << p << " MPa, " << T << " K";
            ++checked;
        }
    }
    for (double T : {273.15, 298.15, 323.15, 598.15, 623.15}) {
        const double ps = saturationPressure(T);
        EXPECT_FALSE(aboveSaturationPressure(ps, T)) << T;
        EXPECT_TRUE(aboveSaturationPressure(std::nextafter(ps, 1e9), T)) << T;
    }
    EXPECT_GT(checked, 40000);
}

TEST(B23, ReproducesTheReleaseCheckPoints) {
    // IF97 Eqs. 5 and 6 check values: T = 623.15 K <-> p = 0.165291643e2 MPa.
    EXPECT_TRUE(matchesPrinted(pB23(623.15), 0.165291643e2));
    EXPECT_TRUE(matchesPrinted(TB23(0.165291643e2), 0.623150000e3));
}

TEST(B23, EquationsInvertEachOther) {
    for (double T = 623.15; T <= 863.15; T += 10.0) {
        EXPECT_TRUE(test::relativelyNear(TB23(pB23(T)), T, test::kRoundTrip)) << T;
    }
}

}  // namespace
}  // namespace if97
