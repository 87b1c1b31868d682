// Backward equations T(p,h) and T(p,s) of regions 1 and 2 against the IF97 verification tables.
// The verification values are the backward equations' own output (not the temperatures of the basic
// equations), so the raw equations must reproduce them to all nine printed digits.
#include <gtest/gtest.h>

#include <cmath>

#include "backward_region1.h"
#include "backward_region2.h"

namespace if97 {
namespace {

// Nine printed significant digits: half a unit in the ninth digit, relative.
constexpr double kNineDigits = 5e-9;

struct BackwardRow {
    double p;         // MPa
    double y;         // h in kJ/kg or s in kJ/(kg K)
    double expected;  // K
    char sub;         // expected sub-region of region 2 ('1' for region 1 rows)
};

double relErr(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

// IF97 Table 7.
constexpr BackwardRow kTable7[] = {
    {3.0, 500.0, 0.391798509e3, '1'},
    {80.0, 500.0, 0.378108626e3, '1'},
    {80.0, 1500.0, 0.611041229e3, '1'},
};

// IF97 Table 9.
constexpr BackwardRow kTable9[] = {
    {3.0, 0.5, 0.307842258e3, '1'},
    {80.0, 0.5, 0.309979785e3, '1'},
    {80.0, 3.0, 0.565899909e3, '1'},
};

// IF97 Table 24.
constexpr BackwardRow kTable24[] = {
    {0.001, 3000.0, 0.534433241e3, 'a'},
    {3.0, 3000.0, 0.575373370e3, 'a'},
    {3.0, 4000.0, 0.101077577e4, 'a'},
    {5.0, 3500.0, 0.801299102e3, 'b'},
    {5.0, 4000.0, 0.101531583e4, 'b'},
    {25.0, 3500.0, 0.875279054e3, 'b'},
    {40.0, 2700.0, 0.743056411e3, 'c'},
    {60.0, 2700.0, 0.791137067e3, 'c'},
    {60.0, 3200.0, 0.882756860e3, 'c'},
};

// IF97 Table 29.
constexpr BackwardRow kTable29[] = {
    {0.1, 7.5, 0.399517097e3, 'a'},
    {0.1, 8.0, 0.514127081e3, 'a'},
    {2.5, 8.0, 0.103984917e4, 'a'},
    {8.0, 6.0, 0.600484040e3, 'b'},
    {8.0, 7.5, 0.106495556e4, 'b'},
    {90.0, 6.0, 0.103801126e4, 'b'},
    {20.0, 5.75, 0.697992849e3, 'c'},
    {80.0, 5.25, 0.854011484e3, 'c'},
    {80.0, 5.75, 0.949017998e3, 'c'},
};

TEST(BackwardEquations, Region1ThTable7) {
    for (const auto& r : kTable7)
        EXPECT_LT(relErr(backwardEquationT1ph(r.p, r.y), r.expected), kNineDigits) << r.p << " " << r.y;
}

TEST(BackwardEquations, Region1TsTable9) {
    for (const auto& r : kTable9)
        EXPECT_LT(relErr(backwardEquationT1ps(r.p, r.y), r.expected), kNineDigits) << r.p << " " << r.y;
}

TEST(BackwardEquations, Region2ThTable24) {
    for (const auto& r : kTable24) {
        EXPECT_EQ(subregion2ph(r.p, r.y), r.sub) << r.p << " " << r.y;
        EXPECT_LT(relErr(backwardEquationT2ph(r.p, r.y), r.expected), kNineDigits) << r.p << " " << r.y;
    }
}

TEST(BackwardEquations, Region2TsTable29) {
    for (const auto& r : kTable29) {
        EXPECT_EQ(subregion2ps(r.p, r.y), r.sub) << r.p << " " << r.y;
        EXPECT_LT(relErr(backwardEquationT2ps(r.p, r.y), r.expected), kNineDigits) << r.p << " " << r.y;
    }
}

// IF97 text after Eq. 21: the B2bc check point (h = 3516.004323 kJ/kg at p = 100 MPa).
TEST(BackwardEquations, B2bcCheckPoint) {
    EXPECT_LT(relErr(pB2bc(0.3516004323e4), 100.0), kNineDigits);
    EXPECT_LT(relErr(hB2bc(100.0), 0.3516004323e4), 5e-10);
}

// At exactly 4 MPa the 2a equations are used, for both T(p,h) and T(p,s).
TEST(BackwardEquations, FourMegapascalsIsSubregion2a) {
    EXPECT_EQ(subregion2ph(4.0, 3000.0), 'a');
    EXPECT_EQ(subregion2ps(4.0, 6.5), 'a');
    EXPECT_EQ(backwardEquationT2ph(4.0, 3000.0), backwardEquationT2aph(4.0, 3000.0));
    EXPECT_EQ(backwardEquationT2ps(4.0, 6.5), backwardEquationT2aps(4.0, 6.5));
    // Just above 4 MPa every enthalpy is 2b: pB2bc(h) never falls below 4.5258 MPa (Table 19, n5).
    EXPECT_EQ(subregion2ph(std::nextafter(4.0, 5.0), 3000.0), 'b');
    EXPECT_EQ(subregion2ps(std::nextafter(4.0, 5.0), 6.5), 'b');
}

// The 2b/2c choice of T(p,s) is s = 5.85 kJ/(kg K) exactly.
TEST(BackwardEquations, EntropySplitOf2bAnd2c) {
    EXPECT_EQ(subregion2ps(10.0, 5.85), 'b');
    EXPECT_EQ(subregion2ps(10.0, std::nextafter(5.85, 0.0)), 'c');
}

}  // namespace
}  // namespace if97
