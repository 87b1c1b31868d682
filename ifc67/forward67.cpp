// Properties of the IFC-67 subregions from the prepared working record, and the (p,T) and saturated
// evaluations built on them.
#include <cmath>

#include "constants67.h"
#include "forward67.h"

namespace ifc67 {

void startWorking67(IFC67Working& w) noexcept {
    w.hOffset = kEnthalpyOffset;
    w.sOffset = kEntropyOffset;
}

bool prepareSubregion(IFC67Working& w, double p, double tF, int k) noexcept {
    switch (k) {
        case 1: prepareSub1(w); return true;
        case 2: prepareSub2(w); return true;
        case 3:
        case 4: solveVolume34(w, p, tF, k); return true;
        default: return false;
    }
}

double property67(const IFC67Working& w, int k, Property prop) noexcept {
    if (k == 1 || k == 2) {
        const GibbsTerms& g = w.gibbs;
        switch (prop) {
            case Property::Volume: return kVc * g.zetaB;
            case Property::Enthalpy: return kPcVc * (g.zeta - w.theta * g.zetaT) + w.hOffset;
            case Property::Entropy: return -kPcVcTc * (g.zetaT + g.idealT) - w.sOffset;
            case Property::HeatCapacity: return -kPcVcTc * w.theta * g.zetaTT;
        }
    }
    const HelmholtzTerms& h = w.helm;
    switch (prop) {
        case Property::Volume: return w.chi * kVc;
        case Property::Enthalpy: return kPcVc * (h.psi - w.theta * h.psiT - w.chi * h.psiX) + w.hOffset;
        case Property::Entropy: return -kPcVcTc * h.psiT - w.sOffset;
        case Property::HeatCapacity: {
            // Within a few hundredths of a psi below pc the volume searches of both phases can end on the
            // same, mechanically unstable root, where this expression turns negative (down to -1e8, which
            // would pass for an error code) or infinite. No heat capacity exists there: report the state.
            const double cp = kPcVcTc * w.theta * (h.psiXT * h.psiXT / h.psiXX - h.psiTT);
            return cp > 0.0 && std::isfinite(cp) ? cp : kInternalError;
        }
    }
    return kInternalError;
}

double evaluatePT67(IFC67Working& w, double p, double tF, Property prop) noexcept {
    setState67(w, p, tF);
    const int k = subregionOf67(p, tF);
    if (!prepareSubregion(w, p, tF, k)) return kInternalError;
    return property67(w, k, prop);
}

double saturated67(IFC67Working& w, double p, double ts, bool vapour, Property prop) noexcept {
    setState67(w, p, ts);
    const int k = subregionOfSide(vapour ? 2 : 1, w.lineFlag);
    prepareSubregion(w, p, ts, k);
    return property67(w, k, prop);
}

}  // namespace ifc67
