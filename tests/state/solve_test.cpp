// The state layer in core units: what a solve returns for each pair, the shared rules (input codes,
// wet states without transport properties, Prandtl number, region), and that a property has the same
// bits whatever else the mask asked for.
#include "pairs.h"
#include "steam_state.h"

#include "if97_state.h"
#include "if97_transport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

using steam::Formulation;
using steam::Pair;
using steam::Property;
using steam::solve;

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

constexpr steam::PropertyMask kAll = steam::kAllProperties;

TEST(Solve, PropertiesNotAskedForAreNaN) {
    const steam::State st = solve(Formulation::IF97, Pair::PT, 1.0, 500.0, steam::maskOf(Property::H));
    EXPECT_EQ(st.status, 0);
    EXPECT_GT(st[Property::H], 2800.0);  // superheated steam at 1 MPa, 500 K
    for (std::size_t i = 0; i < steam::kPropertyCount; ++i) {
        if (static_cast<Property>(i) == Property::H) continue;
        EXPECT_TRUE(std::isnan(st.values[i])) << i;
    }
}

struct CodeRow {
    Formulation f;
    Pair pair;
    double a, b;
    int code;
    const char* why;
};

// Inputs outside the ranges: the code of the first input that fails, in every property and the
// status, with either formulation.
const CodeRow kCodeRows[] = {
    {Formulation::IF97, Pair::PT, 0.0, 300.0, -1300, "p below 1e-7 MPa"},
    {Formulation::IF97, Pair::PT, 110.33, 300.0, -1200, "p above 110.32 MPa"},
    {Formulation::IF97, Pair::PT, 1.0, 273.1, -1100, "T below 273.15 K"},
    {Formulation::IFC67, Pair::PT, 1.0, 2300.0, -1000, "T above 2273.15 K, IF97 range first"},
    {Formulation::IF97, Pair::PX, 1.0, 1.5, -1700, "x above 1"},
    {Formulation::IF97, Pair::PX, NAN, 0.5, -1300, "NaN fails the lower test"},
    {Formulation::IF97, Pair::PH, 1.0, 7400.0, -2200, "h above 7377 kJ/kg"},
    {Formulation::IFC67, Pair::PS, 1.0, -1.0, -2300, "s below -0.011 kJ/(kg K)"},
    {Formulation::IF97, Pair::PT, 20.0, 1100.0, -1000, "above 1073.15 K beyond 10 MPa"},
    {Formulation::IF97, Pair::PX, 25.0, 0.0, -1800, "above the critical pressure"},
};

TEST(Solve, InputCodesReachEveryProperty) {
    for (const CodeRow& r : kCodeRows) {
        const steam::State st = solve(r.f, r.pair, r.a, r.b, kAll & ~steam::maskOf(Property::Region));
        EXPECT_EQ(st.status, r.code) << r.why;
        for (const Property p : {Property::P, Property::H, Property::V, Property::Kappa, Property::Lambda}) {
            if (r.pair == Pair::PX && p == Property::Lambda) continue;  // wet-state refusal comes first
            EXPECT_EQ(st[p], r.code) << r.why << " property " << static_cast<int>(p);
        }
    }
}

TEST(Solve, WetStatesHaveNoHeatCapacityAndNoTransport) {
    for (const Formulation f : {Formulation::IF97, Formulation::IFC67}) {
        const steam::State st = solve(f, Pair::PX, 1.0, 0.5, kAll);
        EXPECT_EQ(st.status, 0);
        EXPECT_EQ(st[Property::Mu], -2000.0);
        EXPECT_EQ(st[Property::Lambda], -2000.0);
        EXPECT_EQ(st[Property::Prandtl], -2000.0);
        EXPECT_EQ(st[Property::Region], f == Formulation::IF97 ? 4.0 : 0.0);
        EXPECT_GT(st[Property::W], 0.0);  // the critical flow velocity, from IF97 in both
        // Refused before the state: also where the state itself fails.
        EXPECT_EQ(solve(f, Pair::PX, 30.0, 0.5, steam::maskOf(Property::Lambda))[Property::Lambda], -2000.0);
    }
    EXPECT_EQ(solve(Formulation::IF97, Pair::PX, 1.0, 0.5, kAll)[Property::Cp], -2000.0);
    const steam::State ph = solve(Formulation::IF97, Pair::PH, 1.0, 2000.0, kAll);
    EXPECT_GT(ph[Property::X], 0.0);
    EXPECT_EQ(ph[Property::Lambda], -2000.0);
    EXPECT_EQ(ph[Property::Region], 4.0);
}

TEST(Solve, TransportAndPrandtlAtTheStatesOwnPressureTemperatureAndVolume) {
    // Liquid water at 0.1 MPa, 300 K; steam at 1 MPa, 600 K; both by (p,T) and by (p,h).
    for (const double T : {300.0, 600.0}) {
        const double p = T < 400.0 ? 0.1 : 1.0;
        const steam::State pt = solve(Formulation::IF97, Pair::PT, p, T, kAll);
        if97::IF97Transport tr;
        tr.computeConductivity(p, T, pt[Property::V]);
        tr.computeViscosity(p, T, pt[Property::V]);
        EXPECT_EQ(pt[Property::Lambda], tr.conductivity());
        EXPECT_EQ(pt[Property::Mu], tr.viscosity());
        EXPECT_EQ(pt[Property::Prandtl], tr.viscosity() * pt[Property::Cp] / tr.conductivity() * 1000.0);
        EXPECT_EQ(pt[Property::Region], T < 400.0 ? 1.0 : 2.0);
        const steam::State ph = solve(Formulation::IF97, Pair::PH, p, pt[Property::H], kAll);
        EXPECT_NEAR(ph[Property::T], T, 1e-7);
        EXPECT_NEAR(ph[Property::Lambda], pt[Property::Lambda], 1e-9);
        EXPECT_EQ(ph[Property::Region], pt[Property::Region]);
    }
    // Saturated liquid found from (p,h): region 4 and the liquid's transport properties.
    const steam::State sat = solve(Formulation::IF97, Pair::PX, 1.0, 0.0, kAll);
    const steam::State ph = solve(Formulation::IF97, Pair::PH, 1.0, sat[Property::H], kAll);
    EXPECT_NEAR(ph[Property::Lambda], sat[Property::Lambda], 1e-6);
}

TEST(Solve, IFC67TakesSpeedOfSoundFromIF97AndHasNoRegion) {
    const steam::State a = solve(Formulation::IFC67, Pair::PT, 1.0, 500.0, kAll);
    const steam::State b = solve(Formulation::IF97, Pair::PT, 1.0, 500.0, kAll);
    EXPECT_EQ(a[Property::W], b[Property::W]);
    EXPECT_EQ(a[Property::Kappa], b[Property::Kappa]);
    EXPECT_EQ(a[Property::Region], 0.0);
    EXPECT_EQ(a[Property::X], 1.0);
    EXPECT_NEAR(a[Property::H], b[Property::H], 1.0);  // the two formulations agree closely
    // Beyond the 1967 range (1600 F): that library's own code.
    EXPECT_EQ(solve(Formulation::IFC67, Pair::PT, 1.0, 1200.0, kAll)[Property::H], -1500.0);
}

// Every property, asked for alone and with all the others, has the same bits.
TEST(Solve, EveryPropertyIsIndependentOfTheMask) {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    int compared = 0;
    for (const Formulation f : {Formulation::IF97, Formulation::IFC67}) {
        for (const steam::PairInfo& info : steam::kPairs) {
            for (int k = 0; k < 300; ++k) {
                const double p = std::exp(std::log(1e-6) + u(rng) * std::log(1e8));
                double a = p, b = 0.0;
                switch (info.pair) {
                    case Pair::PT: b = 273.15 + u(rng) * 1900.0; break;
                    case Pair::PX: b = k % 3 == 0 ? (k % 2) * 1.0 : u(rng); break;
                    case Pair::TX: a = 273.15 + u(rng) * 380.0, b = k % 3 == 0 ? (k % 2) * 1.0 : u(rng); break;
                    case Pair::PH: b = u(rng) * 4200.0; break;
                    case Pair::PS: b = u(rng) * 10.0; break;
                    case Pair::HS: a = u(rng) * 4200.0, b = u(rng) * 10.0; break;
                    case Pair::TS: a = 273.15 + u(rng) * 1900.0, b = u(rng) * 10.0; break;
                    case Pair::PV: b = std::exp(std::log(1e-3) + u(rng) * std::log(1e6)); break;
                    case Pair::TV:
                        a = 273.15 + u(rng) * 1900.0, b = std::exp(std::log(1e-3) + u(rng) * std::log(1e6));
                        break;
                }
                const bool fast = k % 2 == 1;
                const steam::State all = solve(f, info.pair, a, b, kAll, fast);
                for (std::size_t i = 0; i < steam::kPropertyCount; ++i) {
                    const auto prop = static_cast<Property>(i);
                    const steam::State one = solve(f, info.pair, a, b, steam::maskOf(prop), fast);
                    ASSERT_TRUE(sameBits(one[prop], all[prop]))
                        << "pair " << static_cast<int>(info.pair) << " property " << i << " at (" << a << ", " << b
                        << "): " << one[prop] << " alone, " << all[prop] << " with all";
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 2 * 9 * 300 * 19);
}

}  // namespace
