// The form's computation without a window: input pairs, the disabling table, the error texts,
// the IF97 and IFC-67 paths of the Compute command, the transport step and the point texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calvex_doc.h"
#include "form_messages.h"
#include "if97_transport.h"
#include "input_pair.h"
#include "point_compute.h"
#include "point_table_text.h"
#include "vaprop67.h"

namespace calvex {
namespace {

// Tolerance tiers (relative).
constexpr double kVerification = 1e-8;    // 9 printed digits of an IF97 verification table
constexpr double kSameCode = 1e-14;       // the same equations evaluated by another route
constexpr double kUnitRoundTrip = 1e-12;  // a value through a unit conversion and back

void expectRel(double actual, double expected, double tol) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tol) << "expected " << expected;
}

FormValues inputs(std::initializer_list<std::pair<int, double>> list) {
    FormValues v{};
    v[kTemperature] = 273.15;
    for (const auto& [p, x] : list) {
        v[static_cast<std::size_t>(p)] = x;
    }
    return v;
}

// ---------------------------------------------------------------------------------------------
// Selection

struct DisableRow {
    std::uint32_t selection;
    std::uint32_t disabled;
};

TEST(InputSelection, DisablingTable) {
    constexpr std::uint32_t P = kInputPressure, T = kInputTemperature, X = kInputQuality, H = kInputEnthalpy,
                            S = kInputEntropy;
    // The disabling table of the property form; the formulation bit is ignored.
    const DisableRow rows[] = {
        {0, 0},
        {P, 0},
        {T, H | S},
        {X, H | S},
        {P | T, X | H | S},
        {P | X, T | H | S},
        {T | X, P | H | S},
        {H, T | X | S},
        {P | H, T | X | S},
        {S, T | X | H},
        {P | S, T | X | H},
        {P | T | X, 0},
        {H | S, 0},
        {kInputIfc67 | P | T, X | H | S},
        {kInputIfc67, 0},
    };
    for (const DisableRow& r : rows) {
        EXPECT_EQ(disabledInputs(r.selection), r.disabled) << "selection " << r.selection;
    }
}

TEST(InputSelection, ComputablePairs) {
    EXPECT_EQ(inputPairOf(3), InputPair::PT);
    EXPECT_EQ(inputPairOf(5), InputPair::PX);
    EXPECT_EQ(inputPairOf(6), InputPair::TX);
    EXPECT_EQ(inputPairOf(9), InputPair::PH);
    EXPECT_EQ(inputPairOf(17), InputPair::PS);
    EXPECT_EQ(inputPairOf(0x2000 | 17), InputPair::PS);
    for (std::uint32_t m : {0u, 1u, 2u, 7u, 10u, 18u, 24u, 31u, 0x2000u, 0x4003u}) {
        EXPECT_EQ(inputPairOf(m), InputPair::None) << m;
    }
}

// ---------------------------------------------------------------------------------------------
// Messages

TEST(FormMessages, ErrorTextsOfTheCore) {
    struct Row {
        int code;
        const char* text;
    };
    // The message table of the property form.
    const Row rows[] = {
        {-1, "The temperature is outside of the program's upper limit"},
        {-2, "The temperature is outside of the program's lower limit"},
        {-3, "The pressure is outside of the program's upper limit"},
        {-4, "The pressure is outside of the program's lower limit"},
        {-15, "The state point is outside of the limits"},
        {-16,
         "The program has encountered an error in computing the steam property.  Please contact Orlesk "
         "with the values that caused the error"},
        {-25,
         "The program has encountered an error in computing the steam property.  Please contact Orlesk "
         "with the values that caused the error"},
        {-17, "The quality must be between 0 and 1"},
        {-18, "The pressure is outside of the saturation limits"},
        {-19, "The temperature is outside of the saturation limits"},
        {-21, "The enthalpy is outside of the program's lower limit"},
        {-22, "The enthalpy is outside of the program's upper limit"},
        {-23, "The entropy is outside of the program's lower limit"},
        {-24, "The entropy is outside of the program's upper limit"},
        {-20, "Unknown Error"},
        {-5, "Unknown Error"},
        {-1500, "Unknown Error"},
        {-1800, "Unknown Error"},
        {0, "Unknown Error"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(computeErrorMessage(r.code), r.text) << r.code;
    }
}

TEST(FormMessages, IntegerFields) {
    struct Row {
        const char* text;
        int value;  // -1: refused
        const char* message;
    };
    const Row rows[] = {
        {"0", 0, ""},
        {"8", 8, ""},
        {" 5 ", 5, ""},
        {"+3", 3, ""},
        {"9", -1, "Please enter an integer between 0 and 8."},
        {"-1", -1, "Please enter an integer between 0 and 8."},
        {"", -1, "Please enter an integer."},
        {"x", -1, "Please enter an integer."},
        {"2.5", -1, "Please enter an integer."},
        {"3a", -1, "Please enter an integer."},
        {"-", -1, "Please enter an integer."},
        {"99999999999999999999", -1, "Please enter an integer."},
    };
    for (const Row& r : rows) {
        std::string message;
        const std::optional<int> v = parseIntegerField(r.text, 0, 8, message);
        if (r.value >= 0) {
            ASSERT_TRUE(v.has_value()) << r.text;
            EXPECT_EQ(*v, r.value) << r.text;
        } else {
            EXPECT_FALSE(v.has_value()) << r.text;
            EXPECT_EQ(message, r.message) << r.text;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// IF97

TEST(ComputeIF97, PressureTemperatureInRegion1) {
    PointCalculator calc;
    // IF97 Table 5: T = 300 K, p = 3 MPa.
    const ComputeReport r = calc.compute(3, inputs({{kPressure, 3.0}, {kTemperature, 300.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    expectRel(r.values[kVolume], 0.100215168e-2, kVerification);
    expectRel(r.values[kEnthalpy], 0.115331273e3, kVerification);
    expectRel(r.values[kEntropy], 0.392294792, kVerification);
    expectRel(r.values[kSpecificHeat], 0.417301218e1, kVerification);
    expectRel(r.values[kCriticalVelocity], 0.150773921e4, kVerification);
    EXPECT_EQ(r.values[kQuality], 0.0);
    EXPECT_TRUE(r.restored[kPressure] && r.restored[kTemperature]);
    EXPECT_FALSE(r.set[kPressure] || r.set[kTemperature]);

    // The transport step: the IAPS 85 equations at (p, T, v), Prandtl number from them.
    if97::IF97Transport t;
    t.computeConductivity(3.0, 300.0, r.values[kVolume]);
    t.computeViscosity(3.0, 300.0, r.values[kVolume]);
    expectRel(r.values[kConductivity], t.conductivity(), kSameCode);
    expectRel(r.values[kViscosity], t.viscosity(), kSameCode);
    expectRel(r.values[kPrandtl], t.viscosity() * r.values[kSpecificHeat] / t.conductivity() * 1000.0, kSameCode);
    EXPECT_GT(r.values[kPrandtl], 5.0);  // liquid water near room temperature: Pr about 5.8
    EXPECT_LT(r.values[kPrandtl], 6.5);
}

TEST(ComputeIF97, PressureTemperatureInRegion2IsVapour) {
    PointCalculator calc;
    // IF97 Table 15: T = 700 K, p = 30 MPa.
    const ComputeReport r = calc.compute(3, inputs({{kPressure, 30.0}, {kTemperature, 700.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    expectRel(r.values[kVolume], 0.542946619e-2, kVerification);
    expectRel(r.values[kEnthalpy], 0.263149474e4, kVerification);
    EXPECT_EQ(r.values[kQuality], 1.0);
}

TEST(ComputeIF97, WetPressureEnthalpyHasNoTransport) {
    PointCalculator calc;
    // 1 MPa, h = 1800 kJ/kg lies between the saturated liquid (762.7) and vapour (2777.1).
    const ComputeReport r = calc.compute(9, inputs({{kPressure, 1.0}, {kEnthalpy, 1800.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    EXPECT_GT(r.values[kQuality], 0.0);
    EXPECT_LT(r.values[kQuality], 1.0);
    expectRel(r.values[kTemperature], 0.453035632e3, kVerification);  // IF97 Table 36: Ts(1 MPa)
    EXPECT_EQ(r.values[kViscosity], NotAvailableMarker);
    EXPECT_EQ(r.values[kConductivity], NotAvailableMarker);
    EXPECT_EQ(r.values[kPrandtl], NotAvailableMarker);
    EXPECT_EQ(r.values[kSpecificHeat], NotAvailableMarker);  // cp of a wet state
    // The critical velocity is the core's wet-state value.
    EXPECT_EQ(r.values[kCriticalVelocity], calc.state()[steam::Property::W]);
    EXPECT_TRUE(r.set[kCriticalVelocity]);
}

TEST(ComputeIF97, QualityExactlyOneComputesTransport) {
    PointCalculator calc;
    const ComputeReport r = calc.compute(5, inputs({{kPressure, 1.0}, {kQuality, 1.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    expectRel(r.values[kTemperature], 0.453035632e3, kVerification);  // IF97 Table 36
    if97::IF97Transport t;
    t.computeViscosity(1.0, r.values[kTemperature], r.values[kVolume]);
    t.computeConductivity(1.0, r.values[kTemperature], r.values[kVolume]);
    expectRel(r.values[kViscosity], t.viscosity(), kSameCode);
    expectRel(r.values[kConductivity], t.conductivity(), kSameCode);
    EXPECT_GT(r.values[kPrandtl], 0.0);

    const ComputeReport half = calc.compute(5, inputs({{kPressure, 1.0}, {kQuality, 0.5}}));
    EXPECT_EQ(half.values[kViscosity], NotAvailableMarker);
}

TEST(ComputeIF97, TemperatureQualityGivesSaturationPressure) {
    PointCalculator calc;
    const ComputeReport r = calc.compute(6, inputs({{kTemperature, 500.0}, {kQuality, 0.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    expectRel(r.values[kPressure], 0.263889776e1, kVerification);  // IF97 Table 35
    EXPECT_TRUE(r.set[kPressure]);
    EXPECT_FALSE(r.set[kTemperature]);
    EXPECT_GT(r.values[kViscosity], 0.0);  // x = 0 computes transport
}

TEST(ComputeIF97, PressureEntropyRoundTrip) {
    PointCalculator calc;
    const ComputeReport pt = calc.compute(3, inputs({{kPressure, 5.0}, {kTemperature, 800.0}}));
    const ComputeReport ps = calc.compute(17, inputs({{kPressure, 5.0}, {kEntropy, pt.values[kEntropy]}}));
    ASSERT_EQ(ps.outcome, ComputeOutcome::Done);
    expectRel(ps.values[kTemperature], 800.0, 1e-9);
    expectRel(ps.values[kEnthalpy], pt.values[kEnthalpy], 1e-9);
    EXPECT_FALSE(ps.set[kEntropy]);
}

TEST(ComputeIF97, ErrorsChangeNoBox) {
    PointCalculator calc;
    struct Row {
        std::uint32_t mask;
        FormValues in;
        int status;
    };
    const Row rows[] = {
        {3, inputs({{kPressure, 1.0}, {kTemperature, 2300.0}}), -1},  // above 2273.15 K
        {3, inputs({{kPressure, 1.0}, {kTemperature, 270.0}}), -2},
        {3, inputs({{kPressure, 120.0}, {kTemperature, 300.0}}), -3},
        {3, inputs({{kPressure, 0.0}, {kTemperature, 300.0}}), -4},
        {5, inputs({{kPressure, 1.0}, {kQuality, 1.5}}), -17},
        {5, inputs({{kPressure, 25.0}, {kQuality, 0.5}}), -18},
        {6, inputs({{kTemperature, 700.0}, {kQuality, 0.5}}), -19},
        {9, inputs({{kPressure, 1.0}, {kEnthalpy, 8000.0}}), -22},
        {17, inputs({{kPressure, 1.0}, {kEntropy, -1.0}}), -23},
    };
    for (const Row& row : rows) {
        const ComputeReport r = calc.compute(row.mask, row.in);
        EXPECT_EQ(r.outcome, ComputeOutcome::Error) << row.status;
        EXPECT_EQ(r.status, row.status);
        EXPECT_FALSE(r.changesBoxes()) << row.status;
        EXPECT_EQ(r.values, row.in);
    }
}

TEST(ComputeIF97, BadPair) {
    PointCalculator calc;
    for (std::uint32_t m : {0u, 1u, 7u, 24u, 0x2000u}) {
        EXPECT_EQ(calc.compute(m, inputs({})).outcome, ComputeOutcome::BadPair) << m;
    }
}

// ---------------------------------------------------------------------------------------------
// IFC-67

constexpr double kPsiaPerMPa = 1.0 / 0.00689475729;

TEST(ComputeIFC67, PressureTemperatureInLibraryUnits) {
    PointCalculator calc;
    // 200 psia, 600 deg F (superheated steam), given in internal units as a box holds them.
    const double p = 200.0 * 0.00689475729;
    const double T = (600.0 + 459.67) / 1.8;
    const ComputeReport r = calc.compute(0x2000 | 3, inputs({{kPressure, p}, {kTemperature, T}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    const double pl = p * kPsiaPerMPa;
    const double tl = T * 1.8 - 459.67;
    expectRel(r.values[kEnthalpy] / 2.326, Stm67PTH(pl, tl), kUnitRoundTrip);
    expectRel(r.values[kVolume] / 0.0624279606, Stm67PTV(pl, tl), kUnitRoundTrip);
    expectRel(r.values[kEntropy] / 4.1868, Stm67PTS(pl, tl), kUnitRoundTrip);
    expectRel(r.values[kSpecificHeat] / 4.1868, Stm67PTC(pl, tl), kUnitRoundTrip);
    EXPECT_EQ(r.values[kQuality], 1.0);
    EXPECT_EQ(r.values[kCriticalVelocity], NotAvailableMarker);
    EXPECT_GT(r.values[kViscosity], 0.0);

    const ComputeReport liquid = calc.compute(0x2000 | 3, inputs({{kPressure, p}, {kTemperature, 300.0}}));
    EXPECT_EQ(liquid.values[kQuality], 0.0);
}

TEST(ComputeIFC67, OutOfRangeShowsCodes) {
    PointCalculator calc;
    // 1700 deg F is above the library's 1600 deg F: every (p, T) call gives -1500.
    const double T = (1700.0 + 459.67) / 1.8;
    const ComputeReport r = calc.compute(0x2000 | 3, inputs({{kPressure, 1.0}, {kTemperature, T}}));
    EXPECT_EQ(r.outcome, ComputeOutcome::Error);
    EXPECT_EQ(r.status, -1500);
    EXPECT_EQ(computeErrorMessage(r.status), "Unknown Error");
    for (int prop : {kVolume, kEnthalpy, kEntropy, kSpecificHeat}) {
        EXPECT_EQ(r.values[static_cast<std::size_t>(prop)], -1500.0) << prop;
    }
    for (int prop : {kCriticalVelocity, kViscosity, kConductivity, kPrandtl}) {
        EXPECT_LE(r.values[static_cast<std::size_t>(prop)], -1.0) << prop;
        EXPECT_TRUE(r.set[static_cast<std::size_t>(prop)]) << prop;
    }
    EXPECT_TRUE(r.restored[kPressure] && r.restored[kTemperature]);
}

TEST(ComputeIFC67, WetPressureEnthalpy) {
    PointCalculator calc;
    const double p = 100.0 * 0.00689475729;  // 100 psia
    const double h = 700.0 * 2.326;          // 700 Btu/lb: wet
    const ComputeReport r = calc.compute(0x2000 | 9, inputs({{kPressure, p}, {kEnthalpy, h}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    const double x = Stm67PHQ(p * kPsiaPerMPa, h / 2.326);
    EXPECT_GT(x, 0.0);
    EXPECT_LT(x, 1.0);
    expectRel(r.values[kQuality], x, kUnitRoundTrip);
    EXPECT_EQ(r.values[kSpecificHeat], NotAvailableMarker);
    EXPECT_EQ(r.values[kViscosity], NotAvailableMarker);
    EXPECT_EQ(r.values[kCriticalVelocity], NotAvailableMarker);
    expectRel(r.values[kVolume] / 0.0624279606, Stm67PQV(p * kPsiaPerMPa, x), kUnitRoundTrip);
}

TEST(ComputeIFC67, PressureQualityBetweenTheEndsHasNoSpecificHeat) {
    PointCalculator calc;
    const double p = 100.0 * 0.00689475729;
    const ComputeReport r = calc.compute(0x2000 | 5, inputs({{kPressure, p}, {kQuality, 0.5}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    EXPECT_EQ(r.values[kSpecificHeat], NotAvailableMarker);
    expectRel(r.values[kTemperature] * 1.8 - 459.67, Stm67PT(100.0), kUnitRoundTrip);
    const ComputeReport x1 = calc.compute(0x2000 | 5, inputs({{kPressure, p}, {kQuality, 1.0}}));
    EXPECT_GT(x1.values[kSpecificHeat], 0.0);
    EXPECT_GT(x1.values[kViscosity], 0.0);
}

TEST(ComputeIFC67, LibraryCodesOfTheSaturationCalls) {
    PointCalculator calc;
    // (T, x) above the library's 705.47 deg F: Stm67TP gives -1900, the status.
    const double T = (710.0 + 459.67) / 1.8;
    const ComputeReport r = calc.compute(0x2000 | 6, inputs({{kTemperature, T}, {kQuality, 1.0}}));
    EXPECT_EQ(r.outcome, ComputeOutcome::Error);
    EXPECT_EQ(r.status, -1900);
    EXPECT_EQ(r.values[kPressure], -1900.0);
}

TEST(ComputeIFC67, StatusIsTheTruncatedResult) {
    EXPECT_EQ(ifc67Status(-1500.0), -1500);
    EXPECT_EQ(ifc67Status(-1.9), -1);
    EXPECT_EQ(ifc67Status(0.4), 0);
    EXPECT_EQ(ifc67Status(1234.9), 1234);
    EXPECT_EQ(ifc67Status(std::nan("")), -16);
    EXPECT_EQ(ifc67Status(-1e300), std::numeric_limits<int>::min());
}

TEST(ComputeTransport, PrandtlNeedsRealValues) {
    EXPECT_DOUBLE_EQ(prandtlNumber(1e-3, 4.18, 0.6), 1e-3 * 4.18 / 0.6 * 1000.0);
    EXPECT_EQ(prandtlNumber(1e-3, NotAvailableMarker, 0.6), NotAvailableMarker);
    EXPECT_EQ(prandtlNumber(1e-3, 0.0, 0.6), NotAvailableMarker);
    // Two transport codes must not divide into a number.
    EXPECT_EQ(prandtlNumber(-51.0, 4.18, -51.0), NotAvailableMarker);
    EXPECT_EQ(prandtlNumber(1e-3, 4.18, -51.0), NotAvailableMarker);
}

TEST(ComputeIF97, TransportAtTheEdgeOfItsRange) {
    PointCalculator calc;
    // 10 MPa with 1200 K (region 5) is still inside the transport equations' range.
    const ComputeReport r = calc.compute(3, inputs({{kPressure, 10.0}, {kTemperature, 1200.0}}));
    ASSERT_EQ(r.outcome, ComputeOutcome::Done);
    if97::IF97Transport t;
    t.computeViscosity(10.0, 1200.0, r.values[kVolume]);
    expectRel(r.values[kViscosity], t.viscosity(), kSameCode);
    EXPECT_GT(r.values[kViscosity], 0.0);
}

// ---------------------------------------------------------------------------------------------
// Point texts

TEST(PointTexts, ShownStoredIndex) {
    EXPECT_EQ(shownStoredIndex(0, 0), -1);
    EXPECT_EQ(shownStoredIndex(5, 0), -1);
    EXPECT_EQ(shownStoredIndex(0, 3), 0);
    EXPECT_EQ(shownStoredIndex(2, 3), 2);
    EXPECT_EQ(shownStoredIndex(3, 3), 2);   // equal to the count: the last point
    EXPECT_EQ(shownStoredIndex(40, 3), 2);  // beyond it: the last point too
    EXPECT_EQ(shownStoredIndex(-1, 3), 0);  // negative: the first point
    EXPECT_EQ(shownStoredIndex(INT32_MIN, 3), 0);
}

TEST(PointTexts, ComputedPointLabel) {
    CCalvexDoc doc;
    EXPECT_EQ(computedPointLabel("", doc), "Point 1");
    EXPECT_FALSE(computedPointLabel("Inlet", doc).has_value());
    doc.CurrentPoint().setLabel("Inlet");
    doc.StoreCurrentPoint();
    EXPECT_EQ(computedPointLabel("Inlet", doc), "Point 2");
    EXPECT_FALSE(computedPointLabel("inlet", doc).has_value());  // case-sensitive
    EXPECT_EQ(computedPointLabel("", doc), "Point 2");
}

TEST(PointTexts, FindStoredLabel) {
    CCalvexDoc doc;
    for (const char* l : {"A", "B", "A"}) {
        doc.CurrentPoint().setLabel(l);
        doc.StoreCurrentPoint();
    }
    EXPECT_EQ(findStoredLabel(doc, "A"), 0);
    EXPECT_EQ(findStoredLabel(doc, "A", 0), 2);
    EXPECT_EQ(findStoredLabel(doc, "B", 1), -1);
    EXPECT_EQ(findStoredLabel(doc, "a"), -1);
}

PropertyFormats defaultFormats() {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
        f.formats[static_cast<std::size_t>(p)] = kProperties[static_cast<std::size_t>(p)].defaultDigits;
    }
    return f;
}

TEST(PointTexts, PropertyLabelsNameTheUnits) {
    PropertyFormats f = defaultFormats();
    f.formats[kTemperature] = makeFormat(2, 0, 3);
    const PropertyTexts l = propertyLabels(f);
    const PropertyTexts expected{"P - MPa",
                                 "T - deg C",
                                 "Q",
                                 "H - kJ/kg",
                                 "S - kJ/kg/K",
                                 "V - m3/kg",
                                 "Cp - kJ/kg/C",
                                 "Visc - Pa-sec",
                                 "Cond - Watt/m/C",
                                 "Pr",
                                 "W - m/sec"};
    EXPECT_EQ(l, expected);
}

TEST(PointTexts, CurrentPointLayout) {
    PropertyTexts texts;
    for (int p = 0; p < kPropertyCount; ++p) {
        texts[static_cast<std::size_t>(p)] = "v" + std::to_string(p);
    }
    const std::string plain = currentPointText("Inlet", texts, nullptr);
    EXPECT_EQ(plain, "Inlet\r\nv0\r\nv1\r\nv2\r\nv3\r\nv4\r\nv5\r\nv6\r\nv7\r\nv8\r\nv9\r\nv10");
    const PropertyTexts labels = propertyLabels(defaultFormats());
    const std::string with = currentPointText("Inlet", texts, &labels);
    EXPECT_EQ(with.substr(0, 25), "\tInlet\r\nP - MPa\tv0\r\nT - d");
    EXPECT_EQ(with.substr(with.size() - 13), "W - m/sec\tv10");
}

TEST(PointTexts, StoredPointsLayout) {
    CCalvexDoc doc;
    EXPECT_EQ(storedPointsText(doc, defaultFormats(), nullptr), "");
    doc.CurrentPoint().setLabel("A");
    doc.CurrentPoint().setValue(kPressure, 1.5);
    doc.StoreCurrentPoint();
    doc.CurrentPoint().setLabel("B");
    doc.CurrentPoint().setValue(kPressure, 2.25);
    doc.CurrentPoint().setValue(kViscosity, NotAvailableMarker);
    doc.StoreCurrentPoint();
    const std::string text = storedPointsText(doc, defaultFormats(), nullptr);
    EXPECT_EQ(text.substr(0, 31), "A\tB\r\n1.50\t2.25\r\n273.15\t273.15\r\n");
    EXPECT_NE(text.find("\r\n0.00000\tNot Available \r\n"), std::string::npos);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");

    const PropertyTexts labels = propertyLabels(defaultFormats());
    const std::string with = storedPointsText(doc, defaultFormats(), &labels);
    EXPECT_EQ(with.substr(0, 25), "\tA\tB\r\nP - MPa\t1.50\t2.25\r\n");
    EXPECT_NE(with.find("\r\nVisc - Pa-sec\t0.00000\tNot Available \r\n"), std::string::npos);
    EXPECT_EQ(std::count(with.begin(), with.end(), '\n'), 11);
}

}  // namespace
}  // namespace calvex
