// Start values of region 3 from the IAPWS backward equations: v(p,T) of the 26 subregions 3a to 3z
// (SR5-05), and T(p,h), v(p,h), T(p,s), v(p,s) of subregions 3a and 3b (SR3-03).  They are close
// to the basic equation (T within 25 mK, v within 0.01 %; v(p,T) within 0.001 % except next to the
// critical point, where the auxiliary equations 3u to 3z are within 0.1 % to 1.7 %), and serve as
// the starting points of the Newton iterations on the Helmholtz equation; no result of the core is
// taken from them directly.
#pragma once

namespace if97 {

// The SR5-05 subregion ('a' .. 'z') of (p MPa, T K) on the given side of the saturation line
// (kSideLiquid / kSideVapour; it decides only where both sides exist, below 22.064 MPa).
char region3SubregionPT(double p, double T, int side) noexcept;

// Specific volume (m3/kg) of the SR5-05 equation of that subregion.
double backwardV3pt(double p, double T, int side) noexcept;

// SR3-03: subregion 3a when h <= h3ab(p) (resp. s <= sc), else 3b.
double h3ab(double p) noexcept;                    // kJ/kg
double backwardT3ph(double p, double h) noexcept;  // K
double backwardV3ph(double p, double h) noexcept;  // m3/kg
double backwardT3ps(double p, double s) noexcept;  // K
double backwardV3ps(double p, double s) noexcept;  // m3/kg

// SR3-03 Eqs. 10 and 11: the saturation pressure (MPa) of region 3 as a function of the saturated
// h (kJ/kg) or s (kJ/(kg K)), both branches, for h'(623.15 K) <= h <= h''(623.15 K) and
// s'(623.15 K) <= s <= s''(623.15 K).  A (p, h) or (p, s) state of that range above 16.529 MPa is
// wet when p < p3sat, else in region 3.
inline constexpr double kP3satHMin = 1670.858218;  // kJ/kg, h'(623.15 K)
inline constexpr double kP3satHMax = 2563.592004;  // kJ/kg, h''(623.15 K)
inline constexpr double kP3satSMin = 3.778281340;  // kJ/(kg K), s'(623.15 K)
inline constexpr double kP3satSMax = 5.210887825;  // kJ/(kg K), s''(623.15 K)
double p3satH(double h) noexcept;
double p3satS(double s) noexcept;

}  // namespace if97
