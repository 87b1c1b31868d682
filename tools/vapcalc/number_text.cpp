// Reading and writing numbers without locale or allocation (std::from_chars / std::to_chars).
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vapcalc {
namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal syntax only: from_chars alone would also take "inf", "nan" and "infinity".
bool decimalSyntax(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return false;
    }
    return i == t.size();
}

}  // namespace

std::optional<double> parseFiniteNumber(std::string_view text) noexcept {
    if (!decimalSyntax(text)) return std::nullopt;
    // from_chars takes a leading minus but no plus.
    if (text.front() == '+') text.remove_prefix(1);
    double x = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(x)) return std::nullopt;
    return x;
}

std::size_t formatNumber(double x, int digits, char* out) noexcept {
    char* const last = out + kNumberTextMax;
    const std::to_chars_result r =
        digits <= 0
            ? std::to_chars(out, last, x)
            : std::to_chars(out, last, x, std::chars_format::general, digits > kMaxDigits ? kMaxDigits : digits);
    return static_cast<std::size_t>(r.ptr - out);
}

}  // namespace vapcalc
