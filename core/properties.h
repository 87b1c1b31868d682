// Property mask bits and the output places of the region equations.
#pragma once

namespace if97 {

// Property mask (bit values, combinable).
inline constexpr int kMaskP = 1;
inline constexpr int kMaskT = 2;
inline constexpr int kMaskX = 4;
inline constexpr int kMaskH = 8;
inline constexpr int kMaskS = 16;
inline constexpr int kMaskV = 32;
inline constexpr int kMaskCp = 64;
inline constexpr int kMaskW = 128;
inline constexpr int kMaskAll = 255;
// Internal energy and isochoric heat capacity, read through IF97State::internalEnergy() and cv().
// Each mask holds the bits of the fields it is derived from (u = h - p v needs h and v; cv needs v),
// so that every compute operation evaluates what the getter reads.
inline constexpr int kMaskU = 256 | kMaskH | kMaskV;
inline constexpr int kMaskCv = 512 | kMaskV;

// Output places of one region evaluation. The region routines write only the
// members whose mask bit is set (p only by region 3, whose input is v).
struct Properties {
    double p;   // MPa
    double v;   // m3/kg
    double h;   // kJ/kg
    double s;   // kJ/(kg K)
    double cp;  // kJ/(kg K)
    double w;   // m/s
};

// Reference constants of IF97.
inline constexpr double kR = 0.461526;               // specific gas constant, kJ/(kg K)
inline constexpr double kTc = 647.096;               // critical temperature, K
inline constexpr double kPc = 22.064;                // critical pressure, MPa
inline constexpr double kVc = 0.003105590062111801;  // 1/322 m3/kg
inline constexpr double kT13 = 623.15;               // region 1/3 boundary temperature, K
inline constexpr double kPs13 = 16.529164252605;     // saturation pressure at 623.15 K, MPa
// Saturation pressure at 273.15 K (611.213 Pa), MPa: the value saturationPressure(273.15) gives.  Below
// it the saturation temperature lies under 273.15 K, so that no liquid or wet state is in the range.
inline constexpr double kPs273 = 6.1121267744434539e-4;
inline constexpr double kT25 = 1073.15;  // region 2/5 boundary temperature, K

}  // namespace if97
