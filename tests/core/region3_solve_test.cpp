// The region 3 Newton solve for any pair of p, T, v, h, s: from start values off by the backward
// equations' accuracy it reaches the state of the basic equation in a few evaluations; a start on
// the wrong side of the saturation line or a pair out of reach is refused, never taken.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "b23.h"
#include "properties.h"
#include "region3.h"
#include "region3_solve.h"
#include "saturation.h"
#include "status.h"

namespace if97 {
namespace {

using Q = Region3Quantity;

double value(Q q, double p, double T, double v, const Properties& r) {
    switch (q) {
        case Q::Pressure: return p;
        case Q::Temperature: return T;
        case Q::Volume: return v;
        case Q::Enthalpy: return r.h;
        default: return r.s;
    }
}

struct Pair {
    Q a, b;
    const char* name;
};
constexpr Pair kPairs[] = {
    {Q::Pressure, Q::Enthalpy, "(p,h)"},
    {Q::Pressure, Q::Entropy, "(p,s)"},
    {Q::Enthalpy, Q::Entropy, "(h,s)"},
    {Q::Temperature, Q::Entropy, "(T,s)"},
    {Q::Pressure, Q::Volume, "(p,v)"},
    {Q::Temperature, Q::Volume, "(T,v)"},
    {Q::Temperature, Q::Enthalpy, "(T,h)"},
    {Q::Pressure, Q::Temperature, "(p,T)"},
};

// Start values off by about the backward equations' accuracy: 25 mK and 0.01 %.
constexpr double kStartOffT = 0.025;  // K
constexpr double kStartOffV = 1e-4;   // relative

TEST(Region3Solve, EveryPairReachesTheStateFromNearbyStarts) {
    int worst = 0;
    int states = 0;
    for (double T = 624.0; T <= TB23(100.0); T += 7.3) {
        for (double p = std::max(pB23(T), 16.6) + 0.05; p <= 100.0; p += 1.37) {
            int side = kSideUnknown;
            const double v = region3Volume(p, T, side);
            Properties r{};
            region3(v, T, kMaskH | kMaskS, r);
            const bool twoSided = p < kPc && T < kTc;
            const Region3Bounds bounds{kT13, TB23(p), twoSided ? side : kSideUnknown};
            for (const Pair& pair : kPairs) {
                const Region3Target a{pair.a, value(pair.a, p, T, v, r)};
                const Region3Target b{pair.b, value(pair.b, p, T, v, r)};
                for (const double sign : {-1.0, 1.0}) {
                    const double T0 = std::clamp(T + sign * kStartOffT, bounds.Tlo, bounds.Thi);
                    const Region3Solution sol = solveRegion3(a, b, v * (1.0 - sign * kStartOffV), T0, bounds);
                    ++states;
                    ASSERT_EQ(sol.status, 0) << pair.name << " at " << p << " MPa, " << T << " K";
                    EXPECT_NEAR(sol.T, T, 1e-9 * T) << pair.name << " at " << p << " MPa, " << T << " K";
                    EXPECT_NEAR(sol.v, v, 1e-9 * v) << pair.name << " at " << p << " MPa, " << T << " K";
                    worst = std::max(worst, sol.iterations);
                }
            }
        }
    }
    EXPECT_GT(states, 1000);
    EXPECT_LE(worst, 6) << "Helmholtz evaluations";
}

// Below the critical point a vapour-side solve of a liquid state (and the reverse) is refused.
TEST(Region3Solve, TheWrongSideIsRefused) {
    const double T = 640.0;
    const double ps = saturationPressure(T);
    int liquid = kSideLiquid;
    const double p = ps + 0.5;
    const double vl = region3Volume(p, T, liquid);
    Properties r{};
    region3(vl, T, kMaskH, r);
    const double ts = saturationTemperature(p);
    const Region3Bounds vapourSide{ts, TB23(p), kSideVapour};
    const Region3Solution sol = solveRegion3({Q::Pressure, p}, {Q::Enthalpy, r.h}, vl, T, vapourSide);
    EXPECT_EQ(sol.status, status::IterationConvergence);
}

// A target no region 3 state meets (an enthalpy far above the region at that pressure) is refused.
TEST(Region3Solve, UnreachableTargetIsRefused) {
    const Region3Bounds bounds{kT13, TB23(50.0), kSideUnknown};
    const Region3Solution sol = solveRegion3({Q::Pressure, 50.0}, {Q::Enthalpy, 6000.0}, 0.002, 700.0, bounds);
    EXPECT_EQ(sol.status, status::IterationConvergence);
}

}  // namespace
}  // namespace if97
