// The IO box as a widget: typing, leaving the box, the marker, widening, errors and recall.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "io_box.h"

namespace calvex {
namespace {

constexpr double kConversion = 1e-12;  // relative tier for a unit conversion

// A window with a temperature box (deg C, 2 digits) and its marker, a read-only box and a
// button to move the focus to.
class IOBoxWidget : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.setFixedSize(400, 200);
        box_ = new CIOBox(PropertyKind::Temperature, makeFormat(2, 0, 3), &window_);
        box_->setGeometry(10, 10, 100, 24);
        marker_ = new QLabel(QStringLiteral("*"), &window_);
        marker_->setGeometry(115, 10, 10, 24);
        box_->attach(&flags_, marker_);
        box_->setRawValue(300.0);
        other_ = new CIOBox(PropertyKind::Volume, makeFormat(4, 0, 0), &window_);
        other_->setGeometry(10, 50, 100, 24);
        other_->makeReadOnly();
        other_->attach(&flags_);
        button_ = new QPushButton(QStringLiteral("Compute"), &window_);
        button_->setGeometry(10, 90, 100, 24);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // Replaces the box's text by typing, as the user would.
    void type(const QString& text) {
        focus(box_);
        box_->selectAll();
        QTest::keyClick(box_, Qt::Key_Delete);
        QTest::keyClicks(box_, text);
    }

    void leave() {
        focus(button_);
        QApplication::processEvents();
    }

    QWidget window_;
    EditFlags flags_;
    CIOBox* box_ = nullptr;
    QLabel* marker_ = nullptr;
    CIOBox* other_ = nullptr;
    QPushButton* button_ = nullptr;
};

TEST_F(IOBoxWidget, ShowsTheFormattedValue) {
    EXPECT_EQ(box_->text(), QStringLiteral("26.85"));
    EXPECT_FALSE(marker_->isVisible());
    box_->setRawValue(-20.0);
    EXPECT_EQ(box_->text(), QStringLiteral("Not Available "));
    box_->setValueIn(212.0, 1);  // deg F
    EXPECT_EQ(box_->text(), QStringLiteral("100.00"));
    box_->setDigits(9);
    EXPECT_EQ(box_->digits(), 8);
    EXPECT_EQ(box_->text(), QStringLiteral("100.00000000"));
}

TEST_F(IOBoxWidget, GainingFocusSelectsEverything) {
    focus(box_);
    EXPECT_EQ(box_->selectedText(), QStringLiteral("26.85"));
}

TEST_F(IOBoxWidget, TypingThenLeavingEvaluates) {
    type(QStringLiteral("50*2"));
    EXPECT_TRUE(flags_.editInProgress);
    EXPECT_FALSE(flags_.recomputeNeeded);
    leave();
    EXPECT_FALSE(flags_.editInProgress);
    EXPECT_TRUE(flags_.recomputeNeeded);
    EXPECT_NEAR(box_->value(), 373.15, 373.15 * kConversion);
    EXPECT_EQ(box_->text(), QStringLiteral("100.00"));
    EXPECT_EQ(box_->expressionText(), QStringLiteral("50*2"));
    EXPECT_TRUE(box_->changed());
    EXPECT_TRUE(marker_->isVisible());

    // Restoring the display hides the marker.
    box_->restoreDisplay();
    EXPECT_FALSE(box_->changed());
    EXPECT_FALSE(marker_->isVisible());
    EXPECT_EQ(box_->text(), QStringLiteral("100.00"));
}

TEST_F(IOBoxWidget, LeavingWithoutChangeIsNoNewValue) {
    focus(box_);
    leave();
    EXPECT_FALSE(flags_.recomputeNeeded);
    EXPECT_FALSE(box_->changed());
    EXPECT_EQ(box_->value(), 300.0);
}

TEST_F(IOBoxWidget, ErrorSelectsTheCharacterAndKeepsTheValue) {
    type(QStringLiteral("2 ^ - 1"));
    leave();
    QApplication::processEvents();
    EXPECT_TRUE(box_->hasFocus());  // the box took the focus back
    EXPECT_EQ(box_->text(), QStringLiteral("2 ^ - 1"));
    EXPECT_EQ(box_->selectionStart(), 4);  // the "-" of the typed text
    EXPECT_EQ(box_->selectedText(), QStringLiteral("-"));
    EXPECT_EQ(box_->value(), 300.0);
    EXPECT_FALSE(flags_.recomputeNeeded);
    EXPECT_FALSE(box_->changed());
}

TEST_F(IOBoxWidget, EmptiedBoxIsAnErrorAtTheStart) {
    type(QString());
    EXPECT_EQ(box_->evaluate(), EvalOutcome::Error);
    EXPECT_TRUE(box_->hasFocus());
    EXPECT_EQ(box_->cursorPosition(), 0);
    EXPECT_EQ(box_->value(), 300.0);
}

TEST_F(IOBoxWidget, FifteenthCharacterWidensOnceAndLeavingRestores) {
    const QRect before = box_->geometry();
    type(QStringLiteral("1+1+1+1+1+1+1"));  // 13 characters
    EXPECT_FALSE(box_->isWidened());
    QTest::keyClick(box_, Qt::Key_Plus);  // 14
    EXPECT_EQ(box_->width(), before.width());
    QTest::keyClick(box_, Qt::Key_1);  // 15: widened
    EXPECT_TRUE(box_->isWidened());
    EXPECT_EQ(box_->width(), 2 * before.width());
    EXPECT_EQ(box_->geometry().topLeft(), before.topLeft());
    QTest::keyClick(box_, Qt::Key_Plus);  // 16: not again
    QTest::keyClick(box_, Qt::Key_1);
    EXPECT_EQ(box_->width(), 2 * before.width());
    leave();
    EXPECT_FALSE(box_->isWidened());
    EXPECT_EQ(box_->geometry(), before);
    EXPECT_NEAR(box_->valueIn(3), 9.0, 9.0 * kConversion);
}

TEST_F(IOBoxWidget, RecallExpressionEvaluatesAgainInTheShownUnit) {
    EXPECT_FALSE(box_->recallExpression());  // nothing typed yet
    type(QStringLiteral("40+60"));
    leave();
    ASSERT_NEAR(box_->valueIn(3), 100.0, 100.0 * kConversion);
    box_->setRawValue(280.0);  // a computation replaced the value
    box_->setUnit(1);          // now shown in deg F
    focus(box_);
    ASSERT_TRUE(box_->recallExpression());
    EXPECT_EQ(box_->text(), QStringLiteral("40+60"));
    EXPECT_TRUE(box_->hasFocus());
    EXPECT_TRUE(box_->selectedText().isEmpty());
    EXPECT_EQ(box_->cursorPosition(), 5);
    flags_.recomputeNeeded = false;
    leave();
    EXPECT_TRUE(flags_.recomputeNeeded);
    EXPECT_NEAR(box_->valueIn(1), 100.0, 100.0 * kConversion);  // 100 deg F this time
    EXPECT_EQ(box_->text(), QStringLiteral("100.00"));
}

TEST_F(IOBoxWidget, ReadOnlyBoxIgnoresTyping) {
    focus(other_);
    QTest::keyClicks(other_, QStringLiteral("123"));
    leave();
    EXPECT_EQ(other_->value(), 0.0);
    EXPECT_EQ(other_->text(), QStringLiteral("0.0000"));
    EXPECT_FALSE(flags_.recomputeNeeded);
}

TEST_F(IOBoxWidget, FormattingWhileFocusedIsNotTyping) {
    focus(box_);
    box_->setDigits(3);
    EXPECT_FALSE(flags_.editInProgress);
    EXPECT_EQ(box_->text(), QStringLiteral("26.850"));
}

TEST_F(IOBoxWidget, SignalOnNewValue) {
    int entered = 0;
    QObject::connect(box_, &CIOBox::valueEntered, [&entered] { ++entered; });
    type(QStringLiteral("1 000"));
    leave();
    EXPECT_EQ(entered, 1);
    EXPECT_NEAR(box_->value(), 1273.15, 1273.15 * kConversion);
}

TEST_F(IOBoxWidget, AdjustDigitsEvaluatesTypedTextFirstAndKeepsTheCaretAtTheEnd) {
    box_->setDigits(0);
    focus(box_);
    box_->end(false);
    box_->adjustDigits(+1);
    EXPECT_EQ(box_->text(), QStringLiteral("26.9"));
    EXPECT_EQ(box_->cursorPosition(), 4);  // moved by 2: a point and a digit were added

    type(QStringLiteral("10+5"));
    box_->adjustDigits(+1);
    EXPECT_TRUE(box_->changed());
    EXPECT_EQ(box_->text(), QStringLiteral("15.00"));
    EXPECT_EQ(box_->cursorPosition(), 5);

    box_->setDigits(8);
    box_->adjustDigits(+1);  // eight digits and one more stay at 8
    EXPECT_EQ(box_->digits(), 8);
    box_->setDigits(0);
    box_->adjustDigits(-1);
    EXPECT_EQ(box_->digits(), 0);

    type(QStringLiteral("5*"));
    box_->adjustDigits(+1);  // the error stops the change
    EXPECT_EQ(box_->digits(), 0);
    EXPECT_EQ(box_->text(), QStringLiteral("5*"));
}

TEST(CIOBoxPN, BehavesAsABox) {
    CIOBoxPN pn(PropertyKind::Pressure, makeFormat(2, 0, 2));
    pn.setRawValue(0.101325);
    EXPECT_EQ(pn.text(), QStringLiteral("0.00"));  // one atmosphere in psig
    CIOBox* asBox = &pn;
    EXPECT_EQ(asBox->kind(), PropertyKind::Pressure);
}

}  // namespace
}  // namespace calvex
