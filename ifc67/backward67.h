// Backward calculations of the IFC-67 library: the temperature of a (p,h) or (p,s) state, with the
// saturation approximations and start-value polynomials that serve them.
#pragma once

#include <array>

#include "working67.h"

namespace ifc67 {

// Approximate saturated-liquid and saturated-vapour values at 5 <= p < 3205 psia.
struct SatPair {
    double liquid;
    double vapour;
};
SatPair satApproxEnthalpy67(double p) noexcept;  // hf, hg in Btu/lb
SatPair satApproxEntropy67(double p) noexcept;   // sf, sg in Btu/(lb R)

// Start-value polynomial: b0..b3, a1..a4, c(1,1..4), c(2,1..4), c(3,1..4).
using StartSet = std::array<double, 20>;
double startPoly67(const StartSet& c, double u, double w) noexcept;
// Value of start-value set 1..16 at (u, w).
double backwardPoly67(double u, double w, int set) noexcept;
// Boundary entropy between sets 11 and 9 above 2500 psia, Btu/(lb R).
double boundaryEntropy67(double p) noexcept;

// Which search: temperature from (p,h) or from (p,s).
enum class Given { Enthalpy, Entropy };

// What a search found besides the temperature (tests and the quality functions read it).
struct SearchInfo {
    int twoPhase = 0;        // 1: inside the two-phase band, the temperature is Ts
    int side = 0;            // 1 liquid-like, 2 vapour-like (0 when refused)
    int startSet = 0;        // start-value set used
    int passes = 0;          // corrections made
    int startSubregion = 0;  // subregion fixed from the start temperature
    int subregion = 0;       // subregion the search ended in
    double start = 0.0;      // start temperature before any clamping, F
};

// Temperature (F) of the state (p, h) or (p, s), or -1500.  Leaves the saturated pair of its exact
// saturation check in the working record.
double searchTemperature67(IFC67Working& w, double p, double given, Given kind, SearchInfo& info) noexcept;

// The searches as the library's calls use them: twoPhase is set to 1 for a two-phase state.
double tempFromPH67(IFC67Working& w, double p, double h, int& twoPhase) noexcept;
double tempFromPS67(IFC67Working& w, double p, double s, int& twoPhase) noexcept;

}  // namespace ifc67
