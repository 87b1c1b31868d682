// The property calls the steam charts are drawn from, in either formulation, without widgets.
//
// Every state comes back in the core's units (K, kJ/kg, kJ/(kg K)) or not at all when the
// formulation refuses it:
//   IF97    the program's own core (short status numbering): computePT, computePX, computeTX and
//           computePS with the mask of temperature, enthalpy and entropy;
//   IFC-67  the vaprop67 library in its English units (psia, deg F, Btu/lb, Btu/(lb R)), each
//           value converted as the form's boxes convert unit 1.
#pragma once

#include <memory>
#include <optional>

#include "if97_state.h"

namespace calvex {

// One state on the charts: temperature K, specific entropy kJ/(kg K), specific enthalpy kJ/kg.
struct ChartState {
    double T = 0.0;
    double s = 0.0;
    double h = 0.0;
    bool operator==(const ChartState&) const = default;
};

class ChartFormulation {
  public:
    virtual ~ChartFormulation() = default;

    // Single-phase state at (p MPa, T K).
    virtual std::optional<ChartState> atPT(double p, double T) = 0;
    // Saturated or wet state at (p MPa, x) and at (T K, x).
    virtual std::optional<ChartState> atPX(double p, double x) = 0;
    virtual std::optional<ChartState> atTX(double T, double x) = 0;
    // The state at (p MPa, s kJ/(kg K)): the end of an isentropic expansion.
    virtual std::optional<ChartState> atPS(double p, double s) = 0;
    // Saturation temperature (K) at p (MPa); nothing above the critical pressure or below the
    // formulation's range.
    virtual std::optional<double> saturationTemperature(double p) = 0;

    // The critical point and the lowest temperature of the saturation line (K, MPa).
    virtual double criticalTemperature() const noexcept = 0;
    virtual double criticalPressure() const noexcept = 0;
    virtual double lowestTemperature() const noexcept = 0;
    // The range of pressures of the formulation (MPa).
    virtual double lowestPressure() const noexcept = 0;
    virtual double highestPressure() const noexcept = 0;
};

// IF97 by the program's own core.
class If97ChartFormulation final : public ChartFormulation {
  public:
    std::optional<ChartState> atPT(double p, double T) override;
    std::optional<ChartState> atPX(double p, double x) override;
    std::optional<ChartState> atTX(double T, double x) override;
    std::optional<ChartState> atPS(double p, double s) override;
    std::optional<double> saturationTemperature(double p) override;
    double criticalTemperature() const noexcept override;
    double criticalPressure() const noexcept override;
    double lowestTemperature() const noexcept override;
    double lowestPressure() const noexcept override;
    double highestPressure() const noexcept override;

  private:
    std::optional<ChartState> read() const;
    if97::IF97State state_;
};

// IFC-67 by the vaprop67 library.
class Ifc67ChartFormulation final : public ChartFormulation {
  public:
    std::optional<ChartState> atPT(double p, double T) override;
    std::optional<ChartState> atPX(double p, double x) override;
    std::optional<ChartState> atTX(double T, double x) override;
    std::optional<ChartState> atPS(double p, double s) override;
    std::optional<double> saturationTemperature(double p) override;
    double criticalTemperature() const noexcept override;
    double criticalPressure() const noexcept override;
    double lowestTemperature() const noexcept override;
    double lowestPressure() const noexcept override;
    double highestPressure() const noexcept override;
};

// The formulation of the form: IFC-67 when `ifc67`, IF97 otherwise.
std::unique_ptr<ChartFormulation> makeChartFormulation(bool ifc67);

}  // namespace calvex
