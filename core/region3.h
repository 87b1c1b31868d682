// IF97 region 3: Helmholtz free energy in density and temperature (IF97 Eq. 28,
// Table 30), and the density search that finds v from (p, T).
#pragma once

#include "derivatives.h"
#include "properties.h"

namespace if97 {

// Reduced variables of region 3: delta = rho/322 kg/m3, tau = 647.096 K/T.
inline constexpr double kRegion3DeltaPerRho = 0.003105590062111801;

// Side of the saturation line a region 3 state lies on.
inline constexpr int kSideUnknown = 0;
inline constexpr int kSideLiquid = 1;
inline constexpr int kSideVapour = 2;

// Helmholtz derivatives at (delta, tau) for the bits of need (kNeed*).
HelmholtzDerivatives region3Helmholtz(double delta, double tau, int need) noexcept;

// Pressure (MPa) of region 3 at T (K) and v (m3/kg).
double region3Pressure(double T, double v) noexcept;

// The region 3 pressure along one isotherm: delta phi_delta is a polynomial
// in delta whose coefficients depend on T only, so they are formed once and
// every pressure at that T is one short polynomial. region3Pressure(T, v)
// equals Region3Isotherm(T).pressure(v) exactly.
class Region3Isotherm {
  public:
    explicit Region3Isotherm(double T) noexcept;
    double pressure(double v) const noexcept;  // MPa at v (m3/kg)
    // Pressure (MPa) at v and its slope dp/dv (MPa kg/m3) in one pass.
    double pressure(double v, double& dpdv) const noexcept;

  private:
    double rt_;     // R T / 1000, MPa m3/kg
    double d_[12];  // d_I = I sum_J n_IJ tau^J, I = 0 .. 11 (d_0 unused)
};

// Properties of IF97 Table 31 at (v m3/kg, T K) for the bits p, h, s, cp, w of
// mask (v is the input and is not written). A negative computed cp is stored
// as kNotDefined; so is w where the formula has no real root.
void region3(double v, double T, int mask, Properties& out) noexcept;

// p, h, s of region 3 at (v m3/kg, T K) with their partial derivatives in v at
// constant T and in T at constant v, from one evaluation of the Helmholtz
// derivatives (s and its derivatives only when withEntropy).
struct Region3Derivatives {
    double p, h, s;           // MPa, kJ/kg, kJ/(kg K)
    double dpdv, dhdv, dsdv;  // per m3/kg
    double dpdT, dhdT, dsdT;  // per K
};
Region3Derivatives region3Derivatives(double v, double T, bool withEntropy) noexcept;

// Specific volume (m3/kg) at (p MPa, T K) in region 3, or status::Region3Convergence.
// side is in/out: kSideUnknown on entry lets the search decide and report the
// side; kSideLiquid / kSideVapour keep the search on that side of the
// saturation line.
double region3Volume(double p, double T, int& side) noexcept;

// The same search with its account: Newton steps on the pressure equation from
// the backward v(p,T), and whether the bracketed bisection had to take over.
struct Region3VolumeSearch {
    double v;         // m3/kg, or status::Region3Convergence
    int side;         // the side the volume lies on
    int newtonSteps;  // pressure evaluations of the Newton iteration
    bool bisected;    // the Newton result was refused and the bisection found v
};
Region3VolumeSearch region3VolumeSearch(double p, double T, int side) noexcept;

}  // namespace if97
