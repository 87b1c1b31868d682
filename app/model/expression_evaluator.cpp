#include "expression_evaluator.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace calvex {
namespace {

constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Value of a decimal literal that std::from_chars reports out of range: infinity when its
// magnitude is above one, zero otherwise (an underflow), as strtod gives.
double outOfRangeValue(std::string_view lit) noexcept {
    long long intDigits = 0;
    long long lead = -1;
    long long index = 0;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < lit.size() && (isDigit(lit[i]) || lit[i] == '.'); ++i) {
        if (lit[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) {
            ++intDigits;
        }
        if (lead < 0 && lit[i] != '0') {
            lead = index;
        }
        ++index;
    }
    if (lead < 0) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < lit.size()) {  // 'e' or 'E'
        ++i;
        bool negative = false;
        if (i < lit.size() && (lit[i] == '+' || lit[i] == '-')) {
            negative = lit[i] == '-';
            ++i;
        }
        for (; i < lit.size(); ++i) {
            if (exponent < 1'000'000'000LL) {
                exponent = exponent * 10 + (lit[i] - '0');
            }
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    return (intDigits - lead + exponent > 0) ? std::numeric_limits<double>::infinity() : 0.0;
}

enum OperatorClass : unsigned {
    kSign = 1,
    kProduct = 2,
    kPower = 4,
    kOpen = 8,
    kClose = 16,
};

// Pass 2 over the blank-free text; positions are indices into that text.
class ValueParser {
  public:
    ValueParser(std::string_view s, const std::vector<std::size_t>& match) : s_(s), match_(match) {}

    bool parse(double& value) {
        value = expression(s_.size());
        return !failed_;
    }
    std::size_t failPos() const { return failPos_; }

  private:
    void fail(std::size_t at) {
        if (!failed_) {
            failed_ = true;
            failPos_ = at;
        }
    }

    // An expression that must fill the text up to `end`.
    double expression(std::size_t end) {
        double v = term(end);
        while (!failed_ && pos_ < end && (s_[pos_] == '+' || s_[pos_] == '-')) {
            const bool minus = s_[pos_] == '-';
            ++pos_;
            const double t = term(end);
            v = minus ? v - t : v + t;
        }
        if (!failed_ && pos_ != end) {
            fail(pos_);
        }
        return v;
    }

    double term(std::size_t end) {
        double acc = 0.0;
        bool haveAcc = false;
        char pending = '*';
        double cur = factor(end);
        while (!failed_) {
            const char c = pos_ < end ? s_[pos_] : '\0';
            if (c == '^') {
                ++pos_;
                const double exponent = factor(end);
                cur = std::pow(cur, exponent);
                continue;
            }
            acc = !haveAcc ? cur : (pending == '*' ? acc * cur : acc / cur);
            haveAcc = true;
            if (c == '*' || c == '/') {
                pending = c;
                ++pos_;
                cur = factor(end);
                continue;
            }
            break;
        }
        return acc;
    }

    double factor(std::size_t end) {
        bool negative = false;
        if (pos_ < end && (s_[pos_] == '+' || s_[pos_] == '-')) {
            negative = s_[pos_] == '-';
            ++pos_;
        }
        double v = 0.0;
        if (pos_ < end && s_[pos_] == '(') {
            const std::size_t close = match_[pos_];
            if (close >= end) {
                fail(pos_);
                return 0.0;
            }
            ++pos_;
            v = expression(close);  // the group's inside, as a text of its own
            if (failed_) {
                return 0.0;
            }
            pos_ = close + 1;
        } else {
            const std::size_t len = pos_ < end ? scanNumber(s_.substr(0, end), pos_, v) : 0;
            if (len == 0) {
                fail(pos_);
                return 0.0;
            }
            pos_ += len;
        }
        return negative ? -v : v;
    }

    std::string_view s_;
    const std::vector<std::size_t>& match_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::size_t failPos_ = 0;
};

}  // namespace

std::size_t scanNumber(std::string_view text, std::size_t pos, double& value) noexcept {
    std::size_t j = pos;
    std::size_t digits = 0;
    while (j < text.size() && isDigit(text[j])) {
        ++j;
        ++digits;
    }
    if (j < text.size() && text[j] == '.') {
        ++j;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
            ++k;
        }
        if (k < text.size() && isDigit(text[k])) {
            while (k < text.size() && isDigit(text[k])) {
                ++k;
            }
            j = k;
        }
    }
    const std::string_view lit = text.substr(pos, j - pos);
    double v = 0.0;
    const auto res = std::from_chars(lit.data(), lit.data() + lit.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        v = outOfRangeValue(lit);
    } else if (res.ec != std::errc{} || res.ptr != lit.data() + lit.size()) {
        return 0;
    }
    value = v;
    return j - pos;
}

EvalResult ExpressionEvaluator::evaluate(std::string_view text) {
    // Blank-free text and, for each of its characters, the index in the typed text.
    std::string s;
    std::vector<std::size_t> origin;
    s.reserve(text.size());
    origin.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') {
            s.push_back(text[i]);
            origin.push_back(i);
        }
    }
    const auto typedPos = [&](std::size_t p) { return p < origin.size() ? origin[p] : text.size(); };
    const auto error = [&](std::size_t p) { return EvalResult{false, 0.0, typedPos(p)}; };

    // Pass 1: syntax, and the matching ")" of every "(".
    std::vector<std::size_t> match(s.size(), s.size());
    std::vector<std::size_t> open;
    unsigned allowed = kSign | kProduct | kOpen;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const int depth = static_cast<int>(open.size());
        if (c == '(') {
            if (!(allowed & kOpen) || depth >= kMaxDepth) {
                return error(i);
            }
            open.push_back(i);
            allowed = kSign | kOpen | kClose;
        } else if (c == ')') {
            if (!(allowed & kClose)) {
                return error(i);
            }
            match[open.back()] = i;
            open.pop_back();
            allowed = depth == 1 ? (kSign | kProduct | kPower) : (kSign | kProduct | kClose | kPower);
        } else if (c == '*' || c == '/') {
            if (!(allowed & kProduct)) {
                return error(i);
            }
            allowed = kSign | kOpen;
        } else if (c == '+' || c == '-') {
            if (!(allowed & kSign)) {
                return error(i);
            }
            allowed = kOpen;
        } else if (c == '^') {
            if (!(allowed & kPower)) {
                return error(i);
            }
            allowed = kOpen;
        } else {
            double ignored = 0.0;
            const std::size_t len = scanNumber(s, i, ignored);
            if (len == 0) {
                return error(i);
            }
            i += len - 1;
            allowed = depth > 0 ? (kSign | kProduct | kClose | kPower) : (kSign | kProduct | kPower);
        }
    }
    if (!open.empty()) {
        return EvalResult{false, 0.0, text.size()};
    }

    // Pass 2: value.
    ValueParser parser(s, match);
    double value = 0.0;
    if (!parser.parse(value)) {
        return error(parser.failPos());
    }
    return EvalResult{true, value, 0};
}

}  // namespace calvex
