// Range checks and composition of saturated, two-phase and backward results of the library's calls.
#include <cmath>

#include "calls67.h"
#include "constants67.h"

namespace ifc67 {

namespace {
// Results at or below this are codes: a saturated end that failed is passed on, never interpolated.
constexpr double kCodeLimit = vaprop::kCodeLimit;
// How far beyond 30 or 1600 F a search result may lie for a state at the range's limit: the
// temperature equivalent of the entropy tolerance 1e-6 Btu/(lb R) at 1600 F is 0.007 F.
constexpr double kSearchOvershoot = 0.02;
}  // namespace

double callTP(double tF) noexcept { return satPressure67(tF); }

double callPT(double p) noexcept { return satTemperature67(p); }

double callPTProperty(IFC67Working& w, double p, double tF, Property prop) noexcept {
    if (!(p >= kPMin && p <= kPMax) || !(tF >= kTMin && tF <= kTMax)) return kOutOfRange;
    return evaluatePT67(w, p, tF, prop);
}

double callPQProperty(IFC67Working& w, double p, double x, Property prop) noexcept {
    if (!(p >= kPMin)) return kPressureTooLow;
    if (p > kPc) return kPressureOutsideSat;
    if (!(x >= 0.0 && x <= 1.0)) return kQualityOutOfRange;
    const double ts = satTemperature67(p);
    if (x == 0.0) return saturated67(w, p, ts, false, prop);
    if (x == 1.0) return saturated67(w, p, ts, true, prop);
    const double f = saturated67(w, p, ts, false, prop);
    if (f <= kCodeLimit) return f;
    const double g = saturated67(w, p, ts, true, prop);
    if (g <= kCodeLimit) return g;
    return f + x * (g - f);
}

double callTQProperty(IFC67Working& w, double tF, double x, Property prop) noexcept {
    if (!(tF >= kTMin) || tF > kTcF) return kTemperatureOutsideSat;
    // No two-phase heat capacity is formed from (T,x): only the saturated ends.
    if (prop == Property::HeatCapacity && !(x == 0.0 || x == 1.0)) return kQualityOutOfRange;
    return callPQProperty(w, satPressure67(tF), x, prop);
}

double callBackward(IFC67Working& w, double p, double given, Given kind, Answer answer) noexcept {
    SearchInfo info;
    const double t = searchTemperature67(w, p, given, kind, info);
    if (t <= kCodeLimit) return t;
    // The search makes no range test of its own: a temperature it converged to beyond 30..1600 F by
    // more than its tolerances allow (down to 5 F and up to 1609 F were seen) belongs to an h or s
    // outside the formulation's range, and is refused like the states themselves.
    if (!info.twoPhase && !(t >= kTMin - kSearchOvershoot && t <= kTMax + kSearchOvershoot)) return kOutOfRange;
    if (answer == Answer::Temperature) return t;

    const bool enthalpy = kind == Given::Enthalpy;
    double x = info.side == 1 ? 0.0 : 1.0;
    if (info.twoPhase) {
        x = enthalpy ? (given - w.hf) / (w.hg - w.hf) : (given - w.sf) / (w.sg - w.sf);
    }
    if (answer == Answer::Quality) return p >= kPc ? 1.0 : x;

    const Property prop =
        answer == Answer::Volume ? Property::Volume : (enthalpy ? Property::Entropy : Property::Enthalpy);
    if (info.twoPhase) return callPQProperty(w, p, x, prop);
    return callPTProperty(w, p, t, prop);
}

}  // namespace ifc67
