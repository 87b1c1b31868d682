// Named tolerance tiers of the vapcalc tests.
#ifndef VAPCALC_TEST_TOLERANCE_H
#define VAPCALC_TEST_TOLERANCE_H

namespace vapcalc::test {

// Relative: a value that went through one extra multiplication and division by a stored factor.
inline constexpr double kConversionRelative = 1e-14;
// Relative: the Prandtl number computed in two unit sets (three factor divisions each).
inline constexpr double kPrandtlRelative = 1e-13;
// Kelvin: T(p, h(p, T)) against T; the (p,h) operations match h within 1e-7 kJ/kg, which is below
// 1e-7 K wherever cp exceeds 1 kJ/(kg K); the tier leaves room for the region 3 and 5 iterations.
inline constexpr double kRoundTripKelvin = 1e-6;
// Kelvin: T(p, s(p, T)) against T; s is matched within 1e-9 kJ/(kg K) in regions 2 and 5, which is
// up to T/cp * 1e-9, about 1e-6 K near 2000 K.
inline constexpr double kRoundTripKelvinFromEntropy = 5e-6;

}  // namespace vapcalc::test

#endif
