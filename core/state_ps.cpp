// IF97State::computePS: the (p,s) operation.  Region test by (p,s), then the temperature of the
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
#include "saturation.h"

namespace if97 {
namespace {

constexpr double kFallbackTolS = 1e-8;  // kJ/(kg K), acceptance of a region 1/2 fall-back from region 3
constexpr double kTMin = 273.15;

// Region 1 temperature of an accepted (p,s) state.  The region test admits s down to the exact
// 273.15 K isotherm, so a backward value below 273.15 K (reported by backwardT1ps as a code) only
// means that the backward equation's own error, up to 3.6 mK there, has carried it across the
// isotherm.  The temperature is then refined from 273.15 K, which reproduces s at the consistent
// temperature of at least 273.15 K; with backwardOnly it is 273.15 K itself.  Region 1 is thus never
// evaluated at the code value, nor below the isotherm by more than the refinement tolerance.
double region1Tps(double p, double s, int backwardOnly) noexcept {
    const double T = backwardT1ps(p, s, backwardOnly);
    if (T >= kTMin) return T;
    return backwardOnly ? kTMin : refineT1ps(p, s, kTMin);
}

// Region 2 temperature of an accepted (p,s) state.  Below the saturation pressure at 273.15 K the
// region test admits s down to the exact region 2 value at 273.15 K, so a temperature below 273.15 K
// only comes from the tolerance of the solve, and 273.15 K lies closer to the state.
double region2Tps(double p, double s, int backwardOnly) noexcept {
    const double T = backwardT2ps(p, s, backwardOnly);
    return p < kPs273 && T < kTMin ? kTMin : T;
}

}  // namespace

void IF97State::computePS(double p, double s, int mask, int backwardOnly) noexcept {
    p_ = p;
    s_ = s;
    if (!checkPressure(p) || !checkEntropy(s)) return;
    const int want = mask & ~(kMaskP | kMaskS);

    const RegionTest test = regionOfPS(p, s);
    if (test.code != 0) {
        status_ = test.code;
        return;
    }

    Properties out{};
    switch (test.region) {
        case 1: {
            const double T = region1Tps(p, s, backwardOnly);
            region1(p, T, want, out);
            store(out, want);
            T_ = T;
            x_ = 0.0;
            return;
        }
        case 2: {
            const double T = region2Tps(p, s, backwardOnly);
            region2(p, T, want, out);
            store(out, want);
            T_ = T;
            x_ = 1.0;
            return;
        }
        case 3: {
            double T = 0.0;
            double v = 0.0;
            const int code = region3Tps(p, s, test.T, test.side, T, v);
            if (code == 0) {
                region3(v, T, want & ~kMaskP, out);
                out.v = v;
                store(out, want);
                T_ = T;
                x_ = test.side == kSideLiquid ? 0.0 : 1.0;
                return;
            }
            // Fall-back: region 1, then region 2, each accepted only when it reproduces s.
            const double T1 = backwardT1ps(p, s, backwardOnly);
            if (T1 > kTMin) {
                region1(p, T1, want | kMaskS, out);
                if (std::fabs(out.s - s) < kFallbackTolS) {
                    store(out, want);
                    T_ = T1;
                    x_ = 0.0;
                    return;
                }
            }
            const double T2 = backwardT2ps(p, s, backwardOnly);
            region2(p, T2, want | kMaskS, out);
            if (std::fabs(out.s - s) < kFallbackTolS) {
                store(out, want);
                T_ = T2;
                x_ = 1.0;
                return;
            }
            status_ = code;
            return;
        }
        case 4: {
            // Above 16.529164252605 MPa the saturation temperature is taken afresh from p.
            const double ts = p >= kPs13 ? saturationTemperature(p) : test.T;
            double x = 0.0;
            const int code = wetStateFromPY(p, ts, s, true, want, out, x);
            if (code != 0) {
                status_ = code;
                return;
            }
            store(out, want);
            T_ = ts;
            x_ = x;
            return;
        }
        default: {
            const double T = region5Tps(p, s, test.T, want, out);
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
