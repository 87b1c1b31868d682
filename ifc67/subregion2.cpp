// IFC-67 subregion 2 (superheated steam): reduced Gibbs function zeta2(beta, theta) with
// X = exp(b (1 - theta)), and the derivatives that v, h, s and cp need.
#include <array>

#include "portable_math.h"
#include "forward67.h"

namespace ifc67 {
namespace {

// One term B X^n of the subregion 2 sums.
struct XTerm {
    double B;
    int n;
};

// IFC-67 subregion 2 table: B0 and B01..B05.
constexpr double kB0 = 16.83599274;
constexpr std::array<double, 5> kB0nu = {28.56067796, -54.38923329, 0.4330662834, -0.6547711697, 0.08565182058};
static_assert(kB0nu.size() == 5);

// IFC-67 subregion 2 table: the beta^mu sums, mu = 1..5 (B_mu,lambda X^z_mu,lambda).
constexpr std::array<XTerm, 2> kMu1 = {{{0.06670375918, 13}, {1.388983801, 3}}};
constexpr std::array<XTerm, 3> kMu2 = {{{0.08390104328, 18}, {0.02614670893, 2}, {-0.03373439453, 1}}};
constexpr std::array<XTerm, 2> kMu3 = {{{0.4520918904, 18}, {0.1069036614, 10}}};
constexpr std::array<XTerm, 2> kMu4 = {{{-0.5975336707, 25}, {-0.08847535804, 14}}};
constexpr std::array<XTerm, 3> kMu5 = {{{0.5958051609, 32}, {-0.5159303373, 28}, {0.2075021122, 24}}};
static_assert(kMu1.size() == 2 && kMu2.size() == 3 && kMu3.size() == 2 && kMu4.size() == 2 && kMu5.size() == 3);

// IFC-67 subregion 2 table: the quotient terms mu = 6..8, numerator and denominator X terms and the
// power x_mu of beta^-x_mu in the denominator.
constexpr std::array<XTerm, 2> kNum6 = {{{0.1190610271, 12}, {-0.09867174132, 11}}};
constexpr std::array<XTerm, 1> kDen6 = {{{0.4006073948, 14}}};
constexpr std::array<XTerm, 2> kNum7 = {{{0.1683998803, 24}, {-0.05809438001, 18}}};
constexpr std::array<XTerm, 1> kDen7 = {{{0.08636081627, 19}}};
constexpr std::array<XTerm, 2> kNum8 = {{{0.006552390126, 24}, {0.0005710218649, 14}}};
constexpr std::array<XTerm, 2> kDen8 = {{{-0.8532322921, 54}, {0.3460208861, 27}}};

// IFC-67 subregion 2 table: B90..B96 of the L-line term.
constexpr std::array<double, 7> kB9 = {
    193.6587558, -1388.522425, 4126.607219, -6508.211677, 5745.984054, -2693.088365, 523.5718623};
static_assert(kB9.size() == 7);

constexpr double kSmallB = 0.7633333333;
constexpr int kMaxXPower = 54;

// The 10-digit L constants that the subregion 2 equation uses.
constexpr double kL0 = 15.74373327;
constexpr double kL1 = -34.17061978;
constexpr double kL2 = 19.31380707;

// Ideal-gas constant I1: in the volume, and in the entropy (it cancels in the enthalpy).
constexpr double kI1Volume = 4.260321147626083;
constexpr double kI1Entropy = 4.26032114;

// A sum of X terms and its first and second theta derivatives (dX^n/dtheta = -n b X^n).
struct XSum {
    double v = 0.0, t = 0.0, tt = 0.0;
};

template <std::size_t N>
XSum sumX(const std::array<XTerm, N>& terms, const double* xp) noexcept {
    XSum s;
    for (const auto& term : terms) {
        const double c = term.B * xp[term.n];
        const double nb = term.n * kSmallB;
        s.v += c;
        s.t -= nb * c;
        s.tt += nb * nb * c;
    }
    return s;
}

// Adds -beta^mu S(theta) to zeta and its derivatives.
void addPowerTerm(GibbsTerms& g, const XSum& s, int mu, double beta, double betaPowMu) noexcept {
    g.zeta -= betaPowMu * s.v;
    g.zetaB -= mu * (betaPowMu / beta) * s.v;
    g.zetaT -= betaPowMu * s.t;
    g.zetaTT -= betaPowMu * s.tt;
}

// Adds -N(theta) / (beta^-x + E(theta)) to zeta and its derivatives.
void addQuotientTerm(GibbsTerms& g, const XSum& n, const XSum& e, int x, double beta, double betaPowMinusX) noexcept {
    const double d = betaPowMinusX + e.v;
    const double r = 1.0 / d;
    g.zeta -= n.v * r;
    g.zetaB -= n.v * x * (betaPowMinusX / beta) * r * r;
    g.zetaT -= (n.t - n.v * e.t * r) * r;
    g.zetaTT -= (n.tt - (2.0 * n.t * e.t + n.v * e.tt) * r + 2.0 * n.v * e.t * e.t * r * r) * r;
}

}  // namespace

void prepareSub2(IFC67Working& w) noexcept {
    const double th = w.theta;
    const double be = w.beta;
    const double lnTh = portable_math::log(th);

    // Powers X^0..X^54 by one multiplication chain.
    std::array<double, kMaxXPower + 1> xp{};
    xp[0] = 1.0;
    xp[1] = portable_math::exp(kSmallB * (1.0 - th));
    for (int i = 2; i <= kMaxXPower; ++i) xp[i] = xp[i - 1] * xp[1];

    const double be2 = be * be, be3 = be2 * be, be4 = be2 * be2, be5 = be4 * be;
    const double inv = 1.0 / be;
    const double inv4 = inv * inv * inv * inv;

    GibbsTerms& g = w.gibbs;
    g.idealT = kI1Entropy * portable_math::log(be);
    // B0 theta (1 - ln theta) + sum B0nu theta^(nu-1).
    const double poly = kB0nu[0] + th * (kB0nu[1] + th * (kB0nu[2] + th * (kB0nu[3] + th * kB0nu[4])));
    const double polyT = kB0nu[1] + th * (2.0 * kB0nu[2] + th * (3.0 * kB0nu[3] + th * 4.0 * kB0nu[4]));
    const double polyTT = 2.0 * kB0nu[2] + th * (6.0 * kB0nu[3] + th * 12.0 * kB0nu[4]);
    g.zeta = kB0 * th * (1.0 - lnTh) + poly;
    g.zetaB = kI1Volume * th * inv;
    g.zetaT = -kB0 * lnTh + polyT;
    g.zetaTT = -kB0 / th + polyTT;

    const double* x = xp.data();
    addPowerTerm(g, sumX(kMu1, x), 1, be, be);
    addPowerTerm(g, sumX(kMu2, x), 2, be, be2);
    addPowerTerm(g, sumX(kMu3, x), 3, be, be3);
    addPowerTerm(g, sumX(kMu4, x), 4, be, be4);
    addPowerTerm(g, sumX(kMu5, x), 5, be, be5);
    addQuotientTerm(g, sumX(kNum6, x), sumX(kDen6, x), 4, be, inv4);
    addQuotientTerm(g, sumX(kNum7, x), sumX(kDen7, x), 5, be, inv4 * inv);
    addQuotientTerm(g, sumX(kNum8, x), sumX(kDen8, x), 6, be, inv4 * inv * inv);

    // beta (beta / betaL)^10 sum B9nu X^nu = beta^11 f(theta) S9(theta), f = betaL^-10.
    XSum s9;
    for (int nu = 0; nu < 7; ++nu) {
        const double c = kB9[nu] * x[nu];
        const double nb = nu * kSmallB;
        s9.v += c;
        s9.t -= nb * c;
        s9.tt += nb * nb * c;
    }
    const double bl = kL0 + th * (kL1 + th * kL2);
    const double blT = kL1 + 2.0 * th * kL2;
    const double rl = 1.0 / bl;
    const double rl2 = rl * rl, rl4 = rl2 * rl2, rl8 = rl4 * rl4;
    const double f = rl8 * rl2;
    const double fT = -10.0 * f * rl * blT;
    const double fTT = 110.0 * f * rl2 * blT * blT - 20.0 * f * rl * kL2;
    const double q = be * be * be * be * be;  // beta^5
    const double be10 = q * q, be11 = be10 * be;
    g.zeta += be11 * f * s9.v;
    g.zetaB += 11.0 * be10 * f * s9.v;
    g.zetaT += be11 * (fT * s9.v + f * s9.t);
    g.zetaTT += be11 * (fTT * s9.v + 2.0 * fT * s9.t + f * s9.tt);
}

}  // namespace ifc67
