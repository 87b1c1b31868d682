// IF97State: the property state object of the IF97 core.
//
// A compute operation stores its two inputs, range-checks them in order,
// chooses the IF97 region and evaluates the properties asked for by the mask
// (kMaskP .. kMaskW of properties.h). The result is read back through the
// getters, which return the status code instead of the value while an error
// status is set (warnings, at or below status::WarningBoundary, return the value).
// Nothing is allocated and nothing is thrown.
#pragma once

#include "properties.h"
#include "status.h"

namespace if97 {

struct PairSolution;

class IF97State {
  public:
    IF97State() noexcept = default;
    IF97State(const IF97State&) noexcept = default;
    IF97State& operator=(const IF97State&) noexcept = default;
    virtual ~IF97State();

    // (p MPa, T K): check p, check T, choose the region by (p, T), evaluate.
    void computePT(double p, double T, int mask) noexcept;
    // (p MPa, x): check p (below kPs273, the saturation pressure at 273.15 K,
    // status::PressureLow), check x, T = saturationTemperature(p), wet state.
    void computePX(double p, double x, int mask) noexcept;
    // (T K, x): check T, check x, p = saturationPressure(T), wet state.
    void computeTX(double T, double x, int mask) noexcept;
    // (p MPa, h kJ/kg) and (p MPa, s kJ/(kg K)); backwardOnly = 1 keeps the
    // temperature of the region 1/2 backward equations without refinement
    // (except the region 2 T(p,s) below kPs273, which is always refined).
    // Below kPs273 only region 2 (and 5) states are in the range.
    void computePH(double p, double h, int mask, int backwardOnly) noexcept;
    void computePS(double p, double s, int mask, int backwardOnly) noexcept;

    // (h kJ/kg, s kJ/(kg K)), (T K, s kJ/(kg K)), (p MPa, v m3/kg), (T K, v m3/kg): check the inputs,
    // find the state in any region (wet states included) so that it reproduces both inputs, evaluate.
    // Inputs beyond the range give the range code of the limit they cross; where two states share
    // (T,s) or (p,v) (liquid water near its density maximum) the status is status::AmbiguousState.
    void computeHS(double h, double s, int mask) noexcept;
    void computeTS(double T, double s, int mask) noexcept;
    void computePV(double p, double v, int mask) noexcept;
    void computeTV(double T, double v, int mask) noexcept;

    // Checks p and T (their codes go to status and are returned), then returns
    // the IF97 region 1, 2, 3 or 5 of (p, T), or status::TemperatureHigh for
    // T > 1073.15 K above 10 MPa (status stays 0 in that case).
    int regionOfPT(double p, double T) noexcept;

    // Wet-state evaluation from the fields p, T and x already set: the
    // saturated liquid and vapour at (p, T) and the mixture of quality x.
    void twoPhaseFromX(int mask) noexcept;

    // Getters: the field, or the status code while an error status is set.
    double pressure() const noexcept { return get(p_); }
    double temperature() const noexcept { return get(T_); }
    double quality() const noexcept { return get(x_); }
    double enthalpy() const noexcept { return get(h_); }
    double entropy() const noexcept { return get(s_); }
    double volume() const noexcept { return get(v_); }
    double cp() const noexcept { return get(cp_); }
    double soundSpeed() const noexcept { return get(w_); }
    // w*w/(p*v)*1e-6, or kNotDefined when w holds a marker.
    double isentropicExponent() const noexcept;
    // Derived from the fields of the last operation, whose mask held kMaskU, kMaskCv or kMaskV:
    // u = h - p v (kJ/kg), cv (kJ/(kg K); kNotDefined for a wet state), density 1/v (kg/m3).
    double internalEnergy() const noexcept;
    double cv() const noexcept;
    double density() const noexcept;
    // Surface tension at the state's temperature (N/m), 273.16 K to 647.096 K, else the code of
    // surfaceTension(T). Needs no mask bit.
    double surfaceTension() const noexcept;
    // Viscosity by IAPWS 2008 (Pa s) and thermal conductivity by IAPWS 2011 (W/(m K)), industrial
    // forms, of a single-phase state (or a saturated one, x = 0 or 1) whose mask held kMaskV:
    // kNotDefined for a wet state (and for the conductivity at the critical point itself),
    // status::TransportRange above 1173.15 K.
    double viscosity08() const noexcept;
    double conductivity11() const noexcept;
    int status() const noexcept { return status_; }

  private:
    double get(double field) const noexcept { return isErrorStatus(status_) ? static_cast<double>(status_) : field; }
    // Range checks of the inputs: each writes status and returns true when the
    // input is accepted (a NaN fails the lower test).
    bool checkPressure(double p) noexcept;
    bool checkTemperature(double T) noexcept;
    bool checkQuality(double x) noexcept;
    bool checkEnthalpy(double h) noexcept;
    bool checkEntropy(double s) noexcept;
    // Region of an accepted (p, T) pair, or status::TemperatureHigh.
    static int regionByPT(double p, double T) noexcept;
    // Copies the members of a region evaluation asked for by mask into the fields.
    void store(const Properties& props, int mask) noexcept;
    // Writes the state a pair solver found (or its code) and evaluates the properties of mask.
    void storePair(const PairSolution& solution, int mask) noexcept;

    double p_ = 0.0;   // MPa
    double T_ = 0.0;   // K
    double x_ = 0.0;   // vapour mass fraction; 0 liquid-like, 1 vapour-like single phase
    double h_ = 0.0;   // kJ/kg
    double s_ = 0.0;   // kJ/(kg K)
    double v_ = 0.0;   // m3/kg
    double cp_ = 0.0;  // kJ/(kg K)
    double w_ = 0.0;   // m/s (wet states: critical flow velocity)
    int status_ = 0;   // 0 good, negative: error or warning code
};

}  // namespace if97
