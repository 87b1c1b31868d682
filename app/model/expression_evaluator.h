// Arithmetic expressions typed into an IO box.
//
// Blanks (the space character only) are removed; a syntax pass checks the order of operators,
// numbers and parentheses, then a recursive-descent pass computes the value:
//   expression: term { ("+" | "-") term }
//   term:       factor { ("*" | "/") factor | "^" factor }   -- "^" raises the factor just before it
//   factor:     [ "+" | "-" ] ( "(" expression ")" | number )
// A number starts only at a digit or a decimal point: digits [ "." digits ] [ e|E [+|-] digits ].
// Division by zero and invalid powers give the IEEE results.
//
// Every error position is an index into the text as typed (blanks included); an error at the end
// of the text is reported at the text's length.
#pragma once

#include <cstddef>
#include <string_view>

namespace calvex {

struct EvalResult {
    bool ok = false;
    double value = 0.0;
    std::size_t errorPos = 0;  // index of the offending character in the typed text
};

class ExpressionEvaluator {
  public:
    // Deepest parenthesis nesting accepted; a "(" beyond it is an error at that "(".
    static constexpr int kMaxDepth = 64;

    static EvalResult evaluate(std::string_view text);
};

// Length of the number that starts at `text[pos]` (0 when none starts there); its value in `value`.
std::size_t scanNumber(std::string_view text, std::size_t pos, double& value) noexcept;

}  // namespace calvex
