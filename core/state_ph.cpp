// IF97State::computePH: the (p,h) operation.  Region test by (p,h), then the temperature of the
// region (backward equation with refinement, region 3 or region 5 iteration, saturation), then the
// properties of the mask.
#include <cmath>

#include "backward_refine.h"
#include "boundaries_ph.h"
#include "if97_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region3_inverse.h"
#include "region5_inverse.h"

namespace if97 {
namespace {

constexpr double kFallbackTolH = 1e-6;  // kJ/kg, acceptance of a region 1/2 fall-back from region 3
constexpr double kTMin = 273.15;
constexpr double kTMax = 2273.15;

// Region 2 temperature of an accepted (p,h) state.  Below the saturation pressure at 273.15 K the
// region test admits h down to the exact region 2 value at 273.15 K, so the temperature that
// reproduces h is at least 273.15 K: a result below it only comes from the tolerance of the
// refinement (or the backward equation's own error with backwardOnly), and 273.15 K lies closer to
// the state.
double region2Tph(double p, double h, int backwardOnly) noexcept {
    const double T = backwardT2ph(p, h, backwardOnly);
    return p < kPs273 && T < kTMin ? kTMin : T;
}

}  // namespace

void IF97State::computePH(double p, double h, int mask, int backwardOnly) noexcept {
    p_ = p;
    h_ = h;
    if (!checkPressure(p) || !checkEnthalpy(h)) return;
    const int want = mask & ~(kMaskP | kMaskH);

    const RegionTest test = regionOfPH(p, h);
    if (test.code != 0) {
        status_ = test.code;
        return;
    }

    Properties out{};
    switch (test.region) {
        case 1: {
            const double T = backwardT1ph(p, h, backwardOnly);
            region1(p, T, want, out);
            store(out, want);
            T_ = T;
            x_ = 0.0;
            return;
        }
        case 2: {
            const double T = region2Tph(p, h, backwardOnly);
            region2(p, T, want, out);
            store(out, want);
            T_ = T;
            x_ = 1.0;
            return;
        }
        case 3: {
            double T = 0.0;
            double v = 0.0;
            const int code = region3Tph(p, h, test.T, test.side, T, v);
            if (code == 0) {
                region3(v, T, want & ~kMaskP, out);
                out.v = v;
                store(out, want);
                T_ = T;
                x_ = test.side == kSideLiquid ? 0.0 : 1.0;
                return;
            }
            // Fall-back: region 2, then region 1, each accepted only when it reproduces h.
            const double T2 = backwardT2ph(p, h, backwardOnly);
            if (T2 >= kTMin && T2 <= kTMax) {
                region2(p, T2, want | kMaskH, out);
                if (std::fabs(out.h - h) < kFallbackTolH) {
                    store(out, want);
                    T_ = T2;
                    x_ = 1.0;
                    return;
                }
            }
            const double T1 = backwardT1ph(p, h, backwardOnly);
            region1(p, T1, want | kMaskH, out);
            if (std::fabs(out.h - h) < kFallbackTolH) {
                store(out, want);
                T_ = T1;
                x_ = 0.0;
                return;
            }
            status_ = code;
            return;
        }
        case 4: {
            double x = 0.0;
            const int code = wetStateFromPY(p, test.T, h, false, want, out, x);
            if (code != 0) {
                status_ = code;
                return;
            }
            store(out, want);
            T_ = test.T;
            x_ = x;
            return;
        }
        default: {
            const double T = region5Tph(p, h, want, out);
            if (T < 0.0) {
                status_ = static_cast<int>(T);
                return;
            }
            store(out, want);
            T_ = T;
            x_ = 1.0;
            return;
        }
    }
}

}  // namespace if97
