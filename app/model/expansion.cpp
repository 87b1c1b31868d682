#include "expansion.h"

#include <cmath>

#include "display_format.h"
#include "input_pair.h"
#include "vaprop67.h"

namespace calvex {
namespace {

// Mask of the enthalpy alone: the isentrope needs nothing else.
constexpr int kEnthalpyOnly = 8;
// Unit 1 of every kind is the IFC-67 library's English unit.
constexpr int kLibraryUnit = 1;
// Btu per kWh, for the steam rate in lbm/kWh from an energy in Btu/lb.
constexpr double kBtuPerKWh = 3412.14;
// kJ per kWh, for the steam rate in kg/kWh from an energy in kJ/kg.
constexpr double kKJPerKWh = 3600.0;

// The properties of the end state that step 7 takes from the end-state calculation, besides
// the enthalpy, and the transport properties of step 8.
constexpr int kEndStateProperties[] = {kTemperature, kQuality, kEntropy, kVolume, kSpecificHeat, kCriticalVelocity};
constexpr int kTransportProperties[] = {kViscosity, kConductivity, kPrandtl};

class Steps {
  public:
    explicit Steps(const ExpansionInput& in) { r_.values = in.boxes; }

    double box(int b) const noexcept { return r_.values[static_cast<std::size_t>(b)]; }

    void set(int b, double v) noexcept {
        r_.values[static_cast<std::size_t>(b)] = v;
        r_.set[static_cast<std::size_t>(b)] = true;
    }
    void restore(int b) noexcept { r_.restored[static_cast<std::size_t>(b)] = true; }

    ExpansionReport refuse(ExpansionRefusal why, bool focusPressure = false) {
        r_.refusal = why;
        r_.focusToPressure = focusPressure;
        return r_;
    }

    // The "To" boxes in the shape the point calculation reads them.
    FormValues toBoxes() const noexcept {
        FormValues v{};
        for (int p = 0; p < kPropertyCount; ++p) {
            v[static_cast<std::size_t>(p)] = box(p);
        }
        return v;
    }

    // The boxes an end-state calculation filled (an IFC-67 calculation fills them even when it
    // fails, with the library's codes).
    void takeFilled(const ComputeReport& end) noexcept {
        for (int p = 0; p < kPropertyCount; ++p) {
            if (end.set[static_cast<std::size_t>(p)]) {
                set(p, end.values[static_cast<std::size_t>(p)]);
            }
        }
    }

    ExpansionReport& report() noexcept { return r_; }

  private:
    ExpansionReport r_;
};

std::uint32_t endStateMask(InputPair pair, bool ifc67) noexcept {
    return static_cast<std::uint32_t>(pair) | (ifc67 ? static_cast<std::uint32_t>(kInputIfc67) : 0u);
}

InputPair pairOfMode(ExpansionMode mode) noexcept {
    switch (mode) {
        case ExpansionMode::PressureEfficiency:
        case ExpansionMode::PressureEnthalpy: return InputPair::PH;
        case ExpansionMode::PressureTemperature: return InputPair::PT;
        case ExpansionMode::PressureQuality: return InputPair::PX;
    }
    return InputPair::PH;
}

ExpansionRefusal refusalOfMode(ExpansionMode mode) noexcept {
    switch (mode) {
        case ExpansionMode::PressureEnthalpy: return ExpansionRefusal::PressureOrEnthalpy;
        case ExpansionMode::PressureTemperature: return ExpansionRefusal::PressureOrTemperature;
        case ExpansionMode::PressureQuality: return ExpansionRefusal::PressureOrQuality;
        case ExpansionMode::PressureEfficiency: break;
    }
    return ExpansionRefusal::None;
}

}  // namespace

std::string expansionMessage(ExpansionRefusal refusal) {
    if (refusal == ExpansionRefusal::None) {
        return {};
    }
    return std::string(kMsgExpansionPrefix) + kExpansionReasons[static_cast<std::size_t>(refusal)];
}

FormValues ExpansionReport::toValues() const noexcept {
    FormValues v{};
    for (int p = 0; p < kPropertyCount; ++p) {
        v[static_cast<std::size_t>(p)] = values[static_cast<std::size_t>(p)];
    }
    return v;
}

std::optional<double> CoreExpansionCalculator::isentropicEnthalpy(double p2, double s1, bool ifc67) {
    if (ifc67) {
        const double p = fromInternal(p2, PropertyKind::Pressure, kLibraryUnit);
        const double s = fromInternal(s1, PropertyKind::Entropy, kLibraryUnit);
        const double h = Stm67PSH(p, s);
        if (!isPropertyValue(h) || std::isnan(h)) {
            return std::nullopt;
        }
        return toInternal(h, PropertyKind::Enthalpy, kLibraryUnit);
    }
    isentrope_.computePS(p2, s1, kEnthalpyOnly, 0);
    if (if97::isErrorStatus(isentrope_.status())) {
        return std::nullopt;
    }
    return isentrope_.enthalpy();
}

ComputeReport CoreExpansionCalculator::endState(std::uint32_t mask, const FormValues& to) {
    return points_.compute(mask, to);
}

ExpansionReport computeExpansion(const ExpansionInput& in, ExpansionCalculator& calc) {
    Steps st(in);
    const double p2 = st.box(kToPressure);

    // 1, 2: the end pressure lies below the initial one and inside the core's range. A
    // pressure that is not a number fails the first test.
    if (!(in.p1 > p2)) {
        return st.refuse(ExpansionRefusal::PressureNotLower, true);
    }
    if (p2 < kLowestExpansionPressure) {
        return st.refuse(ExpansionRefusal::PressureTooLow, true);
    }

    // 3: the isentropic end enthalpy.
    const std::optional<double> isentropic = calc.isentropicEnthalpy(p2, in.s1, in.ifc67);
    if (!isentropic) {
        return st.refuse(ExpansionRefusal::PressureOrEntropy);
    }
    const double hs = *isentropic;
    const double isentropicDrop = in.h1 - hs;

    ComputeReport end;
    double energy = 0.0;
    if (in.mode == ExpansionMode::PressureEfficiency) {
        // 4: the end enthalpy from the efficiency. An efficiency that is not a number is refused
        // as one above 1.
        const double e = st.box(kEfficiencyBox);
        if (e < 0.0) {
            return st.refuse(ExpansionRefusal::EfficiencyBelowZero);
        }
        if (!(e <= 1.0)) {
            return st.refuse(ExpansionRefusal::EfficiencyAboveOne);
        }
        energy = e * isentropicDrop;
        const double h2 = in.h1 - energy;
        st.set(kEnergyBox, energy);
        st.set(kToEnthalpy, h2);
        st.restore(kEfficiencyBox);
        end = calc.endState(endStateMask(InputPair::PH, in.ifc67), st.toBoxes());
        // The end state's status is not tested: a failure shows through the codes the end
        // boxes take (as the core's getters return them, or as the library returned them).
        if (end.outcome == ComputeOutcome::Error) {
            if (in.ifc67) {
                st.takeFilled(end);
            } else {
                for (const int p : kEndStateProperties) {
                    end.values[static_cast<std::size_t>(p)] = static_cast<double>(end.status);
                    end.set[static_cast<std::size_t>(p)] = true;
                }
            }
            // No quality of 0 or 1: no transport properties.
            for (const int p : kTransportProperties) {
                end.values[static_cast<std::size_t>(p)] = NotAvailableMarker;
                end.set[static_cast<std::size_t>(p)] = true;
            }
        }
    } else {
        // 5: the end state from the pressure and the given quantity.
        const int given = editableBox(in.mode);
        end = calc.endState(endStateMask(pairOfMode(in.mode), in.ifc67), st.toBoxes());
        if (in.ifc67) {
            st.takeFilled(end);
        }
        // The library's (p, x) calculation takes its status from the saturation temperature,
        // so a quality it refuses comes back as a code in the enthalpy: an end enthalpy that is
        // a code fails as the calculation does.
        if (end.outcome != ComputeOutcome::Done || !isPropertyValue(end.values[kEnthalpy])) {
            if (in.mode == ExpansionMode::PressureEnthalpy) {
                st.set(kToEnthalpy, 0.0);
            } else if (in.mode == ExpansionMode::PressureTemperature) {
                st.set(kToTemperature, toInternal(0.0, PropertyKind::Temperature, in.temperatureUnit));
            }
            return st.refuse(refusalOfMode(in.mode));
        }
        st.restore(given);
        const double h2 = end.values[kEnthalpy];
        if (in.mode != ExpansionMode::PressureEnthalpy) {
            st.set(kToEnthalpy, h2);
        }

        // 6: energy and efficiency.
        energy = in.h1 - h2;
        st.set(kEnergyBox, energy);
        if (energy < 0.0) {
            st.set(kEnergyBox, 0.0);
            st.set(kToEnthalpy, 0.0);
            return st.refuse(ExpansionRefusal::EnthalpyAboveInitial);
        }
        // An end state no drier than the isentrope's but with no isentropic drop (h1 - hs not
        // positive) has no finite efficiency; it is refused as an efficiency above 1.
        const double efficiency = energy / isentropicDrop;
        st.set(kEfficiencyBox, efficiency);
        if (!(efficiency <= 1.0) || efficiency < 0.0) {
            st.set(kEfficiencyBox, 0.0);
            st.set(kToEnthalpy, 0.0);
            st.set(kEnergyBox, 0.0);
            return st.refuse(ExpansionRefusal::CalculatedEfficiencyAboveOne);
        }
    }

    // 7: the end state's other properties; 8: its transport properties (the end-state
    // calculation gives the not-available marker when the quality is neither 0 nor 1).
    st.restore(kToPressure);
    for (const int p : kEndStateProperties) {
        if (end.set[static_cast<std::size_t>(p)]) {
            st.set(p, end.values[static_cast<std::size_t>(p)]);
        }
    }
    for (const int p : kTransportProperties) {
        st.set(p, end.set[static_cast<std::size_t>(p)] ? end.values[static_cast<std::size_t>(p)] : NotAvailableMarker);
    }

    // 9: the steam rate.
    st.set(kSteamRateBox, steamRate(energy, in.steamRateUnit));
    return st.report();
}

double steamRate(double energy, SteamRateUnit unit) noexcept {
    if (!(energy > 0.0)) {
        return NotAvailableMarker;
    }
    if (unit == SteamRateUnit::KgPerKWh) {
        return kKJPerKWh / energy;
    }
    return kBtuPerKWh / fromInternal(energy, PropertyKind::Enthalpy, kLibraryUnit);
}

SteamRateUnit initialSteamRateUnit(int enthalpyUnit) noexcept {
    switch (enthalpyUnit) {
        case 0:  // kJ/kg
        case 2:  // kcal/kg
        case 5:  // kp-m/g
            return SteamRateUnit::KgPerKWh;
        default: return SteamRateUnit::LbmPerKWh;
    }
}

std::array<std::string, 5> expansionRowLabels(const PropertyFormats& formats) {
    const auto unitOf = [&formats](int p) {
        return std::string(unitText(formats.kinds[static_cast<std::size_t>(p)],
                                    formatUnit(formats.formats[static_cast<std::size_t>(p)])));
    };
    return {"P - " + unitOf(kPressure),
            "T - " + unitOf(kTemperature),
            "Q ",
            "H - " + unitOf(kEnthalpy),
            "S - " + unitOf(kEntropy)};
}

}  // namespace calvex
