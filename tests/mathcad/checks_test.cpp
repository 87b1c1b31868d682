// The argument checks and the result rule of the Mathcad add-in.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "checks.h"

namespace {

using vapmcad::deliver;
using vapmcad::Message;
using vapmcad::unitSetFrom;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct UnitSetRow {
    double argument;
    bool accepted;
    std::int32_t unitSet;
};

// UnitSet argument: a whole number from 0 to 30 (sets 0..6, +8 IFC-67, +16 fast).
constexpr UnitSetRow unitSetRows[] = {
    {0.0, true, 0},
    {-0.0, true, 0},
    {1.0, true, 1},
    {7.0, true, 7},  // passes here; the library rejects set index 7
    {8.0, true, 8},
    {24.0, true, 24},
    {30.0, true, 30},  // the largest accepted value
    {30.000000000000004, false, 0},
    {31.0, false, 0},
    {32.0, false, 0},  // the library would take it, the add-in does not
    {1.5, false, 0},
    {0.1, false, 0},
    {29.999999999999996, false, 0},
    {-1.0, false, 0},
    {-0.5, false, 0},
    {-1e-300, false, 0},
    {nan, false, 0},
    {inf, false, 0},
    {-inf, false, 0},
};

TEST(UnitSetArgument, WholeNumbersFromZeroToThirty) {
    for (const UnitSetRow& row : unitSetRows) {
        const auto unitSet = unitSetFrom(row.argument);
        EXPECT_EQ(unitSet.has_value(), row.accepted) << row.argument;
        if (row.accepted && unitSet) {
            EXPECT_EQ(*unitSet, row.unitSet) << row.argument;
        }
    }
}

TEST(RealArguments, FirstComplexArgumentIsMarked) {
    const COMPLEXSCALAR real{100.0, 0.0};
    const COMPLEXSCALAR negativeZeroImag{100.0, -0.0};
    const COMPLEXSCALAR complex{100.0, 1.0};
    const COMPLEXSCALAR nanImag{100.0, nan};
    EXPECT_EQ(vapmcad::checkReal({&real, &negativeZeroImag, &real}), 0);
    EXPECT_EQ(vapmcad::checkReal({&complex, &complex, &complex}), 65539);
    EXPECT_EQ(vapmcad::checkReal({&real, &complex, &complex}), mcadError(3, 2));
    EXPECT_EQ(vapmcad::checkReal({&real, &real, &complex}), mcadError(3, 3));
    EXPECT_EQ(vapmcad::checkReal({&real, &nanImag}), mcadError(3, 2));
}

struct ResultRow {
    double result;
    McadResult error;  // 0: the result is handed back as the value
};

// The line between values and codes lies at -1000: every value the library returns is above it,
// including gauge pressures of set EngG down to about -14.7 psig.
constexpr ResultRow resultRows[] = {
    {3.2, 0},
    {0.0, 0},
    {-0.5, 0},
    {-1.0, 0},     // -1 itself is a value
    {-13.75, 0},   // a gauge pressure below -1 psig
    {-14.696, 0},  // absolute vacuum in psig
    {-999.999999, 0},
    {std::nextafter(-1000.0, 0.0), 0},
    {inf, 0},
    {-1000.0, 5},  // at the line: a code, "temperature too high"
    {-1099.0, 15},
    {-1700.0, 16},
    {-2000.0, 15},
    {-5100.0, 19},
    {nan, 15},
    {-inf, 15},
};

TEST(Result, ValuesAboveMinusThousandCodesAtOrBelow) {
    for (const ResultRow& row : resultRows) {
        COMPLEXSCALAR out{-7.0, 42.0};
        EXPECT_EQ(deliver(row.result, &out), row.error) << row.result;
        if (row.error == 0) {
            EXPECT_EQ(out.real, row.result) << row.result;
        } else {
            EXPECT_EQ(out.real, -7.0) << "a code leaves the output alone: " << row.result;
        }
        EXPECT_EQ(out.imag, 42.0) << "the imaginary part is never written";
    }
}

}  // namespace
