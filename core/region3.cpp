// IF97 region 3: phi = n1 ln delta + sum n delta^I tau^J (IF97 Eq. 28, Table 30)
// and the properties of IF97 Table 31.
#include "region3.h"

#include <array>
#include <cmath>

#include "portable_math.h"
#include "power_sum.h"
#include "status.h"

namespace if97 {
namespace {

using detail::Term;

// IF97 Table 30, row 1: the coefficient of ln delta (no exponents).
constexpr double kN1 = 0.10658070028513e1;

// IF97 Table 30, rows 2 .. 40: I, J, n.
constexpr std::array<Term, 39> kTable30 = {{
    {0, 0, -0.15732845290239e2},   {0, 1, 0.20944396974307e2},    {0, 2, -0.76867707878716e1},
    {0, 7, 0.26185947787954e1},    {0, 10, -0.28080781148620e1},  {0, 12, 0.12053369696517e1},
    {0, 23, -0.84566812812502e-2}, {1, 2, -0.12654315477714e1},   {1, 6, -0.11524407806681e1},
    {1, 15, 0.88521043984318},     {1, 17, -0.64207765181607},    {2, 0, 0.38493460186671},
    {2, 2, -0.85214708824206},     {2, 6, 0.48972281541877e1},    {2, 7, -0.30502617256965e1},
    {2, 22, 0.39420536879154e-1},  {2, 26, 0.12558408424308},     {3, 0, -0.27999329698710},
    {3, 2, 0.13899799569460e1},    {3, 4, -0.20189915023570e1},   {3, 16, -0.82147637173963e-2},
    {3, 26, -0.47596035734923},    {4, 0, 0.43984074473500e-1},   {4, 2, -0.44476435428739},
    {4, 4, 0.90572070719733},      {4, 26, 0.70522450087967},     {5, 1, 0.10770512626332},
    {5, 3, -0.32913623258954},     {5, 26, -0.50871062041158},    {6, 0, -0.22175400873096e-1},
    {6, 2, 0.94260751665092e-1},   {6, 26, 0.16436278447961},     {7, 2, -0.13503372241348e-1},
    {8, 26, -0.14834345352472e-1}, {9, 2, 0.57922953628084e-3},   {9, 26, 0.32308904703711e-2},
    {10, 0, 0.80964802996215e-4},  {10, 1, -0.16557679795037e-3}, {11, 26, -0.44923899061815e-4},
}};
static_assert(kTable30.size() + 1 == 40);
static_assert([] {
    for (const Term& t : kTable30) {
        if (t.I < 0 || t.I > 11) return false;
    }
    return true;
}());

// The reduced derivatives delta^a tau^b d^(a+b)phi / d delta^a d tau^b.
struct ScaledHelmholtz {
    double f;   // phi
    double d;   // delta phi_delta
    double dd;  // delta^2 phi_deltadelta
    double t;   // tau phi_tau
    double tt;  // tau^2 phi_tautau
    double dt;  // delta tau phi_deltatau
};

ScaledHelmholtz scaledHelmholtz(double delta, double tau, int need) noexcept {
    ScaledHelmholtz r{};
    double b[kTable30.size()];
    detail::powerTerms<kTable30>(delta, 0.0, tau, 0.0, b);
    if (need & kNeedValue) r.f = kN1 * portable_math::log(delta) + detail::scaledDerivative<kTable30, 0, 0>(b);
    if (need & kNeedD1) r.d = kN1 + detail::scaledDerivative<kTable30, 1, 0>(b);
    if (need & kNeedD11) r.dd = -kN1 + detail::scaledDerivative<kTable30, 2, 0>(b);
    if (need & kNeedD2) r.t = detail::scaledDerivative<kTable30, 0, 1>(b);
    if (need & kNeedD22) r.tt = detail::scaledDerivative<kTable30, 0, 2>(b);
    if (need & kNeedD12) r.dt = detail::scaledDerivative<kTable30, 1, 1>(b);
    return r;
}

}  // namespace

HelmholtzDerivatives region3Helmholtz(double delta, double tau, int need) noexcept {
    HelmholtzDerivatives d{};
    if (need == 0) return d;
    const ScaledHelmholtz r = scaledHelmholtz(delta, tau, need);
    const double idelta = 1.0 / delta;
    const double itau = 1.0 / tau;
    if (need & kNeedValue) d.f = r.f;
    if (need & kNeedD1) d.fd = r.d * idelta;
    if (need & kNeedD11) d.fdd = r.dd * (idelta * idelta);
    if (need & kNeedD2) d.ft = r.t * itau;
    if (need & kNeedD22) d.ftt = r.tt * (itau * itau);
    if (need & kNeedD12) d.fdt = r.dt * (idelta * itau);
    return d;
}

namespace {

template <std::size_t... K>
void isothermCoefficients(double tau, double* d, std::index_sequence<K...>) noexcept {
    ((d[kTable30[K].I] += static_cast<double>(kTable30[K].I) * kTable30[K].n * detail::upow<kTable30[K].J>(tau)), ...);
}

}  // namespace

Region3Isotherm::Region3Isotherm(double T) noexcept : rt_(kR * T * 0.001), d_{} {
    isothermCoefficients(kTc / T, d_, std::make_index_sequence<kTable30.size()>{});
}

double Region3Isotherm::pressure(double v) const noexcept {
    const double rho = 1.0 / v;
    const double delta = rho * kRegion3DeltaPerRho;
    // delta phi_delta = n1 + delta (d1 + d2 delta + ... + d11 delta^10), in Estrin's
    // scheme so the products of one level run side by side.
    const double delta2 = delta * delta;
    const double delta4 = delta2 * delta2;
    const double delta8 = delta4 * delta4;
    const double q0 = d_[1] + d_[2] * delta;
    const double q1 = d_[3] + d_[4] * delta;
    const double q2 = d_[5] + d_[6] * delta;
    const double q3 = d_[7] + d_[8] * delta;
    const double q4 = d_[9] + d_[10] * delta;
    const double r0 = q0 + q1 * delta2;
    const double r1 = q2 + q3 * delta2;
    const double r2 = q4 + d_[11] * delta2;
    const double sum = (r0 + r1 * delta4) + r2 * delta8;
    return rho * rt_ * (kN1 + delta * sum);
}

double Region3Isotherm::pressure(double v, double& dpdv) const noexcept {
    const double rho = 1.0 / v;
    const double delta = rho * kRegion3DeltaPerRho;
    // P = n1 + sum d_I delta^I gives p = rho RT P; rho dp/drho = rho RT (n1 + sum (I + 1) d_I delta^I).
    const double delta2 = delta * delta;
    const double delta4 = delta2 * delta2;
    const double delta8 = delta4 * delta4;
    const double q0 = d_[1] + d_[2] * delta;
    const double q1 = d_[3] + d_[4] * delta;
    const double q2 = d_[5] + d_[6] * delta;
    const double q3 = d_[7] + d_[8] * delta;
    const double q4 = d_[9] + d_[10] * delta;
    const double r0 = q0 + q1 * delta2;
    const double r1 = q2 + q3 * delta2;
    const double r2 = q4 + d_[11] * delta2;
    const double sum = (r0 + r1 * delta4) + r2 * delta8;
    const double e0 = 2.0 * d_[1] + 3.0 * d_[2] * delta;
    const double e1 = 4.0 * d_[3] + 5.0 * d_[4] * delta;
    const double e2 = 6.0 * d_[5] + 7.0 * d_[6] * delta;
    const double e3 = 8.0 * d_[7] + 9.0 * d_[8] * delta;
    const double e4 = 10.0 * d_[9] + 11.0 * d_[10] * delta;
    const double f0 = e0 + e1 * delta2;
    const double f1 = e2 + e3 * delta2;
    const double f2 = e4 + 12.0 * d_[11] * delta2;
    const double slopeSum = (f0 + f1 * delta4) + f2 * delta8;
    const double prt = rho * rt_;
    dpdv = -rho * prt * (kN1 + delta * slopeSum);
    return prt * (kN1 + delta * sum);
}

double region3Pressure(double T, double v) noexcept { return Region3Isotherm(T).pressure(v); }

Region3Derivatives region3Derivatives(double v, double T, bool withEntropy) noexcept {
    const double rho = 1.0 / v;
    const int need = kNeedD1 | kNeedD11 | kNeedD2 | kNeedD22 | kNeedD12 | (withEntropy ? kNeedValue : 0);
    const ScaledHelmholtz r = scaledHelmholtz(rho * kRegion3DeltaPerRho, kTc / T, need);
    const double RT = kR * T;
    Region3Derivatives d{};
    d.p = rho * RT * r.d * 0.001;
    d.h = RT * (r.t + r.d);
    // At constant T, d/dv = -rho^2 d/drho and delta d/ddelta of (delta phi_delta, tau phi_tau) is
    // (delta phi_delta + delta^2 phi_deltadelta, delta tau phi_deltatau); at constant v,
    // d/dT = -(tau/T) d/dtau.
    d.dpdv = -rho * rho * RT * (2.0 * r.d + r.dd) * 0.001;
    d.dhdv = -rho * RT * (r.dt + r.d + r.dd);
    d.dpdT = rho * kR * (r.d - r.dt) * 0.001;
    d.dhdT = kR * (r.d - r.tt - r.dt);
    if (withEntropy) {
        d.s = kR * (r.t - r.f);
        d.dsdv = -rho * kR * (r.dt - r.d);
        d.dsdT = -kR * r.tt / T;
    }
    return d;
}

void region3(double v, double T, int mask, Properties& out) noexcept {
    const int need = helmholtzNeeds(mask);
    if (need == 0) return;
    const double rho = 1.0 / v;
    const ScaledHelmholtz r = scaledHelmholtz(rho * kRegion3DeltaPerRho, kTc / T, need);
    const double RT = kR * T;
    if (mask & kMaskP) out.p = rho * RT * r.d * 0.001;
    if (mask & kMaskH) out.h = RT * (r.t + r.d);
    if (mask & kMaskS) out.s = kR * (r.t - r.f);
    if (mask & (kMaskCp | kMaskW)) {
        const double a = r.d - r.dt;
        const double b = 2.0 * r.d + r.dd;
        if (mask & kMaskCp) {
            const double cp = kR * (-r.tt + a * a / b);
            out.cp = cp < 0.0 ? kNotDefined : cp;
        }
        if (mask & kMaskW) {
            const double w2 = 1000.0 * RT * (b - a * a / r.tt);
            out.w = w2 > 0.0 ? std::sqrt(w2) : kNotDefined;
        }
    }
}

}  // namespace if97
