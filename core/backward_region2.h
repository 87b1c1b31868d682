// IF97 backward equations of region 2: the B2bc boundary (IF97 Eqs. 20, 21), T(p,h) of sub-regions
// 2a, 2b, 2c (IF97 Eqs. 22 to 24) and T(p,s) of sub-regions 2a, 2b, 2c (IF97 Eqs. 25 to 27).
// These return the backward-equation value itself, without any refinement on the basic equation.
#pragma once

namespace if97 {

// Boundary between sub-regions 2b and 2c: pressure (MPa) from enthalpy (kJ/kg), IF97 Eq. 20.
double pB2bc(double h) noexcept;
// Boundary between sub-regions 2b and 2c: enthalpy (kJ/kg) from pressure (MPa), IF97 Eq. 21.
double hB2bc(double p) noexcept;

// Sub-region of region 2 for the backward equations: 'a', 'b' or 'c'.
char subregion2ph(double p, double h) noexcept;  // 2a for p <= 4 MPa, else 2c when p > pB2bc(h)
char subregion2ps(double p, double s) noexcept;  // 2a for p <= 4 MPa, else 2b when s >= 5.85

// The single sub-region equations, K.
double backwardEquationT2aph(double p, double h) noexcept;  // IF97 Eq. 22, Table 20
double backwardEquationT2bph(double p, double h) noexcept;  // IF97 Eq. 23, Table 21
double backwardEquationT2cph(double p, double h) noexcept;  // IF97 Eq. 24, Table 22
double backwardEquationT2aps(double p, double s) noexcept;  // IF97 Eq. 25, Table 25
double backwardEquationT2bps(double p, double s) noexcept;  // IF97 Eq. 26, Table 26
double backwardEquationT2cps(double p, double s) noexcept;  // IF97 Eq. 27, Table 27

// Region 2 backward temperature with the sub-region chosen as above, K.
double backwardEquationT2ph(double p, double h) noexcept;
double backwardEquationT2ps(double p, double s) noexcept;

}  // namespace if97
