// Region 5 temperature from (p,h) and (p,s).  Region 5 has no backward equation: a secant
// iteration on the basic equation runs from a fitted start value (p,h) or from the start
// temperature of the region test (p,s).
#pragma once

#include "properties.h"

namespace if97 {

inline constexpr double kRegion5TolH = 1e-7;  // kJ/kg
inline constexpr double kRegion5TolS = 1e-9;  // kJ/(kg K)

// T (K) of region 5 at (p MPa, h kJ/kg), or status::IterationConvergence when 30 secant steps do not
// match h.  Every evaluation writes the region 5 properties of mask (h always added) into out, so on
// success out holds the properties at the returned temperature.
double region5Tph(double p, double h, int mask, Properties& out) noexcept;
double region5Tph(double p, double h) noexcept;

// T (K) of region 5 at (p MPa, s kJ/(kg K)) from the start temperature Tstart, or
// status::IterationConvergence.  out receives the properties of mask (s always added) as above.
double region5Tps(double p, double s, double Tstart, int mask, Properties& out) noexcept;
double region5Tps(double p, double s, double Tstart) noexcept;

// Fitted start temperature of the (p,h) iteration, K.
constexpr double region5StartTph(double h) noexcept { return h * (0.501597059 - 0.0000114933 * h) - 803.3103165; }

}  // namespace if97
