#include "number_format.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace calvex {
namespace {

// std::to_chars is exact like printf, but independent of the C locale.
std::string toChars(double x, int digits, std::chars_format fmt) {
    std::string buf(64 + static_cast<std::size_t>(digits), '\0');
    for (;;) {
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, fmt, digits);
        if (res.ec == std::errc{}) {
            buf.resize(static_cast<std::size_t>(res.ptr - buf.data()));
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

// "1.5e+05" -> "1.5e+005": at least three exponent digits.
void widenExponent(std::string& s) {
    const std::size_t e = s.find('e');
    if (e == std::string::npos || e + 1 >= s.size()) {
        return;
    }
    const std::size_t first = e + 2;  // after the exponent's sign
    const std::size_t count = s.size() - first;
    if (count < 3) {
        s.insert(first, 3 - count, '0');
    }
}

// A minus in front of a mantissa whose digits are all zero ("-0.00", "-0.0e+000") is dropped.
void dropNegativeZero(std::string& s) {
    if (s.empty() || s[0] != '-') {
        return;
    }
    const std::size_t end = s.find('e');
    const std::size_t stop = end == std::string::npos ? s.size() : end;
    for (std::size_t i = 1; i < stop; ++i) {
        if (s[i] != '0' && s[i] != '.') {
            return;
        }
    }
    s.erase(0, 1);
}

}  // namespace

std::string formatNumber(double x, int digits, NumberStyle style) {
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-inf" : "inf";
    }
    const int d = digits < 0 ? 0 : digits;
    std::string s;
    if (style == NumberStyle::Scientific) {
        s = toChars(x, d, std::chars_format::scientific);
        widenExponent(s);
    } else {
        s = toChars(x, d, std::chars_format::fixed);
    }
    dropNegativeZero(s);
    return s;
}

std::string formatValue(double internal, PropertyKind kind, DisplayFormat format) {
    if (!isPropertyValue(internal)) {
        return kNotAvailableText;
    }
    const NumberStyle style = formatStyle(format) == 1 ? NumberStyle::Scientific : NumberStyle::Fixed;
    return formatNumber(fromInternal(internal, kind, formatUnit(format)), formatDigits(format), style);
}

}  // namespace calvex
