// IF97 boundary between regions 2 and 3: pB23(T) (IF97 Eq. 5) and TB23(p)
// (IF97 Eq. 6), coefficients of IF97 Table 1.
#include "b23.h"

#include <cmath>

namespace if97 {
namespace {

// IF97 Table 1: n1, n2, n3, n4; the constant of Eq. 6 is written 13.91883977886
// and 1/n3 as 981.0683207562179.
constexpr double kN1 = 0.34805185628969e3;
constexpr double kN2 = -0.11671859879975e1;
constexpr double kN3 = 0.10192970039326e-2;
constexpr double kN4 = 0.57254459862746e3;
constexpr double kN5 = 13.91883977886;
constexpr double kInvN3 = 981.0683207562179;

}  // namespace

double pB23(double T) noexcept { return kN1 + kN2 * T + kN3 * T * T; }

double TB23(double p) noexcept { return kN4 + std::sqrt((p - kN5) * kInvN3); }

}  // namespace if97
