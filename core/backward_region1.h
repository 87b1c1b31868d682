// IF97 backward equations of region 1: T(p,h) (IF97 Eq. 11) and T(p,s) (IF97 Eq. 13).
// These return the backward-equation value itself, without any refinement on the basic equation.
#pragma once

namespace if97 {

// Region 1 backward temperature T(p,h), K; p in MPa, h in kJ/kg.  IF97 Eq. 11, Table 6.
double backwardEquationT1ph(double p, double h) noexcept;

// Region 1 backward temperature T(p,s), K; p in MPa, s in kJ/(kg K).  IF97 Eq. 13, Table 8.
double backwardEquationT1ps(double p, double s) noexcept;

}  // namespace if97
