// IF97 region 5 (high-temperature steam), 1997 release:
// gamma = ln pi + sum n0 tau^J0 + sum n pi^I tau^J (five residual terms).
#include "region5.h"

#include <array>

#include "portable_math.h"
#include "power_sum.h"

namespace if97 {
namespace {

using detail::Term;
using detail::Term1;

// IF97 Table 37: ideal-gas part, J0, n0.
constexpr std::array<Term1, 6> kTable37 = {{
    {0, -0.13179983674201e2},
    {1, 0.68540841634434e1},
    {-3, -0.24805148933466e-1},
    {-2, 0.36901534980333},
    {-1, -0.31161318213925e1},
    {2, -0.32961626538917},
}};
static_assert(kTable37.size() == 6);

// IF97 Table 38 (1997 release): residual part, I, J, n.
constexpr std::array<Term, 5> kTable38 = {{
    {1, 0, -0.12563183589592e-3},
    {1, 1, 0.21774678714571e-2},
    {1, 3, -0.45942820899910e-2},
    {2, 9, -0.39724828359569e-5},
    {3, 3, 0.12919228289784e-6},
}};
static_assert(kTable38.size() == 5);

}  // namespace

namespace {

// The derivatives of the bits of Need; fixed at compile time so that only the
// monomials and sums the bits use are evaluated.
template <int Need>
GibbsDerivatives evaluate(double p, double T) noexcept {
    constexpr int need = Need;
    GibbsDerivatives d{};
    const double pi = p;
    const double tau = kRegion5TauK / T;
    const double itau = T * (1.0 / kRegion5TauK);
    double b0[kTable37.size()];
    detail::powerTerms1<kTable37>(tau, itau, b0);
    double b[kTable38.size()];
    detail::powerTerms<kTable38>(pi, 0.0, tau, itau, b);
    constexpr bool needIpi = (need & (kNeedD1 | kNeedD11 | kNeedD12)) != 0;
    const double ipi = needIpi ? 1.0 / pi : 0.0;
    if constexpr (need & kNeedValue) {
        d.g = portable_math::log(pi) + detail::scaledDerivative<kTable37, 0, 0>(b0) +
              detail::scaledDerivative<kTable38, 0, 0>(b);
    }
    if constexpr (need & kNeedD1) d.gp = ipi + detail::scaledDerivative<kTable38, 1, 0>(b) * ipi;
    if constexpr (need & kNeedD11) d.gpp = -ipi * ipi + detail::scaledDerivative<kTable38, 2, 0>(b) * (ipi * ipi);
    if constexpr (need & kNeedD2) {
        d.gt = (detail::scaledDerivative<kTable37, 0, 1>(b0) + detail::scaledDerivative<kTable38, 0, 1>(b)) * itau;
    }
    if constexpr (need & kNeedD22) {
        d.gtt = (detail::scaledDerivative<kTable37, 0, 2>(b0) + detail::scaledDerivative<kTable38, 0, 2>(b)) *
                (itau * itau);
    }
    if constexpr (need & kNeedD12) d.gpt = detail::scaledDerivative<kTable38, 1, 1>(b) * (ipi * itau);
    return d;
}

}  // namespace

GibbsDerivatives region5Derivatives(double p, double T, int need) noexcept {
    switch (need) {
        case 0: return GibbsDerivatives{};
        case gibbsNeeds(kMaskH): return evaluate<gibbsNeeds(kMaskH)>(p, T);
        case gibbsNeeds(kMaskV): return evaluate<gibbsNeeds(kMaskV)>(p, T);
        case gibbsNeeds(kMaskS): return evaluate<gibbsNeeds(kMaskS)>(p, T);
        case gibbsNeeds(kMaskH | kMaskV): return evaluate<gibbsNeeds(kMaskH | kMaskV)>(p, T);
        case gibbsNeeds(kMaskH | kMaskS | kMaskV): return evaluate<gibbsNeeds(kMaskH | kMaskS | kMaskV)>(p, T);
        case kNeedSlopesHS: return evaluate<kNeedSlopesHS>(p, T);
        case kNeedSlopesTS: return evaluate<kNeedSlopesTS>(p, T);
        case kNeedSlopesTV: return evaluate<kNeedSlopesTV>(p, T);
        case kNeedSlopesPV: return evaluate<kNeedSlopesPV>(p, T);
        default: return evaluate<kNeedAll>(p, T);
    }
}

void region5(double p, double T, int mask, Properties& out) noexcept {
    const int need = gibbsNeeds(mask);
    if (need == 0) return;
    const GibbsDerivatives d = region5Derivatives(p, T, need);
    gibbsProperties(d, p, T, p, kRegion5TauK / T, mask, out);
}

}  // namespace if97
