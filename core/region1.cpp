// IF97 region 1 (compressed liquid): gamma = sum n (7.1 - pi)^I (tau - 1.222)^J.
#include "region1.h"

#include <array>

#include "power_sum.h"

namespace if97 {
namespace {

using detail::Term;

// IF97 Table 2: I, J, n (signs for the factor (7.1 - pi)^I).
constexpr std::array<Term, 34> kTable2 = {{
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},       {0, 0, -0.37563603672040e1},
    {0, 1, 0.33855169168385e1},       {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},      {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},     {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},     {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},    {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},     {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},    {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25},
}};
static_assert(kTable2.size() == 34);

}  // namespace

namespace {

// The derivatives of the bits of Need; fixed at compile time so that only the
// monomials and sums the bits use are evaluated.
template <int Need>
GibbsDerivatives evaluate(double p, double T) noexcept {
    constexpr int need = Need;
    GibbsDerivatives d{};
    const double x = 7.1 - p * kRegion1PiPerMPa;
    // y = tau - 1.222 and its reciprocal, each from T by one division so the
    // two run side by side: 1/y = T / (1386 - 1.222 T).
    const double y = kRegion1TauK / T - 1.222;
    const double iy = T / (kRegion1TauK - 1.222 * T);
    double b[kTable2.size()];
    detail::powerTerms<kTable2>(x, 0.0, y, iy, b);
    // d/dpi = -d/dx, so odd orders in pi change sign.
    if constexpr (need & kNeedValue) d.g = detail::scaledDerivative<kTable2, 0, 0>(b);
    if constexpr (need & kNeedD2) d.gt = detail::scaledDerivative<kTable2, 0, 1>(b) * iy;
    if constexpr (need & kNeedD22) d.gtt = detail::scaledDerivative<kTable2, 0, 2>(b) * (iy * iy);
    if constexpr (need & (kNeedD1 | kNeedD11 | kNeedD12)) {
        const double ix = 1.0 / x;
        if constexpr (need & kNeedD1) d.gp = -detail::scaledDerivative<kTable2, 1, 0>(b) * ix;
        if constexpr (need & kNeedD11) d.gpp = detail::scaledDerivative<kTable2, 2, 0>(b) * (ix * ix);
        if constexpr (need & kNeedD12) d.gpt = -detail::scaledDerivative<kTable2, 1, 1>(b) * (ix * iy);
    }
    return d;
}

}  // namespace

GibbsDerivatives region1Derivatives(double p, double T, int need) noexcept {
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

void region1(double p, double T, int mask, Properties& out) noexcept {
    const int need = gibbsNeeds(mask);
    if (need == 0) return;
    const GibbsDerivatives d = region1Derivatives(p, T, need);
    gibbsProperties(d, p, T, p * kRegion1PiPerMPa, kRegion1TauK / T, mask, out);
}

}  // namespace if97
