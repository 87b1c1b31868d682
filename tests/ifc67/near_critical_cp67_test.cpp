// Heat capacities of saturated and wet states just below the critical pressure. Within a few
// hundredths of a psi below pc the volume searches of both phases can end on the same, mechanically
// unstable root of subregions 3 and 4, where the cp expression turns negative; such a value (as low
// as -1.7e7, which a caller would take for an error code) is refused with -1600, and a wet-state
// cp is never interpolated from a refused end.
#include <gtest/gtest.h>

#include <cmath>

#include "calls67.h"
#include "constants67.h"

namespace {

using namespace ifc67;

IFC67Working started() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

// Found by the vaprop67 fuzz target: Stm67PQC(3208.2344228988686, 2.55e-203) gave -17156831.
TEST(NearCriticalCp67, UnstableSaturatedRootGivesTheInternalErrorCode) {
    IFC67Working w = started();
    for (double p : {3208.23, 3208.2344228988686, 3208.2347}) {
        EXPECT_EQ(callPQProperty(w, p, 0.0, Property::HeatCapacity), kInternalError) << p;
        EXPECT_EQ(callPQProperty(w, p, 1.0, Property::HeatCapacity), kInternalError) << p;
        EXPECT_EQ(callPQProperty(w, p, 2.5516019074809773e-203, Property::HeatCapacity), kInternalError) << p;
        EXPECT_EQ(callPQProperty(w, p, 0.5, Property::HeatCapacity), kInternalError) << p;
    }
}

// A little further from pc the two phases are apart and their heat capacities are large, positive
// and growing toward pc: they are returned as before.
TEST(NearCriticalCp67, SeparatePhasesKeepTheirHeatCapacities) {
    IFC67Working w = started();
    double previous = 0.0;
    for (double p : {3100.0, 3200.0, 3207.0, 3208.0, 3208.2}) {
        const double liquid = callPQProperty(w, p, 0.0, Property::HeatCapacity);
        const double vapour = callPQProperty(w, p, 1.0, Property::HeatCapacity);
        EXPECT_GT(liquid, previous) << p;
        EXPECT_GT(vapour, 0.0) << p;
        EXPECT_DOUBLE_EQ(callPQProperty(w, p, 0.5, Property::HeatCapacity), liquid + 0.5 * (vapour - liquid)) << p;
        previous = liquid;
    }
}

// Every heat capacity of the (p,T) calls around the critical point is a positive value or -1600.
TEST(NearCriticalCp67, PTHeatCapacityIsPositiveOrRefused) {
    IFC67Working w = started();
    for (int i = 0; i <= 100; ++i) {
        const double p = 3207.0 + 0.025 * i;
        for (int j = 0; j <= 100; ++j) {
            const double t = 705.0 + 0.01 * j;
            const double cp = callPTProperty(w, p, t, Property::HeatCapacity);
            EXPECT_TRUE(cp == kInternalError || (cp > 0.0 && std::isfinite(cp))) << p << " " << t << " " << cp;
        }
    }
}

}  // namespace
