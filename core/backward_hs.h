// IF97 supplementary backward and boundary equations for inputs of enthalpy and entropy:
//   p(h,s) of regions 1 and 2 (IAPWS SR2-01), p(h,s) of region 3, the region boundaries written as
//   h(s) and T(h,s), and the saturation temperature of a wet state Tsat(h,s) (IAPWS SR4-04), and the
//   region 3 backward equations T(p,h), v(p,h) (IAPWS SR3-03) that turn a region 3 p(h,s) into a
//   starting state.
// Every function is the equation itself, without range checks and without iteration: the results
// are starting values (and region estimates) for the solvers that iterate the basic equations.
// p in MPa, T in K, h in kJ/kg, s in kJ/(kg K), v in m3/kg.
#pragma once

namespace if97::hs {

// Characteristic states of the releases (IAPWS SR4-04 and SR2-01), printed values.
inline constexpr double kSc = 4.41202148223476;      // critical entropy, 3a/3b boundary
inline constexpr double kS2bc = 5.85;                // 2b/2c boundary
inline constexpr double kSLiq273 = -1.545495919e-4;  // s'(273.15 K)
inline constexpr double kSLiq623 = 3.778281340;      // s'(623.15 K)
inline constexpr double kSVap623 = 5.210887825;      // s''(623.15 K)
inline constexpr double kSVap273 = 9.155759395;      // s''(273.15 K)
inline constexpr double kS13Top = 3.397782955;       // s(100 MPa, 623.15 K)
// The box of the B23 line in (h,s): s from 5.048096828 to 5.260578707, h from h''(623.15 K) to h(100 MPa, 863.15 K).
inline constexpr double kSB23Min = 5.048096828;
inline constexpr double kSB23Max = 5.260578707;
inline constexpr double kHB23Min = 2.563592004e3;
inline constexpr double kHB23Max = 2.812942061e3;

// SR2-01 Eq. 1: region 1 p(h,s).
double p1(double h, double s) noexcept;
// SR2-01 Eq. 2: enthalpy of the 2a/2b boundary (the 4 MPa isobar) at s.
double h2ab(double s) noexcept;
// SR2-01 Eqs. 3, 4, 5: region 2 p(h,s) of the subregions 2a, 2b, 2c.
double p2a(double h, double s) noexcept;
double p2b(double h, double s) noexcept;
double p2c(double h, double s) noexcept;
// Region 2 p(h,s): 2a when h <= h2ab(s), else 2b when s >= 5.85, else 2c.
double p2(double h, double s) noexcept;

// SR4-04 Eqs. 1, 2: region 3 p(h,s) of the subregions 3a (s <= sc) and 3b.
double p3a(double h, double s) noexcept;
double p3b(double h, double s) noexcept;
double p3(double h, double s) noexcept;
// SR4-04 Eq. 3: saturated-liquid enthalpy h'(s) from 273.15 K to 623.15 K.
double hLiq1(double s) noexcept;
// SR4-04 Eq. 4: saturated-liquid enthalpy h'(s) from 623.15 K to the critical point (s <= sc).
double hLiq3a(double s) noexcept;
// SR4-04 Eq. 5: saturated-vapour enthalpy h''(s) for 5.85 <= s <= s''(273.15 K).
double hVap2ab(double s) noexcept;
// SR4-04 Eq. 6: saturated-vapour enthalpy h''(s) for sc <= s <= 5.85.
double hVap2c3b(double s) noexcept;
// SR4-04 Eq. 7: enthalpy of the 623.15 K isotherm between the saturated liquid and 100 MPa.
double hB13(double s) noexcept;
// SR4-04 Eq. 8: temperature of the B23 line at (h,s).
double TB23(double h, double s) noexcept;
// SR4-04 Eq. 9: saturation temperature of a wet state, for s >= s''(623.15 K).
double Tsat(double h, double s) noexcept;

}  // namespace if97::hs
