// IF97 region 4: the saturation line (IF97 Eqs. 30 and 31, Table 34).
#pragma once

namespace if97 {

// Saturation pressure (MPa) at T (K), or status::AboveCriticalTemperature when
// T > 647.096 K. T = 647.096 K gives exactly 22.064 MPa. No lower limit.
double saturationPressure(double T) noexcept;

// Saturation temperature (K) at p (MPa), or status::AboveCriticalPressure when
// p > 22.064 MPa. p = 22.064 MPa gives exactly 647.096 K. No lower limit.
double saturationTemperature(double p) noexcept;

// p > saturationPressure(T), for 273.15 K <= T <= 623.15 K. States far from
// the line are decided from bounds of the saturation pressure at tabulated
// temperatures; only states close to it evaluate the equation.
bool aboveSaturationPressure(double p, double T) noexcept;

}  // namespace if97
