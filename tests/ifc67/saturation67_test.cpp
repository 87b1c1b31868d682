// Saturation line of the IFC-67 library: K-function, saturation temperature with its two secant
// steps, and the hold at the critical temperature.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "constants67.h"
#include "forward67.h"
#include "tiers67.h"

namespace {

using namespace ifc67;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Root of satPressure67(T) = p by bisection, the reference for the secant result.
double satTemperatureByBisection(double p) {
    double lo = kTMin, hi = kTcF;
    for (int i = 0; i < 200; ++i) {
        const double m = 0.5 * (lo + hi);
        (satPressure67(m) < p ? lo : hi) = m;
    }
    return 0.5 * (lo + hi);
}

struct SatRow {
    double t;          // F
    double p;          // psia
    double tolerance;  // psia
    const char* source;
};

TEST(Saturation67, PressureAtPublishedPoints) {
    const SatRow rows[] = {
        // 1967 ASME steam tables: 14.696 psia at 212 F (four significant digits).
        {212.0, 14.696, 0.0005, "1967 ASME steam tables, 212 F"},
        // About 0.0817 psia at 30 F (below the triple point, the K-function extended).
        {30.0, 0.0817, 0.00005, "IFC-67 K-function at 30 F"},
        // 1967 ASME steam tables: triple point 32.018 F, 0.08865 psia.
        {32.018, 0.08865, 0.000005, "1967 ASME steam tables, triple point"},
    };
    for (const auto& r : rows) EXPECT_NEAR(satPressure67(r.t), r.p, r.tolerance) << r.source;
}

TEST(Saturation67, CriticalTemperatureGivesCriticalPressure) { EXPECT_DOUBLE_EQ(satPressure67(kTcF), kPc); }

TEST(Saturation67, PressureOutsideRangeIsRefused) {
    for (double t : {29.999, 705.4700001, -kInf, kInf, kNaN}) {
        EXPECT_EQ(satPressure67(t), kTemperatureOutsideSat) << t;
    }
    EXPECT_GT(satPressure67(kTMin), 0.0);
}

TEST(Saturation67, TemperatureAtPublishedPoints) {
    // 0.088 psia, the lowest accepted pressure: about 31.83 F.
    EXPECT_NEAR(satTemperature67(0.088), 31.83, 0.005);
    // The pressure that the K-function gives at 212 F returns 212 F.
    EXPECT_NEAR(satTemperature67(14.695986771247219), 212.0, 1e-9);
}

TEST(Saturation67, TemperatureOutsideRangeIsRefused) {
    for (double p : {0.0879999, std::nextafter(kPc, kInf), 1e4, -1.0, -kInf, kInf, kNaN}) {
        EXPECT_EQ(satTemperature67(p), kPressureOutsideSat) << p;
    }
}

// Near pc the second secant point lands above 705.47 F, where the K-function has no pressure;
// it is held at 705.47 F, so the result stays right up to pc.
TEST(Saturation67, SecantHeldAtCriticalTemperature) {
    EXPECT_EQ(satTemperature67(kPc), kTcF);
    for (int i = 0; i <= 400; ++i) {
        const double p = kPc - 0.01 * i / 400.0;
        const double t = satTemperature67(p);
        EXPECT_LE(t, kTcF);
        EXPECT_NEAR(t, satTemperatureByBisection(p), tiers67::kSecantTemperature) << p;
    }
}

TEST(Saturation67, TemperatureAgreesWithPressureOverWholeLine) {
    for (int i = 0; i <= 2000; ++i) {
        const double p = std::fmin(
            std::fmax(std::exp(std::log(kPMin) + (std::log(kPc) - std::log(kPMin)) * i / 2000.0), kPMin), kPc);
        const double t = satTemperature67(p);
        ASSERT_GT(t, 0.0) << p;
        EXPECT_NEAR(t, satTemperatureByBisection(p), tiers67::kSecantTemperature) << p;
    }
}

}  // namespace
