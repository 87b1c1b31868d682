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
    0.11670521452767e4,  -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5,
    -0.32325550322333e7, 0.14915108613530e2,  -0.48232657361591e4, 0.40511340542057e6,
    -0.23855557567849,   0.65017534844798e3,
};
static_assert(kTable34.size() == 10);

constexpr double n(int i) noexcept { return kTable34[static_cast<std::size_t>(i - 1)]; }

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
