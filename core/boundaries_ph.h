// Region tests of the (p,h) and (p,s) operations.
//
// Each boundary of the tests (an isotherm, the 623.15 K line of region 1, the B23 line, the saturated
// liquid and vapour) is first estimated by a fitted polynomial.  Only when the input lies within the
// guard band of the estimate is the exact IF97 value computed at the boundary temperature and used
// instead.  The guard bands are set per pressure range from the measured error of each estimate
// against the exact boundary over the whole input range: where an estimate is poor the band is
// widened to cover its error, or the exact value is always used (an infinite band), so that no
// state is classified differently from the exact boundaries.
#pragma once

namespace if97 {

// Outcome of a region test.
struct RegionTest {
    int region;  // 1, 2, 3, 4 or 5; 0 when code is set
    int code;    // 0, or status::EnthalpyLow / EnthalpyHigh / EntropyLow / EntropyHigh
    int side;    // region 3: kSideLiquid or kSideVapour; otherwise kSideUnknown
    double T;    // region 3 (and region 5 of (p,s)): start temperature, K; region 4: Ts, K
};

// Region of an accepted (p MPa, h kJ/kg) pair.
RegionTest regionOfPH(double p, double h) noexcept;

// Region of an accepted (p MPa, s kJ/(kg K)) pair.
RegionTest regionOfPS(double p, double s) noexcept;

// Bounds of the saturated phases over the octave of pressure that holds p (p from 2^e to 2^(e+1)
// MPa): the lowest liquid and highest vapour enthalpy and entropy on the saturation line there.
// Returns false outside 2^-9 MPa <= p <= 16.529164252605 MPa.
struct SaturationBounds {
    double hLiqMin;  // kJ/kg
    double hVapMax;  // kJ/kg
    double sLiqMin;  // kJ/(kg K)
    double sVapMax;  // kJ/(kg K)
};
bool saturationBounds(double p, SaturationBounds& bounds) noexcept;

// The fitted estimates (p in MPa, Ts in K; kJ/kg and kJ/(kg K)).
namespace estimate {
double h2273(double p) noexcept;  // h(p, 2273.15 K)
double h1073(double p) noexcept;  // h(p, 1073.15 K)
double h273(double p) noexcept;   // h(p, 273.15 K)
double h1623(double p) noexcept;  // region 1 h(p, 623.15 K)
double hB23(double p) noexcept;   // region 2 h(p, TB23(p))
double hVap(double Ts) noexcept;  // h''(Ts), Ts <= 623.15 K
double hLiq(double Ts) noexcept;  // h'(Ts), Ts <= 623.15 K
double s2273(double p) noexcept;  // s(p, 2273.15 K), p <= 10 MPa
double s1073(double p) noexcept;  // s(p, 1073.15 K)
double s273(double p) noexcept;   // s(p, 273.15 K)
double s1623(double p) noexcept;  // region 1 s(p, 623.15 K)
double sB23(double p) noexcept;   // region 2 s(p, TB23(p))
double sVap(double Ts) noexcept;  // s''(Ts)
double sLiq(double Ts) noexcept;  // s'(Ts)
}  // namespace estimate

// The guard band in force for each estimate (same arguments; p as well for the saturation
// boundaries); +infinity means the exact value is always used there.
namespace guard {
// Relative bands of SR3-03's saturation pressures p3sat(h), p3sat(s) above 16.529 MPa: within them
// the saturated phases decide.  tools/fitgen measures the equations' largest relative error on the
// saturation line of region 3 (623.15 K to 647.096 K, both phases) against them.
inline constexpr double kP3satH = 2e-4;
inline constexpr double kP3satS = 1.5e-4;
double h2273(double p) noexcept;
double h1073(double p) noexcept;
double h273(double p) noexcept;
double h1623(double p) noexcept;
double hB23(double p) noexcept;
double hVap(double p, double Ts) noexcept;
double hLiq(double p, double Ts) noexcept;
double s2273(double p) noexcept;
double s1073(double p) noexcept;
double s273(double p) noexcept;
double s1623(double p) noexcept;
double sB23(double p) noexcept;
double sVap(double p, double Ts) noexcept;
double sLiq(double p, double Ts) noexcept;
}  // namespace guard

// The exact IF97 boundary values that the estimates stand for.
namespace exact {
double h2273(double p) noexcept;            // region 5 at 2273.15 K
double h1073(double p) noexcept;            // region 2 at 1073.15 K
double h273(double p) noexcept;             // region 1 at 273.15 K
double h1623(double p) noexcept;            // region 1 at 623.15 K
double hB23(double p) noexcept;             // region 2 at TB23(p)
double hVap(double p, double Ts) noexcept;  // region 2 at Ts (Ts <= 623.15 K)
double hLiq(double p, double Ts) noexcept;  // region 1 at Ts (Ts <= 623.15 K)
double s2273(double p) noexcept;
double s1073(double p) noexcept;
double s273(double p) noexcept;
double s1623(double p) noexcept;
double sB23(double p) noexcept;
double sVap(double p, double Ts) noexcept;  // region 2 below 623.15 K, region 3 vapour at or above
double sLiq(double p, double Ts) noexcept;  // region 1 below 623.15 K, region 3 liquid at or above
}  // namespace exact

}  // namespace if97

#include "properties.h"

namespace if97 {

// Region 4 of the (p,h) and (p,s) operations: the saturated liquid and vapour at (p, Ts), the
// quality from the given y (h, or s when byEntropy), and the mixture properties of mask in out
// (v, h or s, cp, w; cp and w of a wet state as the two-phase rules give them).  x is snapped to
// 0 or 1 within 1e-9.  Returns 0 or the code of a failed saturated-phase search.
int wetStateFromPY(double p, double Ts, double y, bool byEntropy, int mask, Properties& out, double& x) noexcept;

}  // namespace if97
