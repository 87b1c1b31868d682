// Named tolerance tiers of the vapcalc tests.
#ifndef VAPCALC_TEST_TOLERANCE_H
#define VAPCALC_TEST_TOLERANCE_H

namespace vapcalc::test {

// Relative: a value that went through one extra multiplication and division by a stored factor.
inline constexpr double kConversionRelative = 1e-14;
// Relative: the Prandtl number computed in two unit sets (three factor divisions each).
inline constexpr double kPrandtlRelative = 1e-13;
// Relative: a transport property of a (p,h) or (p,s) state at its own temperature against the (p,T)
// call at that temperature as shown in a set's units (converted there and back, it may move by an ulp,
// and across the 1073.15 K line from region 2 into region 5, whose volume differs there by 1e-6).
inline constexpr double kTransportThroughShownTemperature = 1e-5;
// Kelvin: T(p, h(p, T)) against T; the (p,h) operations match h within 1e-7 kJ/kg, which is below
// 1e-7 K wherever cp exceeds 1 kJ/(kg K); the tier leaves room for the region 3 and 5 iterations.
inline constexpr double kRoundTripKelvin = 1e-6;
// Kelvin: T(p, s(p, T)) against T; s is matched within 1e-9 kJ/(kg K) in regions 2 and 5, which is
// up to T/cp * 1e-9, about 1e-6 K near 2000 K.
inline constexpr double kRoundTripKelvinFromEntropy = 5e-6;

}  // namespace vapcalc::test

#endif
