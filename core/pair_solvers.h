// Newton solvers on the IF97 basic equations for the input pairs (h,s), (T,s), (p,v) and (T,v).
//
// Each solver takes its start value(s) in place and iterates the basic equation of one region until
// the state reproduces the given inputs: relative residual at most kPairTolerance (inputs near zero
// against the floors kPairFloorH and kPairFloorS), or a last Newton step from a residual of at most
// kPairFinalStep, or, where the iteration stalls at rounding level, at most kPairAccept. It returns 0,
// or status::IterationConvergence with the last iterate in place.
// The solvers do not decide the region: the callers' region tests do, and check the result against
// the region's bounds.
#pragma once

#include "derivatives.h"
#include "region2.h"

namespace if97 {

inline constexpr double kPairTolerance = 1e-13;  // relative residual of a converged state
inline constexpr double kPairAccept = 1e-11;     // relative residual accepted when the iteration stalls
inline constexpr double kPairFloorH = 100.0;     // kJ/kg: h residuals are relative to max(|h|, this)
inline constexpr double kPairFloorS = 1.0;       // kJ/(kg K): s residuals are relative to max(|s|, this)
// A Newton step taken from a relative residual at most this ends the iteration without another
// evaluation: the residual after it is of the order of the square.
inline constexpr double kPairFinalStep = 1e-8;

// A state of a Gibbs region (1, 2 or 5) at (p, T) and its first partial derivatives:
// _p at constant T (per MPa), _T at constant p (per K).
struct GibbsPoint {
    double v, h, s;     // m3/kg, kJ/kg, kJ/(kg K)
    double vp, hp, sp;  // d/dp
    double vT, hT, sT;  // d/dT (hT = cp, sT = cp/T)
};
// need (kNeed* of derivatives.h) selects the derivatives evaluated; members that need no
// derivative outside it hold their values, the others are meaningless.
GibbsPoint gibbsPoint(int region, double p, double T, int need = kNeedAll) noexcept;

// A region 3 state at (rho, T) and its first partial derivatives:
// _r at constant T (per kg/m3), _T at constant rho (per K).
struct HelmholtzPoint {
    double p, h, s;     // MPa, kJ/kg, kJ/(kg K)
    double pr, hr, sr;  // d/drho
    double pT, hT, sT;  // d/dT (sT = cv/T)
};
HelmholtzPoint helmholtzPoint(double rho, double T, int need = kNeedAll) noexcept;

// (h,s) in region 1, 2 or 5: p (MPa) and T (K), both in/out.
int solveGibbsHS(int region, double h, double s, double& p, double& T) noexcept;
// (h,s) in region 3: rho (kg/m3) and T (K), both in/out.
int solveHelmholtzHS(double h, double s, double& rho, double& T) noexcept;

// (T,s) in region 1, 2 or 5: p (MPa) in/out, kept within [pLo, pHi], on which s(p) is monotone.
int solveGibbsTS(int region, double T, double s, double pLo, double pHi, double& p) noexcept;
// (T,s) in region 2 along the isotherm's polynomial form (region2Isotherm): p in/out as above.
int solveRegion2TS(const Region2Isotherm& iso, double s, double pLo, double pHi, double& p) noexcept;
// (T,s) in region 3: rho (kg/m3) in/out, kept within [rhoLo, rhoHi].
int solveHelmholtzTS(double T, double s, double rhoLo, double rhoHi, double& rho) noexcept;

// (T,v) in region 1, 2 or 5: p (MPa) in/out, kept within [pLo, pHi].
int solveGibbsTV(int region, double T, double v, double pLo, double pHi, double& p) noexcept;

// (p,v) in region 1, 2 or 5: T (K) in/out, kept within [TLo, THi], on which v(T) is monotone.
int solveGibbsPV(int region, double p, double v, double TLo, double THi, double& T) noexcept;
// (p,v) in region 3: T (K) in/out, kept within [TLo, THi].
int solveHelmholtzPV(double p, double rho, double TLo, double THi, double& T) noexcept;

// The density maximum of liquid water (region 1), where (dv/dT)_p = 0: below it v falls as T rises,
// so that two temperatures share one (p,v) and two pressures one (T,s).
// Temperature (K) of the maximum at p within [TLo, THi], given (dv/dT)_p < 0 at TLo and > 0 at THi.
double densityMaximumT(double p, double TLo, double THi) noexcept;
// Pressure (MPa) at which the isotherm T passes the maximum within [pLo, pHi], given (dv/dT)_p < 0 at
// pLo and > 0 at pHi (there s(p) at constant T is largest: (ds/dp)_T = -(dv/dT)_p).
double densityMaximumP(double T, double pLo, double pHi) noexcept;

}  // namespace if97
