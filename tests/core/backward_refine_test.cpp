// The refined backward temperatures of regions 1 and 2: well inside each region the temperature
// reproduces the given h within 1e-7 kJ/kg (and s within 1e-10 in region 1, 1e-9 in region 2) when
// evaluated by the basic equation; backwardOnly returns the backward equation's value unchanged.
#include <gtest/gtest.h>

#include <cmath>

#include "backward_refine.h"
#include "backward_region1.h"
#include "backward_region2.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "region5.h"
#include "region5_inverse.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

double h1(double p, double T) {
    Properties o{};
    region1(p, T, kMaskH | kMaskS, o);
    return o.h;
}
double s1(double p, double T) {
    Properties o{};
    region1(p, T, kMaskS, o);
    return o.s;
}
double h2(double p, double T) {
    Properties o{};
    region2(p, T, kMaskH, o);
    return o.h;
}
double s2(double p, double T) {
    Properties o{};
    region2(p, T, kMaskS, o);
    return o.s;
}

// Region 1 from 0.01 to 100 MPa, 278 K to 618 K, 5 K clear of the saturation line.
TEST(BackwardRefine, Region1ReproducesHAndS) {
    int points = 0;
    for (int i = 0; i <= 40; ++i) {
        const double p = std::exp(std::log(0.01) + (std::log(100.0) - std::log(0.01)) * i / 40.0);
        const double tMax = p < kPs13 ? std::fmin(saturationTemperature(p) - 5.0, 618.0) : 618.0;
        for (double T = 278.0; T <= tMax; T += 7.0) {
            const double h = h1(p, T), s = s1(p, T);
            EXPECT_NEAR(h1(p, backwardT1ph(p, h, 0)), h, kRefineTolH) << p << " " << T;
            EXPECT_NEAR(s1(p, backwardT1ps(p, s, 0)), s, kRefineTolS1) << p << " " << T;
            EXPECT_EQ(backwardT1ph(p, h, 1), backwardEquationT1ph(p, h));
            EXPECT_EQ(backwardT1ps(p, s, 1), backwardEquationT1ps(p, s));
            ++points;
        }
    }
    EXPECT_GT(points, 1000);
}

// Region 2 (all three sub-regions) from 0.001 to 100 MPa up to 1073 K, 5 K clear of the saturation
// line and of B23.
TEST(BackwardRefine, Region2ReproducesHAndS) {
    int points = 0;
    int sub[3] = {0, 0, 0};
    for (int i = 0; i <= 40; ++i) {
        const double p = std::exp(std::log(0.001) + (std::log(100.0) - std::log(0.001)) * i / 40.0);
        double tMin = p < kPs13 ? saturationTemperature(p) + 5.0 : 0.0;
        if (p >= kPs13) tMin = 572.54459862746 + std::sqrt((p - 13.91883977886) * 981.0683207562179) + 5.0;
        for (double T = tMin; T <= 1073.0; T += 9.0) {
            const double h = h2(p, T), s = s2(p, T);
            EXPECT_NEAR(h2(p, backwardT2ph(p, h, 0)), h, kRefineTolH) << p << " " << T;
            EXPECT_NEAR(s2(p, backwardT2ps(p, s, 0)), s, kRefineTolS2) << p << " " << T;
            EXPECT_EQ(backwardT2ph(p, h, 1), backwardEquationT2ph(p, h));
            EXPECT_EQ(backwardT2ps(p, s, 1), backwardEquationT2ps(p, s));
            ++sub[subregion2ph(p, h) - 'a'];
            ++points;
        }
    }
    EXPECT_GT(points, 1500);
    EXPECT_GT(sub[0], 100);  // every sub-region is visited
    EXPECT_GT(sub[1], 100);
    EXPECT_GT(sub[2], 20);
}

// The backward values themselves lie within the backward equations' documented error of the
// temperature of the basic equation (IF97-tables section 4.6: at most 23.6 mK).
TEST(BackwardRefine, BackwardErrorIsSmall) {
    for (double p : {0.1, 3.0, 30.0, 80.0}) {
        for (double T : {300.0, 400.0, 550.0}) {
            if (p < kPs13 && T > saturationTemperature(p)) continue;
            EXPECT_NEAR(backwardEquationT1ph(p, h1(p, T)), T, 0.0236) << p << " " << T;
            EXPECT_NEAR(backwardEquationT1ps(p, s1(p, T)), T, 0.0216) << p << " " << T;
        }
    }
}

// A region 1 backward T(p,s) below 273.15 K is reported as EntropyHigh, not as a temperature.
TEST(BackwardRefine, Region1TsBelowTheIsothermIsACode) {
    const double s = s1(1.0, 273.15) - 1e-4;  // backward value about 273.14 K
    ASSERT_LT(backwardEquationT1ps(1.0, s), 273.15);
    EXPECT_EQ(backwardT1ps(1.0, s, 0), static_cast<double>(status::EntropyHigh));
    EXPECT_EQ(backwardT1ps(1.0, s, 1), static_cast<double>(status::EntropyHigh));
    // refineT1ps from the isotherm finds the consistent temperature of a valid state.
    const double sOk = s1(1.0, 273.151);
    EXPECT_NEAR(refineT1ps(1.0, sOk, 273.15), 273.151, 1e-6);
}

// Region 5 secant iterations, and -2500 when they cannot match.
TEST(BackwardRefine, Region5Iterations) {
    for (double p : {1e-6, 0.5, 8.0, 10.0}) {
        for (double T : {1080.0, 1500.0, 2000.0, 2270.0}) {
            Properties o{};
            region5(p, T, kMaskH | kMaskS | kMaskV, o);
            Properties out{};
            const double t = region5Tph(p, o.h, kMaskV, out);
            EXPECT_NEAR(t, T, 1e-6) << p << " " << T;
            EXPECT_NEAR(out.h, o.h, kRegion5TolH);
            EXPECT_NEAR(out.v, o.v, 1e-9 * o.v);  // by-product of the last evaluation
            EXPECT_NEAR(region5Tps(p, o.s, 1073.15 + 0.5 * (T - 1073.15)), T, 1e-6) << p << " " << T;
        }
    }
    // No temperature has this entropy at 1 MPa: the secant leaves the physical range.
    EXPECT_EQ(region5Tps(1.0, 100.0, 1500.0), static_cast<double>(status::IterationConvergence));
}

}  // namespace
}  // namespace if97

namespace if97 {
namespace {

// Far below 1 kPa the region 2a T(p,s) equation gives temperatures thousands of kelvin off (even
// negative); the refined temperature is still the one that reproduces s, and backwardOnly does not
// hand out a temperature outside region 2.
TEST(BackwardRefine, Region2AtVeryLowPressure) {
    for (double p : {1e-7, 1e-6, 1e-5}) {
        for (double T : {273.15, 500.0, 800.0, 1073.15}) {
            const double s = s2(p, T);
            EXPECT_NEAR(backwardT2ps(p, s, 0), T, 1e-6) << p << " " << T;
            const double tb = backwardT2ps(p, s, 1);
            EXPECT_GT(tb, 189.0) << p << " " << T;
            EXPECT_LT(tb, 1074.15) << p << " " << T;
            EXPECT_NEAR(backwardT2ph(p, h2(p, T), 0), T, 1e-6) << p << " " << T;
        }
    }
    EXPECT_LT(backwardEquationT2ps(1e-7, s2(1e-7, 800.0)), 0.0);  // the raw equation's value there
}

}  // namespace
}  // namespace if97
