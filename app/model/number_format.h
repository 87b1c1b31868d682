// Display text of a property value.
//
// Numbers follow the printf conversions %.Nf and %.Ne, with the scientific form carrying a
// three-digit exponent ("1.50e+005") on every platform. The text does not depend on the C
// locale and has no length limit (1e308 in fixed style is over 300 characters).
#pragma once

#include <string>

#include "display_format.h"
#include "property_table.h"

namespace calvex {

inline constexpr const char* kNotAvailableText = "Not Available ";

// printf-style text of `x` with `digits` after the point; a result that shows as zero never
// carries a minus sign ("-0.00" reads "0.00"). NaN prints "nan", infinities "inf"/"-inf".
std::string formatNumber(double x, int digits, NumberStyle style);

// Text of an internal value shown with `format` for a property of `kind`:
// "Not Available " for -1 or less, otherwise the number in the format's unit, digits, style.
std::string formatValue(double internal, PropertyKind kind, DisplayFormat format);

}  // namespace calvex
