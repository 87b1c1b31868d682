// The IAPWS 2008 viscosity and 2011 thermal conductivity (industrial forms) and the IAPWS surface
// tension against the releases' verification tables, and the state's getters of them.
#include <gtest/gtest.h>

#include <cmath>

#include "conductivity11.h"
#include "if97_state.h"
#include "if97_transport.h"
#include "status.h"
#include "surface_tension.h"
#include "test_support.h"
#include "viscosity08.h"

namespace if97 {
namespace {

// A printed value and the unit of its last printed digit.
struct Printed {
    double value;
    double lastDigit;
};

::testing::AssertionResult reproduces(double computed, Printed printed) {
    const double diff = std::fabs(computed - printed.value);
    if (diff <= 0.5 * printed.lastDigit * (1.0 + 1e-9)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << computed << " does not round to " << printed.value << " (difference "
                                         << diff << ")";
}

struct TRhoRow {
    double T;    // K
    double rho;  // kg/m3
    Printed expected;
};

// IAPWS R12-08 Table 4: mu in micro Pa s, with mu2 = 1.
const TRhoRow kR1208Table4[] = {
    {298.15, 998, {889.735100, 1e-6}},
    {298.15, 1200, {1437.649467, 1e-6}},
    {373.15, 1000, {307.883622, 1e-6}},
    {433.15, 1, {14.538324, 1e-6}},
    {433.15, 1000, {217.685358, 1e-6}},
    {873.15, 1, {32.619287, 1e-6}},
    {873.15, 100, {35.802262, 1e-6}},
    {873.15, 600, {77.430195, 1e-6}},
    {1173.15, 1, {44.217245, 1e-6}},
    {1173.15, 100, {47.640433, 1e-6}},
    {1173.15, 400, {64.154608, 1e-6}},
};

TEST(Viscosity08, R1208Table4) {
    for (const TRhoRow& r : kR1208Table4) {
        EXPECT_TRUE(reproduces(viscosity08(r.T, r.rho) * 1e6, r.expected)) << r.T << " K, " << r.rho << " kg/m3";
    }
}

// IAPWS R15-11 Table 4: lambda in mW/(m K) without the critical enhancement.
const TRhoRow kR1511Table4[] = {
    {298.15, 0, {18.4341883, 1e-7}},
    {298.15, 998, {607.712868, 1e-6}},
    {298.15, 1200, {799.038144, 1e-6}},
    {873.15, 0, {79.1034659, 1e-7}},
};

TEST(Conductivity11, R1511Table4) {
    for (const TRhoRow& r : kR1511Table4) {
        EXPECT_TRUE(reproduces(conductivity11Background(r.T, r.rho) * 1e3, r.expected)) << r.T << " K, " << r.rho;
    }
}

// IAPWS R15-11 Tables 7 to 9: the industrial form with IF97 properties; regions 1 and 2 at (T, p),
// region 3 at (T, rho). lambda in mW/(m K).
struct IndustrialRow {
    double T;    // K
    double p;    // MPa (regions 1 and 2), or 0
    double rho;  // kg/m3 (region 3), or 0
    Printed expected;
};

const IndustrialRow kR1511Tables7to9[] = {
    {620, 20, 0, {481.485195, 1e-6}},
    {620, 50, 0, {545.038940, 1e-6}},
    {650, 0.3, 0, {52.2311024, 1e-7}},
    {800, 50, 0, {177.709914, 1e-6}},
    {647.35, 0, 222, {366.879411, 1e-6}},
    {647.35, 0, 322, {1241.82415, 1e-5}},
};

TEST(Conductivity11, R1511Tables7to9IndustrialForm) {
    for (const IndustrialRow& r : kR1511Tables7to9) {
        IF97State st;
        if (r.p > 0) {
            st.computePT(r.p, r.T, kMaskV);
        } else {
            st.computeTV(r.T, 1.0 / r.rho, kMaskV);
        }
        ASSERT_EQ(st.status(), 0);
        EXPECT_TRUE(reproduces(st.conductivity11() * 1e3, r.expected)) << r.T << " K";
    }
}

// IAPWS R1-76 Table 1 (rows listed in the data), sigma in mN/m rounded to 0.01; T = t + 273.15 K.
struct SigmaRow {
    double t;  // degC
    double sigma;
};

const SigmaRow kR176Table1[] = {
    {0.01, 75.65}, {10, 74.22},  {20, 72.74},  {30, 71.19},  {40, 69.60},  {50, 67.94},  {60, 66.24},
    {70, 64.48},   {80, 62.67},  {90, 60.82},  {100, 58.91}, {120, 54.97}, {140, 50.86}, {160, 46.59},
    {180, 42.19},  {200, 37.67}, {250, 26.04}, {300, 14.36}, {350, 3.67},  {370, 0.39},
};

TEST(SurfaceTension, R176Table1) {
    for (const SigmaRow& r : kR176Table1) {
        EXPECT_TRUE(reproduces(surfaceTension(r.t + 273.15) * 1e3, {r.sigma, 0.01})) << r.t << " degC";
    }
}

TEST(SurfaceTension, RangeFromTriplePointToCriticalPoint) {
    EXPECT_EQ(surfaceTension(647.096), 0.0);
    EXPECT_GT(surfaceTension(273.16), 0.0756);
    EXPECT_EQ(surfaceTension(273.15), status::TemperatureLow);
    EXPECT_EQ(surfaceTension(std::nan("")), status::TemperatureLow);
    EXPECT_EQ(surfaceTension(647.0961), status::AboveCriticalTemperature);
    // The state's getter: at its temperature, whatever the phase.
    IF97State st;
    st.computePT(10.0, 700.0, kMaskV);
    EXPECT_EQ(st.surfaceTension(), status::AboveCriticalTemperature);
    st.computePT(0.1, 373.15, kMaskV);
    EXPECT_DOUBLE_EQ(st.surfaceTension(), surfaceTension(373.15));
}

TEST(TransportOfState, RangeAndWetStates) {
    IF97State st;
    st.computePX(1.0, 0.5, kMaskV);
    EXPECT_EQ(st.viscosity08(), kNotDefined);
    EXPECT_EQ(st.conductivity11(), kNotDefined);
    // Saturated liquid and vapour are single phases.
    st.computePX(1.0, 0.0, kMaskV);
    EXPECT_NEAR(st.viscosity08(), viscosity08(st.temperature(), st.density()), 1e-18);
    EXPECT_GT(st.conductivity11(), 0.6);
    st.computePX(1.0, 1.0, kMaskV);
    EXPECT_GT(st.conductivity11(), 0.03);
    // Valid to 1173.15 K.
    st.computePT(1.0, 1173.15, kMaskV);
    EXPECT_GT(st.viscosity08(), 0.0);
    EXPECT_GT(st.conductivity11(), 0.0);
    st.computePT(1.0, 1173.2, kMaskV);
    EXPECT_EQ(st.viscosity08(), status::TransportRange);
    EXPECT_EQ(st.conductivity11(), status::TransportRange);
    // An error status is returned as it stands.
    st.computePT(0.0, 300.0, kMaskV);
    EXPECT_EQ(st.viscosity08(), status::PressureLow);
    EXPECT_EQ(st.conductivity11(), status::PressureLow);
}

// The two formulations meet where both hold: within the 1985 equations' stated uncertainty of the
// 2008/2011 values (liquid and vapour away from the critical point).
TEST(TransportOfState, CloseToTheIAPS1985Equations) {
    const double states[][2] = {{0.1, 300.0}, {10.0, 400.0}, {1.0, 600.0}, {30.0, 700.0}, {5.0, 1000.0}};
    for (const auto& s : states) {
        IF97State st;
        st.computePT(s[0], s[1], kMaskV);
        IF97Transport old;
        old.computeViscosity(s[0], s[1], st.volume());
        old.computeConductivity(s[0], s[1], st.volume());
        EXPECT_TRUE(test::relativelyNear(st.viscosity08(), old.viscosity(), test::kOtherFormulation)) << s[1];
        EXPECT_TRUE(test::relativelyNear(st.conductivity11(), old.conductivity(), 0.05)) << s[1];
    }
}

}  // namespace
}  // namespace if97
