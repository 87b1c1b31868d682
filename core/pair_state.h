// The state found by the (h,s), (T,s), (p,v) and (T,v) operations, and what their region tests share.
#pragma once

#include "properties.h"

namespace if97 {

// The outcome of a pair operation before its properties are evaluated.
struct PairSolution {
    int code;    // 0, or the status code of the operation
    int region;  // 1, 2, 3 or 5; 4 for a wet state
    double p;    // MPa
    double T;    // K
    double v;    // m3/kg: region 3 (the density the Helmholtz equation is evaluated at)
    double x;    // wet state: quality; single phase: 0 liquid-like, 1 vapour-like
};

constexpr PairSolution pairError(int code) noexcept { return PairSolution{code, 0, 0.0, 0.0, 0.0, 0.0}; }

// The accepted range of the state (the same limits as the other operations of IF97State).
inline constexpr double kPairPMin = 1e-7;     // MPa
inline constexpr double kPairPMax = 110.32;   // MPa
inline constexpr double kPairTMin = 273.15;   // K
inline constexpr double kPairTMax = 2273.15;  // K
inline constexpr double kPairP5Max = 10.0;    // MPa, region 5
// A solved state this close beyond a range limit lies on it within the solvers' tolerance and is
// moved onto it: relative to the limit.
inline constexpr double kPairLimitSlack = 1e-10;
// The brackets of the solves reach this far across the region boundaries that divide them, so that
// a state the region tests place on one side but whose solution lies just across is still found:
// across the saturated states (relative; they carry the rounding of the region 3 density search),
// and across the 623.15 K isotherm, B23 and 1073.15 K, where IF97's regions differ by a few
// millikelvin (K, and relative in p or rho).
inline constexpr double kAcrossSaturation = 1e-6;
inline constexpr double kAcrossBoundaryK = 0.05;
inline constexpr double kAcrossBoundary = 3e-3;

// x of a region 3 state at (p, T, rho) as the region 3 density search reports it: 0 for the liquid
// side below Tc and pc (denser than the critical density), otherwise 1.
double region3Quality(double p, double T, double rho) noexcept;

// The saturated liquid and vapour at T (273.15 K <= T < Tc) and p = psat(T), with the properties
// of mask (v is always given). code is 0 or the code of a failed region 3 density search.
struct SaturatedPhases {
    int code;
    double p;  // MPa
    Properties liquid;
    Properties vapour;
};
SaturatedPhases saturatedAt(double T, int mask) noexcept;

// The same at p (611.213 Pa <= p < pc) and T = Tsat(p).
SaturatedPhases saturatedAtP(double p, double Ts, int mask) noexcept;

}  // namespace if97
