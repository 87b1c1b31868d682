// Tolerance tiers and comparison helpers of the core tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace if97::test {

// Verification tables print 9 significant digits: a value reproduces the table
// when it rounds to the printed number.
inline constexpr int kPrintedDigits = 9;
// Relative agreement of two evaluations of the same equation (round trips,
// the same state reached by two routes).
inline constexpr double kSameEquation = 1e-12;
// Relative agreement of a round trip through a closed-form inverse (the
// saturation line Eq. 30 against Eq. 31).
inline constexpr double kRoundTrip = 1e-9;
// Pressure tolerance of the region 3 density search (MPa).
inline constexpr double kDensitySearchPressure = 1e-9;
// Permissible inconsistencies of IF97 at region boundaries (IAPWS-IF97
// release, consistency requirements): relative v, absolute h (kJ/kg),
// absolute s (kJ/(kg K)).
inline constexpr double kBoundaryVolume = 5e-4;
inline constexpr double kBoundaryEnthalpy = 0.2;
inline constexpr double kBoundaryEntropy = 2e-4;
// Relative agreement with transport values from other sources (the IAPWS 2008
// and 2011 formulations, handbook values): the 1985 industrial equations
// differ from them by up to about 1.5 %.
inline constexpr double kOtherFormulation = 2e-2;

// True when value rounds to the printed number of significant digits.
inline ::testing::AssertionResult matchesPrinted(double value, double printed, int digits = kPrintedDigits) {
    const double scale = std::pow(10.0, std::floor(std::log10(std::fabs(printed))) - (digits - 1));
    const double diff = std::fabs(value - printed);
    if (diff <= 0.5 * scale * (1.0 + 1e-9)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << value << " does not round to " << printed << " (" << digits
                                         << " digits, difference " << diff << ")";
}

inline ::testing::AssertionResult relativelyNear(double value, double expected, double tolerance) {
    const double rel = std::fabs(value - expected) / std::fabs(expected);
    if (rel <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << value << " vs " << expected << ": relative difference " << rel << " above "
                                         << tolerance;
}

}  // namespace if97::test
