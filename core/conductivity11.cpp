// Thermal conductivity, IAPWS R15-11: lambda/(1e-3 W/(m K)) = lambda0(Tr) lambda1(Tr, rhor) +
// lambda2(Tr, rhor), Tr = T/647.096 K, rhor = rho/322 kg/m3. The critical enhancement lambda2 takes
// cp, cv and (d rho/d p)_T of IF97, and the reference term zeta(TR, rhor) from the industrial
// correlation. Uncertainty 1 % to 6 % depending on the state.
#include "conductivity11.h"

#include <array>
#include <cmath>

#include "portable_math.h"

namespace if97 {
namespace {

constexpr double kTref = 647.096;    // K
constexpr double kRhoref = 322.0;    // kg/m3
constexpr double kPref = 22.064;     // MPa
constexpr double kLambdaref = 1e-3;  // W/(m K)
constexpr double kMuref = 1e-6;      // Pa s
constexpr double kR = 0.46151805;    // kJ/(kg K), the IAPWS-95 value the enhancement is written with

// R15-11 Table 1: L0 .. L4 of lambda0 = sqrt(Tr) / sum Lk / Tr^k.
constexpr std::array<double, 5> kTable1 = {2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};
static_assert(kTable1.size() == 5);

// R15-11 Table 2: Lij of lambda1 = exp(rhor sum Lij (1/Tr - 1)^i (rhor - 1)^j), rows i = 0 .. 4,
// columns j = 0 .. 5.
// clang-format off
constexpr std::array<std::array<double, 6>, 5> kTable2 = {{
    {1.60397357,  -0.646013523, 0.111443906,  0.102997357,  -0.0504123634, 0.00609859258},
    {2.33771842,  -2.78843778,  1.53616167,   -0.463045512, 0.0832827019,  -0.00719201245},
    {2.19650529,  -4.54580785,  3.55777244,   -1.40944978,  0.275418278,   -0.0205938816},
    {-1.21051378, 1.60812989,   -0.621178141, 0.0716373224, 0.0,           0.0},
    {-2.7203370,  4.57586331,   -3.18369245,  1.1168348,    -0.19268305,   0.012913842},
}};
// clang-format on
static_assert(kTable2.size() == 5 && kTable2[0].size() == 6);

// R15-11 Table 3: constants of the critical enhancement.
constexpr double kLambda = 177.8514;
constexpr double kQD = 1.0 / 0.40;  // 1/nm
constexpr double kNu = 0.630;
constexpr double kGamma = 1.239;
constexpr double kXi0 = 0.13;  // nm
constexpr double kGamma0 = 0.06;
constexpr double kTrR = 1.5;

// R15-11, the industrial correlation of zeta(TR, rhor) = 1 / sum_i Aij rhor^i: columns j = 0 .. 4,
// each for a range of rhor (upper bounds below), rows i = 0 .. 5.
constexpr std::array<double, 4> kZetaColumnTop = {0.310559006, 0.776397516, 1.242236025, 1.863354037};
// clang-format off
constexpr std::array<std::array<double, 5>, 6> kZetaA = {{
    {6.53786807199516,  6.52717759281799,  5.35500529896124,  1.55225959906681,   1.11999926419994},
    {-5.61149954923348, -6.30816983387575, -3.96415689925446, 0.464621290821181,  0.595748562571649},
    {3.39624167361325,  8.08379285492595,  8.91990208918795,  8.93237374861479,   9.88952565078920},
    {-2.27492629730878, -9.82240510197603, -12.0338729505790, -11.0321960061126,  -10.3255051147040},
    {10.2631854662709,  12.1358413791395,  9.19494865194302,  6.16780999933360,   4.66861294457414},
    {1.97815050331519,  -5.54349664571295, -2.16866274479712, -0.965458722086812, -0.503243546373828},
}};
// clang-format on
static_assert(kZetaA.size() == 6 && kZetaA[0].size() == 5);

constexpr double kPi = 3.141592653589793;

// arctan y for y >= 0 from the four operations and the square root only, so that every build gives
// the same bits: y > 1 by pi/2 - arctan(1/y), then two halvings of the angle
// (arctan t = 2 arctan(t / (1 + sqrt(1 + t^2)))) to t <= tan(pi/16) = 0.199, then the series to t^23
// (the remainder is below 1e-17 relative).
double arctan(double y) noexcept {
    bool complement = false;
    if (y > 1.0) {
        y = 1.0 / y;
        complement = true;
    }
    double t = y;
    for (int k = 0; k < 2; ++k) t = t / (1.0 + std::sqrt(1.0 + t * t));
    const double t2 = t * t;
    double series = 0.0;
    for (int n = 23; n >= 1; n -= 2) series = 1.0 / n - t2 * series;
    const double a = 4.0 * t * series;
    return complement ? 0.5 * kPi - a : a;
}

double zetaReference(double rhor) noexcept {
    std::size_t j = 0;
    while (j < kZetaColumnTop.size() && rhor > kZetaColumnTop[j]) ++j;
    double sum = 0.0;
    for (std::size_t i = kZetaA.size(); i-- > 0;) sum = sum * rhor + kZetaA[i][j];
    return 1.0 / sum;
}

}  // namespace

double conductivity11Background(double T, double rho) noexcept {
    const double tr = T / kTref;
    const double rhor = rho / kRhoref;
    const double itr = 1.0 / tr;
    const double l0 =
        std::sqrt(tr) / (kTable1[0] + itr * (kTable1[1] + itr * (kTable1[2] + itr * (kTable1[3] + itr * kTable1[4]))));
    const double a = itr - 1.0;
    const double b = rhor - 1.0;
    double sum = 0.0;
    for (std::size_t i = kTable2.size(); i-- > 0;) {
        const auto& row = kTable2[i];
        sum = sum * a + (row[0] + b * (row[1] + b * (row[2] + b * (row[3] + b * (row[4] + b * row[5])))));
    }
    return kLambdaref * l0 * portable_math::exp(rhor * sum);
}

double conductivity11(const ConductivityInputs& in, double mu) noexcept {
    const double tr = in.T / kTref;
    const double rhor = in.rho / kRhoref;
    const double background = conductivity11Background(in.T, in.rho);
    // zeta = (p*/rho*) (d rho/d p)_T at the state and, from the correlation, at TR.
    const double zeta = kPref / kRhoref * in.drhodp;
    double dchi = rhor * (zeta - zetaReference(rhor) * kTrR / tr);
    if (!(dchi > 0.0)) return background;
    const double xi = kXi0 * portable_math::pow(dchi / kGamma0, kNu / kGamma);
    const double y = kQD * xi;
    if (y < 1.2e-7) return background;
    const double kappa = in.cp / in.cv;
    const double cpr = in.cp / kR;
    const double z = 2.0 / (kPi * y) *
                     (((1.0 - 1.0 / kappa) * arctan(y) + y / kappa) -
                      (1.0 - portable_math::exp(-1.0 / (1.0 / y + y * y / (3.0 * rhor * rhor)))));
    const double lambda2 = kLambda * rhor * cpr * tr * z / (mu / kMuref);
    return background + kLambdaref * lambda2;
}

}  // namespace if97
