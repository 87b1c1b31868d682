// The window-free IO box: conversions, formatting setters and evaluation of typed text.
#include <gtest/gtest.h>

#include <limits>

#include "io_box_model.h"

namespace calvex {
namespace {

constexpr double kConversion = 1e-12;  // relative tier for one multiply/divide with an offset

TEST(IOBoxModel, SetValueInConvertsButKeepsCodes) {
    IOBoxModel box(PropertyKind::Temperature, makeFormat(2, 0, 3));
    box.setValueIn(100.0, 3);  // deg C
    EXPECT_NEAR(box.value(), 373.15, 373.15 * kConversion);
    EXPECT_EQ(box.displayText(), "100.00");
    EXPECT_NEAR(box.valueIn(1), 212.0, 212.0 * kConversion);

    box.setValueIn(-20.0, 3);  // a code: stored unchanged
    EXPECT_EQ(box.value(), -20.0);
    EXPECT_EQ(box.displayText(), "Not Available ");

    box.setValueIn(-0.5, 3);  // above -1: a value, -0.5 deg C
    EXPECT_NEAR(box.value(), 272.65, 272.65 * kConversion);
}

TEST(IOBoxModel, SettersFormatAgainAndClampDigits) {
    IOBoxModel box(PropertyKind::Pressure, makeFormat(2, 0, 0));
    box.setRawValue(0.101325);
    EXPECT_EQ(box.displayText(), "0.10");
    box.setDigits(4);
    EXPECT_EQ(box.displayText(), "0.1013");
    box.setUnit(4);
    EXPECT_EQ(box.displayText(), "1.0000");
    box.setStyle(1);
    EXPECT_EQ(box.displayText(), "1.0000e+000");
    box.setDigits(9);
    EXPECT_EQ(box.digits(), 8);
    box.setDigits(-1);
    EXPECT_EQ(box.digits(), 0);
    EXPECT_EQ(box.displayText(), "1e+000");
    EXPECT_EQ(box.format(), makeFormat(0, 1, 4));
    box.setFormat(makeFormat(2, 0, 2));
    EXPECT_EQ(box.displayText(), "0.00");  // psig of one atmosphere, no minus sign
}

TEST(IOBoxModel, SetAllForFormatterUse) {
    IOBoxModel f;
    f.setAll(1.0, PropertyKind::Volume, makeFormat(1, 0, 3));
    EXPECT_EQ(f.displayText(), "1000.0");
    f.setAll(-20.0, PropertyKind::Volume, makeFormat(1, 0, 3));
    EXPECT_EQ(f.displayText(), "Not Available ");
    EXPECT_FALSE(f.changed());
}

TEST(IOBoxModel, EvaluateReadsTheDisplayUnit) {
    IOBoxModel box(PropertyKind::Temperature, makeFormat(2, 0, 3));
    box.setRawValue(300.0);
    const EvalReport r = box.evaluate("50*2");
    ASSERT_EQ(r.outcome, EvalOutcome::NewValue);
    EXPECT_NEAR(box.value(), 373.15, 373.15 * kConversion);
    EXPECT_TRUE(box.changed());
    EXPECT_EQ(box.expressionText(), "50*2");
    EXPECT_EQ(box.displayText(), "100.00");

    // The display text itself is not a change.
    EXPECT_EQ(box.evaluate("100.00").outcome, EvalOutcome::Unchanged);
    EXPECT_TRUE(box.changed());

    // An error keeps value and expression and gives the position.
    const EvalReport e = box.evaluate("2 ^ - 1");
    EXPECT_EQ(e.outcome, EvalOutcome::Error);
    EXPECT_EQ(e.errorPos, 4u);
    EXPECT_NEAR(box.value(), 373.15, 373.15 * kConversion);
    EXPECT_EQ(box.expressionText(), "50*2");

    // An emptied box is an error at 0 and keeps its value.
    const EvalReport empty = box.evaluate("");
    EXPECT_EQ(empty.outcome, EvalOutcome::Error);
    EXPECT_EQ(empty.errorPos, 0u);
    EXPECT_NEAR(box.value(), 373.15, 373.15 * kConversion);

    // Setting a value clears the changed marker but keeps the expression for recall.
    box.setRawValue(400.0);
    EXPECT_FALSE(box.changed());
    EXPECT_EQ(box.expressionText(), "50*2");
}

TEST(IOBoxModel, ValuesFromADamagedFileStillFormat) {
    // Format words and values are taken from files unchecked: any of them must give a text.
    IOBoxModel box(PropertyKind::Volume, 0xFFFF);  // 15 digits, style 15 (fixed), unit 255
    box.setRawValue(1e308);
    EXPECT_EQ(box.displayText().size(), 309u + 1u + 15u);
    box.setRawValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(box.displayText(), "nan");
    box.setRawValue(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(box.displayText(), "0.000000000000000");
}

TEST(IOBoxModel, ReadOnlyBoxReportsUnchanged) {
    IOBoxModel box(PropertyKind::Volume, makeFormat(4, 0, 0));
    box.setReadOnly(true);
    EXPECT_EQ(box.evaluate("12").outcome, EvalOutcome::Unchanged);
    EXPECT_EQ(box.value(), 0.0);
}

TEST(IOBoxModel, TypedMinusValueBecomesACode) {
    // -5 MPa typed is stored as -5 and shows as a code would.
    IOBoxModel box(PropertyKind::Pressure, makeFormat(2, 0, 0));
    ASSERT_EQ(box.evaluate("-5").outcome, EvalOutcome::NewValue);
    EXPECT_EQ(box.value(), -5.0);
    EXPECT_EQ(box.displayText(), "Not Available ");
}

}  // namespace
}  // namespace calvex
