// Region 3 temperature and specific volume from (p,h) and (p,s): a two-dimensional Newton iteration
// in (v, T) on the Helmholtz equation from the backward T and v of SR3-03; the safeguard, when the
// Newton result is refused, is a secant iteration in T, each point's volume found by the region 3
// density search, then bisection on the narrowed bracket.
#pragma once

#include "region3_solve.h"

namespace if97 {

inline constexpr double kRegion3TolH = 1e-6;       // kJ/kg, a match
inline constexpr double kRegion3TolS = 1e-9;       // kJ/(kg K), a match
inline constexpr double kRegion3AcceptH = 0.2;     // kJ/kg, last bisection point accepted
inline constexpr double kRegion3AcceptS = 0.0001;  // kJ/(kg K), last bisection point accepted

// Enthalpy (kJ/kg) and entropy (kJ/(kg K)) at the critical point (22.064 MPa, 647.096 K).
inline constexpr double kCriticalH = 2087.54684511715;
inline constexpr double kCriticalS = 4.41202148223635;

// T (K) and v (m3/kg) of region 3 at (p MPa, h kJ/kg) from the start temperature Tstart and the
// side flag of the region test (kSideLiquid / kSideVapour), which every density search keeps.
// Returns 0, or status::IterationConvergence when neither the secant passes nor the bisection
// reach h; T and v are written in both cases (the last point tried).
int region3Tph(double p, double h, double Tstart, int side, double& T, double& v) noexcept;

// The same for (p MPa, s kJ/(kg K)).
int region3Tps(double p, double s, double Tstart, int side, double& T, double& v) noexcept;

// The Newton iterations alone, from the SR3-03 start on the side's temperature bracket (623.15 K or
// the saturation temperature to TB23(p)); their account of iterations for the tests.
Region3Solution region3NewtonPH(double p, double h, int side) noexcept;
Region3Solution region3NewtonPS(double p, double s, int side) noexcept;

}  // namespace if97
