// Forward equations of the IFC-67 library: saturation line, subregion choice, and v, h, s, cp in
// subregions 1 to 4.  All in psia, degrees F, ft3/lb, Btu/lb, Btu/(lb R).
#pragma once

#include "working67.h"

namespace ifc67 {

enum class Property { Volume, Enthalpy, Entropy, HeatCapacity };

// Saturation pressure at T (IFC-67 K-function); -1900 outside 30..705.47 F (NaN included).
double satPressure67(double tF) noexcept;

// Saturation temperature at p; -1800 outside 0.088 psia..pc (NaN included).
double satTemperature67(double p) noexcept;

// Sets theta, y, beta, the (p,T) validity flag and the L-line flag of the working record.
void setState67(IFC67Working& w, double p, double tF) noexcept;

// Sets theta and y from T only (beta and the flags stay as they are).
void setTheta67(IFC67Working& w, double tF) noexcept;

// The L-line flag of (p,T): 1 if 662 < T < 1094 F and p > pc * betaL(theta), else 0.
int lineFlag67(double p, double tF) noexcept;

// Subregion 1 to 4 of a valid (p,T) state; a state on the saturation line counts as vapour.
int subregionOf67(double p, double tF) noexcept;

// Subregion of a side (1 liquid-like, 2 vapour-like) under an L-line flag.
constexpr int subregionOfSide(int side, int flag) noexcept { return flag ? (side == 1 ? 4 : 3) : (side == 1 ? 1 : 2); }

// Derivatives of the subregion 1 or 2 Gibbs function at the record's theta and beta.
void prepareSub1(IFC67Working& w) noexcept;
void prepareSub2(IFC67Working& w) noexcept;

// Derivatives of the subregion 3 or 4 Helmholtz function at (chi, theta).
HelmholtzTerms helmholtz34(double chi, double theta, double y, int k) noexcept;

// What the volume search did, pass by pass (for tests; the library passes no trace).
struct VolumeTrace {
    static constexpr int kMaxPasses = 100;
    int passes = 0;
    double startVolume = 0.0;            // start value after the near-critical choice
    double volume[kMaxPasses] = {};      // iterate used in each pass, after the bounds
    double stepFactor[kMaxPasses] = {};  // step factor E in force at that pass
    bool clamped[kMaxPasses] = {};       // the iterate was pulled back to a bound
};

// Volume of subregion k = 3 or 4 at (p,T) (theta and y already set); leaves chi and the Helmholtz
// terms in the record.  Any other k gives -1600.
double solveVolume34(IFC67Working& w, double p, double tF, int k, VolumeTrace* trace = nullptr) noexcept;

// Prepares subregion k at (p,T) with the record's theta, beta and y: the Gibbs terms for 1 and 2, the
// volume search for 3 and 4.  Returns false for a k outside 1..4.
bool prepareSubregion(IFC67Working& w, double p, double tF, int k) noexcept;

// One property of subregion k from the prepared record.
double property67(const IFC67Working& w, int k, Property prop) noexcept;

// Full (p,T) evaluation: set the state, choose the subregion, prepare it and form the property.
// The caller has checked the (p,T) range.  Returns -1600 if no subregion can be found.
double evaluatePT67(IFC67Working& w, double p, double tF, Property prop) noexcept;

// Property of the saturated liquid (vapour = false) or vapour at p with Ts = satTemperature67(p),
// the caller having checked 0.088 <= p <= pc.
double saturated67(IFC67Working& w, double p, double ts, bool vapour, Property prop) noexcept;

}  // namespace ifc67
