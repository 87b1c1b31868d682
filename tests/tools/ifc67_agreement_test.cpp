// --ifc67 against the 1967 library called directly: the same states in English units, and the
// same values after the stored conversions of the other sets.
#include "properties.h"

#include "tolerance.h"
#include "unit_sets.h"
#include "vaprop32.h"
#include "vaprop67.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vapcalc {
namespace {

using test::kConversionRelative;
const vaprop::UnitFactors& F = vaprop::kUnitFactors;
constexpr std::int32_t kIfc67 = 8;

// Relative agreement, with an absolute floor of the same size for values near zero (quality 0,
// temperatures near 0 °C, gauge pressures near 0 psig).
void expectClose(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 4 * kConversionRelative * std::max(1.0, std::fabs(expected))) << what;
}

using Export67 = double (*)(double, double);

struct Case67 {
    Pair pair;
    double a;  // psia, or °F for (T,Q)
    double b;  // °F, quality, Btu/lb or Btu/(lb °F)
};

struct Direct67 {
    Property property;
    Export67 call;
};

std::vector<Direct67> directCalls67(Pair pair) {
    using P = Property;
    switch (pair) {
        case Pair::PT: return {{P::H, Stm67PTH}, {P::S, Stm67PTS}, {P::V, Stm67PTV}, {P::C, Stm67PTC}};
        case Pair::PQ: return {{P::H, Stm67PQH}, {P::S, Stm67PQS}, {P::V, Stm67PQV}};
        case Pair::TQ: return {{P::H, Stm67TQH}, {P::S, Stm67TQS}, {P::V, Stm67TQV}};
        case Pair::PH: return {{P::T, Stm67PHT}, {P::Q, Stm67PHQ}, {P::S, Stm67PHS}, {P::V, Stm67PHV}};
        case Pair::PS: return {{P::T, Stm67PST}, {P::Q, Stm67PSQ}, {P::H, Stm67PSH}, {P::V, Stm67PSV}};
        case Pair::HS:
        case Pair::TS:
        case Pair::PV:
        case Pair::TV: break;  // no 1967 calls
    }
    return {};
}

// States in English units, inside the IFC-67 range.
const Case67 kCases[] = {
    {Pair::PT, 1000.0, 1000.0},  // superheated steam
    {Pair::PT, 200.0, 300.0},    // compressed liquid
    {Pair::PT, 14.7, 212.5},     // just above the boiling point
    {Pair::PQ, 100.0, 0.0},
    {Pair::PQ, 100.0, 0.4},
    {Pair::PQ, 1000.0, 1.0},
    {Pair::TQ, 212.0, 0.5},
    {Pair::TQ, 500.0, 1.0},
    {Pair::PH, 200.0, 1400.0},
    {Pair::PH, 100.0, 700.0},  // wet
    {Pair::PS, 200.0, 1.7},
    {Pair::PS, 50.0, 1.2},  // wet
};

TEST(Ifc67Agreement, EnglishUnitsMatchTheLibraryCalls) {
    for (const Case67& c : kCases) {
        StateEvaluator ev(c.pair, c.a, c.b, 0 | kIfc67);
        ASSERT_EQ(ev.stateCode(), 0.0) << c.a << "," << c.b;
        for (const Direct67& d : directCalls67(c.pair)) {
            expectClose(ev.get(d.property), d.call(c.a, c.b), propertyInfo(d.property).name.data());
        }
    }
    expectClose(StateEvaluator(Pair::PQ, 100.0, 0.4, kIfc67).get(Property::T), Stm67PT(100.0), "Tsat");
    expectClose(StateEvaluator(Pair::TQ, 212.0, 0.5, kIfc67).get(Property::P), Stm67TP(212.0), "psat");
}

TEST(Ifc67Agreement, SpeedOfSoundAndExpansionCoefficientStayIF97) {
    for (const Case67& c : kCases) {
        StateEvaluator ifc(c.pair, c.a, c.b, kIfc67);
        StateEvaluator if97(c.pair, c.a, c.b, 0);
        if (c.pair == Pair::PT || c.pair == Pair::PQ || c.pair == Pair::TQ) {
            EXPECT_EQ(ifc.get(Property::W), if97.get(Property::W));
            EXPECT_EQ(ifc.get(Property::G), if97.get(Property::G));
        }
    }
}

TEST(Ifc67Agreement, OtherSetsAreTheEnglishValuesConverted) {
    // 1000 psia, 1000 °F in every set: h, s, v from Stm67 converted with the stored factors.
    const double pPsia = 1000.0;
    const double tF = 1000.0;
    const double pMPa = pPsia / F.pressure[0];
    const double tK = (tF + F.temperatureOffset[0]) / F.temperature[0];
    const double h = Stm67PTH(pPsia, tF) / F.enthalpy[0];
    const double s = Stm67PTS(pPsia, tF) / F.entropy[0];
    const double v = Stm67PTV(pPsia, tF) / F.volume[0];
    for (int set = 1; set < 7; ++set) {
        const double p = pMPa * F.pressure[set] - F.pressureOffset[set];
        const double t = tK * F.temperature[set] - F.temperatureOffset[set];
        StateEvaluator ev(Pair::PT, p, t, set | kIfc67);
        expectClose(ev.get(Property::H), h * F.enthalpy[set], "h");
        expectClose(ev.get(Property::S), s * F.entropy[set], "s");
        expectClose(ev.get(Property::V), v * F.volume[set], "v");
    }
}

TEST(Ifc67Agreement, CodesOfTheLibraryReachTheCaller) {
    // 1700 °F lies beyond the IFC-67 range, inside the IF97 one.
    StateEvaluator ev(Pair::PT, 1000.0, 1700.0, kIfc67);
    EXPECT_EQ(ev.stateCode(), -1500.0);
    EXPECT_EQ(ev.get(Property::H), -1500.0);
    EXPECT_EQ(StateEvaluator(Pair::PT, 1000.0, 1700.0, 0).stateCode(), 0.0);
    // Above the IFC-67 critical pressure there is no saturation state.
    EXPECT_EQ(StateEvaluator(Pair::PQ, 4000.0, 1.0, kIfc67).get(Property::K), -1800.0);
}

}  // namespace
}  // namespace vapcalc
