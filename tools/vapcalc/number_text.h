// Numbers as text: reading one input number, writing one result.
#ifndef VAPCALC_NUMBER_TEXT_H
#define VAPCALC_NUMBER_TEXT_H

#include <cstddef>
#include <optional>
#include <string_view>

namespace vapcalc {

// The whole text must be one decimal number (optional sign, digits, point, exponent); blanks,
// trailing characters, hexadecimal, "inf" and "nan" are refused, and so is a number too large for a
// double. Returns the value or nullopt.
std::optional<double> parseFiniteNumber(std::string_view text) noexcept;

// Longest text formatNumber writes (sign, 17 digits, point, exponent), with room to spare.
inline constexpr std::size_t kNumberTextMax = 32;

// Shortest text that reads back as the same double.
inline constexpr int kRoundTripDigits = 0;
inline constexpr int kMaxDigits = 17;

// Writes x into out (at least kNumberTextMax characters) and returns the length. digits 0: the
// shortest text that reads back to the same double; 1 to 17: that many significant digits, in the
// manner of printf's %g.
std::size_t formatNumber(double x, int digits, char* out) noexcept;

}  // namespace vapcalc

#endif
