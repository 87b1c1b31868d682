// The text of one result: a number, "not available", or the error text of the library's table.
#ifndef VAPCALC_CELL_TEXT_H
#define VAPCALC_CELL_TEXT_H

#include <string>
#include <string_view>

namespace vapcalc {

inline constexpr std::string_view kNotAvailableText = "not available";

// The text of a code (a result at or below -1000): "not available" for the library's marker of a
// property not defined for the state, else the table's text, else "error <code>".
std::string codeText(double code);

// Appends the text of a result: the number with `digits` (see formatNumber), or its code text.
void appendResult(std::string& out, double r, int digits);

}  // namespace vapcalc

#endif
