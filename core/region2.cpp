// IF97 region 2 (steam): gamma = ln pi + sum n0 tau^J0 + sum n pi^I (tau - 0.5)^J.
#include "region2.h"

#include <array>

#include "portable_math.h"
#include "power_sum.h"

namespace if97 {
namespace {

using detail::Term;
using detail::Term1;

// IF97 Table 10: ideal-gas part, J0, n0.
constexpr std::array<Term1, 9> kTable10 = {{
    {0, -0.96927686500217e1},
    {1, 0.10086655968018e2},
    {-5, -0.56087911283020e-2},
    {-4, 0.71452738081455e-1},
    {-3, -0.40710498223928},
    {-2, 0.14240819171444e1},
    {-1, -0.43839511319450e1},
    {2, -0.28408632460772},
    {3, 0.21268463753307e-1},
}};
static_assert(kTable10.size() == 9);

// IF97 Table 11: residual part, I, J, n.
constexpr std::array<Term, 43> kTable11 = {{
    {1, 0, -0.17731742473213e-2},    {1, 1, -0.17834862292358e-1},    {1, 2, -0.45996013696365e-1},
    {1, 3, -0.57581259083432e-1},    {1, 6, -0.50325278727930e-1},    {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},    {2, 4, -0.39392777243355e-2},    {2, 7, -0.43797295650573e-1},
    {2, 36, -0.26674547914087e-4},   {3, 0, 0.20481737692309e-7},     {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},    {3, 6, -0.15033924542148e-2},    {3, 35, -0.40668253562649e-1},
    {4, 1, -0.78847309559367e-9},    {4, 2, 0.12790717852285e-7},     {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},     {6, 3, -0.16714766451061e-10},   {6, 16, -0.21171472321355e-2},
    {6, 35, -0.23895741934104e2},    {7, 0, -0.59059564324270e-17},   {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},   {8, 8, 0.11256211360459e-10},    {8, 36, -0.82311340897998e1},
    {9, 13, 0.19809712802088e-7},    {10, 4, 0.10406965210174e-18},   {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8},  {16, 29, -0.80882908646985e-10}, {16, 50, 0.10693031879409},
    {18, 57, -0.33662250574171},     {20, 20, 0.89185845355421e-24},  {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5},  {21, 21, -0.59056029685639e-25}, {22, 53, 0.37826947613457e-5},
    {23, 39, -0.12768608934681e-14}, {24, 26, 0.73087610595061e-28},  {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
}};
static_assert(kTable11.size() == 43);

}  // namespace

namespace {

// The derivatives of the bits of Need; fixed at compile time so that only the
// monomials and sums the bits use are evaluated.
template <int Need>
GibbsDerivatives evaluate(double p, double T) noexcept {
    constexpr int need = Need;
    GibbsDerivatives d{};
    const double pi = p;
    // tau, 1/tau and 1/(tau - 0.5) each come from T directly, not one from another.
    const double tau = kRegion2TauK / T;
    const double itau = T * (1.0 / kRegion2TauK);
    const double y = tau - 0.5;
    double b0[kTable10.size()];
    detail::powerTerms1<kTable10>(tau, itau, b0);
    double b[kTable11.size()];
    detail::powerTerms<kTable11>(pi, 0.0, y, 0.0, b);
    constexpr bool needIpi = (need & (kNeedD1 | kNeedD11 | kNeedD12)) != 0;
    const double ipi = needIpi ? 1.0 / pi : 0.0;
    constexpr bool needIy = (need & (kNeedD2 | kNeedD22 | kNeedD12)) != 0;
    const double iy = needIy ? T / (kRegion2TauK - 0.5 * T) : 0.0;
    if constexpr (need & kNeedValue) {
        d.g = portable_math::log(pi) + detail::scaledDerivative<kTable10, 0, 0>(b0) +
              detail::scaledDerivative<kTable11, 0, 0>(b);
    }
    if constexpr (need & kNeedD1) d.gp = ipi + detail::scaledDerivative<kTable11, 1, 0>(b) * ipi;
    if constexpr (need & kNeedD11) d.gpp = -ipi * ipi + detail::scaledDerivative<kTable11, 2, 0>(b) * (ipi * ipi);
    if constexpr (need & kNeedD2) {
        d.gt = detail::scaledDerivative<kTable10, 0, 1>(b0) * itau + detail::scaledDerivative<kTable11, 0, 1>(b) * iy;
    }
    if constexpr (need & kNeedD22) {
        d.gtt = detail::scaledDerivative<kTable10, 0, 2>(b0) * (itau * itau) +
                detail::scaledDerivative<kTable11, 0, 2>(b) * (iy * iy);
    }
    if constexpr (need & kNeedD12) d.gpt = detail::scaledDerivative<kTable11, 1, 1>(b) * (ipi * iy);
    return d;
}

}  // namespace

GibbsDerivatives region2Derivatives(double p, double T, int need) noexcept {
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

namespace {

// The distinct exponents I of Table 11, ascending, and the slot of each term's I among them.
constexpr int kIsothermI[Region2Isotherm::kPowers] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 18, 20, 21, 22, 23, 24};

constexpr int slotOf(int I) noexcept {
    for (int k = 0; k < Region2Isotherm::kPowers; ++k) {
        if (kIsothermI[k] == I) return k;
    }
    return -1;
}

constexpr bool everyExponentHasASlot() noexcept {
    for (const Term& t : kTable11) {
        if (slotOf(t.I) < 0) return false;
    }
    return true;
}
static_assert(everyExponentHasASlot());

// The slot of each term of Table 11.
constexpr auto kTermSlot = [] {
    std::array<int, kTable11.size()> slots{};
    for (std::size_t k = 0; k < kTable11.size(); ++k) slots[k] = slotOf(kTable11[k].I);
    return slots;
}();

// pi^I for every I of kIsothermI, built by products of lower powers.
struct IsothermPowers {
    double m[Region2Isotherm::kPowers];
};

IsothermPowers isothermPowers(double pi) noexcept {
    const double p2 = pi * pi;
    const double p3 = p2 * pi;
    const double p4 = p2 * p2;
    const double p5 = p4 * pi;
    const double p6 = p3 * p3;
    const double p7 = p4 * p3;
    const double p8 = p4 * p4;
    const double p9 = p8 * pi;
    const double p10 = p5 * p5;
    const double p16 = p8 * p8;
    const double p18 = p16 * p2;
    const double p20 = p10 * p10;
    const double p21 = p20 * pi;
    const double p22 = p20 * p2;
    const double p23 = p20 * p3;
    const double p24 = p16 * p8;
    return {{pi, p2, p3, p4, p5, p6, p7, p8, p9, p10, p16, p18, p20, p21, p22, p23, p24}};
}

}  // namespace

Region2Isotherm region2Isotherm(double T) noexcept {
    const double tau = kRegion2TauK / T;
    const double itau = T * (1.0 / kRegion2TauK);
    const double y = tau - 0.5;
    double b0[kTable10.size()];
    detail::powerTerms1<kTable10>(tau, itau, b0);
    double b[kTable11.size()];
    detail::powerTerms<kTable11>(1.0, 0.0, y, 0.0, b);  // y^J of every term
    const double tauPerY = tau / y;
    Region2Isotherm iso{};
    iso.T = T;
    // s/R = tau gamma_tau - gamma; the ideal part without its -ln pi.
    iso.sIdeal = kR * (detail::scaledDerivative<kTable10, 0, 1>(b0) - detail::scaledDerivative<kTable10, 0, 0>(b0));
    for (std::size_t k = 0; k < kTable11.size(); ++k) {
        const int slot = kTermSlot[k];
        const double term = kTable11[k].n * b[k];
        iso.a[slot] += term;
        iso.c[slot] += term * (kTable11[k].J * tauPerY - 1.0);
    }
    return iso;
}

IsothermEntropy region2IsothermEntropy(const Region2Isotherm& iso, double p) noexcept {
    const IsothermPowers w = isothermPowers(p);
    double sum = 0.0;
    double sumI = 0.0;
    for (int k = 0; k < Region2Isotherm::kPowers; ++k) {
        const double term = iso.c[k] * w.m[k];
        sum += term;
        sumI += kIsothermI[k] * term;
    }
    return {iso.sIdeal + kR * (sum - portable_math::log(p)), kR * (sumI - 1.0)};
}

IsothermVolume region2IsothermVolume(const Region2Isotherm& iso, double p) noexcept {
    const IsothermPowers w = isothermPowers(p);
    // pi gamma_r,pi and pi^2 gamma_r,pi,pi.
    double d1 = 0.0;
    double d2 = 0.0;
    for (int k = 0; k < Region2Isotherm::kPowers; ++k) {
        const double term = kIsothermI[k] * iso.a[k] * w.m[k];
        d1 += term;
        d2 += (kIsothermI[k] - 1) * term;
    }
    // v = R T / p (1 + pi gamma_r,pi); p dv/dp = R T / p (-1 + pi^2 gamma_r,pi,pi).
    const double scale = kR * iso.T / p * 0.001;
    return {scale * (1.0 + d1), scale * (d2 - 1.0)};
}

void region2(double p, double T, int mask, Properties& out) noexcept {
    const int need = gibbsNeeds(mask);
    if (need == 0) return;
    const GibbsDerivatives d = region2Derivatives(p, T, need);
    gibbsProperties(d, p, T, p, kRegion2TauK / T, mask, out);
}

}  // namespace if97
