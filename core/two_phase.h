// IF97 region 4: saturated liquid and vapour and wet-steam mixtures.
#pragma once

#include "properties.h"

namespace if97 {

// Saturated liquid and vapour at (p MPa, T K) on the saturation line: regions
// 1 and 2 up to 623.15 K, the liquid-side and vapour-side region 3 density
// searches above. mask selects h, s, v, cp, w (bit 1 is ignored: p is the
// input). Writes v into both outputs above 623.15 K. Returns 0 or
// status::Region3Convergence.
int saturatedPhases(double p, double T, int mask, Properties& liquid, Properties& vapour) noexcept;

// The w field of a wet state (0 < x < 1): the two-phase critical flow
// velocity, or kNotDefined. This is the one place where a wet state's w is set.
double wetStateSoundSpeed(double p, double h, double s, double x) noexcept;

}  // namespace if97
