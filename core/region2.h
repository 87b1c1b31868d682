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

// Region 2 along one isotherm. At fixed tau the residual part is a polynomial in pi,
// gamma_r = sum_I a_I pi^I, so that once its coefficients are formed for T, the entropy and the
// volume at any pressure cost one short polynomial instead of the 43-term sum: the pressure solve of
// the pair (T,s) iterates along it. The same equation as region2Derivatives, summed in
// another order (agreement to rounding).
struct Region2Isotherm {
    static constexpr int kPowers = 17;  // distinct exponents I of Table 11
    double T;
    double sIdeal;      // kJ/(kg K): the entropy at pi = 1 of the ideal-gas part
    double a[kPowers];  // gamma_r = sum a_k pi^I_k
    double c[kPowers];  // (tau gamma_r,tau - gamma_r) = sum c_k pi^I_k
};
Region2Isotherm region2Isotherm(double T) noexcept;

// Entropy (kJ/(kg K)) at p (MPa) on the isotherm, and p (ds/dp)_T.
struct IsothermEntropy {
    double s, pSp;
};
IsothermEntropy region2IsothermEntropy(const Region2Isotherm& iso, double p) noexcept;

// Specific volume (m3/kg) at p (MPa) on the isotherm, and p (dv/dp)_T.
struct IsothermVolume {
    double v, pVp;
};
IsothermVolume region2IsothermVolume(const Region2Isotherm& iso, double p) noexcept;

}  // namespace if97
