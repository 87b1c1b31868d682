// Region 3 backward equations (SR3-03, SR5-05): the start values of the region 3 iterations.
#include "region3_backward.h"

#include <cmath>

#include "portable_math.h"
#include "power_sum.h"
#include "properties.h"
#include "region3.h"
#include "region3_backward_tables.h"
#include "saturation.h"

namespace if97 {
namespace {

namespace tab = region3_tables;

// Sum n X^I Y^J of a two-variable table.
template <const auto& Tab>
IF97_FORCE_INLINE double powerSum(double x, double y) noexcept {
    double b[Tab.size()];
    detail::powerTerms<Tab>(x, 1.0 / x, y, 1.0 / y, b);
    return detail::scaledDerivative<Tab, 0, 0>(b);
}

// Sum n X^I of a one-variable table.
template <const auto& Tab>
IF97_FORCE_INLINE double powerSum1(double x) noexcept {
    double b[Tab.size()];
    detail::powerTerms1<Tab>(x, 1.0 / x, b);
    return detail::scaledDerivative<Tab, 0, 0>(b);
}

// v(p,T) of one SR5-05 subregion.
template <const auto& Tab, const tab::VptForm& F>
double vpt(double p, double T) noexcept {
    constexpr double kInvP = 1.0 / F.pStar;
    constexpr double kInvT = 1.0 / F.TStar;
    double x = p * kInvP - F.a;
    double y = T * kInvT - F.b;
    if constexpr (F.rootX == 2) x = std::sqrt(x);
    if constexpr (F.rootY == 4) y = std::sqrt(std::sqrt(y));
    const double sum = powerSum<Tab>(x, y);
    if constexpr (F.power == 0) {
        return F.vStar * portable_math::exp(sum);
    } else if constexpr (F.power == 4) {
        const double s2 = sum * sum;
        return F.vStar * (s2 * s2);
    } else {
        return F.vStar * sum;
    }
}

// Subregion boundaries T3xx(p) in K (p in MPa).
double t3ab(double p) noexcept { return powerSum1<tab::kTabP>(portable_math::log(p)); }
double t3cd(double p) noexcept { return powerSum1<tab::kTcdP>(p); }
double t3gh(double p) noexcept { return powerSum1<tab::kTghP>(p); }
double t3ij(double p) noexcept { return powerSum1<tab::kTijP>(p); }
double t3jk(double p) noexcept { return powerSum1<tab::kTjkP>(p); }
double t3mn(double p) noexcept { return powerSum1<tab::kTmnP>(p); }
double t3op(double p) noexcept { return powerSum1<tab::kTopP>(portable_math::log(p)); }
double t3qu(double p) noexcept { return powerSum1<tab::kTquP>(p); }
double t3rx(double p) noexcept { return powerSum1<tab::kTrxP>(p); }
double t3uv(double p) noexcept { return powerSum1<tab::kTuvP>(p); }
double t3wx(double p) noexcept { return powerSum1<tab::kTwxP>(portable_math::log(p)); }
// SR5-05 Eq. 3: the straight line through the critical point.
double t3ef(double p) noexcept { return 3.727888004 * (p - kPc) + kTc; }

// Pressures of the subregion table (MPa): ps(643.15 K), p3cd, and where T3uv and T3wx meet the
// saturation line.
constexpr double kPs643 = 21.04336732;
constexpr double kP3cd = 19.00881189173929;
constexpr double kP3uv = 21.93161551;
constexpr double kP3wx = 21.90096265;

// Auxiliary subregions next to the critical point (T3qu(p) < T <= T3rx(p), ps(643.15 K) < p <= 22.5).
char nearCritical(double p, double T, int side) noexcept {
    if (p > 22.11) {
        if (T <= t3uv(p)) return 'u';
        if (T <= t3ef(p)) return 'v';
        return T <= t3wx(p) ? 'w' : 'x';
    }
    if (p > kPc) {
        if (T <= t3uv(p)) return 'u';
        if (T <= t3ef(p)) return 'y';
        return T <= t3wx(p) ? 'z' : 'x';
    }
    if (side == kSideLiquid) return p <= kP3uv || T <= t3uv(p) ? 'u' : 'y';
    return p <= kP3wx || T > t3wx(p) ? 'x' : 'z';
}

}  // namespace

char region3SubregionPT(double p, double T, int side) noexcept {
    if (p > 40.0) return T <= t3ab(p) ? 'a' : 'b';
    if (p > 25.0) {
        if (T <= t3cd(p)) return 'c';
        if (T <= t3ab(p)) return 'd';
        return T <= t3ef(p) ? 'e' : 'f';
    }
    if (p > 23.0) {
        if (T <= t3cd(p)) return 'c';
        if (T <= t3gh(p)) return p > 23.5 ? 'g' : 'l';
        if (T <= t3ef(p)) return 'h';
        if (T <= t3ij(p)) return 'i';
        return T <= t3jk(p) ? 'j' : 'k';
    }
    if (p > 22.5) {
        if (T <= t3cd(p)) return 'c';
        if (T <= t3gh(p)) return 'l';
        if (T <= t3mn(p)) return 'm';
        if (T <= t3ef(p)) return 'n';
        if (T <= t3op(p)) return 'o';
        if (T <= t3ij(p)) return 'p';
        return T <= t3jk(p) ? 'j' : 'k';
    }
    // Up to p3cd only the saturation line divides 3c from 3t.
    const bool liquid = side == kSideLiquid;
    if (p <= kP3cd) return liquid ? 'c' : 't';
    if (T <= t3cd(p)) return 'c';
    if (p > kPs643) {
        if (T <= t3qu(p)) return 'q';
        if (T <= t3rx(p)) return nearCritical(p, T, side);
        return T <= t3jk(p) ? 'r' : 'k';
    }
    if (p > 20.5) {
        if (liquid) return 's';
        return T <= t3jk(p) ? 'r' : 'k';
    }
    return liquid ? 's' : 't';
}

double backwardV3pt(double p, double T, int side) noexcept {
    switch (region3SubregionPT(p, T, side)) {
        case 'a': return vpt<tab::kVaPT, tab::kForma>(p, T);
        case 'b': return vpt<tab::kVbPT, tab::kFormb>(p, T);
        case 'c': return vpt<tab::kVcPT, tab::kFormc>(p, T);
        case 'd': return vpt<tab::kVdPT, tab::kFormd>(p, T);
        case 'e': return vpt<tab::kVePT, tab::kForme>(p, T);
        case 'f': return vpt<tab::kVfPT, tab::kFormf>(p, T);
        case 'g': return vpt<tab::kVgPT, tab::kFormg>(p, T);
        case 'h': return vpt<tab::kVhPT, tab::kFormh>(p, T);
        case 'i': return vpt<tab::kViPT, tab::kFormi>(p, T);
        case 'j': return vpt<tab::kVjPT, tab::kFormj>(p, T);
        case 'k': return vpt<tab::kVkPT, tab::kFormk>(p, T);
        case 'l': return vpt<tab::kVlPT, tab::kForml>(p, T);
        case 'm': return vpt<tab::kVmPT, tab::kFormm>(p, T);
        case 'n': return vpt<tab::kVnPT, tab::kFormn>(p, T);
        case 'o': return vpt<tab::kVoPT, tab::kFormo>(p, T);
        case 'p': return vpt<tab::kVpPT, tab::kFormp>(p, T);
        case 'q': return vpt<tab::kVqPT, tab::kFormq>(p, T);
        case 'r': return vpt<tab::kVrPT, tab::kFormr>(p, T);
        case 's': return vpt<tab::kVsPT, tab::kForms>(p, T);
        case 't': return vpt<tab::kVtPT, tab::kFormt>(p, T);
        case 'u': return vpt<tab::kVuPT, tab::kFormu>(p, T);
        case 'v': return vpt<tab::kVvPT, tab::kFormv>(p, T);
        case 'w': return vpt<tab::kVwPT, tab::kFormw>(p, T);
        case 'x': return vpt<tab::kVxPT, tab::kFormx>(p, T);
        case 'y': return vpt<tab::kVyPT, tab::kFormy>(p, T);
        default: return vpt<tab::kVzPT, tab::kFormz>(p, T);
    }
}

// SR3-03.
namespace {
// Critical entropy, the 3a/3b boundary of the (p,s) equations (kJ/(kg K)), as the release defines it.
constexpr double kSc = 4.41202148223476;
}  // namespace

double h3ab(double p) noexcept { return tab::kH3ab[0] + p * (tab::kH3ab[1] + p * (tab::kH3ab[2] + p * tab::kH3ab[3])); }

double backwardT3ph(double p, double h) noexcept {
    const double pi = p * 0.01;
    if (h <= h3ab(p)) return 760.0 * powerSum<tab::kT3aPH>(pi + 0.240, h * (1.0 / 2300.0) - 0.615);
    return 860.0 * powerSum<tab::kT3bPH>(pi + 0.298, h * (1.0 / 2800.0) - 0.720);
}

double backwardV3ph(double p, double h) noexcept {
    const double pi = p * 0.01;
    if (h <= h3ab(p)) return 0.0028 * powerSum<tab::kV3aPH>(pi + 0.128, h * (1.0 / 2100.0) - 0.727);
    return 0.0088 * powerSum<tab::kV3bPH>(pi + 0.0661, h * (1.0 / 2800.0) - 0.720);
}

double backwardT3ps(double p, double s) noexcept {
    const double pi = p * 0.01;
    if (s <= kSc) return 760.0 * powerSum<tab::kT3aPS>(pi + 0.240, s * (1.0 / 4.4) - 0.703);
    return 860.0 * powerSum<tab::kT3bPS>(pi + 0.760, s * (1.0 / 5.3) - 0.818);
}

double backwardV3ps(double p, double s) noexcept {
    const double pi = p * 0.01;
    if (s <= kSc) return 0.0028 * powerSum<tab::kV3aPS>(pi + 0.187, s * (1.0 / 4.4) - 0.755);
    return 0.0088 * powerSum<tab::kV3bPS>(pi + 0.298, s * (1.0 / 5.3) - 0.816);
}

double p3satH(double h) noexcept {
    const double eta = h * (1.0 / 2600.0);
    return 22.0 * powerSum<tab::kP3satH>(eta - 1.02, eta - 0.608);
}

double p3satS(double s) noexcept {
    const double sigma = s * (1.0 / 5.2);
    return 22.0 * powerSum<tab::kP3satS>(sigma - 1.03, sigma - 0.699);
}

}  // namespace if97
