// The unit-set argument on its own: names and flags, numbers, and the default from the value of
// the workbook name StmBaseUnits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "unit_set.h"

namespace vapxl {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextRow {
    std::string text;
    std::optional<std::int32_t> set;  // nullopt: refused
};

// Rows from the documented unit-set syntax (names tried METF down to ENG, flags O +8 and S +16).
const std::vector<TextRow> kTextRows = {
    // the documented examples
    {"SI", 1},
    {" si o", 9},
    {"EngGo", 10},
    {"METFS", 22},
    {"SIKOS", 28},
    {"S", std::nullopt},
    {"Engineering", 0},
    {"SIFO", 11},
    {"METo", 13},
    {"SIS", 17},
    // every name in both cases
    {"ENG", 0},
    {"eng", 0},
    {"SI", 1},
    {"si", 1},
    {"ENGG", 2},
    {"engg", 2},
    {"SIF", 3},
    {"sif", 3},
    {"SIK", 4},
    {"sik", 4},
    {"MET", 5},
    {"met", 5},
    {"METF", 6},
    {"metf", 6},
    // flags: anywhere after the name, repeated letters count once, other characters ignored
    {"SIo", 9},
    {"SIs", 17},
    {"SIos", 25},
    {"SI oo ss", 25},
    {"EngS", 16},
    {"Eng O S", 24},
    {"METF-o/s", 30},
    {"SIF xyz", 3},
    {"Eng?", 0},
    // leading blanks only
    {"   METF", 6},
    {" ", std::nullopt},
    {"", std::nullopt},
    {"\tSI", std::nullopt},
    // too short or unknown
    {"E", std::nullopt},
    {"EN", std::nullopt},
    {"M", std::nullopt},
    {"ME", std::nullopt},
    {"XSI", std::nullopt},
    {"o", std::nullopt},
    // the longer name wins where two share a start
    {"SIFK", 3},
    {"SIKF", 4},
    {"METFF", 6},
    {"ENGGG", 2},
};

TEST(UnitSetText, RowsGiveTheirSets) {
    for (const TextRow& row : kTextRows) EXPECT_EQ(unitSetFromText(row.text), row.set) << '"' << row.text << '"';
}

TEST(UnitSetText, LongestCountedTextIsRead) {
    const std::string longText = std::string(200, ' ') + "metf" + std::string(50, ' ') + "S";
    ASSERT_EQ(longText.size(), 255u);
    EXPECT_EQ(unitSetFromText(longText), 22);
}

struct NumberRow {
    double x;
    std::optional<std::int32_t> set;
};

// Accepted when -1 < x < 128 on the double, then truncated toward zero.
const std::vector<NumberRow> kNumberRows = {
    {0, 0},
    {3, 3},
    {3.9, 3},
    {-0.5, 0},
    {-0.999999, 0},
    {127, 127},
    {127.99, 127},
    {32, 32},
    {40, 40},
    {-1, std::nullopt},
    {128, std::nullopt},
    {65539, std::nullopt},
    {-65535, std::nullopt},
    {65536, std::nullopt},
    {1e10, std::nullopt},
    {2147483648.0, std::nullopt},
    {-2147483649.0, std::nullopt},
    {kInf, std::nullopt},
    {-kInf, std::nullopt},
    {kNaN, std::nullopt},
};

TEST(UnitSetNumber, RowsGiveTheirSets) {
    for (const NumberRow& row : kNumberRows) EXPECT_EQ(unitSetFromNumber(row.x), row.set) << row.x;
}

XLOPER number(double x) {
    XLOPER op{};
    op.xltype = xltypeNum;
    op.val.num = x;
    return op;
}

XLOPER ofType(XLWORD type) {
    XLOPER op{};
    op.xltype = type;
    return op;
}

TEST(UnitSetOper, NumbersAndTextsAreReadOtherTypesRefused) {
    EXPECT_EQ(unitSetFromOper(number(4.5)), 4);
    char counted[] = "\x04SIKo";
    XLOPER text{};
    text.xltype = xltypeStr;
    text.val.str = counted;
    EXPECT_EQ(unitSetFromOper(text), 12);
    // The length byte bounds the text: "SIK" of "SIKo" with length 3.
    counted[0] = 3;
    EXPECT_EQ(unitSetFromOper(text), 4);
    text.val.str = nullptr;
    EXPECT_EQ(unitSetFromOper(text), std::nullopt);
    for (const XLWORD type : {xltypeBool,
                              xltypeErr,
                              xltypeNil,
                              xltypeMissing,
                              xltypeMulti,
                              xltypeInt,
                              xltypeSRef,
                              xltypeRef,
                              xltypeFlow,
                              xltypeBigData})
        EXPECT_EQ(unitSetFromOper(ofType(type)), std::nullopt) << type;
}

TEST(UnitSetOper, OwnershipBitsDoNotHideTheType) {
    XLOPER op = number(1);
    op.xltype |= xlbitXLFree;
    EXPECT_EQ(unitSetFromOper(op), 1);
}

TEST(DefaultUnitSet, NumberInRangeElseZero) {
    const XLOPER one = number(1), frac = number(5.7), big = number(300), wrap = number(65537), neg = number(-0.2),
                 nan = number(kNaN);
    EXPECT_EQ(defaultUnitSetFrom(&one), 1);
    EXPECT_EQ(defaultUnitSetFrom(&frac), 5);
    EXPECT_EQ(defaultUnitSetFrom(&big), 0);
    EXPECT_EQ(defaultUnitSetFrom(&wrap), 0);
    EXPECT_EQ(defaultUnitSetFrom(&neg), 0);
    EXPECT_EQ(defaultUnitSetFrom(&nan), 0);
    const XLOPER err = ofType(xltypeErr), str = ofType(xltypeStr);
    EXPECT_EQ(defaultUnitSetFrom(&err), 0);
    EXPECT_EQ(defaultUnitSetFrom(&str), 0);
    EXPECT_EQ(defaultUnitSetFrom(nullptr), 0);
}

}  // namespace
}  // namespace vapxl
