// IF97Transport: the IAPS 1985 industrial viscosity and conductivity equations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "if97_state.h"
#include "if97_transport.h"
#include "status.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double volumeAt(double p, double T) {
    IF97State state;
    state.computePT(p, T, kMaskV);
    return state.volume();
}

// Liquid water at 25 degC and 0.1 MPa: 890 micro Pa s (handbook value; IAPWS
// 2008 gives 889.7 micro Pa s at 998 kg/m3). With H40 and H50 swapped the
// equation would give about 336 micro Pa s.
TEST(Viscosity, LiquidWaterAt25C) {
    IF97Transport t;
    t.computeViscosity(0.1, 298.15, volumeAt(0.1, 298.15));
    ASSERT_EQ(t.status(), 0);
    EXPECT_TRUE(test::relativelyNear(t.viscosity(), 890.0e-6, 5e-3));
}

struct TransportRow {
    double T;      // K
    double rho;    // kg/m3
    double value;  // Pa s or W/(m K)
};

TEST(Viscosity, AgreesWithIAPWS2008) {
    // IAPWS R12-08, Table 4 (without the critical enhancement, which is
    // negligible at these states), in Pa s. The table's states at 1200 kg/m3
    // and at (1173.15 K, 400 kg/m3) lie far above 100 MPa, outside the
    // industrial equation's range, and are left out.
    const TransportRow rows[] = {
        {298.15, 998, 889.735100e-6},
        {373.15, 1000, 307.883622e-6},
        {433.15, 1, 14.538324e-6},
        {433.15, 1000, 217.685358e-6},
        {873.15, 1, 32.619287e-6},
        {873.15, 100, 35.802262e-6},
        {873.15, 600, 77.430195e-6},
        {1173.15, 1, 44.217245e-6},
        {1173.15, 100, 47.640433e-6},
    };
    for (const TransportRow& r : rows) {
        EXPECT_TRUE(test::relativelyNear(viscosityIAPS85(r.T, 1.0 / r.rho), r.value, test::kOtherFormulation))
            << r.T << " K, " << r.rho << " kg/m3";
    }
}

TEST(Conductivity, AgreesWithIAPWS2011) {
    // IAPWS R15-11, Table 3 (liquid at 298.15 K) and the dilute-gas limit at 873.15 K, in W/(m K).
    const TransportRow rows[] = {
        {298.15, 998, 0.607712868},
        {873.15, 1e-4, 0.0791034659},
    };
    for (const TransportRow& r : rows) {
        EXPECT_TRUE(test::relativelyNear(conductivityIAPS85(r.T, 1.0 / r.rho), r.value, test::kOtherFormulation))
            << r.T << " K, " << r.rho << " kg/m3";
    }
}

TEST(Conductivity, SteamAt100CAndAtmosphericPressure) {
    // Handbook value for saturated steam near 0.1 MPa, 373.15 K: about 0.0248 W/(m K).
    IF97Transport t;
    t.computeConductivity(0.1, 373.2, volumeAt(0.1, 373.2));
    ASSERT_EQ(t.status(), 0);
    EXPECT_TRUE(test::relativelyNear(t.conductivity(), 0.0248, 3e-2));
}

// At very low density the exponent of the last conductivity term is limited at
// -227.95, so the sum stays finite and tends to lambda0 + lambda1(0).
TEST(Conductivity, VeryLowDensityStaysFinite) {
    for (double v : {1e3, 1e8, 1e30, 1e300}) {
        const double lambda = conductivityIAPS85(500.0, v);
        ASSERT_TRUE(std::isfinite(lambda)) << v;
    }
    const double tr = 500.0 / 647.26;
    const double lambda0 = std::sqrt(tr) * (0.0102811 + tr * (0.0299621 + tr * (0.0156146 - tr * 0.00422464)));
    const double lambda1 = -0.39707 + 1.06 * std::exp(-0.171587 * 2.39219 * 2.39219);
    EXPECT_NEAR(conductivityIAPS85(500.0, 1e12), lambda0 + lambda1, 1e-9);
}

struct CheckRow {
    double p, T;
    int status;
};

TEST(Transport, InputChecks) {
    const CheckRow rows[] = {
        {0.0, 500, 0},  // p = 0 is accepted here (the state object needs 1e-7 MPa)
        {-1e-300, 500, status::PressureLow},
        {kNaN, 500, status::PressureLow},
        {110.32, 500, 0},
        {std::nextafter(110.32, 1e9), 500, status::PressureHigh},
        {1, 273.15, 0},
        {1, std::nextafter(273.15, 0.0), status::TemperatureLow},
        {1, kNaN, status::TemperatureLow},
        {1, 2273.15, 0},
        {1, std::nextafter(2273.15, 1e9), status::TemperatureHigh},
        {10.0, 1200, 0},                         // at 10 MPa the high-temperature range is computed
        {10.1, 1073.2, status::TransportRange},  // above 10 MPa and 1073.15 K: outside the equations
        {10.1, 1073.15, 0},
        {200, kNaN, status::PressureHigh},
    };
    for (const CheckRow& r : rows) {
        IF97Transport t;
        t.computeViscosity(r.p, r.T, 0.05);
        EXPECT_EQ(t.status(), r.status) << r.p << " MPa, " << r.T << " K";
        t.computeConductivity(r.p, r.T, 0.05);
        EXPECT_EQ(t.status(), r.status) << r.p << " MPa, " << r.T << " K";
        if (r.status != 0) {
            EXPECT_EQ(t.viscosity(), static_cast<double>(r.status));
            EXPECT_EQ(t.conductivity(), static_cast<double>(r.status));
        } else {
            EXPECT_EQ(t.viscosity(), viscosityIAPS85(r.T, 0.05));
            EXPECT_EQ(t.conductivity(), conductivityIAPS85(r.T, 0.05));
        }
    }
}

TEST(Transport, FailedStepKeepsTheLastResults) {
    IF97Transport t;
    t.computeViscosity(1, 500, 0.2);
    const double mu = t.viscosity();
    t.computeViscosity(1, 5000, 0.2);
    EXPECT_EQ(t.viscosity(), static_cast<double>(status::TemperatureHigh));
    t.computeConductivity(1, 500, 0.2);
    EXPECT_EQ(t.status(), 0);
    EXPECT_EQ(t.viscosity(), mu);
}

}  // namespace
}  // namespace if97
