// IF97 boundary between regions 2 and 3 (IF97 Eqs. 5 and 6, Table 1).
#pragma once

namespace if97 {

// Pressure (MPa) of the 2-3 boundary at T (K); no range check.
double pB23(double T) noexcept;

// Temperature (K) of the 2-3 boundary at p (MPa); no range check.
double TB23(double p) noexcept;

}  // namespace if97
