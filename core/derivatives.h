// Dimensionless free-energy derivatives of one region evaluation.
#pragma once

#include "properties.h"

namespace if97 {

// Derivative bits: which members of a derivative struct an evaluation fills.
inline constexpr int kNeedValue = 1;  // gamma (phi)
inline constexpr int kNeedD1 = 2;     // gamma_pi (phi_delta)
inline constexpr int kNeedD11 = 4;    // gamma_pipi (phi_deltadelta)
inline constexpr int kNeedD2 = 8;     // gamma_tau (phi_tau)
inline constexpr int kNeedD22 = 16;   // gamma_tautau (phi_tautau)
inline constexpr int kNeedD12 = 32;   // gamma_pitau (phi_deltatau)
inline constexpr int kNeedAll = 63;
// The derivative sets of the pair solvers (pair_solvers.h): h, s and their slopes in p and T for
// (h,s); s and ds/dp for (T,s); v and dv/dp for (T,v); v and dv/dT for (p,v).
inline constexpr int kNeedSlopesHS = kNeedValue | kNeedD1 | kNeedD2 | kNeedD22 | kNeedD12;
inline constexpr int kNeedSlopesTS = kNeedValue | kNeedD1 | kNeedD2 | kNeedD12;
inline constexpr int kNeedSlopesTV = kNeedD1 | kNeedD11;
inline constexpr int kNeedSlopesPV = kNeedD1 | kNeedD12;

// Gibbs free energy gamma(pi, tau) = g/(RT) of regions 1, 2 and 5 and its
// partial derivatives. For regions 2 and 5 every member is the sum of the
// ideal-gas and the residual part. Members not asked for may be filled too or
// left zero.
struct GibbsDerivatives {
    double g;    // gamma
    double gp;   // d gamma / d pi
    double gpp;  // d2 gamma / d pi2
    double gt;   // d gamma / d tau
    double gtt;  // d2 gamma / d tau2
    double gpt;  // d2 gamma / d pi d tau
};

// Helmholtz free energy phi(delta, tau) = f/(RT) of region 3 and its partial
// derivatives. Members not asked for are left zero.
struct HelmholtzDerivatives {
    double f;    // phi
    double fd;   // d phi / d delta
    double fdd;  // d2 phi / d delta2
    double ft;   // d phi / d tau
    double ftt;  // d2 phi / d tau2
    double fdt;  // d2 phi / d delta d tau
};

// Derivatives a Gibbs region needs for the properties of a mask
// (h: gamma_tau; s: gamma, gamma_tau; v: gamma_pi; cp: gamma_tautau;
// w: gamma_pi, gamma_pipi, gamma_tautau, gamma_pitau).
constexpr int gibbsNeeds(int mask) noexcept {
    int need = 0;
    if (mask & kMaskH) need |= kNeedD2;
    if (mask & kMaskS) need |= kNeedValue | kNeedD2;
    if (mask & kMaskV) need |= kNeedD1;
    if (mask & kMaskCp) need |= kNeedD22;
    if (mask & kMaskW) need |= kNeedD1 | kNeedD11 | kNeedD22 | kNeedD12;
    return need;
}

// Derivatives region 3 needs for the properties of a mask (IF97 Table 31;
// bit 1 asks for the pressure).
constexpr int helmholtzNeeds(int mask) noexcept {
    int need = 0;
    if (mask & kMaskP) need |= kNeedD1;
    if (mask & kMaskH) need |= kNeedD1 | kNeedD2;
    if (mask & kMaskS) need |= kNeedValue | kNeedD2;
    if (mask & (kMaskCp | kMaskW)) need |= kNeedD1 | kNeedD11 | kNeedD22 | kNeedD12;
    return need;
}

// Properties from the Gibbs derivatives of a region (IF97 Tables 3, 12 and 39,
// written with total derivatives): p in MPa, T in K, pi and tau the reduced
// variables of the region. Writes only the members of out whose mask bit is set.
void gibbsProperties(const GibbsDerivatives& d, double p, double T, double pi, double tau, int mask,
                     Properties& out) noexcept;

}  // namespace if97
