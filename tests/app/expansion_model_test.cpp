// The expansion calculation without a window: the pressure checks, the isentrope, the four
// input modes in both formulations against the core and vaprop67 called directly, the energy
// and efficiency checks, the transport step and the steam rate.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expansion.h"
#include "if97_state.h"
#include "if97_transport.h"
#include "input_pair.h"
#include "vaprop67.h"

namespace calvex {
namespace {

// Tolerance tiers (relative).
constexpr double kSameCalls = 1e-13;      // the same core or library calls in the same order
constexpr double kUnitRoundTrip = 1e-12;  // a value through a unit conversion and back
constexpr double kCoreInverse = 1e-7;     // an entropy through the (p,h) inverse and back

void expectRel(double actual, double expected, double tol) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tol) << "expected " << expected;
}

constexpr int kAll = 255;

// The initial state of a turbine section: 10 MPa, 550 C (region 2, IF97).
struct Inlet {
    double p, T, h, s;
};

Inlet inletIF97(double p, double T) {
    if97::IF97State st;
    st.computePT(p, T, kAll);
    return {p, T, st.enthalpy(), st.entropy()};
}

// The same inlet by the IFC-67 library, in internal units.
Inlet inletIFC67(double p, double T) {
    const double pe = fromInternal(p, PropertyKind::Pressure, 1);
    const double te = fromInternal(T, PropertyKind::Temperature, 1);
    return {p,
            T,
            toInternal(Stm67PTH(pe, te), PropertyKind::Enthalpy, 1),
            toInternal(Stm67PTS(pe, te), PropertyKind::Entropy, 1)};
}

ExpansionInput makeInput(const Inlet& in, double p2, ExpansionMode mode, bool ifc67) {
    ExpansionInput e;
    e.p1 = in.p;
    e.h1 = in.h;
    e.s1 = in.s;
    e.boxes[kToPressure] = p2;
    e.boxes[kToTemperature] = 273.15;
    e.mode = mode;
    e.ifc67 = ifc67;
    e.steamRateUnit = SteamRateUnit::KgPerKWh;
    return e;
}

double v(const ExpansionReport& r, int b) { return r.values[static_cast<std::size_t>(b)]; }
bool isSet(const ExpansionReport& r, int b) { return r.set[static_cast<std::size_t>(b)]; }
bool isRestored(const ExpansionReport& r, int b) { return r.restored[static_cast<std::size_t>(b)]; }

// A calculator that answers from fixed results and counts its calls.
class FakeCalculator final : public ExpansionCalculator {
  public:
    std::optional<double> isentropicEnthalpy(double, double, bool) override {
        ++isentropeCalls;
        return hs;
    }
    ComputeReport endState(std::uint32_t mask, const FormValues& to) override {
        ++endCalls;
        lastMask = mask;
        ComputeReport r = end;
        if (useInputs) {
            r.values = to;
        }
        return r;
    }
    std::optional<double> hs;
    ComputeReport end;
    bool useInputs = false;
    std::uint32_t lastMask = 0;
    int isentropeCalls = 0;
    int endCalls = 0;
};

// ---------------------------------------------------------------------------------------------
// Messages and small rules

TEST(ExpansionTexts, Messages) {
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureNotLower),
              "The expansion calculation cannot be completed because the expansion pressure must be lower than "
              "the initial pressure");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureTooLow),
              "The expansion calculation cannot be completed because the expansion pressure is too low");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureOrEntropy),
              "The expansion calculation cannot be completed because either the expansion pressure or entropy are "
              "invalid");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::EfficiencyBelowZero),
              "The expansion calculation cannot be completed because the efficiency value is less than 0.0");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::EfficiencyAboveOne),
              "The expansion calculation cannot be completed because the efficiency value is greater than 1.0");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureOrEnthalpy),
              "The expansion calculation cannot be completed because either the expansion pressure or enthalpy are "
              "invalid");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureOrTemperature),
              "The expansion calculation cannot be completed because either the expansion pressure or temperature "
              "are invalid");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::PressureOrQuality),
              "The expansion calculation cannot be completed because either the expansion pressure or quality are "
              "invalid");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::EnthalpyAboveInitial),
              "The expansion calculation cannot be completed because the expansion enthalpy is greater than the "
              "initial enthalpy");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::CalculatedEfficiencyAboveOne),
              "The expansion calculation cannot be completed because the calculated efficiency is greater than 1.0");
    EXPECT_EQ(expansionMessage(ExpansionRefusal::None), "");
}

TEST(ExpansionSteamRate, OfAnEnergy) {
    // 1000 kJ/kg: 3600 / 1000 kg/kWh; in Btu/lb the energy is 1000 / 2.326.
    EXPECT_DOUBLE_EQ(steamRate(1000.0, SteamRateUnit::KgPerKWh), 3.6);
    EXPECT_DOUBLE_EQ(steamRate(1000.0, SteamRateUnit::LbmPerKWh), 3412.14 / (1000.0 / 2.326));
    // No energy: not available (shown "Not Available ").
    EXPECT_EQ(steamRate(0.0, SteamRateUnit::KgPerKWh), NotAvailableMarker);
    EXPECT_EQ(steamRate(-5.0, SteamRateUnit::LbmPerKWh), NotAvailableMarker);
    EXPECT_EQ(steamRate(std::numeric_limits<double>::quiet_NaN(), SteamRateUnit::KgPerKWh), NotAvailableMarker);
}

TEST(ExpansionSteamRate, InitialUnitFollowsTheEnthalpyUnit) {
    // kg/kWh for "kJ/kg", "kcal/kg", "kp-m/g"; lbm/kWh for the others.
    const SteamRateUnit expected[] = {SteamRateUnit::KgPerKWh,
                                      SteamRateUnit::LbmPerKWh,
                                      SteamRateUnit::KgPerKWh,
                                      SteamRateUnit::LbmPerKWh,
                                      SteamRateUnit::LbmPerKWh,
                                      SteamRateUnit::KgPerKWh,
                                      SteamRateUnit::LbmPerKWh};
    for (int u = 0; u < 7; ++u) {
        EXPECT_EQ(initialSteamRateUnit(u), expected[u]) << "unit " << u;
    }
}

TEST(ExpansionTexts, RowLabelsCarryTheUnits) {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
    }
    f.formats[kPressure] = makeFormat(2, 0, 1);
    f.formats[kTemperature] = makeFormat(2, 0, 3);
    f.formats[kEnthalpy] = makeFormat(2, 0, 6);
    f.formats[kEntropy] = makeFormat(5, 0, 4);
    const auto labels = expansionRowLabels(f);
    EXPECT_EQ(labels[0], "P - psia");
    EXPECT_EQ(labels[1], "T - deg C");
    EXPECT_EQ(labels[2], "Q ");
    EXPECT_EQ(labels[3], "H - hp-hr/lbm");
    EXPECT_EQ(labels[4], "S - Bar-cm3/g/K");
}

TEST(ExpansionModes, EditableBoxes) {
    EXPECT_EQ(editableBox(ExpansionMode::PressureEfficiency), kEfficiencyBox);
    EXPECT_EQ(editableBox(ExpansionMode::PressureEnthalpy), kToEnthalpy);
    EXPECT_EQ(editableBox(ExpansionMode::PressureTemperature), kToTemperature);
    EXPECT_EQ(editableBox(ExpansionMode::PressureQuality), kToQuality);
}

// ---------------------------------------------------------------------------------------------
// Pressure checks and the isentrope

struct PressureRow {
    double p2;
    ExpansionRefusal refusal;
};

TEST(ExpansionChecks, EndPressure) {
    const Inlet in{10.0, 823.15, 3500.0, 6.8};
    const PressureRow rows[] = {
        {10.0, ExpansionRefusal::PressureNotLower},  // the same pressure
        {12.0, ExpansionRefusal::PressureNotLower},
        {std::numeric_limits<double>::quiet_NaN(), ExpansionRefusal::PressureNotLower},
        {0.99e-7, ExpansionRefusal::PressureTooLow},  // below the core's 1e-7 MPa
        {0.0, ExpansionRefusal::PressureTooLow},
        {-1.0, ExpansionRefusal::PressureTooLow},
    };
    for (const PressureRow& row : rows) {
        for (const bool ifc67 : {false, true}) {
            FakeCalculator calc;
            calc.hs = 3000.0;
            const ExpansionReport r =
                computeExpansion(makeInput(in, row.p2, ExpansionMode::PressureEfficiency, ifc67), calc);
            EXPECT_EQ(r.refusal, row.refusal) << "p2 " << row.p2;
            EXPECT_TRUE(r.focusToPressure);
            EXPECT_EQ(calc.isentropeCalls + calc.endCalls, 0);
            for (bool s : r.set) {
                EXPECT_FALSE(s);
            }
        }
    }
}

TEST(ExpansionChecks, LowestPressureIsAccepted) {
    const Inlet in = inletIF97(0.1, 473.15);
    CoreExpansionCalculator calc;
    ExpansionInput e = makeInput(in, 1e-7, ExpansionMode::PressureEfficiency, false);
    e.boxes[kEfficiencyBox] = 0.5;
    const ExpansionReport r = computeExpansion(e, calc);
    EXPECT_NE(r.refusal, ExpansionRefusal::PressureTooLow);
    EXPECT_NE(r.refusal, ExpansionRefusal::PressureNotLower);
}

TEST(ExpansionChecks, IsentropeRefused) {
    // An entropy above the core's 111.45 kJ/(kg K) (IF97, code -24) and a library state outside
    // its range (IFC-67, -1500) both refuse at the isentrope.
    for (const bool ifc67 : {false, true}) {
        CoreExpansionCalculator calc;
        const Inlet in{10.0, 823.15, 3500.0, 200.0};
        ExpansionInput e = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, ifc67);
        e.boxes[kEfficiencyBox] = 0.8;
        const ExpansionReport r = computeExpansion(e, calc);
        EXPECT_EQ(r.refusal, ExpansionRefusal::PressureOrEntropy) << "ifc67 " << ifc67;
        EXPECT_FALSE(r.focusToPressure);
    }
}

TEST(ExpansionChecks, Efficiency) {
    const Inlet in{10.0, 823.15, 3500.0, 6.8};
    const struct {
        double e;
        ExpansionRefusal refusal;
    } rows[] = {
        {-0.01, ExpansionRefusal::EfficiencyBelowZero},
        {1.01, ExpansionRefusal::EfficiencyAboveOne},
        {std::numeric_limits<double>::quiet_NaN(), ExpansionRefusal::EfficiencyAboveOne},
    };
    for (const auto& row : rows) {
        FakeCalculator calc;
        calc.hs = 3000.0;
        ExpansionInput e = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, false);
        e.boxes[kEfficiencyBox] = row.e;
        const ExpansionReport r = computeExpansion(e, calc);
        EXPECT_EQ(r.refusal, row.refusal);
        EXPECT_EQ(calc.endCalls, 0);
        EXPECT_FALSE(isSet(r, kEnergyBox));
    }
}

// ---------------------------------------------------------------------------------------------
// Mode 0 (pressure, efficiency) in IF97 against the core called directly

TEST(ExpansionIF97, EfficiencyModeAgainstTheCore) {
    const Inlet in = inletIF97(10.0, 823.15);
    const double p2 = 1.0;
    const double e = 0.85;
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureEfficiency, false);
    ein.boxes[kEfficiencyBox] = e;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);

    if97::IF97State st;
    st.computePS(p2, in.s, 8, 0);
    const double hs = st.enthalpy();
    const double energy = e * (in.h - hs);
    const double h2 = in.h - energy;
    st.computePH(p2, h2, kAll, 0);
    ASSERT_EQ(st.quality(), 1.0);  // a superheated end state
    expectRel(v(r, kEnergyBox), energy, kSameCalls);
    expectRel(v(r, kToEnthalpy), h2, kSameCalls);
    expectRel(v(r, kToTemperature), st.temperature(), kSameCalls);
    EXPECT_EQ(v(r, kToQuality), st.quality());
    expectRel(v(r, kToEntropy), st.entropy(), kSameCalls);
    expectRel(v(r, kVolume), st.volume(), kSameCalls);
    expectRel(v(r, kSpecificHeat), st.cp(), kSameCalls);
    expectRel(v(r, kCriticalVelocity), st.soundSpeed(), kSameCalls);
    if97::IF97Transport tr;
    tr.computeConductivity(p2, st.temperature(), st.volume());
    const double k = tr.conductivity();
    tr.computeViscosity(p2, st.temperature(), st.volume());
    const double mu = tr.viscosity();
    expectRel(v(r, kConductivity), k, kSameCalls);
    expectRel(v(r, kViscosity), mu, kSameCalls);
    expectRel(v(r, kPrandtl), mu * st.cp() / k * 1000.0, kSameCalls);
    expectRel(v(r, kSteamRateBox), 3600.0 / energy, kSameCalls);
    // The efficiency is the given one: its display is restored, its value kept.
    EXPECT_TRUE(isRestored(r, kEfficiencyBox));
    EXPECT_FALSE(isSet(r, kEfficiencyBox));
    EXPECT_EQ(v(r, kEfficiencyBox), e);
    EXPECT_TRUE(isRestored(r, kToPressure));
    EXPECT_EQ(v(r, kToPressure), p2);
}

TEST(ExpansionIF97, EfficiencyOneIsTheIsentrope) {
    const Inlet in = inletIF97(10.0, 823.15);
    for (const double p2 : {1.0, 0.01}) {  // superheated and wet isentropic end states
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureEfficiency, false);
        ein.boxes[kEfficiencyBox] = 1.0;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused());
        expectRel(v(r, kToEntropy), in.s, kCoreInverse);
        EXPECT_EQ(v(r, kEfficiencyBox), 1.0);
    }
}

TEST(ExpansionIF97, EfficiencyZero) {
    const Inlet in = inletIF97(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, false);
    ein.boxes[kEfficiencyBox] = 0.0;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    EXPECT_EQ(v(r, kEnergyBox), 0.0);
    EXPECT_EQ(v(r, kToEnthalpy), in.h);
    EXPECT_EQ(v(r, kSteamRateBox), NotAvailableMarker);
}

TEST(ExpansionIF97, WetEndStateHasNoTransport) {
    const Inlet in = inletIF97(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 0.01, ExpansionMode::PressureEfficiency, false);
    ein.boxes[kEfficiencyBox] = 0.9;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    EXPECT_GT(v(r, kToQuality), 0.0);
    EXPECT_LT(v(r, kToQuality), 1.0);
    for (const int p : {kViscosity, kConductivity, kPrandtl}) {
        EXPECT_EQ(v(r, p), NotAvailableMarker) << "property " << p;
    }
    EXPECT_GT(v(r, kSteamRateBox), 0.0);
}

TEST(ExpansionIF97, EndStateFailureShowsThroughTheCodes) {
    // The end state of mode 0 is not tested: the boxes show the core's code.
    FakeCalculator calc;
    calc.hs = 2800.0;
    calc.end.outcome = ComputeOutcome::Error;
    calc.end.status = -16;
    const Inlet in{10.0, 823.15, 3500.0, 6.8};
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, false);
    ein.boxes[kEfficiencyBox] = 0.5;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    EXPECT_EQ(calc.lastMask, static_cast<std::uint32_t>(InputPair::PH));
    for (const int p : {kTemperature, kQuality, kEntropy, kVolume, kSpecificHeat, kCriticalVelocity}) {
        EXPECT_EQ(v(r, p), -16.0) << "property " << p;
    }
    for (const int p : {kViscosity, kConductivity, kPrandtl}) {
        EXPECT_EQ(v(r, p), NotAvailableMarker);
    }
    EXPECT_EQ(v(r, kEnergyBox), 350.0);
    EXPECT_EQ(v(r, kToEnthalpy), 3150.0);
}

// ---------------------------------------------------------------------------------------------
// Modes 1 to 3 in IF97

TEST(ExpansionIF97, EnthalpyMode) {
    const Inlet in = inletIF97(10.0, 823.15);
    const double p2 = 1.0;
    if97::IF97State st;
    st.computePS(p2, in.s, 8, 0);
    const double hs = st.enthalpy();
    const double h2 = hs + 0.2 * (in.h - hs);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureEnthalpy, false);
    ein.boxes[kToEnthalpy] = h2;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    st.computePH(p2, h2, kAll, 0);
    EXPECT_TRUE(isRestored(r, kToEnthalpy));
    EXPECT_EQ(v(r, kToEnthalpy), h2);
    expectRel(v(r, kEnergyBox), in.h - h2, kSameCalls);
    expectRel(v(r, kEfficiencyBox), (in.h - h2) / (in.h - hs), kSameCalls);
    expectRel(v(r, kToTemperature), st.temperature(), kSameCalls);
    expectRel(v(r, kToEntropy), st.entropy(), kSameCalls);
    expectRel(v(r, kVolume), st.volume(), kSameCalls);
}

TEST(ExpansionIF97, TemperatureMode) {
    const Inlet in = inletIF97(10.0, 823.15);
    const double p2 = 1.0;
    const double T2 = 553.15;
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureTemperature, false);
    ein.boxes[kToTemperature] = T2;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);
    if97::IF97State st;
    st.computePS(p2, in.s, 8, 0);
    const double hs = st.enthalpy();
    st.computePT(p2, T2, kAll);
    EXPECT_TRUE(isRestored(r, kToTemperature));
    EXPECT_EQ(v(r, kToTemperature), T2);
    expectRel(v(r, kToEnthalpy), st.enthalpy(), kSameCalls);
    expectRel(v(r, kEnergyBox), in.h - st.enthalpy(), kSameCalls);
    expectRel(v(r, kEfficiencyBox), (in.h - st.enthalpy()) / (in.h - hs), kSameCalls);
    EXPECT_EQ(v(r, kToQuality), 1.0);
    expectRel(v(r, kToEntropy), st.entropy(), kSameCalls);
    expectRel(v(r, kSpecificHeat), st.cp(), kSameCalls);
}

TEST(ExpansionIF97, QualityMode) {
    const Inlet in = inletIF97(10.0, 823.15);
    const double p2 = 0.01;
    const double x2 = 0.95;
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureQuality, false);
    ein.boxes[kToQuality] = x2;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);
    if97::IF97State st;
    st.computePX(p2, x2, kAll);
    EXPECT_TRUE(isRestored(r, kToQuality));
    EXPECT_EQ(v(r, kToQuality), x2);
    expectRel(v(r, kToEnthalpy), st.enthalpy(), kSameCalls);
    expectRel(v(r, kToTemperature), st.temperature(), kSameCalls);
    expectRel(v(r, kEnergyBox), in.h - st.enthalpy(), kSameCalls);
    for (const int p : {kViscosity, kConductivity, kPrandtl}) {
        EXPECT_EQ(v(r, p), NotAvailableMarker);
    }
}

TEST(ExpansionIF97, EnthalpyAboveTheInitial) {
    const Inlet in = inletIF97(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEnthalpy, false);
    ein.boxes[kToEnthalpy] = in.h + 10.0;
    const ExpansionReport r = computeExpansion(ein, calc);
    EXPECT_EQ(r.refusal, ExpansionRefusal::EnthalpyAboveInitial);
    EXPECT_TRUE(isSet(r, kEnergyBox));
    EXPECT_EQ(v(r, kEnergyBox), 0.0);
    EXPECT_TRUE(isSet(r, kToEnthalpy));
    EXPECT_EQ(v(r, kToEnthalpy), 0.0);
    EXPECT_FALSE(isSet(r, kSteamRateBox));
}

TEST(ExpansionIF97, CalculatedEfficiencyAboveOne) {
    // An end temperature below the isentrope's: more energy than the isentropic drop.
    const Inlet in = inletIF97(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureTemperature, false);
    ein.boxes[kToTemperature] = 460.0;
    const ExpansionReport r = computeExpansion(ein, calc);
    EXPECT_EQ(r.refusal, ExpansionRefusal::CalculatedEfficiencyAboveOne);
    for (const int b : {kEfficiencyBox, kToEnthalpy, kEnergyBox}) {
        EXPECT_TRUE(isSet(r, b));
        EXPECT_EQ(v(r, b), 0.0);
    }
}

TEST(ExpansionIF97, GivenQuantityRefused) {
    const Inlet in = inletIF97(10.0, 823.15);
    {
        // An enthalpy above the core's 7377 kJ/kg (code -22): the enthalpy is set to 0.
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEnthalpy, false);
        ein.boxes[kToEnthalpy] = 8000.0;
        const ExpansionReport r = computeExpansion(ein, calc);
        EXPECT_EQ(r.refusal, ExpansionRefusal::PressureOrEnthalpy);
        EXPECT_EQ(v(r, kToEnthalpy), 0.0);
        EXPECT_FALSE(isSet(r, kToTemperature));
    }
    {
        // A temperature above 2273.15 K (code -1): the temperature is set to 0 in its display
        // unit, here deg C.
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureTemperature, false);
        ein.boxes[kToTemperature] = 3000.0;
        ein.temperatureUnit = 3;
        const ExpansionReport r = computeExpansion(ein, calc);
        EXPECT_EQ(r.refusal, ExpansionRefusal::PressureOrTemperature);
        EXPECT_TRUE(isSet(r, kToTemperature));
        EXPECT_DOUBLE_EQ(v(r, kToTemperature), 273.15);
    }
    {
        // A quality above 1 (code -17): nothing else changes.
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, 0.01, ExpansionMode::PressureQuality, false);
        ein.boxes[kToQuality] = 1.5;
        const ExpansionReport r = computeExpansion(ein, calc);
        EXPECT_EQ(r.refusal, ExpansionRefusal::PressureOrQuality);
        EXPECT_EQ(v(r, kToQuality), 1.5);
        EXPECT_FALSE(isSet(r, kToEnthalpy));
    }
}

TEST(ExpansionIF97, SteamRateInPounds) {
    const Inlet in = inletIF97(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, false);
    ein.boxes[kEfficiencyBox] = 0.8;
    ein.steamRateUnit = SteamRateUnit::LbmPerKWh;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    expectRel(v(r, kSteamRateBox), 3412.14 / (v(r, kEnergyBox) / 2.326), kSameCalls);
}

// ---------------------------------------------------------------------------------------------
// A zero isentropic drop (no finite efficiency) is refused, not shown as an efficiency of
// infinity or NaN.

TEST(ExpansionChecks, NoIsentropicDrop) {
    const Inlet in{10.0, 823.15, 3500.0, 6.8};
    for (const double h2 : {3500.0, 3400.0}) {
        FakeCalculator calc;
        calc.hs = in.h;
        calc.useInputs = true;
        calc.end.outcome = ComputeOutcome::Done;
        ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEnthalpy, false);
        ein.boxes[kToEnthalpy] = h2;
        const ExpansionReport r = computeExpansion(ein, calc);
        EXPECT_EQ(r.refusal, ExpansionRefusal::CalculatedEfficiencyAboveOne) << "h2 " << h2;
        EXPECT_EQ(v(r, kEfficiencyBox), 0.0);
    }
}

// ---------------------------------------------------------------------------------------------
// IFC-67 against vaprop67 called directly (English units: psia, deg F, Btu/lb, Btu/(lb R))

double psia(double mpa) { return fromInternal(mpa, PropertyKind::Pressure, 1); }

TEST(ExpansionIFC67, EfficiencyModeAgainstTheLibrary) {
    const Inlet in = inletIFC67(10.0, 823.15);
    const double p2 = 1.0;
    const double e = 0.85;
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureEfficiency, true);
    ein.boxes[kEfficiencyBox] = e;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);

    const double pe = psia(p2);
    const double se = fromInternal(in.s, PropertyKind::Entropy, 1);
    const double hs = toInternal(Stm67PSH(pe, se), PropertyKind::Enthalpy, 1);
    const double energy = e * (in.h - hs);
    const double h2 = in.h - energy;
    const double he = fromInternal(h2, PropertyKind::Enthalpy, 1);
    const double t = Stm67PHT(pe, he);
    ASSERT_EQ(Stm67PHQ(pe, he), 1.0);
    expectRel(v(r, kEnergyBox), energy, kSameCalls);
    expectRel(v(r, kToTemperature), toInternal(t, PropertyKind::Temperature, 1), kUnitRoundTrip);
    expectRel(v(r, kToEntropy), toInternal(Stm67PTS(pe, t), PropertyKind::Entropy, 1), kUnitRoundTrip);
    expectRel(v(r, kVolume), toInternal(Stm67PTV(pe, t), PropertyKind::Volume, 1), kUnitRoundTrip);
    expectRel(v(r, kSpecificHeat), toInternal(Stm67PTC(pe, t), PropertyKind::SpecificHeat, 1), kUnitRoundTrip);
    EXPECT_EQ(v(r, kToQuality), 1.0);
    // The library has no critical flow velocity.
    EXPECT_EQ(v(r, kCriticalVelocity), NotAvailableMarker);
    EXPECT_GT(v(r, kConductivity), 0.0);
    EXPECT_GT(v(r, kViscosity), 0.0);
    expectRel(v(r, kSteamRateBox), 3600.0 / energy, kSameCalls);
}

TEST(ExpansionIFC67, EfficiencyOneAndZero) {
    const Inlet in = inletIFC67(10.0, 823.15);
    {
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, true);
        ein.boxes[kEfficiencyBox] = 1.0;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused());
        expectRel(v(r, kToEntropy), in.s, kCoreInverse);
    }
    {
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureEfficiency, true);
        ein.boxes[kEfficiencyBox] = 0.0;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused());
        EXPECT_EQ(v(r, kEnergyBox), 0.0);
        EXPECT_EQ(v(r, kToEnthalpy), in.h);
        EXPECT_EQ(v(r, kSteamRateBox), NotAvailableMarker);
    }
}

TEST(ExpansionIFC67, EnthalpyTemperatureQualityModes) {
    const Inlet in = inletIFC67(10.0, 823.15);
    const double se = fromInternal(in.s, PropertyKind::Entropy, 1);
    {
        const double p2 = 1.0;
        const double hs = toInternal(Stm67PSH(psia(p2), se), PropertyKind::Enthalpy, 1);
        const double h2 = hs + 0.25 * (in.h - hs);
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureEnthalpy, true);
        ein.boxes[kToEnthalpy] = h2;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);
        const double t = Stm67PHT(psia(p2), fromInternal(h2, PropertyKind::Enthalpy, 1));
        expectRel(v(r, kToTemperature), toInternal(t, PropertyKind::Temperature, 1), kUnitRoundTrip);
        expectRel(v(r, kEfficiencyBox), 0.75, kUnitRoundTrip);
    }
    {
        const double p2 = 1.0;
        const double T2 = 553.15;
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureTemperature, true);
        ein.boxes[kToTemperature] = T2;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);
        const double te = fromInternal(T2, PropertyKind::Temperature, 1);
        const double h2 = toInternal(Stm67PTH(psia(p2), te), PropertyKind::Enthalpy, 1);
        expectRel(v(r, kToEnthalpy), h2, kUnitRoundTrip);
        expectRel(v(r, kEnergyBox), in.h - h2, kUnitRoundTrip);
        expectRel(v(r, kToEntropy), toInternal(Stm67PTS(psia(p2), te), PropertyKind::Entropy, 1), kUnitRoundTrip);
        EXPECT_EQ(v(r, kToQuality), 1.0);
    }
    {
        const double p2 = 0.01;
        const double x2 = 0.9;
        CoreExpansionCalculator calc;
        ExpansionInput ein = makeInput(in, p2, ExpansionMode::PressureQuality, true);
        ein.boxes[kToQuality] = x2;
        const ExpansionReport r = computeExpansion(ein, calc);
        ASSERT_FALSE(r.refused()) << expansionMessage(r.refusal);
        const double h2 = toInternal(Stm67PQH(psia(p2), x2), PropertyKind::Enthalpy, 1);
        expectRel(v(r, kToEnthalpy), h2, kUnitRoundTrip);
        expectRel(v(r, kToTemperature), toInternal(Stm67PT(psia(p2)), PropertyKind::Temperature, 1), kUnitRoundTrip);
        EXPECT_EQ(v(r, kSpecificHeat), NotAvailableMarker);
        for (const int p : {kViscosity, kConductivity, kPrandtl}) {
            EXPECT_EQ(v(r, p), NotAvailableMarker);
        }
    }
}

TEST(ExpansionIFC67, GivenQuantityRefused) {
    const Inlet in = inletIFC67(10.0, 823.15);
    // A temperature above the library's 1600 F gives -1500: the boxes show the codes and the
    // temperature is set to 0 in its display unit (deg K here).
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 1.0, ExpansionMode::PressureTemperature, true);
    ein.boxes[kToTemperature] = 1200.0;
    const ExpansionReport r = computeExpansion(ein, calc);
    EXPECT_EQ(r.refusal, ExpansionRefusal::PressureOrTemperature);
    EXPECT_EQ(v(r, kToTemperature), 0.0);
    EXPECT_EQ(v(r, kToEnthalpy), -1500.0);
    // A quality outside 0..1 gives -1700 in the enthalpy (the status of the library's (p, x)
    // calculation is the saturation temperature, which is fine): refused as the quality, not
    // taken as an enthalpy of -1700 kJ/kg.
    CoreExpansionCalculator calc2;
    ExpansionInput eq = makeInput(in, 0.01, ExpansionMode::PressureQuality, true);
    eq.boxes[kToQuality] = -0.5;
    EXPECT_EQ(computeExpansion(eq, calc2).refusal, ExpansionRefusal::PressureOrQuality);
}

TEST(ExpansionIFC67, WetEndState) {
    const Inlet in = inletIFC67(10.0, 823.15);
    CoreExpansionCalculator calc;
    ExpansionInput ein = makeInput(in, 0.01, ExpansionMode::PressureEfficiency, true);
    ein.boxes[kEfficiencyBox] = 0.9;
    const ExpansionReport r = computeExpansion(ein, calc);
    ASSERT_FALSE(r.refused());
    EXPECT_GT(v(r, kToQuality), 0.0);
    EXPECT_LT(v(r, kToQuality), 1.0);
    for (const int p : {kViscosity, kConductivity, kPrandtl}) {
        EXPECT_EQ(v(r, p), NotAvailableMarker);
    }
}

TEST(ExpansionReport, ToValuesAreTheElevenToBoxes) {
    ExpansionReport r;
    for (int b = 0; b < kExpansionBoxCount; ++b) {
        r.values[static_cast<std::size_t>(b)] = b + 0.5;
    }
    const FormValues to = r.toValues();
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(to[static_cast<std::size_t>(p)], p + 0.5);
    }
}

}  // namespace
}  // namespace calvex
