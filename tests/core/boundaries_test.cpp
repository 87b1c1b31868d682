// Consistency where the IF97 regions meet: the jumps of v, h and s across the
// boundaries 1-3 (623.15 K), 2-3 (B23) and 2-5 (1073.15 K) stay within the
// permissible inconsistencies of the formulation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "b23.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr int kVHS = kMaskV | kMaskH | kMaskS;

struct Jumps {
    double v = 0.0;  // largest relative jump of v
    double h = 0.0;  // largest jump of h, kJ/kg
    double s = 0.0;  // largest jump of s, kJ/(kg K)
    void add(const Properties& a, const Properties& b) {
        v = std::max(v, std::fabs(a.v - b.v) / b.v);
        h = std::max(h, std::fabs(a.h - b.h));
        s = std::max(s, std::fabs(a.s - b.s));
    }
};

Properties region3At(double p, double T) {
    int side = kSideUnknown;
    Properties out{};
    out.v = region3Volume(p, T, side);
    region3(out.v, T, kVHS, out);
    return out;
}

void expectWithinPermissible(const Jumps& j) {
    EXPECT_LE(j.v, test::kBoundaryVolume);
    EXPECT_LE(j.h, test::kBoundaryEnthalpy);
    EXPECT_LE(j.s, test::kBoundaryEntropy);
}

TEST(Boundaries, Region1AgainstRegion3Along62315K) {
    Jumps j;
    for (double p = 16.6; p <= 100.0; p += 0.5) {
        Properties r1{};
        region1(p, kT13, kVHS, r1);
        j.add(region3At(p, kT13), r1);
    }
    expectWithinPermissible(j);
    RecordProperty("max_dv_rel", std::to_string(j.v));
    RecordProperty("max_dh", std::to_string(j.h));
    RecordProperty("max_ds", std::to_string(j.s));
}

TEST(Boundaries, Region2AgainstRegion3AlongB23) {
    Jumps j;
    // From just above 623.15 K, where B23 meets the saturation line.
    for (double T = 624.15; T <= 863.15; T += 2.0) {
        const double p = pB23(T);
        Properties r2{};
        region2(p, T, kVHS, r2);
        j.add(region3At(p, T), r2);
    }
    expectWithinPermissible(j);
    RecordProperty("max_dv_rel", std::to_string(j.v));
    RecordProperty("max_dh", std::to_string(j.h));
    RecordProperty("max_ds", std::to_string(j.s));
}

TEST(Boundaries, Region2AgainstRegion5At107315K) {
    Jumps j;
    for (double p = 1e-3; p <= 10.0; p += 0.05) {
        Properties r2{};
        Properties r5{};
        region2(p, kT25, kVHS, r2);
        region5(p, kT25, kVHS, r5);
        j.add(r5, r2);
    }
    expectWithinPermissible(j);
    RecordProperty("max_dv_rel", std::to_string(j.v));
    RecordProperty("max_dh", std::to_string(j.h));
    RecordProperty("max_ds", std::to_string(j.s));
}

// The saturated states of regions 1 and 2 at 623.15 K against those of region 3.
TEST(Boundaries, SaturationAt62315KFromBothSides) {
    const double ps = 16.529164252605;
    Properties r1{};
    Properties r2{};
    region1(ps, kT13, kVHS, r1);
    region2(ps, kT13, kVHS, r2);
    int liquid = kSideLiquid;
    int vapour = kSideVapour;
    Properties l3{};
    Properties g3{};
    l3.v = region3Volume(ps, kT13, liquid);
    g3.v = region3Volume(ps, kT13, vapour);
    region3(l3.v, kT13, kVHS, l3);
    region3(g3.v, kT13, kVHS, g3);
    Jumps j;
    j.add(l3, r1);
    j.add(g3, r2);
    expectWithinPermissible(j);
}

}  // namespace
}  // namespace if97
