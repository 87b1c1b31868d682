// Temperature of a (p,h) or (p,s) state: classification as liquid-like, two-phase or vapour-like,
// a polynomial start value, and a slope-corrected iteration on the forward equation of the
// subregion the state lies in.
#include <cmath>

#include "portable_math.h"
#include "backward67.h"
#include "constants67.h"
#include "forward67.h"
#include "start_given67.h"

namespace ifc67 {
namespace {

// How one search differs between (p,h) and (p,s).
struct SearchKind {
    Property property;
    double sideLow;       // supercritical: side 1 below this
    double sideHigh;      // supercritical: side 2 above this
    double approxMargin;  // exact check within this of the approximate saturated values
    double tolerance;     // converged when |given - value| is below this
};
constexpr SearchKind kEnthalpySearch = {Property::Enthalpy, 715.74857635, 906.9335405, 1.85, 0.0001};
constexpr SearchKind kEntropySearch = {Property::Entropy, 0.8491589268, 1.0619538493, 0.0035, 1e-6};

constexpr double kExactBelow = 5.0;    // psia: no approximation held below
constexpr double kExactFrom = 3205.0;  // psia: nor from here to pc
constexpr double kSetSplitP = 500.0;   // psia
constexpr double kHighP = 2500.0;      // psia
constexpr double kSplitH = 1280.0;     // Btu/lb
constexpr int kPasses = 20;
constexpr int kMaxSwitches = 2;

// A start value further than this outside 30..1600 F means the input lies far beyond the
// formulation's range and is refused; nearer ones are moved to the range's edge.
constexpr double kStartMargin = 25.0;  // F

struct Choice {
    int set;
    double u;
    double w;
};

Choice chooseSet(Given kind, int side, double p, double given) noexcept {
    const double lnP = portable_math::log(p);
    if (kind == Given::Enthalpy) {
        const double w = given / 100.0;
        if (side == 1) return {15, std::fmax(lnP, kLiquidLogPMin), 5.0 + w};
        if (p <= kSetSplitP) return {1, p, w};
        if (p <= kHighP || given >= kSplitH) return {3, lnP, w};
        return {5, lnP, w};
    }
    if (side == 1) return {13, std::fmax(lnP, kLiquidLogPMin), given + 1.0};
    if (p <= kSetSplitP) return {7, lnP, given};
    if (p <= kHighP || given >= boundaryEntropy67(p)) return {9, lnP, given};
    return {11, lnP, given};
}

double valueAt(IFC67Working& w, double p, double tF, int k, Property prop) noexcept {
    prepareSubregion(w, p, tF, k);
    return property67(w, k, prop);
}

}  // namespace

double searchTemperature67(IFC67Working& w, double p, double given, Given kind, SearchInfo& info) noexcept {
    info = SearchInfo{};
    const SearchKind& sk = kind == Given::Enthalpy ? kEnthalpySearch : kEntropySearch;
    if (!(p > kPMin) || !(p <= kPMax) || !std::isfinite(given)) return kOutOfRange;

    const bool subcritical = p < kPc;
    bool exact = subcritical && (p < kExactBelow || p >= kExactFrom);
    int side = 0;

    if (!subcritical) {
        if (given < sk.sideLow) {
            side = 1;
        } else if (given > sk.sideHigh) {
            side = 2;
        } else {
            // Compare with the 705.47 F isotherm of subregion 4 at this pressure.
            setTheta67(w, kTcF);
            w.beta = p * kInvPc;
            side = given <= valueAt(w, p, kTcF, 4, sk.property) ? 1 : 2;
        }
    } else if (!exact) {
        const SatPair a = kind == Given::Enthalpy ? satApproxEnthalpy67(p) : satApproxEntropy67(p);
        if (std::fabs(given - a.vapour) < sk.approxMargin || std::fabs(given - a.liquid) < sk.approxMargin ||
            (a.liquid <= given && given <= a.vapour)) {
            exact = true;
        } else {
            side = given > a.vapour ? 2 : 1;
        }
    }

    const double ts = subcritical ? satTemperature67(p) : kTcF;
    if (exact) {
        setState67(w, p, ts);
        const int flag = w.lineFlag;
        const double f = valueAt(w, p, ts, subregionOfSide(1, flag), sk.property);
        const double g = valueAt(w, p, ts, subregionOfSide(2, flag), sk.property);
        if (kind == Given::Enthalpy) {
            w.hf = f;
            w.hg = g;
        } else {
            w.sf = f;
            w.sg = g;
        }
        if (f <= given && given <= g) {
            info.twoPhase = 1;
            return ts;
        }
        side = given > g ? 2 : 1;
    }
    info.side = side;

    // Liquid-like states never lie above the saturation (or, above pc, the critical) temperature.
    const bool capped = side == 1;
    const Choice c = chooseSet(kind, side, p, given);
    info.startSet = c.set;
    double t0 = backwardPoly67(c.u, c.w, c.set);
    if (capped) t0 = std::fmin(t0, ts);
    info.start = t0;
    if (!(t0 >= kTMin - kStartMargin && t0 <= kTMax + kStartMargin)) return kOutOfRange;
    t0 = std::fmin(std::fmax(t0, kTMin), kTMax);

    setState67(w, p, t0);
    int k = subregionOfSide(side, w.lineFlag);
    double cur = valueAt(w, p, t0, k, sk.property);
    double slope = backwardPoly67(c.u, c.w, c.set + 1);
    // Temperature rises with enthalpy and entropy: a start slope that is not positive (the fitted
    // slope sets pass through zero where cp grows without bound near the critical point) is replaced
    // by the exact one at the start, 1/cp for both searches, from the record just prepared.
    if (!(slope > 0.0)) slope = 1.0 / property67(w, k, Property::HeatCapacity);
    info.startSubregion = k;
    info.subregion = k;
    if (kind == Given::Entropy && std::fabs(cur - given) < sk.tolerance) return t0;

    // Enthalpy and entropy rise with temperature along an isobar, so every evaluated temperature
    // bounds the answer from one side.  A correction that leaves the bracket so found (near the
    // critical point the slope changes by orders of magnitude within a degree) is replaced by the
    // bracket's midpoint; a correction inside it is kept as it is.
    double below = -HUGE_VAL, above = HUGE_VAL;
    const auto narrow = [&](double tAt, double value) {
        if (value < given) {
            below = std::fmax(below, tAt);
        } else {
            above = std::fmin(above, tAt);
        }
    };
    narrow(t0, cur);

    double t = t0, tNew = t0;
    int switches = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        ++info.passes;
        if (kind == Given::Enthalpy) {
            tNew = t + (given - cur) * slope;
        } else {
            const double d = cur - given;
            tNew = t - toRankine(t) * slope * d * (1.0 + 0.5 * slope * d);
        }
        if (capped) tNew = std::fmin(tNew, ts);
        if (!(tNew > below && tNew < above) && std::isfinite(below) && std::isfinite(above)) {
            tNew = 0.5 * (below + above);
        }
        // A wild step must not leave the region where the equations are defined at all.
        tNew = std::fmin(std::fmax(tNew, kTMin - kStartMargin), kTMax + kStartMargin);
        setTheta67(w, tNew);
        double vNew = valueAt(w, p, tNew, k, sk.property);
        narrow(tNew, vNew);
        if (std::fabs(given - vNew) < sk.tolerance) {
            // Converged; if the temperature lies in another subregion than the one searched, go on there.
            const int kTrue = subregionOfSide(side, lineFlag67(p, tNew));
            if (kTrue == k || switches == kMaxSwitches) return tNew;
            ++switches;
            k = kTrue;
            info.subregion = k;
            w.lineFlag = kTrue >= 3 ? 1 : 0;
            vNew = valueAt(w, p, tNew, k, sk.property);
            if (std::fabs(given - vNew) < sk.tolerance) return tNew;
            below = -HUGE_VAL;
            above = HUGE_VAL;
            narrow(tNew, vNew);
            pass = -1;  // a fresh set of corrections in the right subregion
        } else if (vNew != cur) {
            if (kind == Given::Enthalpy) {
                slope = ((tNew - t) / (vNew - cur) + slope) / 2.0;
            } else {
                slope = ((t - tNew) / (cur - vNew) / toRankine(tNew) + slope) / 2.0;
            }
        }
        t = tNew;
        cur = vNew;
    }
    return tNew;
}

double tempFromPH67(IFC67Working& w, double p, double h, int& twoPhase) noexcept {
    SearchInfo info;
    const double t = searchTemperature67(w, p, h, Given::Enthalpy, info);
    twoPhase = info.twoPhase;
    return t;
}

double tempFromPS67(IFC67Working& w, double p, double s, int& twoPhase) noexcept {
    SearchInfo info;
    const double t = searchTemperature67(w, p, s, Given::Entropy, info);
    twoPhase = info.twoPhase;
    return t;
}

}  // namespace ifc67
