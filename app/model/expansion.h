// The expansion of steam from the current point to a lower pressure, as in a turbine section,
// without widgets.
//
// From the initial state (p1, h1, s1) and the end pressure p2 the calculation finds the
// isentropic end enthalpy hs = h(p2, s1), then the real end state from one more given quantity
// (the section efficiency, or the end enthalpy, temperature or quality), the expansion energy
// h1 - h2, the efficiency (h1 - h2) / (h1 - hs) and the steam rate. The end state is computed as
// the property form computes a point (PointCalculator), in the formulation chosen on the form.
//
// The dialog's boxes are numbered: the eleven "To" boxes in property order, then the section
// efficiency, the expansion energy and the steam rate. The calculation reads their values and
// reports which boxes take new values and which get their display back, step by step, as the
// dialog shows them; a refusal carries the reason of its message.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "if97_state.h"
#include "point_compute.h"
#include "point_table_text.h"

namespace calvex {

// The boxes of the expansion dialog that the calculation reads and writes.
enum ExpansionBox : int {
    kToPressure = kPressure,
    kToTemperature = kTemperature,
    kToQuality = kQuality,
    kToEnthalpy = kEnthalpy,
    kToEntropy = kEntropy,
    kEfficiencyBox = kPropertyCount,  // "Section Efficiency:"
    kEnergyBox,                       // "Expansion Energy"
    kSteamRateBox,                    // "Steam Rate"
};
inline constexpr int kExpansionBoxCount = kSteamRateBox + 1;
using ExpansionValues = std::array<double, kExpansionBoxCount>;

// The choice of the group "Input variables": the quantity given besides the "To" pressure.
enum class ExpansionMode : int {
    PressureEfficiency = 0,   // "Pressure, Efficiency" (selected on opening)
    PressureEnthalpy = 1,     // "Pressure, Enthalpy"
    PressureTemperature = 2,  // "Pressure, Temperature"
    PressureQuality = 3,      // "Pressure, Quality"
};
inline constexpr int kExpansionModeCount = 4;
inline constexpr std::array<const char*, kExpansionModeCount> kExpansionModeTexts{
    "Pressure, Efficiency", "Pressure, Enthalpy", "Pressure, Temperature", "Pressure, Quality"};

// The box the user types into in a mode, besides the "To" pressure.
constexpr int editableBox(ExpansionMode mode) noexcept {
    switch (mode) {
        case ExpansionMode::PressureEfficiency: return kEfficiencyBox;
        case ExpansionMode::PressureEnthalpy: return kToEnthalpy;
        case ExpansionMode::PressureTemperature: return kToTemperature;
        case ExpansionMode::PressureQuality: return kToQuality;
    }
    return kEfficiencyBox;
}

// Units of the steam rate, in the order of its drop-down.
enum class SteamRateUnit : int { LbmPerKWh = 0, KgPerKWh = 1 };
inline constexpr std::array<const char*, 2> kSteamRateUnitTexts{"lbm/kWh", "kg/kWh"};

// Texts of the expansion tool.
inline constexpr const char* kExpansionTitle = "Calculate Expansion";
inline constexpr const char* kMsgRecalculateBeforeExpansion =
    "The state point needs to be recalculated before proceeding.";
inline constexpr const char* kMsgExpansionPrefix = "The expansion calculation cannot be completed because ";

// Reasons of a refused expansion, in the order of the steps that give them.
enum class ExpansionRefusal : int {
    None = 0,
    PressureNotLower,
    PressureTooLow,
    PressureOrEntropy,
    EfficiencyBelowZero,
    EfficiencyAboveOne,
    PressureOrEnthalpy,
    PressureOrTemperature,
    PressureOrQuality,
    EnthalpyAboveInitial,
    CalculatedEfficiencyAboveOne,
};
inline constexpr std::array<const char*, 11> kExpansionReasons{
    "",
    "the expansion pressure must be lower than the initial pressure",
    "the expansion pressure is too low",
    "either the expansion pressure or entropy are invalid",
    "the efficiency value is less than 0.0",
    "the efficiency value is greater than 1.0",
    "either the expansion pressure or enthalpy are invalid",
    "either the expansion pressure or temperature are invalid",
    "either the expansion pressure or quality are invalid",
    "the expansion enthalpy is greater than the initial enthalpy",
    "the calculated efficiency is greater than 1.0",
};
static_assert(kExpansionReasons.size() == static_cast<std::size_t>(ExpansionRefusal::CalculatedEfficiencyAboveOne) + 1);

// The whole message of a refusal: the prefix and the reason; empty for None.
std::string expansionMessage(ExpansionRefusal refusal);

// The lowest end pressure the calculation accepts (MPa), the core's lower pressure limit.
inline constexpr double kLowestExpansionPressure = 1e-7;

// The end state and the isentropic end enthalpy, computed by the formulation of the form.
class ExpansionCalculator {
  public:
    virtual ~ExpansionCalculator() = default;
    // Isentropic end enthalpy h(p2, s1) in kJ/kg (p2 MPa, s1 kJ/(kg K)), or nothing when the
    // formulation refuses the state.
    virtual std::optional<double> isentropicEnthalpy(double p2, double s1, bool ifc67) = 0;
    // The end state from the input pair of `mask` (with the formulation bit), computed as the
    // property form computes its point from the boxes `to`.
    virtual ComputeReport endState(std::uint32_t mask, const FormValues& to) = 0;
};

// The program's own calculator: the IF97 core of the program (short status numbering) with the
// mask of the enthalpy alone for the isentrope, vaprop67 in its English units, and the form's
// PointCalculator for the end state.
class CoreExpansionCalculator final : public ExpansionCalculator {
  public:
    std::optional<double> isentropicEnthalpy(double p2, double s1, bool ifc67) override;
    ComputeReport endState(std::uint32_t mask, const FormValues& to) override;

  private:
    if97::IF97State isentrope_;
    PointCalculator points_;
};

struct ExpansionInput {
    double p1 = 0.0;          // "Expand From" pressure, MPa
    double h1 = 0.0;          // "Expand From" enthalpy, kJ/kg
    double s1 = 0.0;          // "Expand From" entropy, kJ/(kg K)
    ExpansionValues boxes{};  // the dialog's boxes before the calculation (internal units)
    ExpansionMode mode = ExpansionMode::PressureEfficiency;
    bool ifc67 = false;
    int temperatureUnit = 0;  // display unit of the "To" temperature: a reset shows 0 in it
    SteamRateUnit steamRateUnit = SteamRateUnit::KgPerKWh;
};

struct ExpansionReport {
    ExpansionRefusal refusal = ExpansionRefusal::None;
    // True when the "To" pressure takes the focus after the message (the pressure checks).
    bool focusToPressure = false;
    // Boxes that take values[i] raw (their displays are formatted again).
    std::array<bool, kExpansionBoxCount> set{};
    // Boxes that get their display text back (the given quantities).
    std::array<bool, kExpansionBoxCount> restored{};
    ExpansionValues values{};

    bool refused() const noexcept { return refusal != ExpansionRefusal::None; }
    // The eleven "To" values, as the form's boxes take them on "Close and Copy".
    FormValues toValues() const noexcept;
};

// The expansion, step by step (see the header comment). The calculator is called only when
// the pressure checks pass.
ExpansionReport computeExpansion(const ExpansionInput& in, ExpansionCalculator& calc);

// Steam rate of an expansion energy (kJ/kg): 3600 / energy in kg/kWh, 3412.14 / energy in
// Btu/lb for lbm/kWh; the not-available marker when the energy is not greater than 0.
double steamRate(double energy, SteamRateUnit unit) noexcept;

// The steam-rate unit the dialog starts with: kg/kWh for the enthalpy units "kJ/kg",
// "kcal/kg" and "kp-m/g" (indices 0, 2, 5), lbm/kWh for the others.
SteamRateUnit initialSteamRateUnit(int enthalpyUnit) noexcept;

// Row labels of the dialog for the units of the form's boxes: "P - " with the pressure unit's
// text, "T - " with the temperature unit, "Q ", "H - " with the enthalpy unit, "S - " with the
// entropy unit.
std::array<std::string, 5> expansionRowLabels(const PropertyFormats& formats);

}  // namespace calvex
