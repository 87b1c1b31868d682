// Named tolerance tiers of the vaprop32 tests.
#ifndef VAPROP_TESTS_LIB_TOLERANCE_H
#define VAPROP_TESTS_LIB_TOLERANCE_H

#include <cmath>

namespace vaprop::test {

// A converted value against the same conversion written out by hand: a few units in the last place
// (212 F is 373.15000000000003 K, not 373.15, so exact equality is not the contract).
inline constexpr double kFewUlps = 8.0;

// Reference values printed to five decimals.
inline constexpr double kPrinted5 = 5e-6;

// Values printed to four decimals.
inline constexpr double kPrinted4 = 5e-5;

// Relative closeness in units of the larger magnitude's epsilon.
inline bool withinUlps(double a, double b, double ulps) {
    if (a == b) return true;
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= ulps * scale * 2.220446049250313e-16;
}

}  // namespace vaprop::test

#endif
