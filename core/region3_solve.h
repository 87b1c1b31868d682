// Region 3 state from any two of p, T, v, h, s: a two-dimensional Newton iteration in (v, T) on the
// Helmholtz equation, from start values (for example those of the backward equations).
//
// Each step evaluates the Helmholtz derivatives once and solves the 2x2 linear system of the two
// targets' partial derivatives in v and T.  The temperature is held within the caller's bracket
// (the side of the saturation line); the result is refused (status::IterationConvergence) when the
// steps do not settle, when the targets are not met within their tolerances, or when the state is
// not on the stable branch of the given side.  A caller then falls back to its bracketed search.
#pragma once

namespace if97 {

enum class Region3Quantity { Pressure, Temperature, Volume, Enthalpy, Entropy };

// One equation of the solve: quantity(v, T) = value (MPa, K, m3/kg, kJ/kg, kJ/(kg K)).
struct Region3Target {
    Region3Quantity quantity;
    double value;
};

// Where the solution must lie.
struct Region3Bounds {
    double Tlo;  // K
    double Thi;  // K
    // kSideLiquid / kSideVapour below the critical pressure and temperature: v below resp. above
    // the critical volume; kSideUnknown: no side check.
    int side;
};

struct Region3Solution {
    double v;        // m3/kg
    double T;        // K
    int iterations;  // Helmholtz evaluations
    int status;      // 0, or status::IterationConvergence
};

// Match tolerances of the results: the residual of each target at the accepted state is below these.
inline constexpr double kRegion3SolveTolP = 1e-9;   // MPa
inline constexpr double kRegion3SolveTolH = 1e-7;   // kJ/kg
inline constexpr double kRegion3SolveTolS = 1e-10;  // kJ/(kg K)

// Newton iteration from (v0, T0).  a and b must be two different quantities, not both of v and T.
Region3Solution solveRegion3(const Region3Target& a, const Region3Target& b, double v0, double T0,
                             const Region3Bounds& bounds) noexcept;

}  // namespace if97
