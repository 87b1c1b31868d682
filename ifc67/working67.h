// IFC67Working: the one record every IFC-67 evaluation writes before it reads.
//
// It holds the reduced state (theta, beta, the subregion 4 variable y), the two range flags, the
// derivatives of the characteristic function that the last evaluation prepared, the reduced volume of
// the last subregion 3/4 volume search, the saturated pair the last backward search classified with,
// and the reference offsets that the library's start-up writes once.
#pragma once

namespace ifc67 {

// Reduced Gibbs function of subregion 1 or 2 and the derivatives its properties need.
struct GibbsTerms {
    double zeta = 0.0;    // zeta without the ideal-gas term I1 theta ln beta (subregion 2)
    double zetaB = 0.0;   // d zeta / d beta
    double zetaT = 0.0;   // d zeta / d theta, without the ideal-gas term (subregion 2)
    double zetaTT = 0.0;  // d2 zeta / d theta2
    double idealT = 0.0;  // I1 ln beta, the ideal-gas part of d zeta / d theta (0 in subregion 1)
};

// Reduced Helmholtz function of subregion 3 or 4 and its derivatives at (chi, theta).
struct HelmholtzTerms {
    double psi = 0.0;
    double psiX = 0.0;  // d psi / d chi  (beta = -psiX)
    double psiT = 0.0;  // d psi / d theta
    double psiXX = 0.0;
    double psiXT = 0.0;
    double psiTT = 0.0;
};

struct IFC67Working {
    double theta = 0.0;         // reduced temperature (T + 459.67) / Tc
    double beta = 0.0;          // reduced pressure p / pc
    double y = 0.0;             // subregion 4 temperature variable (1 - theta) / (1 - theta1)
    int validPT = 0;            // 1 if 0.088 <= p <= 15700 psia and 30 <= T <= 1600 F
    int lineFlag = 0;           // 1 if 662 < T < 1094 F and p lies above the L line
    GibbsTerms gibbs;           // prepared by prepareSub1 / prepareSub2
    double chi = 0.0;           // reduced volume found by solveVolume34
    HelmholtzTerms helm;        // subregion 3/4 terms at chi, left by solveVolume34
    double hf = 0.0, hg = 0.0;  // saturated enthalpies of the last (p,h) classification
    double sf = 0.0, sg = 0.0;  // saturated entropies of the last (p,s) classification
    double hOffset = 0.0;       // added to every enthalpy
    double sOffset = 0.0;       // subtracted from every entropy
};

// Writes the reference offsets; the library's start-up calls it once at load.
void startWorking67(IFC67Working& w) noexcept;

}  // namespace ifc67
