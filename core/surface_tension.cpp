// Surface tension, IAPWS R1-76 (2014): sigma = B tau^mu (1 + b tau), tau = 1 - T/Tc.
// Valid along the whole saturation line from the triple point to the critical point; the release's
// table (0.01 mN/m) is the equation rounded.
#include "surface_tension.h"

#include "portable_math.h"
#include "properties.h"
#include "status.h"

namespace if97 {
namespace {

// IAPWS R1-76, the constants of the equation.
constexpr double kB = 235.8e-3;  // N/m
constexpr double kSmallB = -0.625;
constexpr double kMu = 1.256;
constexpr double kTriplePoint = 273.16;  // K
// 0.01 degC converted to kelvin (0.01 + 273.15) lies one rounding below 273.16: such a temperature
// is the triple point.
constexpr double kTriplePointRounding = 1e-9;  // K

}  // namespace

double surfaceTension(double T) noexcept {
    if (!(T >= kTriplePoint - kTriplePointRounding)) return static_cast<double>(status::TemperatureLow);
    if (T > kTc) return static_cast<double>(status::AboveCriticalTemperature);
    const double tau = 1.0 - T / kTc;
    if (tau == 0.0) return 0.0;
    return kB * portable_math::pow(tau, kMu) * (1.0 + kSmallB * tau);
}

}  // namespace if97
