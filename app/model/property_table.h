// The eleven properties of a Calvex state point and the unit lists of their kinds.
//
// Every value is held in one internal unit per property (MPa, K, kJ/kg, kJ/(kg K), m3/kg,
// Pa s, W/(m K), m/s) and shown in a unit chosen from its kind's list. Index 0 of every
// list is the internal unit, index 1 the English unit of the IFC-67 library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace calvex {

// Unit family of a property; selects its unit list and conversion factors.
enum class PropertyKind : std::uint8_t {
    Pressure = 0,
    Temperature = 1,
    Dimensionless = 2,
    Enthalpy = 3,
    Entropy = 4,
    Volume = 5,
    SpecificHeat = 6,
    Viscosity = 7,
    Conductivity = 8,
    Velocity = 9,
};
inline constexpr int kKindCount = 10;

// Property order used by record fields, files, clipboard, print and saved defaults.
enum Property : int {
    kPressure = 0,
    kTemperature = 1,
    kQuality = 2,
    kEnthalpy = 3,
    kEntropy = 4,
    kVolume = 5,
    kSpecificHeat = 6,
    kViscosity = 7,
    kConductivity = 8,
    kPrandtl = 9,
    kCriticalVelocity = 10,
};
inline constexpr int kPropertyCount = 11;

struct PropertyInfo {
    std::string_view name;        // "pressure"
    std::string_view shortLabel;  // "P"
    PropertyKind kind;
    std::uint16_t defaultDigits;    // digits of a new document (fixed style, internal unit)
    std::string_view settingsName;  // value name in the "Defaults" settings group
};

inline constexpr std::array<PropertyInfo, kPropertyCount> kProperties{{
    {"pressure", "P", PropertyKind::Pressure, 2, "P"},
    {"temperature", "T", PropertyKind::Temperature, 2, "T"},
    {"quality", "Q", PropertyKind::Dimensionless, 3, "Q"},
    {"specific enthalpy", "H", PropertyKind::Enthalpy, 2, "H"},
    {"specific entropy", "S", PropertyKind::Entropy, 5, "S"},
    {"specific volume", "V", PropertyKind::Volume, 4, "V"},
    {"isobaric specific heat", "Cp", PropertyKind::SpecificHeat, 4, "C"},
    {"dynamic viscosity", "Visc", PropertyKind::Viscosity, 5, "M"},
    {"thermal conductivity", "Cond", PropertyKind::Conductivity, 5, "K"},
    {"Prandtl number", "Pr", PropertyKind::Dimensionless, 2, "Pr"},
    {"critical (sonic) velocity", "W", PropertyKind::Velocity, 2, "CV"},
}};

constexpr PropertyKind propertyKind(int property) noexcept {
    return (property >= 0 && property < kPropertyCount) ? kProperties[static_cast<std::size_t>(property)].kind
                                                        : PropertyKind::Dimensionless;
}

// One row of the unit table: internal = scale * (shown + offset).
struct UnitRow {
    PropertyKind kind;
    std::string_view text;
    double scale;
    double offset;
};

// All unit lists in one table, grouped by kind, each group in list order.
inline constexpr std::array<UnitRow, 52> kUnitTable{{
    {PropertyKind::Pressure, "MPa", 1.0, 0.0},
    {PropertyKind::Pressure, "psia", 0.00689475729, 0.0},
    {PropertyKind::Pressure, "psig", 0.00689475729, 14.6959488},
    {PropertyKind::Pressure, "In Hg", 0.00338638588, 0.0},
    {PropertyKind::Pressure, "Atm", 0.101325, 0.0},
    {PropertyKind::Pressure, "Bar", 0.1, 0.0},
    {PropertyKind::Pressure, "Ft H2O", 0.0029839205, 0.0},
    {PropertyKind::Pressure, "mm Hg", 0.000133322279, 0.0},
    {PropertyKind::Pressure, "kp/sq cm", 0.0980665, 0.0},

    {PropertyKind::Temperature, "deg K", 1.0, 0.0},
    {PropertyKind::Temperature, "deg F", 0.5555555555555556, 459.67},
    {PropertyKind::Temperature, "deg R", 0.5555555555555556, 0.0},
    {PropertyKind::Temperature, "deg C", 1.0, 273.15},

    {PropertyKind::Enthalpy, "kJ/kg", 1.0, 0.0},
    {PropertyKind::Enthalpy, "Btu/lb", 2.326, 0.0},
    {PropertyKind::Enthalpy, "kcal/kg", 4.1868, 0.0},
    {PropertyKind::Enthalpy, "Ft-lbf/lbm", 0.00298906692, 0.0},
    {PropertyKind::Enthalpy, "psi/lbm/ft3", 0.430425636, 0.0},
    {PropertyKind::Enthalpy, "kp-m/g", 9.80665, 0.0},
    {PropertyKind::Enthalpy, "hp-hr/lbm", 5918.3525, 0.0},

    {PropertyKind::Entropy, "kJ/kg/K", 1.0, 0.0},
    {PropertyKind::Entropy, "Btu/lb/F", 4.1868, 0.0},
    {PropertyKind::Entropy, "kcal/g/K", 4186.8, 0.0},
    {PropertyKind::Entropy, "Ft-lbf/lbm/R", 0.00538032046, 0.0},
    {PropertyKind::Entropy, "Bar-cm3/g/K", 0.1, 0.0},
    {PropertyKind::Entropy, "kp-m/g/K", 9.80665, 0.0},

    {PropertyKind::Volume, "m3/kg", 1.0, 0.0},
    {PropertyKind::Volume, "ft3/lbm", 0.0624279606, 0.0},
    {PropertyKind::Volume, "gal/lbm", 0.00834540445, 0.0},
    {PropertyKind::Volume, "L/kg", 0.001, 0.0},

    {PropertyKind::SpecificHeat, "kJ/kg/C", 1.0, 0.0},
    {PropertyKind::SpecificHeat, "Btu/lb/F", 4.1868, 0.0},
    {PropertyKind::SpecificHeat, "kcal/g/K", 4186.8, 0.0},
    {PropertyKind::SpecificHeat, "Ft-lbf/lbm/R", 0.00538032046, 0.0},
    {PropertyKind::SpecificHeat, "Bar-cm3/g/K", 0.1, 0.0},
    {PropertyKind::SpecificHeat, "kp-m/g/K", 9.80665, 0.0},

    {PropertyKind::Viscosity, "Pa-sec", 1.0, 0.0},
    {PropertyKind::Viscosity, "lbm/hr/ft", 0.000413378873, 0.0},
    {PropertyKind::Viscosity, "cp", 0.001, 0.0},
    {PropertyKind::Viscosity, "lbf-sec/ft2", 47.880259, 0.0},
    {PropertyKind::Viscosity, "lbm/ft/sec", 1.48816394, 0.0},
    {PropertyKind::Viscosity, "kg/m/sec", 1.0, 0.0},

    {PropertyKind::Conductivity, "Watt/m/C", 1.0, 0.0},
    {PropertyKind::Conductivity, "Btu/hr/ft/F", 1.73073467, 0.0},
    {PropertyKind::Conductivity, "lbf/hr/F", 0.00222411081, 0.0},
    {PropertyKind::Conductivity, "Watt/ft/F", 5.90551181, 0.0},
    {PropertyKind::Conductivity, "kp/hr/C", 0.00272406944, 0.0},
    {PropertyKind::Conductivity, "cal/sec/cm/C", 418.68, 0.0},
    {PropertyKind::Conductivity, "kcal/hr/m/C", 1.163, 0.0},

    {PropertyKind::Velocity, "m/sec", 1.0, 0.0},
    {PropertyKind::Velocity, "ft/sec", 0.3048, 0.0},
    {PropertyKind::Velocity, "ft/min", 0.00508, 0.0},
}};

// Number of units in a kind's list (0 for the dimensionless kind).
constexpr int unitCount(PropertyKind kind) noexcept {
    int n = 0;
    for (const UnitRow& row : kUnitTable) {
        if (row.kind == kind) {
            ++n;
        }
    }
    return n;
}

// The row of unit `index` of `kind`, or nullptr when the index is outside the list.
constexpr const UnitRow* unitRow(PropertyKind kind, int index) noexcept {
    if (index < 0) {
        return nullptr;
    }
    int seen = 0;
    for (const UnitRow& row : kUnitTable) {
        if (row.kind == kind) {
            if (seen == index) {
                return &row;
            }
            ++seen;
        }
    }
    return nullptr;
}

// A unit index outside the kind's list (or negative) converts with scale 1 and offset 0.
constexpr double unitScale(PropertyKind kind, int index) noexcept {
    const UnitRow* row = unitRow(kind, index);
    return row ? row->scale : 1.0;
}

constexpr double unitOffset(PropertyKind kind, int index) noexcept {
    const UnitRow* row = unitRow(kind, index);
    return row ? row->offset : 0.0;
}

// Text of a unit; empty for kinds without a list or indices outside it.
constexpr std::string_view unitText(PropertyKind kind, int index) noexcept {
    const UnitRow* row = unitRow(kind, index);
    return row ? row->text : std::string_view{};
}

// shown value -> internal value
constexpr double toInternal(double shown, PropertyKind kind, int unit) noexcept {
    return unitScale(kind, unit) * (shown + unitOffset(kind, unit));
}

// internal value -> shown value
constexpr double fromInternal(double internal, PropertyKind kind, int unit) noexcept {
    return internal / unitScale(kind, unit) - unitOffset(kind, unit);
}

static_assert(unitCount(PropertyKind::Pressure) == 9);
static_assert(unitCount(PropertyKind::Temperature) == 4);
static_assert(unitCount(PropertyKind::Dimensionless) == 0);
static_assert(unitCount(PropertyKind::Enthalpy) == 7);
static_assert(unitCount(PropertyKind::Entropy) == 6);
static_assert(unitCount(PropertyKind::Volume) == 4);
static_assert(unitCount(PropertyKind::SpecificHeat) == 6);
static_assert(unitCount(PropertyKind::Viscosity) == 6);
static_assert(unitCount(PropertyKind::Conductivity) == 7);
static_assert(unitCount(PropertyKind::Velocity) == 3);

}  // namespace calvex
