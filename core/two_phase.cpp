// IF97 region 4: saturated liquid and vapour, and wet-steam mixtures.
#include "two_phase.h"

#include "critical_velocity.h"

#include "if97_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "status.h"

namespace if97 {

int saturatedPhases(double p, double T, int mask, Properties& liquid, Properties& vapour) noexcept {
    const int props = mask & ~kMaskP;
    if (T <= kT13) {
        region1(p, T, props, liquid);
        region2(p, T, props, vapour);
        return 0;
    }
    int liquidSide = kSideLiquid;
    const double vl = region3Volume(p, T, liquidSide);
    int vapourSide = kSideVapour;
    const double vv = region3Volume(p, T, vapourSide);
    if (vl < 0.0 || vv < 0.0) return status::Region3Convergence;
    liquid.v = vl;
    vapour.v = vv;
    region3(vl, T, props, liquid);
    region3(vv, T, props, vapour);
    return 0;
}

// The speed-of-sound field of a wet state holds its critical (choked) flow velocity.
double wetStateSoundSpeed(double p, double h, double s, double x) noexcept { return criticalVelocity(p, h, s, x); }

void IF97State::twoPhaseFromX(int mask) noexcept {
    // p, T and x are known already: a mask of only those needs no phase evaluated (above 623.15 K
    // no density search).
    if ((mask & (kMaskH | kMaskS | kMaskV | kMaskCp | kMaskW)) == 0) return;
    Properties r{};
    if (x_ == 0.0 || x_ == 1.0) {
        const bool liquid = x_ == 0.0;
        if (T_ <= kT13) {
            if (liquid) {
                region1(p_, T_, mask, r);
            } else {
                region2(p_, T_, mask, r);
            }
            store(r, mask);
            return;
        }
        int side = liquid ? kSideLiquid : kSideVapour;
        const double v = region3Volume(p_, T_, side);
        if (v < 0.0) {
            status_ = status::Region3Convergence;
            return;
        }
        v_ = v;
        region3(v, T_, mask & ~kMaskP, r);
        store(r, mask & ~kMaskV);
        return;
    }

    if (mask & kMaskCp) cp_ = kNotDefined;
    int props = mask & (kMaskH | kMaskS | kMaskV);
    if (mask & kMaskW) props |= kMaskH | kMaskS;
    if (props == 0) return;
    Properties liquid{};
    Properties vapour{};
    const int rc = saturatedPhases(p_, T_, props, liquid, vapour);
    if (rc != 0) {
        status_ = rc;
        return;
    }
    if (props & kMaskV) v_ = liquid.v + (vapour.v - liquid.v) * x_;
    if (props & kMaskH) h_ = liquid.h + (vapour.h - liquid.h) * x_;
    if (props & kMaskS) s_ = liquid.s + (vapour.s - liquid.s) * x_;
    if (mask & kMaskW) w_ = wetStateSoundSpeed(p_, h_, s_, x_);
}

}  // namespace if97
