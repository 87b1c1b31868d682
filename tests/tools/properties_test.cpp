// Every property of every input pair in every unit set against the vaprop32 export for the same
// call, the composed values (Prandtl number, region, transport from (p,h) and (p,s)), the
// "not available" cases and the state codes.
#include "properties.h"

#include "tolerance.h"
#include "unit_sets.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace vapcalc {
namespace {

using test::kPrandtlRelative;
using test::kTransportThroughShownTemperature;
const vaprop::UnitFactors& F = vaprop::kUnitFactors;

// A core value in the units of set `set` (u = c * factor - offset).
double inSetP(double mpa, int set) { return mpa * F.pressure[set] - F.pressureOffset[set]; }
double inSetT(double kelvin, int set) { return kelvin * F.temperature[set] - F.temperatureOffset[set]; }

using Export = double (*)(double, double, std::int32_t);

struct Direct {
    Property property;
    Export call;
};

// Properties that come straight from one export for each pair (the table of the library's calls).
const std::vector<Direct>& directCalls(Pair pair) {
    using P = Property;
    static const std::vector<Direct> pt{{P::H, StmPTH},
                                        {P::S, StmPTS},
                                        {P::V, StmPTV},
                                        {P::C, StmPTC},
                                        {P::W, StmPTW},
                                        {P::G, StmPTG},
                                        {P::M, StmPTM},
                                        {P::K, StmPTK},
                                        {P::R, StmPTR}};
    static const std::vector<Direct> pq{{P::H, StmPQH},
                                        {P::S, StmPQS},
                                        {P::V, StmPQV},
                                        {P::C, StmPQC},
                                        {P::W, StmPQW},
                                        {P::G, StmPQG},
                                        {P::M, StmPQM},
                                        {P::K, StmPQK}};
    static const std::vector<Direct> tq{{P::H, StmTQH},
                                        {P::S, StmTQS},
                                        {P::V, StmTQV},
                                        {P::C, StmTQC},
                                        {P::W, StmTQW},
                                        {P::G, StmTQG},
                                        {P::M, StmTQM},
                                        {P::K, StmTQK}};
    static const std::vector<Direct> ph{
        {P::T, StmPHT}, {P::Q, StmPHQ}, {P::S, StmPHS}, {P::V, StmPHV}, {P::C, StmPHC}, {P::W, StmPHW}, {P::G, StmPHG}};
    static const std::vector<Direct> ps{
        {P::T, StmPST}, {P::Q, StmPSQ}, {P::H, StmPSH}, {P::V, StmPSV}, {P::C, StmPSC}, {P::W, StmPSW}, {P::G, StmPSG}};
    switch (pair) {
        case Pair::PT: return pt;
        case Pair::PQ: return pq;
        case Pair::TQ: return tq;
        case Pair::PH: return ph;
        case Pair::PS: return ps;
        case Pair::HS:
        case Pair::TS:
        case Pair::PV:
        case Pair::TV: break;  // by name only: no exports
    }
    static const std::vector<Direct> none;
    return none;
}

// Physical states in core units, one list per pair; (p,h) and (p,s) states are made from (p,T)
// and (p,x) states through the library itself, in each set.
struct CoreState {
    double a;  // MPa, or K for (T,Q)
    double b;  // K or quality
    const char* where;
};

const CoreState kPT[] = {
    {0.0035, 300.0, "region 1, IF97 Table 5"},
    {3.0, 300.0, "region 1"},
    {80.0, 500.0, "region 1, high pressure"},
    {0.0035, 700.0, "region 2, IF97 Table 15"},
    {30.0, 700.0, "region 2 above the B23 line"},
    {25.0, 650.0, "region 3"},
    {0.5, 1500.0, "region 5, IF97 Table 42"},
    {10.0, 1073.15, "region 2 at its upper temperature"},
};
const CoreState kPQ[] = {{0.1, 0.0, "saturated liquid"},
                         {1.0, 0.5, "wet"},
                         {10.0, 1.0, "saturated vapour"},
                         {20.0, 0.3, "wet, region 3 side"}};
const CoreState kTQ[] = {{300.0, 0.0, "saturated liquid"},
                         {373.15, 0.5, "wet"},
                         {600.0, 1.0, "saturated vapour"},
                         {640.0, 0.2, "wet, near critical"}};

struct SetState {
    Pair pair;
    double first;
    double second;
    std::string where;
};

std::vector<SetState> statesInSet(int set) {
    std::vector<SetState> states;
    for (const CoreState& s : kPT) {
        const double p = inSetP(s.a, set);
        const double t = inSetT(s.b, set);
        states.push_back({Pair::PT, p, t, s.where});
        states.push_back({Pair::PH, p, StmPTH(p, t, set), std::string("(p,h) of ") + s.where});
        states.push_back({Pair::PS, p, StmPTS(p, t, set), std::string("(p,s) of ") + s.where});
    }
    for (const CoreState& s : kPQ) {
        const double p = inSetP(s.a, set);
        states.push_back({Pair::PQ, p, s.b, s.where});
        if (s.b > 0.0 && s.b < 1.0) {
            states.push_back({Pair::PH, p, StmPQH(p, s.b, set), std::string("(p,h), ") + s.where});
            states.push_back({Pair::PS, p, StmPQS(p, s.b, set), std::string("(p,s), ") + s.where});
        }
    }
    for (const CoreState& s : kTQ) states.push_back({Pair::TQ, inSetT(s.a, set), s.b, s.where});
    return states;
}

bool wet(double x) { return x > 0.0 && x < 1.0; }

TEST(Properties, EveryDirectPropertyIsTheExportOfTheSameCall) {
    int compared = 0;
    for (int set = 0; set < 7; ++set) {
        for (int flags : {0, 16}) {
            const std::int32_t us = set | flags;
            for (const SetState& s : statesInSet(set)) {
                StateEvaluator ev(s.pair, s.first, s.second, us);
                ASSERT_EQ(ev.stateCode(), 0.0) << s.where << " set " << us;
                for (const Direct& d : directCalls(s.pair)) {
                    const double expected = d.call(s.first, s.second, us);
                    // Same call, same result: compared bit for bit (both may be the same code).
                    EXPECT_EQ(ev.get(d.property), expected)
                        << propertyInfo(d.property).letter << " " << s.where << " set " << us;
                    ++compared;
                }
                const PairInfo& info = pairInfo(s.pair);
                EXPECT_EQ(ev.get(info.first), s.first) << s.where;
                EXPECT_EQ(ev.get(info.second), s.second) << s.where;
            }
        }
    }
    EXPECT_GT(compared, 1500);
}

TEST(Properties, SaturationValuesComeFromTheSaturationCalls) {
    for (int set = 0; set < 7; ++set) {
        for (const CoreState& s : kPQ) {
            const double p = inSetP(s.a, set);
            EXPECT_EQ(StateEvaluator(Pair::PQ, p, s.b, set).get(Property::T), StmPT(p, set)) << s.where;
            EXPECT_EQ(StateEvaluator(Pair::PQ, p, s.b, set).get(Property::R), 4.0) << s.where;
        }
        for (const CoreState& s : kTQ) {
            const double t = inSetT(s.a, set);
            EXPECT_EQ(StateEvaluator(Pair::TQ, t, s.b, set).get(Property::P), StmTP(t, set)) << s.where;
            EXPECT_EQ(StateEvaluator(Pair::TQ, t, s.b, set).get(Property::R), 4.0) << s.where;
        }
    }
}

TEST(Properties, TransportFromEnthalpyOrEntropyGoesThroughTheTemperature) {
    for (int set = 0; set < 7; ++set) {
        for (const SetState& s : statesInSet(set)) {
            if (s.pair != Pair::PH && s.pair != Pair::PS) continue;
            StateEvaluator ev(s.pair, s.first, s.second, set);
            const double t = s.pair == Pair::PH ? StmPHT(s.first, s.second, set) : StmPST(s.first, s.second, set);
            const double x = s.pair == Pair::PH ? StmPHQ(s.first, s.second, set) : StmPSQ(s.first, s.second, set);
            if (wet(x)) {
                EXPECT_EQ(ev.get(Property::K), kNotAvailable) << s.where;
                EXPECT_EQ(ev.get(Property::M), kNotAvailable) << s.where;
                EXPECT_EQ(ev.get(Property::R), 4.0) << s.where;
                EXPECT_TRUE(ev.isWet()) << s.where;
                continue;
            }
            EXPECT_FALSE(ev.isWet()) << s.where;
            // The library's value of the state (StmProp), computed at the state's own temperature and
            // volume in core units: the (p,T) calls at the temperature as shown agree within the
            // rounding of that temperature's conversion (and, at 1073.15 K, of the region 2/5 line).
            const char* pair = s.pair == Pair::PH ? "PH" : "PS";
            EXPECT_EQ(ev.get(Property::K), StmProp(pair, s.first, s.second, "K", set)) << s.where << " set " << set;
            EXPECT_EQ(ev.get(Property::M), StmProp(pair, s.first, s.second, "M", set)) << s.where << " set " << set;
            EXPECT_EQ(ev.get(Property::R), StmProp(pair, s.first, s.second, "R", set)) << s.where << " set " << set;
            const double k = StmPTK(s.first, t, set);
            const double m = StmPTM(s.first, t, set);
            const double tolerance = kTransportThroughShownTemperature;
            EXPECT_NEAR(ev.get(Property::K), k, tolerance * k) << s.where << " set " << set;
            EXPECT_NEAR(ev.get(Property::M), m, tolerance * m) << s.where << " set " << set;
            if (set == 3) {
                EXPECT_EQ(ev.get(Property::R), StmPTR(s.first, t, set)) << s.where;
            }
        }
    }
}

TEST(Properties, SaturatedLiquidFromEnthalpyTakesTheLiquidTransport) {
    // h' at 1 MPa: the (p,h) state is liquid-like at the saturation temperature; (p,T) there would be
    // the vapour's transport properties.
    const double p = 10.0;  // bar, set SI
    const double h = StmPQH(p, 0.0, 1);
    const double x = StmPHQ(p, h, 1);
    const double t = StmPHT(p, h, 1);
    if (x == 0.0 && t >= StmPT(p, 1)) {
        StateEvaluator ev(Pair::PH, p, h, 1);
        EXPECT_EQ(ev.get(Property::K), StmPQK(p, 0.0, 1));
        EXPECT_EQ(ev.get(Property::M), StmPQM(p, 0.0, 1));
        EXPECT_EQ(ev.get(Property::R), 4.0);
    } else {
        StateEvaluator ev(Pair::PH, p, h, 1);
        EXPECT_EQ(ev.get(Property::K), StmPTK(p, t, 1));
    }
}

// Pr = cp mu / k in core units, from the exports in set SIF (whose units are the core's).
double prandtlInSIF(Pair pair, double a, double b) {
    StateEvaluator ev(pair, a, b, 3);
    return ev.get(Property::C) * 1000.0 * ev.get(Property::M) / ev.get(Property::K);
}

TEST(Properties, PrandtlNumberIsTheSameInEverySet) {
    for (const CoreState& s : kPT) {
        const double expected = prandtlInSIF(Pair::PT, s.a, s.b);
        ASSERT_GT(expected, 0.0) << s.where;
        for (int set = 0; set < 7; ++set) {
            const double pr = StateEvaluator(Pair::PT, inSetP(s.a, set), inSetT(s.b, set), set).get(Property::Pr);
            EXPECT_NEAR(pr, expected, kPrandtlRelative * expected) << s.where << " set " << set;
        }
    }
}

TEST(Properties, PrandtlNumberOfLiquidWaterNearRoomTemperature) {
    // Liquid water at 0.1 MPa, 300 K: cp about 4.18 kJ/(kg K), mu about 0.85 mPa s, k about 0.61 W/(m K)
    // (IAPWS transport releases); Pr is close to 5.8.
    const double pr = StateEvaluator(Pair::PT, 0.1, 300.0, 3).get(Property::Pr);
    EXPECT_GT(pr, 5.5);
    EXPECT_LT(pr, 6.1);
}

TEST(Properties, PropertiesNotDefinedForTheStateAreNotAvailable) {
    StateEvaluator pt(Pair::PT, 10.0, 500.0, 1);
    EXPECT_EQ(pt.get(Property::Q), kNotAvailable);  // the library has no quality for (p,T)
    EXPECT_FALSE(pt.isWet());
    StateEvaluator pq(Pair::PQ, 10.0, 0.5, 1);  // wet steam at 10 bar
    EXPECT_TRUE(pq.isWet());
    EXPECT_EQ(pq.get(Property::C), kNotAvailable);
    EXPECT_EQ(pq.get(Property::K), kNotAvailable);
    EXPECT_EQ(pq.get(Property::M), kNotAvailable);
    EXPECT_EQ(pq.get(Property::Pr), kNotAvailable);
    EXPECT_EQ(StateEvaluator(Pair::TQ, 100.0, 0.5, 1).get(Property::Pr), kNotAvailable);
    // The 1967 equations have no IF97 region.
    EXPECT_EQ(StateEvaluator(Pair::PT, 10.0, 500.0, 1 | 8).get(Property::R), kNotAvailable);
    EXPECT_EQ(StateEvaluator(Pair::PQ, 10.0, 1.0, 1 | 8).get(Property::R), kNotAvailable);
}

TEST(Properties, WetSteamSpeedOfSoundIsTheCriticalFlowVelocity) {
    // 10 bar, x = 0.5 lies inside the range of the critical flow velocity (p from 0.00963106 to
    // 16.36 MPa, x from 0.25): a velocity, not "not available". Below x = 0.25 there is none.
    StateEvaluator pq(Pair::PQ, 10.0, 0.5, 1);
    EXPECT_EQ(pq.get(Property::W), StmPQW(10.0, 0.5, 1));
    EXPECT_EQ(StateEvaluator(Pair::PQ, 10.0, 0.2, 1).get(Property::W), kNotAvailable);
    EXPECT_GT(pq.get(Property::W), 0.0);
    EXPECT_GT(pq.get(Property::G), 0.0);
}

struct CodeRow {
    Pair pair;
    double a;
    double b;
    std::int32_t unitSet;
    double code;
    const char* why;
};

// Codes of the library's table (vaprop32.h) for states that cannot be computed.
const CodeRow kCodeRows[] = {
    {Pair::PT, 20.0, 1100.0, 3, -1000, "T above 1073.15 K with p above 10 MPa"},
    {Pair::PT, 10.0, 2273.16, 3, -1000, "T above 2273.15 K"},
    {Pair::PT, 10.0, 273.0, 3, -1100, "T below 273.15 K"},
    {Pair::PT, 110.33, 300.0, 3, -1200, "p above 110.32 MPa"},
    {Pair::PT, 0.0, 300.0, 3, -1300, "p below 1e-7 MPa"},
    {Pair::PT, -14.7, 100.0, 2, -1300, "gauge pressure below vacuum"},
    {Pair::PT, 1.0, 300.0, 7, -1099, "set index 7"},
    {Pair::PT, 1.0, 300.0, 33, -1099, "UnitSet above 32"},
    {Pair::PQ, 1.0, 1.5, 3, -1700, "quality above 1"},
    {Pair::PQ, 1.0, -0.1, 3, -1700, "quality below 0"},
    {Pair::PQ, 25.0, 0.5, 3, -1800, "above the critical pressure"},
    {Pair::TQ, 650.0, 0.5, 3, -1900, "above the critical temperature"},
    {Pair::PH, 1.0, -1.0, 3, -2100, "h below -0.05 kJ/kg"},
    {Pair::PH, 1.0, 8000.0, 3, -2200, "h above 7377 kJ/kg"},
    {Pair::PS, 1.0, -1.0, 3, -2300, "s below -0.011 kJ/(kg K)"},
    {Pair::PS, 1.0, 120.0, 3, -2400, "s above 111.45 kJ/(kg K)"},
};

TEST(Properties, StatesThatFailGiveTheirCodeInEveryProperty) {
    for (const CodeRow& row : kCodeRows) {
        StateEvaluator ev(row.pair, row.a, row.b, row.unitSet);
        EXPECT_EQ(ev.stateCode(), row.code) << row.why;
        for (std::size_t i = 0; i < kPropertyCount; ++i) {
            const auto p = static_cast<Property>(i);
            if (p == Property::Q && row.pair == Pair::PT) continue;  // never defined for (p,T)
            EXPECT_EQ(ev.get(p), row.code) << propertyInfo(p).letter << ": " << row.why;
        }
    }
}

TEST(Properties, UnitSetWordsTheLibraryAccepts) {
    for (std::int32_t us : {0, 1, 6, 8, 14, 16, 22, 24, 30, 32}) EXPECT_TRUE(unitSetAccepted(us)) << us;
    for (std::int32_t us : {7, 15, 23, 31, 33, 40, 127}) EXPECT_FALSE(unitSetAccepted(us)) << us;
}

TEST(Properties, LettersAndUnitTexts) {
    EXPECT_EQ(propertyFromLetter("t"), Property::T);
    EXPECT_EQ(propertyFromLetter("PR"), Property::Pr);
    EXPECT_EQ(propertyFromLetter("pr"), Property::Pr);
    EXPECT_EQ(propertyFromLetter("R"), Property::R);
    EXPECT_EQ(propertyFromLetter("X"), std::nullopt);
    EXPECT_EQ(propertyFromLetter(""), std::nullopt);
    // The unit table of the library's sets.
    EXPECT_EQ(unitText(Quantity::Pressure, 0), "psia");
    EXPECT_EQ(unitText(Quantity::Pressure, 2), "psig");
    EXPECT_EQ(unitText(Quantity::Pressure, 6), "kgf/cm2");
    EXPECT_EQ(unitText(Quantity::Temperature, 3), "K");
    EXPECT_EQ(unitText(Quantity::Temperature, 4), "°C");
    EXPECT_EQ(unitText(Quantity::Enthalpy, 5), "kcal/kg");
    EXPECT_EQ(unitText(Quantity::Entropy, 0), "Btu/(lb °F)");
    EXPECT_EQ(unitText(Quantity::Volume, 2), "ft3/lb");
    EXPECT_EQ(unitText(Quantity::SoundSpeed, 0), "ft/s");
    EXPECT_EQ(unitText(Quantity::Viscosity, 1), "mPa s");
    EXPECT_EQ(unitText(Quantity::Viscosity, 6), "Pa s");
    EXPECT_EQ(unitText(Quantity::Conductivity, 6), "kcal/(h m °C)");
    EXPECT_EQ(unitText(Quantity::Conductivity, 0), "Btu/(h ft °F)");
    EXPECT_EQ(unitText(Quantity::Dimensionless, 1), "");
    EXPECT_EQ(unitText(Quantity::Pressure, 7), "");
    EXPECT_EQ(unitText(Quantity::Pressure, 1 | 8 | 16), "bar");
    EXPECT_EQ(pairOf(Property::T, Property::P), Pair::PT);
    EXPECT_EQ(pairOf(Property::Q, Property::T), Pair::TQ);
    EXPECT_EQ(pairOf(Property::H, Property::T), std::nullopt);
    EXPECT_EQ(pairOf(Property::P, Property::P), std::nullopt);
}

}  // namespace
}  // namespace vapcalc
