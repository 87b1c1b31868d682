// IF97 region 2: steam, Gibbs free energy (IF97 Eqs. 15-17, Tables 10 and 11).
#pragma once

#include "derivatives.h"
#include "properties.h"

namespace if97 {

// Reduced variables of region 2: pi = p/1 MPa, tau = 540 K/T.
inline constexpr double kRegion2TauK = 540.0;

// Ideal-gas plus residual derivatives for the bits of need (kNeed*).
GibbsDerivatives region2Derivatives(double p, double T, int need) noexcept;

// Properties of region 2 at (p MPa, T K) for the bits h, s, v, cp, w of mask;
// other members of out are untouched. Never fails.
void region2(double p, double T, int mask, Properties& out) noexcept;

}  // namespace if97
