// IF97 region 4: saturation pressure (IF97 Eq. 30) and saturation temperature
// (IF97 Eq. 31) from the implicit quadratic of Eq. 29.
#include "saturation.h"

#include <array>
#include <cmath>

#include "properties.h"
#include "status.h"

namespace if97 {
namespace {

// IF97 Table 34: n1 .. n10.
constexpr std::array<double, 10> kTable34 = {
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
};
static_assert(kTable34.size() == 10);

constexpr double n(int i) noexcept { return kTable34[static_cast<std::size_t>(i - 1)]; }

// Saturation pressure (MPa, IF97 Eq. 30) at the nodes T_k = 273.15 K + 25 K * k.
// The saturation pressure rises with T, so psat(T_k) <= psat(T) <= psat(T_k+1)
// for T between two nodes; the margin covers the rounding of the nodes and of
// the equation.
constexpr double kNodeT0 = 273.15;
constexpr double kNodeStepInverse = 1.0 / 25.0;
constexpr std::array<double, 15> kNodePressure = {
    0.00061121267744434539,  // 273.15 K
    0.0031697468549523673,   // 298.15 K
    0.012351270434023367,    // 323.15 K
    0.038595362686556833,    // 348.15 K
    0.10141797792131028,     // 373.15 K
    0.23222418268006881,     // 398.15 K
    0.47610138108149175,     // 423.15 K
    0.89244747767434685,     // 448.15 K
    1.5546718682698253,      // 473.15 K
    2.549424949355533,       // 498.15 K
    3.9759390708353246,      // 523.15 K
    5.9462611797993512,      // 548.15 K
    8.5877083295572643,      // 573.15 K
    12.050521561788599,      // 598.15 K
    16.529164252604509,      // 623.15 K
};
static_assert(kNodePressure.size() == 15);
constexpr double kNodeMargin = 1e-12;  // relative

}  // namespace

double saturationPressure(double T) noexcept {
    // The critical point is returned exactly rather than through the equation.
    if (T == kTc) return kPc;
    if (T > kTc) return static_cast<double>(status::AboveCriticalTemperature);
    const double theta = T + n(9) / (T - n(10));
    const double A = (theta + n(1)) * theta + n(2);
    const double B = (n(3) * theta + n(4)) * theta + n(5);
    const double C = (n(6) * theta + n(7)) * theta + n(8);
    const double r = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double r2 = r * r;
    return r2 * r2;
}

bool aboveSaturationPressure(double p, double T) noexcept {
    const double u = (T - kNodeT0) * kNodeStepInverse;
    if (u >= 0.0 && u < static_cast<double>(kNodePressure.size() - 1)) {
        const auto k = static_cast<std::size_t>(u);
        if (p > kNodePressure[k + 1] * (1.0 + kNodeMargin)) return true;
        if (p < kNodePressure[k] * (1.0 - kNodeMargin)) return false;
    }
    return p > saturationPressure(T);
}

double saturationTemperature(double p) noexcept {
    if (p == kPc) return kTc;
    if (p > kPc) return static_cast<double>(status::AboveCriticalPressure);
    const double beta = std::sqrt(std::sqrt(p));
    const double E = (beta + n(3)) * beta + n(6);
    const double F = (n(1) * beta + n(4)) * beta + n(7);
    const double G = (n(2) * beta + n(5)) * beta + n(8);
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double nd = n(10) + D;
    return 0.5 * (nd - std::sqrt(nd * nd - 4.0 * (n(9) + n(10) * D)));
}

}  // namespace if97
