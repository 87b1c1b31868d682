// Dynamic viscosity of water and steam, IAPWS R12-08, industrial form (without the critical
// enhancement, which exceeds 2 % only within about 646 K to 651 K and 248 kg/m3 to 404 kg/m3).
#pragma once

namespace if97 {

// Highest temperature of the IAPWS 2008 viscosity and 2011 thermal conductivity (K).
inline constexpr double kTransport08TMax = 1173.15;

// Viscosity (Pa s) at T (K) and density rho (kg/m3); the equation itself, without range checks.
double viscosity08(double T, double rho) noexcept;

}  // namespace if97
