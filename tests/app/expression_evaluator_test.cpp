// Expression entry of the IO boxes: values, syntax errors and their positions in the typed text.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expression_evaluator.h"

namespace calvex {
namespace {

// Tolerance tiers: results that are exact in binary, and results of one rounded operation.
constexpr double kExact = 0.0;
constexpr double kOneRounding = 1e-15;

struct ValueRow {
    const char* text;
    double expected;
    double tolerance;  // relative
};

// Expected values worked by hand from the grammar of expression_evaluator.h.
const ValueRow kValueRows[] = {
    {"2*3^2", 18.0, kExact},       // "^" binds the factor just before it
    {"2^3^2", 64.0, kExact},       // (2^3)^2
    {"-(2+3)", -5.0, kExact},      // sign applies to the group
    {"1e+5+1", 100001.0, kExact},  // the exponent's sign belongs to the number
    {"(1+2)*3", 9.0, kExact},
    {"2*-3", -6.0, kExact},  // a sign may follow a product operator
    {"2^(-1)", 0.5, kExact},
    {"1 000", 1000.0, kExact},  // blanks inside a number are removed
    {"  7  ", 7.0, kExact},
    {"10-2-3", 5.0, kExact},  // left to right
    {"8/2/2", 2.0, kExact},   // left to right
    {"8/2*2", 8.0, kExact},
    {"2*3^2*2", 36.0, kExact},
    {"+5", 5.0, kExact},
    {".5", 0.5, kExact},
    {"5.", 5.0, kExact},
    {"1.5E2", 150.0, kExact},
    {"((((3))))", 3.0, kExact},
    {"-(-(2))", 2.0, kExact},
    {"(2)^2", 4.0, kExact},
    {"-2^2", 4.0, kExact},  // the sign belongs to the factor that "^" raises
    {"2^0.5*2^0.5", 2.0000000000000004, kOneRounding},
    {"1/4*8", 2.0, kExact},
    {"3-(-2)", 5.0, kExact},
    {"1+(2*(3)+4)", 11.0, kExact},
    {"0.1+0.2", 0.30000000000000004, kOneRounding},
    {"100/3", 33.333333333333336, kOneRounding},
    {"2.5e-3*4", 0.01, kOneRounding},
};

TEST(ExpressionEvaluator, Values) {
    for (const ValueRow& row : kValueRows) {
        const EvalResult r = ExpressionEvaluator::evaluate(row.text);
        ASSERT_TRUE(r.ok) << row.text << " error at " << r.errorPos;
        EXPECT_NEAR(r.value, row.expected, std::abs(row.expected) * row.tolerance) << row.text;
    }
}

struct ErrorRow {
    const char* text;
    std::size_t position;  // index in the typed text
};

const ErrorRow kErrorRows[] = {
    // Operator order, parentheses and missing operands.
    {"2+-3", 2},  // no sign after a sign
    {"2^-1", 2},  // no sign after a power
    {"2(3)", 1},  // no group right after a number
    {")2", 0},    // leading closing parenthesis
    {"*2", 0},    // leading product operator (refused by the value pass)
    {"/2", 0},
    {"(2", 2},   // unclosed: at the text's length
    {"2+", 2},   // missing operand: at the text's length
    {"", 0},     // empty text
    {"   ", 3},  // only blanks: nothing left, end of the typed text
    {"abc", 0},  // not a number
    // Positions inside groups are counted in the whole text.
    {"((2)3)", 4},
    {"1+(2*(3)4)", 8},
    {"()", 1},
    {"(2)3", 3},
    // Positions count the blanks the user typed.
    {"2 ^ - 1", 4},
    {"2 + - 3", 4},
    {" ) ", 1},
    {"( 2 ", 4},
    // A number starts only at a digit or a point: no white space, names or hex floats.
    {"2+\t-3", 2},
    {"\t3", 0},
    {"inf", 0},
    {"nan", 0},
    {"2*inf", 2},
    {"0x10", 1},  // "0" is read, then "x" is not a number
    {"1e", 1},    // an exponent needs digits
    {"1e+", 1},
    {".", 0},
    {"2..5", 2},   // "2." then "." alone
    {"2.5.3", 3},  // "2.5" then ".3": two numbers in a row
    {"2))", 1},
    {"(2))", 3},
    {"2^^3", 2},
    {"2**3", 2},
    {"2,5", 1},  // the decimal point is "." whatever the locale
};

TEST(ExpressionEvaluator, ErrorPositions) {
    for (const ErrorRow& row : kErrorRows) {
        const EvalResult r = ExpressionEvaluator::evaluate(row.text);
        EXPECT_FALSE(r.ok) << '"' << row.text << "\" gave " << r.value;
        EXPECT_EQ(r.errorPos, row.position) << '"' << row.text << '"';
    }
}

TEST(ExpressionEvaluator, IeeeResultsAreNotErrors) {
    const EvalResult div0 = ExpressionEvaluator::evaluate("1/0");
    ASSERT_TRUE(div0.ok);
    EXPECT_TRUE(std::isinf(div0.value) && div0.value > 0);

    const EvalResult badPow = ExpressionEvaluator::evaluate("(-8)^0.5");
    ASSERT_TRUE(badPow.ok);
    EXPECT_TRUE(std::isnan(badPow.value));

    const EvalResult zeroZero = ExpressionEvaluator::evaluate("0/0");
    ASSERT_TRUE(zeroZero.ok);
    EXPECT_TRUE(std::isnan(zeroZero.value));
}

TEST(ExpressionEvaluator, NumbersOutOfRangeFollowStrtod) {
    const EvalResult big = ExpressionEvaluator::evaluate("1e400");
    ASSERT_TRUE(big.ok);
    EXPECT_TRUE(std::isinf(big.value) && big.value > 0);

    const EvalResult negBig = ExpressionEvaluator::evaluate("-1e99999999999999999999");
    ASSERT_TRUE(negBig.ok);
    EXPECT_TRUE(std::isinf(negBig.value) && negBig.value < 0);

    const EvalResult tiny = ExpressionEvaluator::evaluate("1e-400");
    ASSERT_TRUE(tiny.ok);
    EXPECT_EQ(tiny.value, 0.0);

    const EvalResult manyDigits = ExpressionEvaluator::evaluate(std::string(400, '9'));
    ASSERT_TRUE(manyDigits.ok);
    EXPECT_TRUE(std::isinf(manyDigits.value));

    const EvalResult smallDecimal = ExpressionEvaluator::evaluate("0." + std::string(400, '0') + "1e5");
    ASSERT_TRUE(smallDecimal.ok);
    EXPECT_EQ(smallDecimal.value, 0.0);

    const EvalResult max = ExpressionEvaluator::evaluate("1.7976931348623157e308");
    ASSERT_TRUE(max.ok);
    EXPECT_EQ(max.value, 1.7976931348623157e308);
}

TEST(ExpressionEvaluator, LongGroupHasNoLengthLimit) {
    // A group's inside far longer than 255 characters: 1+1+...+1 (1000 ones).
    std::string inner = "1";
    for (int i = 1; i < 1000; ++i) {
        inner += "+1";
    }
    const EvalResult r = ExpressionEvaluator::evaluate("2*(" + inner + ")");
    ASSERT_TRUE(r.ok) << r.errorPos;
    EXPECT_EQ(r.value, 2000.0);

    // An error far inside a long group is reported at its place in the whole text.
    const std::string bad = "(" + inner + "+)";
    const EvalResult e = ExpressionEvaluator::evaluate(bad);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.errorPos, bad.size() - 1);
}

TEST(ExpressionEvaluator, NestingDepthIsBounded) {
    const int limit = ExpressionEvaluator::kMaxDepth;
    const std::string ok =
        std::string(static_cast<std::size_t>(limit), '(') + "4" + std::string(static_cast<std::size_t>(limit), ')');
    const EvalResult r = ExpressionEvaluator::evaluate(ok);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value, 4.0);

    // One level deeper: refused at the "(" that goes beyond the limit.
    const std::string deep = std::string(static_cast<std::size_t>(limit + 1), '(') + "4" +
                             std::string(static_cast<std::size_t>(limit + 1), ')');
    const EvalResult d = ExpressionEvaluator::evaluate(deep);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.errorPos, static_cast<std::size_t>(limit));

    // A text of 100000 "(" cannot exhaust the stack.
    const EvalResult huge = ExpressionEvaluator::evaluate(std::string(100000, '('));
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.errorPos, static_cast<std::size_t>(limit));
}

TEST(ExpressionEvaluator, ScanNumberStopsWhereStrtodWould) {
    double v = 0.0;
    EXPECT_EQ(scanNumber("1e+5+1", 0, v), 4u);
    EXPECT_EQ(v, 100000.0);
    EXPECT_EQ(scanNumber("12.5e", 0, v), 4u);
    EXPECT_EQ(v, 12.5);
    EXPECT_EQ(scanNumber("x1", 0, v), 0u);
    EXPECT_EQ(scanNumber("x1", 1, v), 1u);
    EXPECT_EQ(scanNumber("-1", 0, v), 0u);  // signs are operators, not part of a number
}

}  // namespace
}  // namespace calvex
