// ITS-90 / IPTS-68 conversion: D(t) reference values, the pieces' ranges, the shortcut at 273.15 K,
// the fixed-point inverse and its round limit.
#include "temperature_scale.h"

#include "tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vaprop {
namespace {

using test::kPrinted5;

struct DifferenceRow {
    double t;         // Celsius
    double expected;  // t90 - t68 in K
};

// Reference values of the scale difference as documented with the conversion (printed to five
// decimals; D(100) = -0.0261 is the normal boiling point's shift between the scales).
const DifferenceRow kDifferenceRows[] = {
    {100.0, -0.02610},
    {300.0, -0.03903},
    {630.0, -0.12527},
    {800.0, 0.33070},
    {1500.0, -0.43874},
};

TEST(ScaleDifference, ReferenceValues) {
    for (const DifferenceRow& row : kDifferenceRows) {
        EXPECT_NEAR(scaleDifference(row.t), row.expected, kPrinted5) << row.t;
    }
}

// t = 630 belongs to the lowest piece and the middle piece gives -0.11766 there: the pieces do not
// join. t = 1100 belongs to the highest piece.
TEST(ScaleDifference, PieceBoundaries) {
    EXPECT_NEAR(scaleDifference(630.0), -0.12527, kPrinted5);
    EXPECT_NEAR(scaleDifference(std::nextafter(630.0, 1000.0)), -0.11766, kPrinted5);
    const double high = scaleDifference(1100.0);
    const double middle = scaleDifference(std::nextafter(1100.0, 0.0));
    // The highest piece at 1100 C, written out by hand.
    const double t = 1100.0;
    const double byHand =
        1.11615385317107 +
        t * (-0.00291378206926537 + t * (2.49490094933556e-6 + t * (-1.06934732629808e-9 + t * 1.60256411306765e-13)));
    EXPECT_DOUBLE_EQ(high, byHand);
    EXPECT_GT(std::fabs(high - middle), 1e-3) << "the pieces also jump at 1100 C";
}

TEST(Its90ToIpts68, IcePointShortcutAndUpperLimit) {
    EXPECT_EQ(its90ToIpts68(273.15), 273.15);
    EXPECT_EQ(its90ToIpts68(2273.16), -1000.0);
    EXPECT_NE(its90ToIpts68(2273.15), -1000.0);
}

TEST(Its90ToIpts68, BoilingPoint) {
    EXPECT_NEAR(its90ToIpts68(373.15), 373.1761, 1e-4);  // T68 = T90 + 0.0261 K
}

// At the top of the range T68 lies above 2273.15 K, so the way back is refused by the input check of
// the exports (StmTempIT); the bare inverse says -1000 as well.
TEST(Its90ToIpts68, TopOfRangeMapsAboveTheLimit) {
    const double T68 = its90ToIpts68(2273.15);
    EXPECT_GT(T68, 2273.15);
    EXPECT_EQ(ipts68ToIts90(T68), -1000.0);
}

TEST(Ipts68ToIts90, IcePointShortcutAndUpperLimit) {
    const ScaleInverse ice = ipts68ToIts90Detailed(273.15);
    EXPECT_EQ(ice.T90, 273.15);
    EXPECT_EQ(ice.rounds, 0);
    EXPECT_EQ(ipts68ToIts90(2273.16), -1000.0);
}

// The inverse reproduces its input through the forward conversion over the whole range, except in
// the jumps of the forward function.
TEST(Ipts68ToIts90, RoundTripOverTheRange) {
    double worst = 0.0;
    for (double T90 = 273.2; T90 < 2260.0; T90 += 0.731) {
        const double t = T90 - 273.15;
        if (std::fabs(t - 630.0) < 0.5 || std::fabs(t - 1100.0) < 0.5) continue;
        const ScaleInverse back = ipts68ToIts90Detailed(its90ToIpts68(T90));
        ASSERT_TRUE(back.converged) << T90;
        ASSERT_LE(back.rounds, kInverseRounds);
        worst = std::fmax(worst, std::fabs(back.T90 - T90));
    }
    EXPECT_LT(worst, 1e-7);
}

// The top of the range: the iterates stay below T68, so the inverse never meets the -1000 of the
// forward function and returns a temperature.
TEST(Ipts68ToIts90, TopOfRangeIsATemperature) {
    const ScaleInverse top = ipts68ToIts90Detailed(2273.15);
    ASSERT_TRUE(top.converged);
    EXPECT_LT(top.T90, 2273.15);  // t90 - t68 is about -0.72 K at 2000 C
    EXPECT_NEAR(top.T90, 2273.15 + scaleDifference(2000.0), 1e-3);
    EXPECT_NEAR(its90ToIpts68(top.T90), 2273.15, 1e-7);
}

// Near t = 630 the pieces overlap and the iteration still meets its tolerance.
TEST(Ipts68ToIts90, ConvergesAroundTheOverlapAt630) {
    for (double T68 = 903.0; T68 < 903.4; T68 += 0.001) {
        EXPECT_TRUE(ipts68ToIts90Detailed(T68).converged) << T68;
    }
}

// In the jump of the forward function at t = 1100 (T68 from about 1373.4074 to 1373.4089 K) there is
// no fixed point: the iterate swings between two values, the 9 rounds run out, and the last iterate
// (round 9) is returned.
TEST(Ipts68ToIts90, RunsOutOfRoundsInTheJumpAt1100) {
    int exhausted = 0;
    for (double T68 = 1373.4076; T68 < 1373.4088; T68 += 0.0001) {
        const ScaleInverse r = ipts68ToIts90Detailed(T68);
        EXPECT_LE(r.rounds, kInverseRounds);
        if (r.converged) continue;
        ++exhausted;
        EXPECT_EQ(r.rounds, kInverseRounds) << T68;
        // The same 9 rounds written out.
        double a = T68;
        double last = T68;
        for (int i = 0; i < kInverseRounds; ++i) {
            last = T68 + (a - its90ToIpts68(a));
            a = last;
        }
        EXPECT_EQ(r.T90, last) << T68;
        // One more round would move it again: it has not converged.
        EXPECT_GE(std::fabs(T68 + (last - its90ToIpts68(last)) - last), kInverseTolerance) << T68;
    }
    EXPECT_GT(exhausted, 5);
}

}  // namespace
}  // namespace vaprop
