// IF97 region 5: high-temperature steam, Gibbs free energy of the 1997 release
// (ideal-gas part IF97 Table 37, five-term residual part Table 38).
#pragma once

#include "derivatives.h"
#include "properties.h"

namespace if97 {

// Reduced variables of region 5: pi = p/1 MPa, tau = 1000 K/T.
inline constexpr double kRegion5TauK = 1000.0;

// Ideal-gas plus residual derivatives for the bits of need (kNeed*).
GibbsDerivatives region5Derivatives(double p, double T, int need) noexcept;

// Properties of region 5 at (p MPa, T K) for the bits h, s, v, cp, w of mask;
// other members of out are untouched. Never fails.
void region5(double p, double T, int mask, Properties& out) noexcept;

}  // namespace if97
