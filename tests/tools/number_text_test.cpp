// Reading input numbers and writing results.
#include "number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vapcalc {
namespace {

struct ParseRow {
    std::string_view text;
    std::optional<double> expected;
};

const ParseRow kParseRows[] = {
    {"10", 10.0},
    {"+5", 5.0},
    {"-14.6959488", -14.6959488},
    {".5", 0.5},
    {"5.", 5.0},
    {"1e3", 1000.0},
    {"1E-3", 0.001},
    {"2.5e+2", 250.0},
    {"0", 0.0},
    {"", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {".", std::nullopt},
    {" 5", std::nullopt},  // blanks are the caller's business
    {"5 ", std::nullopt},
    {"5x", std::nullopt},
    {"abc", std::nullopt},
    {"nan", std::nullopt},
    {"NaN", std::nullopt},
    {"inf", std::nullopt},
    {"-infinity", std::nullopt},
    {"0x10", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"--5", std::nullopt},
    {"+-5", std::nullopt},
    {"1,5", std::nullopt},
    {"1e400", std::nullopt},  // beyond the largest double
};

TEST(NumberText, ParseRows) {
    for (const ParseRow& row : kParseRows) {
        EXPECT_EQ(parseFiniteNumber(row.text), row.expected) << "'" << row.text << "'";
    }
}

TEST(NumberText, ParsesTheLimitsOfADouble) {
    EXPECT_EQ(parseFiniteNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(parseFiniteNumber("-1.7976931348623157e308"), -std::numeric_limits<double>::max());
}

std::string format(double x, int digits) {
    char buf[kNumberTextMax];
    return std::string(buf, formatNumber(x, digits, buf));
}

TEST(NumberText, ShortestTextReadsBackAsTheSameDouble) {
    std::mt19937_64 rng(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    while (checked < 100000) {
        const std::uint64_t b = bits(rng);
        double x;
        std::memcpy(&x, &b, sizeof x);
        if (!std::isfinite(x)) continue;
        const std::string text = format(x, kRoundTripDigits);
        const std::optional<double> back = parseFiniteNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_EQ(std::memcmp(&*back, &x, sizeof x), 0) << text;
        ++checked;
    }
}

TEST(NumberText, ShortestTextOfPlainValues) {
    EXPECT_EQ(format(10.0, 0), "10");
    EXPECT_EQ(format(0.1, 0), "0.1");
    EXPECT_EQ(format(373.15000000000003, 0), "373.15000000000003");
    EXPECT_EQ(format(-2000.0, 0), "-2000");
    EXPECT_EQ(format(1e-7, 0), "1e-07");
}

TEST(NumberText, SignificantDigitsLikePercentG) {
    const double values[] = {3399.4699, 0.0011, 1.0 / 3.0, -14.6959488, 1e-7, 6.02e23, 123456789.0};
    for (double x : values) {
        for (int digits = 1; digits <= kMaxDigits; ++digits) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*g", digits, x);
            EXPECT_EQ(format(x, digits), expected) << x << " with " << digits;
        }
    }
}

TEST(NumberText, SeventeenDigitsAlwaysRoundTrip) {
    for (double x : {0.1, 1.0 / 3.0, 2675.5727837163186, 1e-300, 4.9e-324}) {
        EXPECT_EQ(parseFiniteNumber(format(x, 17)).value_or(-1.0), x);
    }
}

}  // namespace
}  // namespace vapcalc
