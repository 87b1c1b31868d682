// Named tolerance tiers of the IFC-67 tests.
#pragma once

namespace tiers67 {

// Double-precision evaluation of the same expression in another order.
inline constexpr double kRoundoff = 1e-12;
// Saturation temperature after its two secant steps (degrees F).
inline constexpr double kSecantTemperature = 4e-7;
// Finite-difference checks of analytic derivatives (relative).
inline constexpr double kFiniteDifference = 2e-6;
// Convergence tolerances of the searches: enthalpy (Btu/lb) and entropy (Btu/(lb R)).
inline constexpr double kSearchEnthalpy = 1e-4;
inline constexpr double kSearchEntropy = 1e-6;
// A search result against the temperature it came from (F): besides the tolerances above, the
// equations of neighbouring subregions do not meet exactly at 662 F and on the L line, so a
// state within a few hundredths of a degree of a boundary has a solution on either side.
inline constexpr double kRoundTripTemperature = 0.1;
// IFC-67 against the IF97 verification values: the two formulations differ by up to these
// (kJ/kg, kJ/(kg K), relative volume) away from the critical region.
inline constexpr double kFormulationEnthalpy = 1.0;
inline constexpr double kFormulationEntropy = 0.002;
inline constexpr double kFormulationVolume = 0.003;

}  // namespace tiers67
