// The error-code table: every code with its text, and nothing else recognised as a code.
#include "error_codes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <set>
#include <string>

namespace {

struct CodeRow {
    double code;
    const char* text;
};

// The system's list of codes and texts, as documented for the library and shown by the add-ins.
const CodeRow kCodes[] = {
    {-1000, "temperature too high"},
    {-1099, "invalid unit set number"},
    {-1100, "temperature too low"},
    {-1200, "pressure too high"},
    {-1300, "pressure too low"},
    {-1500, "input value out of range"},
    {-1600, "internal error"},
    {-1700, "quality out of range"},
    {-1800, "pressure outside of saturation range"},
    {-1900, "temperature outside of saturation range"},
    {-2000, "internal error"},
    {-2100, "enthalpy too low"},
    {-2200, "enthalpy too high"},
    {-2300, "entropy too low"},
    {-2400, "entropy too high"},
    {-2500, "convergence error"},
    {-2600, "ambiguous state"},
    {-2700, "not available in the 1967 formulation"},
    {-3100, "unknown input pair"},
    {-3200, "unknown property name"},
    {-3300, "invalid count"},
    {-3400, "null pointer"},
    {-5100, "transport properties not available"},
};

TEST(ErrorCodes, EveryCodeHasItsText) {
    static_assert(std::size(kCodes) == VAPROP_ERROR_COUNT);
    for (const CodeRow& row : kCodes) {
        const char* text = vapropErrorText(row.code);
        ASSERT_NE(text, nullptr) << row.code;
        EXPECT_STREQ(text, row.text) << row.code;
        EXPECT_EQ(vapropIsErrorCode(row.code), 1) << row.code;
    }
}

TEST(ErrorCodes, TableOrderMatches) {
    for (int i = 0; i < VAPROP_ERROR_COUNT; ++i) EXPECT_EQ(vapropErrorCodeAt(i), kCodes[i].code) << i;
    EXPECT_EQ(vapropErrorCodeAt(-1), 0);
    EXPECT_EQ(vapropErrorCodeAt(VAPROP_ERROR_COUNT), 0);
}

TEST(ErrorCodes, NonCodesHaveNoText) {
    const double others[] = {0.0,
                             1.0,
                             -1.0,
                             -999.0,
                             -1000.5,
                             -1001.0,
                             -1400.0,
                             -2800.0,
                             -5000.0,
                             -5100.1,
                             2675.0,
                             -0.04,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double v : others) {
        EXPECT_EQ(vapropErrorText(v), nullptr) << v;
        EXPECT_EQ(vapropIsErrorCode(v), 0) << v;
    }
}

TEST(ErrorCodes, EnumMatchesTable) {
    EXPECT_EQ(VAPROP_TEMPERATURE_TOO_HIGH, -1000);
    EXPECT_EQ(VAPROP_INVALID_UNIT_SET, -1099);
    EXPECT_EQ(VAPROP_INPUT_OUT_OF_RANGE, -1500);
    EXPECT_EQ(VAPROP_PROPERTY_UNDEFINED, -2000);
    EXPECT_EQ(VAPROP_CONVERGENCE_ERROR, -2500);
    EXPECT_EQ(VAPROP_AMBIGUOUS_STATE, -2600);
    EXPECT_EQ(VAPROP_NOT_IN_IFC67, -2700);
    EXPECT_EQ(VAPROP_TRANSPORT_UNAVAILABLE, -5100);
    EXPECT_EQ(VAPROP_CODE_LIMIT, -1000.0);
}

}  // namespace
