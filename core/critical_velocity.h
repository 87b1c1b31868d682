// Two-phase critical (choked) flow velocity: the velocity at the throat of an isentropic nozzle
// whose throat pressure is the state's pressure.  This is what the speed-of-sound field of a wet
// state holds.
#pragma once

namespace if97 {

// Accepted range of the critical flow velocity.
inline constexpr double kCriticalVelocityPMin = 0.00963106;         // MPa
inline constexpr double kCriticalVelocityPMax = 16.36387261007895;  // MPa, 0.99 * psat(623.15 K)
inline constexpr double kCriticalVelocityXMin = 0.25;

// Critical flow velocity (m/s) of the wet state (p MPa, s kJ/(kg K), quality x), or kNotDefined
// outside 0.00963106 <= p <= 16.36387261007895 MPa or below x = 0.25.  h is accepted for the
// caller's convenience but not used: the search runs along the isentrope s.
double criticalVelocity(double p, double h, double s, double x) noexcept;

// Equilibrium throat velocity v * sqrt(-(dp/dv) at constant s) of the wet state (p, s), m/s, from a
// one-sided difference towards lower pressure (which stays inside the wet region); kNotDefined when
// the state cannot be evaluated.
double equilibriumThroatVelocity(double p, double s) noexcept;

}  // namespace if97
