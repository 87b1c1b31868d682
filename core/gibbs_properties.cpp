// Properties from the Gibbs free energy of regions 1, 2 and 5.
#include <cmath>

#include "derivatives.h"
#include "status.h"

namespace if97 {

// IF97 Tables 3, 12 and 39. The speed of sound is written with the
// pi-scaled derivatives, which gives the region 1 and the regions 2/5
// relations alike: w^2 = RT (pi g_p)^2 / ((pi g_p - pi tau g_pt)^2 / (tau^2 g_tt) - pi^2 g_pp).
void gibbsProperties(const GibbsDerivatives& d, double p, double T, double pi, double tau, int mask,
                     Properties& out) noexcept {
    const double RT = kR * T;
    if (mask & kMaskV) out.v = RT * pi * d.gp / p * 0.001;
    if (mask & kMaskH) out.h = RT * tau * d.gt;
    if (mask & kMaskS) out.s = kR * (tau * d.gt - d.g);
    if (mask & kMaskCp) out.cp = -kR * tau * tau * d.gtt;
    if (mask & kMaskW) {
        const double pg = pi * d.gp;
        const double a = pg - pi * tau * d.gpt;
        const double w2 = 1000.0 * RT * pg * pg / (a * a / (tau * tau * d.gtt) - pi * pi * d.gpp);
        out.w = w2 > 0.0 ? std::sqrt(w2) : kNotDefined;
    }
}

}  // namespace if97
