// Display texts of property values: printf rules, units, codes and the minus-zero case.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "number_format.h"
#include "property_table.h"

namespace calvex {
namespace {

struct NumberRow {
    double x;
    int digits;
    NumberStyle style;
    const char* expected;  // what printf("%.*f" / "%.*e") prints, exponent widened to 3 digits
};

const NumberRow kNumberRows[] = {
    {273.15, 2, NumberStyle::Fixed, "273.15"},
    {0.0, 2, NumberStyle::Fixed, "0.00"},
    {2.5, 0, NumberStyle::Fixed, "2"},  // round half to even on the exact binary value
    {3.5, 0, NumberStyle::Fixed, "4"},
    {0.125, 2, NumberStyle::Fixed, "0.12"},  // 0.125 is exact: ties to even
    {1.005, 2, NumberStyle::Fixed, "1.00"},  // 1.005 is 1.00499999999999989...
    {-0.5, 3, NumberStyle::Fixed, "-0.500"},
    {123456.0, 2, NumberStyle::Scientific, "1.23e+005"},
    {0.000123, 3, NumberStyle::Scientific, "1.230e-004"},
    {1e100, 1, NumberStyle::Scientific, "1.0e+100"},
    {1e-300, 0, NumberStyle::Scientific, "1e-300"},
    {0.0, 2, NumberStyle::Scientific, "0.00e+000"},
    {-1.8e-8, 2, NumberStyle::Scientific, "-1.80e-008"},  // not zero in scientific style
    // A value that rounds to zero shows no minus sign.
    {-1.8e-8, 2, NumberStyle::Fixed, "0.00"},
    {-0.0, 2, NumberStyle::Fixed, "0.00"},
    {-0.0, 2, NumberStyle::Scientific, "0.00e+000"},
    {-0.4, 0, NumberStyle::Fixed, "0"},
    {-0.6, 0, NumberStyle::Fixed, "-1"},
    {std::numeric_limits<double>::infinity(), 2, NumberStyle::Fixed, "inf"},
    {-std::numeric_limits<double>::infinity(), 2, NumberStyle::Fixed, "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), 2, NumberStyle::Fixed, "nan"},
    {-std::numeric_limits<double>::quiet_NaN(), 2, NumberStyle::Scientific, "nan"},
};

TEST(NumberFormat, PrintfRules) {
    for (const NumberRow& row : kNumberRows) {
        EXPECT_EQ(formatNumber(row.x, row.digits, row.style), row.expected) << row.x << " digits " << row.digits;
    }
}

TEST(NumberFormat, HugeValuesHaveNoBufferLimit) {
    const std::string s = formatNumber(1e308, 8, NumberStyle::Fixed);
    ASSERT_EQ(s.size(), 309u + 1u + 8u);
    EXPECT_EQ(s.substr(0, 6), "100000");
    EXPECT_EQ(s.substr(s.size() - 9), ".00000000");

    const std::string maxD = formatNumber(std::numeric_limits<double>::max(), 8, NumberStyle::Fixed);
    EXPECT_EQ(maxD.substr(0, 10), "1797693134");
    EXPECT_EQ(maxD.size(), 309u + 9u);
}

struct ValueRow {
    double internal;
    PropertyKind kind;
    DisplayFormat format;
    const char* expected;
};

// Unit examples: 373.15 K is 212 deg F, 671.67 deg R, 100 deg C; one standard atmosphere is
// 0 psig (it comes out as -1.8e-8 psig from the rounded factors and must read 0.00).
const ValueRow kValueRows[] = {
    {373.15, PropertyKind::Temperature, makeFormat(2, 0, 1), "212.00"},
    {373.15, PropertyKind::Temperature, makeFormat(2, 0, 2), "671.67"},
    {373.15, PropertyKind::Temperature, makeFormat(2, 0, 3), "100.00"},
    {373.15, PropertyKind::Temperature, makeFormat(2, 0, 0), "373.15"},
    {0.101325, PropertyKind::Pressure, makeFormat(2, 0, 2), "0.00"},
    {0.101325, PropertyKind::Pressure, makeFormat(4, 0, 4), "1.0000"},    // Atm
    {0.101325, PropertyKind::Pressure, makeFormat(3, 0, 5), "1.013"},     // Bar
    {2.326, PropertyKind::Enthalpy, makeFormat(2, 0, 1), "1.00"},         // Btu/lb
    {1.0, PropertyKind::Volume, makeFormat(4, 0, 3), "1000.0000"},        // L/kg
    {0.3048, PropertyKind::Velocity, makeFormat(2, 0, 1), "1.00"},        // ft/sec
    {1e-3, PropertyKind::Viscosity, makeFormat(3, 0, 2), "1.000"},        // cp
    {12.5, PropertyKind::Dimensionless, makeFormat(2, 0, 1), "12.50"},    // no unit list
    {5.0, PropertyKind::Pressure, makeFormat(2, 0, 99), "5.00"},          // unit outside the list
    {1234.5, PropertyKind::Enthalpy, makeFormat(3, 1, 0), "1.234e+003"},  // exact tie: to even
    // Codes and markers.
    {-1.0, PropertyKind::Pressure, makeFormat(2, 0, 0), "Not Available "},
    {-20.0, PropertyKind::Temperature, makeFormat(2, 0, 3), "Not Available "},
    {-5001.0, PropertyKind::Enthalpy, makeFormat(2, 0, 0), "Not Available "},
    {-std::numeric_limits<double>::infinity(), PropertyKind::Enthalpy, makeFormat(2, 0, 0), "Not Available "},
    {-0.5, PropertyKind::Dimensionless, makeFormat(2, 0, 0), "-0.50"},
    {-0.999, PropertyKind::Dimensionless, makeFormat(3, 0, 0), "-0.999"},
    // A value above -1 in K is shown in deg C even when the result is far below -1.
    {0.5, PropertyKind::Temperature, makeFormat(2, 0, 3), "-272.65"},
    {std::numeric_limits<double>::quiet_NaN(), PropertyKind::Enthalpy, makeFormat(2, 0, 0), "nan"},
};

TEST(NumberFormat, ValuesInUnits) {
    for (const ValueRow& row : kValueRows) {
        EXPECT_EQ(formatValue(row.internal, row.kind, row.format), row.expected)
            << row.internal << " kind " << static_cast<int>(row.kind) << " format " << row.format;
    }
}

TEST(UnitTable, ListsInOrder) {
    // The drop-down texts, in list order.
    EXPECT_EQ(unitText(PropertyKind::Pressure, 0), "MPa");
    EXPECT_EQ(unitText(PropertyKind::Pressure, 8), "kp/sq cm");
    EXPECT_EQ(unitText(PropertyKind::Temperature, 3), "deg C");
    EXPECT_EQ(unitText(PropertyKind::Enthalpy, 6), "hp-hr/lbm");
    EXPECT_EQ(unitText(PropertyKind::Entropy, 0), "kJ/kg/K");
    EXPECT_EQ(unitText(PropertyKind::SpecificHeat, 0), "kJ/kg/C");
    EXPECT_EQ(unitText(PropertyKind::SpecificHeat, 1), "Btu/lb/F");
    EXPECT_EQ(unitText(PropertyKind::Viscosity, 5), "kg/m/sec");
    EXPECT_EQ(unitText(PropertyKind::Conductivity, 6), "kcal/hr/m/C");
    EXPECT_EQ(unitText(PropertyKind::Velocity, 2), "ft/min");
    EXPECT_EQ(unitText(PropertyKind::Velocity, 3), "");
    EXPECT_EQ(unitText(PropertyKind::Dimensionless, 0), "");
    // Specific heat shares the factors of entropy beyond its first unit.
    for (int u = 1; u < unitCount(PropertyKind::Entropy); ++u) {
        EXPECT_EQ(unitScale(PropertyKind::SpecificHeat, u), unitScale(PropertyKind::Entropy, u));
        EXPECT_EQ(unitText(PropertyKind::SpecificHeat, u), unitText(PropertyKind::Entropy, u));
    }
    EXPECT_EQ(unitScale(PropertyKind::Pressure, -1), 1.0);
    EXPECT_EQ(unitOffset(PropertyKind::Temperature, 7), 0.0);
}

TEST(UnitTable, RoundTripEveryUnit) {
    // Tolerance tier: a multiply and a divide, plus the offset's cancellation.
    constexpr double kRoundTrip = 1e-12;
    for (int k = 0; k < kKindCount; ++k) {
        const auto kind = static_cast<PropertyKind>(k);
        for (int u = 0; u < unitCount(kind); ++u) {
            const double shown = 123.456;
            EXPECT_NEAR(fromInternal(toInternal(shown, kind, u), kind, u), shown, shown * kRoundTrip)
                << "kind " << k << " unit " << u;
        }
    }
}

}  // namespace
}  // namespace calvex
