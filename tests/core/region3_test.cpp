// Region 3: the Helmholtz equation against IF97 Table 33, and the density search.
#include <gtest/gtest.h>

#include <cmath>

#include "b23.h"
#include "region3.h"
#include "saturation.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

using test::kDensitySearchPressure;
using test::matchesPrinted;

struct Region3Row {
    double T;    // K
    double rho;  // kg/m3
    double p, h, u, s, cp, w;
};

// IF97 Table 33.
constexpr Region3Row kTable33[] = {
    {650, 500, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2, 0.502005554e3},
    {650, 200, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2, 0.383444594e3},
    {750, 500, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1, 0.760696041e3},
};

TEST(Region3, ReproducesTable33) {
    for (const Region3Row& row : kTable33) {
        Properties out{};
        const double v = 1.0 / row.rho;
        region3(v, row.T, kMaskAll, out);
        EXPECT_TRUE(matchesPrinted(out.p, row.p)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(out.h, row.h)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(out.h - out.p * 1000.0 * v, row.u)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(out.s, row.s)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(out.cp, row.cp)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(out.w, row.w)) << row.T << " K, " << row.rho;
        EXPECT_TRUE(matchesPrinted(region3Pressure(row.T, v), row.p));
    }
}

TEST(Region3, MaskZeroLeavesOutputsUntouched) {
    constexpr double kUntouched = -12345.0;
    Properties out{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};
    region3(1.0 / 500, 650, 0, out);
    EXPECT_EQ(out.p, kUntouched);
    EXPECT_EQ(out.h, kUntouched);
    EXPECT_EQ(out.s, kUntouched);
    EXPECT_EQ(out.v, kUntouched);
    EXPECT_EQ(out.cp, kUntouched);
    EXPECT_EQ(out.w, kUntouched);
}

// Inside the liquid-vapour loop of the Helmholtz equation (640 K, critical
// density) the cp formula is negative: it is stored as the marker.
TEST(Region3, NegativeCpIsStoredAsNotDefined) {
    const double T = 640.0;
    const double rho = 322.0;
    const double delta = rho / 322.0;
    const double tau = kTc / T;
    const HelmholtzDerivatives d = region3Helmholtz(delta, tau, kNeedD1 | kNeedD11 | kNeedD22 | kNeedD12);
    const double a = delta * d.fd - delta * tau * d.fdt;
    const double rawCp = kR * (-tau * tau * d.ftt + a * a / (2 * delta * d.fd + delta * delta * d.fdd));
    ASSERT_LT(rawCp, 0.0);
    Properties out{};
    region3(1.0 / rho, T, kMaskCp, out);
    EXPECT_EQ(out.cp, kNotDefined);
}

TEST(Region3Volume, CriticalPointShortCut) {
    int side = kSideLiquid;
    EXPECT_EQ(region3Volume(22.064, 647.096, side), 0.003105590062111801);
    EXPECT_EQ(side, kSideVapour);
}

struct SearchRow {
    double p;  // MPa
    double T;  // K
    int side;  // side the state belongs to
};

// States where the fitted bounds alone miss the root, and states near the
// critical point where the pressure hardly depends on v.
constexpr SearchRow kHardStates[] = {
    {20.0, 630.0, kSideLiquid},   // compressed liquid below Tc: cubic bound below the quadratic one
    {25.0, 660.0, kSideVapour},   // above pc, volume beyond the fitted upper bound
    {22.07, 647.1, kSideVapour},  // just above the critical point, beyond the fitted upper bound
    {21.9, 660.0, kSideVapour},   // below pc above Tc: the liquid-side cubic lies above the root
    {22.0641, 647.096, kSideVapour},
    {22.065, 647.09, kSideVapour},
    {22.0645, 647.2, kSideVapour},
    {22.064, 647.0961, kSideVapour},
    {22.0, 647.096, kSideVapour},  // below pc at Tc: vapour-like (x = 1)
    {100.0, 623.16, kSideVapour},
    {110.32, 650.0, kSideVapour},
};

TEST(Region3Volume, ConvergesOnHardStates) {
    for (const SearchRow& row : kHardStates) {
        int side = kSideUnknown;
        const double v = region3Volume(row.p, row.T, side);
        ASSERT_GT(v, 0.0) << row.p << " MPa, " << row.T << " K";
        EXPECT_LT(std::fabs(region3Pressure(row.T, v) - row.p), kDensitySearchPressure)
            << row.p << " MPa, " << row.T << " K";
        EXPECT_EQ(side, row.side) << row.p << " MPa, " << row.T << " K";
    }
}

TEST(Region3Volume, SaturatedStatesAt640KMatchTheSaturationPressure) {
    const double T = 640.0;
    const double ps = saturationPressure(T);
    int liquid = kSideLiquid;
    int vapour = kSideVapour;
    const double vl = region3Volume(ps, T, liquid);
    const double vv = region3Volume(ps, T, vapour);
    EXPECT_LT(std::fabs(region3Pressure(T, vl) - ps), kDensitySearchPressure);
    EXPECT_LT(std::fabs(region3Pressure(T, vv) - ps), kDensitySearchPressure);
    EXPECT_LT(vl, kVc);
    EXPECT_GT(vv, kVc);
    EXPECT_EQ(liquid, kSideLiquid);
    EXPECT_EQ(vapour, kSideVapour);
}

TEST(Region3Volume, SaturatedStatesAlongTheLineMatchTheSaturationPressure) {
    for (double T = 623.15; T < 647.096; T += 0.25) {
        const double ps = saturationPressure(T);
        int liquid = kSideLiquid;
        int vapour = kSideVapour;
        const double vl = region3Volume(ps, T, liquid);
        const double vv = region3Volume(ps, T, vapour);
        EXPECT_LT(std::fabs(region3Pressure(T, vl) - ps), kDensitySearchPressure) << T;
        EXPECT_LT(std::fabs(region3Pressure(T, vv) - ps), kDensitySearchPressure) << T;
        EXPECT_LT(vl, vv) << T;
    }
}

// A dense (p, T) grid over region 3: the volume meets the pressure tolerance,
// lies on the side of the saturation line the state belongs to, and falls as
// p rises along each isotherm (so the search found the stable root).
TEST(Region3Volume, DenseGridBracketsTheRootOnTheRightSide) {
    int states = 0;
    for (double T = 623.2; T <= TB23(110.32); T += 0.9) {
        const bool subcritical = T < kTc;
        const double ps = subcritical ? saturationPressure(T) : 0.0;
        double vSatLiquid = 0.0;
        double vSatVapour = 0.0;
        if (subcritical) {
            int l = kSideLiquid;
            int g = kSideVapour;
            vSatLiquid = region3Volume(ps, T, l);
            vSatVapour = region3Volume(ps, T, g);
        }
        double previous = 1e9;
        for (double p = pB23(T) + 0.01; p <= 110.32; p += 0.173) {
            int side = kSideUnknown;
            const double v = region3Volume(p, T, side);
            ++states;
            ASSERT_GT(v, 0.0) << p << " MPa, " << T << " K";
            ASSERT_LT(std::fabs(region3Pressure(T, v) - p), kDensitySearchPressure) << p << " MPa, " << T << " K";
            ASSERT_LT(v, previous) << p << " MPa, " << T << " K";
            previous = v;
            if (subcritical && p < kPc) {
                if (p > ps) {
                    ASSERT_EQ(side, kSideLiquid) << p << " MPa, " << T << " K";
                    ASSERT_LE(v, vSatLiquid) << p << " MPa, " << T << " K";
                } else {
                    ASSERT_EQ(side, kSideVapour) << p << " MPa, " << T << " K";
                    ASSERT_GE(v, vSatVapour) << p << " MPa, " << T << " K";
                }
            } else {
                ASSERT_EQ(side, kSideVapour) << p << " MPa, " << T << " K";
            }
        }
    }
    EXPECT_GT(states, 20000);
}

// A given side keeps the search on that side even close to the saturation line.
TEST(Region3Volume, GivenSideIsKept) {
    const double T = 635.0;
    const double ps = saturationPressure(T);
    for (double dp : {1e-6, 1e-3, 0.05}) {
        int liquid = kSideLiquid;
        const double vl = region3Volume(ps + dp, T, liquid);
        int vapour = kSideVapour;
        const double vv = region3Volume(ps - dp, T, vapour);
        EXPECT_LT(vl, kVc) << dp;
        EXPECT_GT(vv, kVc) << dp;
        EXPECT_LT(std::fabs(region3Pressure(T, vl) - (ps + dp)), kDensitySearchPressure) << dp;
        EXPECT_LT(std::fabs(region3Pressure(T, vv) - (ps - dp)), kDensitySearchPressure) << dp;
    }
}

}  // namespace
}  // namespace if97
