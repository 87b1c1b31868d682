// The region 3 start values and iterations: the backward equations lie within their stated accuracy
// of the basic equation over region 3, and the Newton iterations from them converge in a few steps
// without falling back to the bracketed searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "b23.h"
#include "region3.h"
#include "region3_backward.h"
#include "region3_inverse.h"
#include "saturation.h"

namespace if97 {
namespace {

// Stated accuracy of SR5-05 v(p,T) against the basic equation (relative): 0.001 % for the main
// subregions 3a to 3t; the auxiliary equations next to the critical point, 0.1 % (3u to 3x) and
// 1.7 % (3y, 3z, measured on the release's samples).
double vptAccuracy(char subregion) {
    if (subregion <= 't') return 1e-5;
    if (subregion <= 'x') return 1e-3;
    return 1.7e-2;
}

// The (p, T) grid of region 3 up to 100 MPa (the backward equations' range), on both sides of the
// saturation line below 22.064 MPa.
template <class F>
void forRegion3Grid(F&& f) {
    for (double T = 623.15; T <= TB23(100.0); T += 0.37) {
        for (double p = std::max(pB23(T), 16.53); p <= 100.0; p += p < 24.0 ? 0.0173 : 0.31) {
            f(p, T);
        }
    }
}

TEST(Region3Start, VolumeOfPTWithinItsAccuracy) {
    double worst[26] = {};
    int states = 0;
    forRegion3Grid([&](double p, double T) {
        int side = kSideUnknown;
        const Region3VolumeSearch r = region3VolumeSearch(p, T, side);
        ASSERT_GT(r.v, 0.0);
        const int startSide = p >= kPc ? (T < kTc ? kSideLiquid : kSideVapour) : r.side;
        const char sub = region3SubregionPT(p, T, startSide);
        const double err = std::fabs(backwardV3pt(p, T, startSide) / r.v - 1.0);
        worst[sub - 'a'] = std::max(worst[sub - 'a'], err);
        ++states;
        EXPECT_LE(err, vptAccuracy(sub)) << sub << ": " << p << " MPa, " << T << " K";
    });
    for (int k = 0; k < 26; ++k) std::printf("v3%c(p,T): largest relative error %.3g\n", 'a' + k, worst[k]);
    EXPECT_GT(states, 50000);
}

// Newton on the pressure equation from the backward v(p,T) over the dense (p, T) grid of the range,
// 623.15 K to TB23(110.32 MPa), and along both sides of the saturation line.
TEST(Region3Start, VolumeSearchStepsStaySmall) {
    int worst = 0;
    int bisected = 0;
    int states = 0;
    const auto account = [&](const Region3VolumeSearch& r, double p, double T) {
        ++states;
        worst = std::max(worst, r.newtonSteps);
        if (r.bisected) {
            ++bisected;
            std::printf("bisected: %.17g MPa, %.17g K\n", p, T);
        }
    };
    for (double T = 623.15; T <= TB23(110.32); T += 0.23) {
        for (double p = pB23(T) + 1e-9; p <= 110.32; p += p < 24.0 ? 0.0131 : 0.173) {
            account(region3VolumeSearch(p, T, kSideUnknown), p, T);
        }
    }
    for (double T = 623.15; T < kTc; T += 0.0137) {
        const double ps = saturationPressure(T);
        account(region3VolumeSearch(ps, T, kSideLiquid), ps, T);
        account(region3VolumeSearch(ps, T, kSideVapour), ps, T);
    }
    std::printf("volume search: %d states, at most %d Newton steps, %d bisected\n", states, worst, bisected);
    EXPECT_LE(worst, 12);
    EXPECT_EQ(bisected, 0);
}

// Stated accuracy of SR3-03 against the basic equation: T within 25 mK, v within 0.01 %.
constexpr double kSr303T = 0.025;  // K
constexpr double kSr303V = 1e-4;   // relative

// The grid states of region 3 as (p, T, v, h, s, side).
struct State3 {
    double p, T, v, h, s;
    int side;
};
template <class F>
void forRegion3States(F&& f) {
    forRegion3Grid([&](double p, double T) {
        int side = kSideUnknown;
        const double v = region3Volume(p, T, side);
        Properties r{};
        region3(v, T, kMaskH | kMaskS, r);
        f(State3{p, T, v, r.h, r.s, side});
    });
}

TEST(Region3Start, PhAndPsStartsWithinTheirAccuracy) {
    double worstT[2] = {};
    double worstV[2] = {};
    forRegion3States([&](const State3& st) {
        const double errs[4] = {std::fabs(backwardT3ph(st.p, st.h) - st.T),
                                std::fabs(backwardV3ph(st.p, st.h) / st.v - 1.0),
                                std::fabs(backwardT3ps(st.p, st.s) - st.T),
                                std::fabs(backwardV3ps(st.p, st.s) / st.v - 1.0)};
        for (int k = 0; k < 2; ++k) {
            worstT[k] = std::max(worstT[k], errs[2 * k]);
            worstV[k] = std::max(worstV[k], errs[2 * k + 1]);
        }
        EXPECT_LE(errs[0], kSr303T) << st.p << " MPa, " << st.T << " K";
        EXPECT_LE(errs[1], kSr303V) << st.p << " MPa, " << st.T << " K";
        EXPECT_LE(errs[2], kSr303T) << st.p << " MPa, " << st.T << " K";
        EXPECT_LE(errs[3], kSr303V) << st.p << " MPa, " << st.T << " K";
    });
    std::printf("T(p,h) %.3g K, v(p,h) %.3g; T(p,s) %.3g K, v(p,s) %.3g (largest errors)\n",
                worstT[0],
                worstV[0],
                worstT[1],
                worstV[1]);
}

// The (v, T) Newton iterations of (p,h) and (p,s) reach the grid state in a few evaluations, with
// no refusal (which would send the operation to the bracketed secant search).
TEST(Region3Start, PhAndPsNewtonStepsStaySmall) {
    int worst[2] = {};
    int refused = 0;
    int states = 0;
    forRegion3States([&](const State3& st) {
        const Region3Solution sols[2] = {region3NewtonPH(st.p, st.h, st.side), region3NewtonPS(st.p, st.s, st.side)};
        ++states;
        for (int k = 0; k < 2; ++k) {
            const Region3Solution& sol = sols[k];
            worst[k] = std::max(worst[k], sol.iterations);
            if (sol.status != 0) {
                ++refused;
                ADD_FAILURE() << (k ? "(p,s)" : "(p,h)") << " refused at " << st.p << " MPa, " << st.T << " K";
                continue;
            }
            EXPECT_NEAR(sol.T, st.T, 1e-9 * st.T) << st.p << " MPa, " << st.T << " K";
            EXPECT_NEAR(sol.v, st.v, 1e-9 * st.v) << st.p << " MPa, " << st.T << " K";
        }
    });
    std::printf("(p,h): at most %d, (p,s): at most %d Helmholtz evaluations over %d states, %d refused\n",
                worst[0],
                worst[1],
                states,
                refused);
    EXPECT_LE(worst[0], 6);
    EXPECT_LE(worst[1], 6);
}

}  // namespace
}  // namespace if97
