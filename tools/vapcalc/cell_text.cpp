// Result texts shared by the one-point output and the batch rows.
#include "cell_text.h"

#include "error_codes.h"
#include "number_text.h"
#include "properties.h"

namespace vapcalc {

std::string codeText(double code) {
    if (code == kNotAvailable) return std::string(kNotAvailableText);
    if (const char* text = vapropErrorText(code)) return text;
    char digits[kNumberTextMax];
    return "error " + std::string(digits, formatNumber(code, kRoundTripDigits, digits));
}

void appendResult(std::string& out, double r, int digits) {
    if (isCode(r)) {
        out.append(codeText(r));
        return;
    }
    char text[kNumberTextMax];
    out.append(text, formatNumber(r, digits, text));
}

}  // namespace vapcalc
