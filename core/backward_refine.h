// Temperatures of regions 1 and 2 from (p,h) and (p,s): the IF97 backward equation, refined by a
// secant iteration on the basic equation unless backwardOnly is set, so that the temperature
// reproduces the given h or s as the forward equations compute it.
#pragma once

namespace if97 {

// Matching tolerances of the refinement.
inline constexpr double kRefineTolH = 1e-7;    // kJ/kg, regions 1 and 2
inline constexpr double kRefineTolS1 = 1e-10;  // kJ/(kg K), region 1
inline constexpr double kRefineTolS2 = 1e-9;   // kJ/(kg K), region 2

// Region 1 T(p,h), K.  A refinement that does not converge in 30 secant steps returns the
// backward-equation value.
double backwardT1ph(double p, double h, int backwardOnly) noexcept;

// Region 2 T(p,h), K, sub-region 2a/2b/2c by 4 MPa and the B2bc boundary.
double backwardT2ph(double p, double h, int backwardOnly) noexcept;

// Region 1 T(p,s), K.  A backward value below 273.15 K is not refined: the result is then
// status::EntropyHigh in place of a temperature (the caller decides what to do with it).
double backwardT1ps(double p, double s, int backwardOnly) noexcept;

// Region 2 T(p,s), K, sub-region 2a/2b/2c by 4 MPa and s = 5.85 kJ/(kg K).
double backwardT2ps(double p, double s, int backwardOnly) noexcept;

// Secant refinement of region 1 T(p,s) from a given start temperature T0 (K); returns T0 when the
// iteration does not converge.
double refineT1ps(double p, double s, double T0) noexcept;

}  // namespace if97
