// The state layer's pairs (h,s), (T,s), (p,v), (T,v) and names U, D, Cv, Sigma, Mu08, Lambda11, in
// core units: each new pair gives the state of the (p,T) or (p,x) solve it was taken from, with every
// property; the 1967 route's rule; the ambiguous state and the codes of volumes beyond the range.
#include "pairs.h"
#include "steam_state.h"

#include "if97_state.h"
#include "surface_tension.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using steam::Formulation;
using steam::Pair;
using steam::Property;
using steam::solve;

constexpr steam::PropertyMask kAll = steam::kAllProperties;

// Relative agreement of the same state reached through two pairs (the solvers reproduce their inputs
// to 1e-11; properties that amplify that, such as cp near saturation, within 1e-8).
constexpr double kSameState = 1e-8;

struct Origin {
    Pair pair;
    double a;
    double b;
    const char* where;
};

const Origin kOrigins[] = {
    {Pair::PT, 0.1, 300.0, "liquid, region 1"},
    {Pair::PT, 10.0, 550.0, "liquid, region 1"},
    {Pair::PT, 1.0, 500.0, "steam, region 2"},
    {Pair::PT, 40.0, 800.0, "steam, region 2 beyond B23"},
    {Pair::PT, 25.0, 650.0, "region 3"},
    {Pair::PT, 20.0, 640.0, "region 3, liquid side"},
    {Pair::PT, 1.0, 1500.0, "region 5"},
    {Pair::PX, 0.1, 0.9, "wet steam"},
    {Pair::PX, 20.0, 0.3, "wet steam in region 3"},
    {Pair::TX, 400.0, 1.0, "saturated vapour"},
};

// Properties that follow from the state alone (the inputs of the pairs among them).
const Property kStateProperties[] = {Property::P,
                                     Property::T,
                                     Property::X,
                                     Property::H,
                                     Property::S,
                                     Property::V,
                                     Property::Cp,
                                     Property::W,
                                     Property::U,
                                     Property::D,
                                     Property::Cv,
                                     Property::Sigma,
                                     Property::Mu08,
                                     Property::Lambda11,
                                     Property::Region};

bool near(double a, double b, double tol) {
    if (a == b) return true;
    return std::fabs(a - b) <= tol * std::max(std::fabs(a), std::fabs(b));
}

TEST(NewPairs, GiveTheStateTheyWereTakenFrom) {
    for (const Origin& o : kOrigins) {
        const steam::State ref = solve(Formulation::IF97, o.pair, o.a, o.b, kAll);
        ASSERT_EQ(ref.status, 0) << o.where;
        const double inputs[4][2] = {{ref[Property::H], ref[Property::S]},
                                     {ref[Property::T], ref[Property::S]},
                                     {ref[Property::P], ref[Property::V]},
                                     {ref[Property::T], ref[Property::V]}};
        const Pair pairs[4] = {Pair::HS, Pair::TS, Pair::PV, Pair::TV};
        for (int k = 0; k < 4; ++k) {
            const steam::State st = solve(Formulation::IF97, pairs[k], inputs[k][0], inputs[k][1], kAll);
            ASSERT_EQ(st.status, 0) << o.where << ", pair " << k;
            for (const Property p : kStateProperties) {
                // The critical flow velocity of a wet state comes from a search of its own (1e-8).
                const double tol = p == Property::W && ref[Property::X] < 1.0 ? 1e-6 : kSameState;
                // The region of a saturated state: 4 from (p,x) and (T,x), that of its (p,T) otherwise.
                const bool wet = ref[Property::X] > 0.0 && ref[Property::X] < 1.0;
                if (p == Property::Region && o.pair != Pair::PT && !wet) continue;
                EXPECT_TRUE(near(st[p], ref[p], tol)) << o.where << ", pair " << k << ", property "
                                                      << static_cast<int>(p) << ": " << st[p] << " vs " << ref[p];
            }
        }
    }
}

TEST(NewNames, FromTheCoreState) {
    const steam::State st = solve(Formulation::IF97, Pair::PT, 3.0, 300.0, kAll);
    ASSERT_EQ(st.status, 0);
    // IF97 Table 5: u = 112.324818 kJ/kg at (3 MPa, 300 K).
    EXPECT_NEAR(st[Property::U], 112.324818, 5e-7);
    EXPECT_DOUBLE_EQ(st[Property::D], 1.0 / st[Property::V]);
    EXPECT_LT(st[Property::Cv], st[Property::Cp]);
    EXPECT_DOUBLE_EQ(st[Property::Sigma], if97::surfaceTension(300.0));
    // The 2008/2011 equations against the 1985 ones at a plain liquid state: within 1 %.
    EXPECT_NEAR(st[Property::Mu08] / st[Property::Mu], 1.0, 0.01);
    EXPECT_NEAR(st[Property::Lambda11] / st[Property::Lambda], 1.0, 0.01);
}

// Wet steam has no single-phase cv and no transport properties, by either route; the refusal of the
// 2008/2011 equations for a wet quality comes before the state, as that of the 1985 ones.
TEST(NewNames, WetSteam) {
    const steam::State wet = solve(Formulation::IF97, Pair::PX, 1.0, 0.5, kAll);
    EXPECT_EQ(wet[Property::Cv], -2000.0);
    EXPECT_EQ(wet[Property::Mu08], -2000.0);
    EXPECT_EQ(wet[Property::Lambda11], -2000.0);
    EXPECT_GT(wet[Property::Sigma], 0.0);
    const steam::State beyond = solve(Formulation::IF97, Pair::PX, 25.0, 0.5, kAll);
    EXPECT_EQ(beyond.status, -1800);
    EXPECT_EQ(beyond[Property::Mu08], -2000.0);
    EXPECT_EQ(beyond[Property::Lambda11], -2000.0);
    EXPECT_EQ(beyond[Property::U], -1800.0);
    const steam::State hot = solve(Formulation::IF97, Pair::PT, 1.0, 1200.0, kAll);
    EXPECT_EQ(hot[Property::Mu08], -5100.0);
    EXPECT_EQ(hot[Property::Lambda11], -5100.0);
    EXPECT_EQ(hot[Property::Sigma], -1900.0);
}

// The 1967 route: U and D from the IFC-67 state; the new pairs refused as a whole, the other new
// names in their cells only.
TEST(NewNames, The1967Route) {
    const steam::State st = solve(Formulation::IFC67, Pair::PT, 1.0, 500.0, kAll);
    EXPECT_EQ(st.status, 0);
    EXPECT_DOUBLE_EQ(st[Property::U], st[Property::H] - 1000.0 * st[Property::P] * st[Property::V]);
    EXPECT_DOUBLE_EQ(st[Property::D], 1.0 / st[Property::V]);
    for (const Property p : {Property::Cv, Property::Sigma, Property::Mu08, Property::Lambda11}) {
        EXPECT_EQ(st[p], steam::kNotInIFC67) << static_cast<int>(p);
    }
    const steam::State refused = solve(Formulation::IFC67, Pair::PT, 1.0, 5000.0, kAll);
    EXPECT_EQ(refused[Property::U], -1000.0);  // the input code first
    const Origin inputs[] = {{Pair::HS, 2800.0, 6.5, "(h,s)"},
                             {Pair::TS, 500.0, 6.0, "(T,s)"},
                             {Pair::PV, 1.0, 0.2, "(p,v)"},
                             {Pair::TV, 500.0, 0.2, "(T,v)"}};
    for (const Origin& in : inputs) {
        const steam::State none = solve(Formulation::IFC67, in.pair, in.a, in.b, kAll);
        EXPECT_EQ(none.status, steam::kNotInIFC67);
        EXPECT_EQ(none[Property::H], steam::kNotInIFC67);
        EXPECT_EQ(none[Property::U], steam::kNotInIFC67);
    }
}

// The volume has no input range of its own: the operations give the code of the limit crossed.
TEST(NewPairs, VolumesBeyondTheRange) {
    EXPECT_EQ(solve(Formulation::IF97, Pair::PV, 1.0, NAN, kAll).status, -1100);
    EXPECT_EQ(solve(Formulation::IF97, Pair::PV, 1.0, -1.0, kAll).status, -1100);
    EXPECT_EQ(solve(Formulation::IF97, Pair::TV, 300.0, NAN, kAll).status, -1200);
    EXPECT_EQ(solve(Formulation::IF97, Pair::TV, 300.0, 1e12, kAll).status, -1300);
    EXPECT_EQ(solve(Formulation::IF97, Pair::PV, 200.0, 0.001, kAll).status, -1200);  // p checked first
}

// Liquid water near its density maximum: (p,v) and (T,s) shared by two states give -2600 in every
// property asked for.
TEST(NewPairs, AmbiguousStates) {
    const steam::State cold = solve(Formulation::IF97, Pair::PT, 0.1, 275.0, kAll);
    const steam::State pv = solve(Formulation::IF97, Pair::PV, 0.1, cold[Property::V], kAll);
    EXPECT_EQ(pv.status, -2600);
    EXPECT_EQ(pv[Property::T], -2600.0);
    EXPECT_EQ(pv[Property::Mu08], -2600.0);
    const steam::State ts = solve(Formulation::IF97, Pair::TS, 275.0, cold[Property::S], kAll);
    EXPECT_EQ(ts.status, -2600);
    EXPECT_EQ(ts[Property::P], -2600.0);
}

}  // namespace
