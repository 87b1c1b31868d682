// IF97 region 1: compressed liquid, Gibbs free energy (IF97 Eq. 7, Table 2).
#pragma once

#include "derivatives.h"
#include "properties.h"

namespace if97 {

// Reduced variables of region 1: pi = p/16.53 MPa, tau = 1386 K/T.
inline constexpr double kRegion1PiPerMPa = 0.060496067755595885;
inline constexpr double kRegion1TauK = 1386.0;

// Derivatives of gamma with respect to pi and tau (not to the shifted
// arguments 7.1 - pi and tau - 1.222) for the bits of need (kNeed*).
GibbsDerivatives region1Derivatives(double p, double T, int need) noexcept;

// Properties of region 1 at (p MPa, T K) for the bits h, s, v, cp, w of mask;
// other members of out are untouched. Never fails.
void region1(double p, double T, int mask, Properties& out) noexcept;

}  // namespace if97
