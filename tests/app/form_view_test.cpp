// The property form driven as the user drives it, on the offscreen platform: check boxes and
// their disabling, Compute in both formulations with its messages, point naming, stored points,
// units and number formats, the clipboard, menus and the enabling of commands. Every message
// and dialog is answered by the scripted prompts, never by a modal box.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "calvex_view.h"
#include "copy_points_dialog.h"
#include "form_messages.h"
#include "if97_state.h"
#include "main_frame.h"
#include "number_format_dialog.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

constexpr int kBitP = 0, kBitT = 1, kBitQ = 2, kBitH = 3, kBitS = 4;

class Form : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        ASSERT_TRUE(frame_->startUp({}));
        frame_->show();
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
        QApplication::clipboard()->clear();
    }
    void TearDown() override {
        frame_.reset();
        test::clearSettings();
    }

    CCalvexView& view() { return *frame_->view(); }
    CCalvexDoc& doc() { return frame_->document(); }
    QString text(int property) { return view().box(property)->text(); }

    void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // Types `s` into the box of `property` as the user would, without leaving it.
    void typeInto(int property, const QString& s) {
        CIOBox* b = view().box(property);
        focus(b);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, s);
    }
    // Types and leaves the box (the focus goes to the label edit), which evaluates the text.
    void enter(int property, const QString& s) {
        typeInto(property, s);
        focus(view().labelEdit());
    }
    void check(int bitIndex) { view().inputCheck(bitIndex)->click(); }
    void select(std::initializer_list<int> bits) {
        for (int b : bits) {
            if (!view().inputCheck(b)->isChecked()) {
                check(b);
            }
        }
    }
    void clickCompute() { view().computeButton()->click(); }

    // Computes (p, T) in the units shown.
    void computePT(const QString& p, const QString& t) {
        select({kBitP, kBitT});
        enter(kPressure, p);
        enter(kTemperature, t);
        clickCompute();
    }
    void setLabel(const QString& l) { view().labelEdit()->setText(l); }

    QAction* action(const char* name) {
        auto* a = frame_->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
};

// ---------------------------------------------------------------------------------------------
// The form

TEST_F(Form, RowsBoxesAndUnitLists) {
    const char* captions[] = {"Pressure", "Temperature", "Quality", "Enthalpy", "Entropy"};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(view().inputCheck(b)->text(), QString::fromLatin1(captions[b]));
        EXPECT_TRUE(view().inputCheck(b)->isEnabled());
        EXPECT_FALSE(view().inputCheck(b)->isChecked());
        EXPECT_NE(qobject_cast<CIOBoxPN*>(view().box(b)), nullptr);
        EXPECT_NE(view().marker(b), nullptr);
    }
    // Kind and digits of each box.
    const int kinds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 2, 9};
    const int digits[] = {2, 2, 3, 2, 5, 4, 4, 5, 5, 2, 2};
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(static_cast<int>(view().box(p)->kind()), kinds[p]) << p;
        EXPECT_EQ(view().box(p)->digits(), digits[p]) << p;
        EXPECT_EQ(view().box(p)->isReadOnly(), p > kEntropy) << p;
        EXPECT_EQ(view().storedField(p)->text(), QStringLiteral("0"));
    }
    for (const char* caption : {"Active Point",
                                "Stored Points",
                                "Point Label:",
                                "Volume",
                                "Specific Heat",
                                "Viscosity",
                                "Conductivity",
                                "Prandtl No.",
                                "Critical Velocity"}) {
        bool found = false;
        for (QLabel* l : view().findChildren<QLabel*>()) {
            found = found || l->text() == QString::fromLatin1(caption);
        }
        EXPECT_TRUE(found) << caption;
    }
    // The unit lists hold exactly the unit texts, in order.
    const QStringList expected[] = {
        {"MPa", "psia", "psig", "In Hg", "Atm", "Bar", "Ft H2O", "mm Hg", "kp/sq cm"},
        {"deg K", "deg F", "deg R", "deg C"},
        {},
        {"kJ/kg", "Btu/lb", "kcal/kg", "Ft-lbf/lbm", "psi/lbm/ft3", "kp-m/g", "hp-hr/lbm"},
        {"kJ/kg/K", "Btu/lb/F", "kcal/g/K", "Ft-lbf/lbm/R", "Bar-cm3/g/K", "kp-m/g/K"},
        {"m3/kg", "ft3/lbm", "gal/lbm", "L/kg"},
        {"kJ/kg/C", "Btu/lb/F", "kcal/g/K", "Ft-lbf/lbm/R", "Bar-cm3/g/K", "kp-m/g/K"},
        {"Pa-sec", "lbm/hr/ft", "cp", "lbf-sec/ft2", "lbm/ft/sec", "kg/m/sec"},
        {"Watt/m/C", "Btu/hr/ft/F", "lbf/hr/F", "Watt/ft/F", "kp/hr/C", "cal/sec/cm/C", "kcal/hr/m/C"},
        {},
        {"m/sec", "ft/sec", "ft/min"},
    };
    for (int p = 0; p < kPropertyCount; ++p) {
        QComboBox* list = view().unitList(p);
        if (expected[p].isEmpty()) {
            EXPECT_EQ(list, nullptr) << p;
            continue;
        }
        ASSERT_NE(list, nullptr) << p;
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        EXPECT_EQ(items, expected[p]) << p;
        EXPECT_EQ(list->currentIndex(), 0);
    }
    EXPECT_EQ(view().computeButton()->text(), QStringLiteral("Compute"));
    EXPECT_TRUE(view().computeButton()->isDefault());
    EXPECT_TRUE(view().computeButton()->isEnabled());
    for (QPushButton* b :
         {view().storeButton(), view().recallButton(), view().replaceButton(), view().deleteButton()}) {
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_EQ(view().storeButton()->text(), QStringLiteral("Store Point"));
    EXPECT_EQ(view().recallButton()->text(), QStringLiteral("Recall Point"));
    EXPECT_EQ(view().replaceButton()->text(), QStringLiteral("Replace Point"));
    EXPECT_EQ(view().deleteButton()->text(), QStringLiteral("Delete Point"));
}

TEST_F(Form, CheckBoxesFollowTheDisablingTable) {
    check(kBitP);
    check(kBitT);
    EXPECT_FALSE(view().inputCheck(kBitQ)->isEnabled());
    EXPECT_FALSE(view().inputCheck(kBitH)->isEnabled());
    EXPECT_FALSE(view().inputCheck(kBitS)->isEnabled());
    EXPECT_EQ(doc().InputSelection(), 3u);
    EXPECT_TRUE(view().editFlags().recomputeNeeded);
    check(kBitT);  // clearing temperature enables all
    for (int b = 0; b < 5; ++b) {
        EXPECT_TRUE(view().inputCheck(b)->isEnabled()) << b;
    }
    EXPECT_EQ(doc().InputSelection(), 1u);
    check(kBitH);
    EXPECT_FALSE(view().inputCheck(kBitT)->isEnabled());
    EXPECT_FALSE(view().inputCheck(kBitQ)->isEnabled());
    EXPECT_FALSE(view().inputCheck(kBitS)->isEnabled());
    EXPECT_TRUE(view().inputCheck(kBitP)->isEnabled());
    check(kBitP);  // enthalpy alone: the same three stay disabled
    EXPECT_FALSE(view().inputCheck(kBitT)->isEnabled());
    EXPECT_TRUE(view().inputCheck(kBitP)->isEnabled());
}

// ---------------------------------------------------------------------------------------------
// Compute

TEST_F(Form, ComputeNamesThePointAndFillsTheBoxes) {
    computePT(QStringLiteral("3"), QStringLiteral("300"));
    EXPECT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(QStringLiteral("|")).toStdString();
    // IF97 Table 5 at 3 MPa, 300 K: v = 0.100215168e-2, h = 0.115331273e3, s = 0.392294792.
    EXPECT_EQ(text(kVolume), QStringLiteral("0.0010"));
    EXPECT_EQ(text(kEnthalpy), QStringLiteral("115.33"));
    EXPECT_EQ(text(kEntropy), QStringLiteral("0.39229"));
    EXPECT_EQ(text(kQuality), QStringLiteral("0.000"));
    EXPECT_EQ(text(kCriticalVelocity), QStringLiteral("1507.74"));
    EXPECT_EQ(view().labelEdit()->text(), QStringLiteral("Point 1"));
    EXPECT_TRUE(view().labelEdit()->hasFocus());
    EXPECT_EQ(view().labelEdit()->selectedText(), QStringLiteral("Point 1"));
    EXPECT_TRUE(doc().IsModified());
    EXPECT_FALSE(view().marker(kPressure)->isVisible());
    EXPECT_FALSE(view().editFlags().recomputeNeeded);
    EXPECT_TRUE(view().storeButton()->isEnabled());
    EXPECT_FALSE(view().replaceButton()->isEnabled());
    EXPECT_EQ(doc().CurrentPoint().label(), "Point 1");
    EXPECT_NEAR(doc().CurrentPoint().value(kVolume), 0.100215168e-2, 1e-11);
    EXPECT_EQ(doc().InputSelection(), 3u);
    EXPECT_TRUE(view().commandFlags().pointComputed);
}

TEST_F(Form, WetPressureEnthalpyHasNoTransportRows) {
    select({kBitP, kBitH});
    enter(kPressure, QStringLiteral("1"));
    enter(kEnthalpy, QStringLiteral("1800"));
    clickCompute();
    ASSERT_TRUE(prompts_->messages.isEmpty());
    const double x = view().box(kQuality)->value();
    EXPECT_GT(x, 0.0);
    EXPECT_LT(x, 1.0);
    EXPECT_EQ(text(kViscosity), QStringLiteral("Not Available "));
    EXPECT_EQ(text(kConductivity), QStringLiteral("Not Available "));
    EXPECT_EQ(text(kPrandtl), QStringLiteral("Not Available "));
    EXPECT_EQ(text(kSpecificHeat), QStringLiteral("Not Available "));
    // The critical velocity is the core's two-phase value.
    if97::IF97State core;
    core.computePH(1.0, 1800.0, 255, 0);
    EXPECT_EQ(view().box(kCriticalVelocity)->value(), core.soundSpeed());
}

TEST_F(Form, QualityExactlyOneComputesTransport) {
    select({kBitP, kBitQ});
    enter(kPressure, QStringLiteral("1"));
    enter(kQuality, QStringLiteral("1"));
    clickCompute();
    ASSERT_TRUE(prompts_->messages.isEmpty());
    EXPECT_GT(view().box(kViscosity)->value(), 0.0);
    EXPECT_GT(view().box(kConductivity)->value(), 0.0);
    EXPECT_GT(view().box(kPrandtl)->value(), 0.0);
    EXPECT_EQ(text(kTemperature), QStringLiteral("453.04"));  // IF97 Table 36: Ts(1 MPa) = 453.035632 K
}

TEST_F(Form, EnterWhileTypingOnlyEvaluates) {
    select({kBitP, kBitT});
    enter(kTemperature, QStringLiteral("300"));
    typeInto(kPressure, QStringLiteral("1+2"));
    EXPECT_TRUE(view().editFlags().editInProgress);
    QTest::keyClick(view().box(kPressure), Qt::Key_Return);
    EXPECT_EQ(text(kPressure), QStringLiteral("3.00"));
    EXPECT_TRUE(view().marker(kPressure)->isVisible());
    EXPECT_EQ(text(kVolume), QStringLiteral("0.0000"));  // not computed yet
    EXPECT_FALSE(view().editFlags().editInProgress);
    EXPECT_TRUE(view().box(kPressure)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text(kVolume), QStringLiteral("0.0010"));
    EXPECT_FALSE(view().marker(kPressure)->isVisible());
}

TEST_F(Form, TemperatureAboveTheLimitChangesNothing) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    ASSERT_TRUE(prompts_->messages.isEmpty());
    QStringList before;
    for (int p = 0; p < kPropertyCount; ++p) {
        before << text(p);
    }
    const CStatePoint docBefore = doc().CurrentPoint();
    enter(kTemperature, QStringLiteral("2300"));
    clickCompute();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("The temperature is outside of the program's upper limit"));
    for (int p = 0; p < kPropertyCount; ++p) {
        if (p != kTemperature) {
            EXPECT_EQ(text(p), before[p]) << p;
        }
    }
    EXPECT_EQ(text(kTemperature), QStringLiteral("2300.00"));
    EXPECT_TRUE(view().marker(kTemperature)->isVisible());
    EXPECT_TRUE(view().editFlags().recomputeNeeded);
    EXPECT_EQ(doc().CurrentPoint(), docBefore);
}

TEST_F(Form, ImproperPairIsRefused) {
    check(kBitP);
    clickCompute();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QString::fromLatin1(kMsgBadPair));
    EXPECT_EQ(text(kVolume), QStringLiteral("0.0000"));
}

TEST_F(Form, ComputeWithoutChangeDoesNothing) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    setLabel(QStringLiteral("Mine"));
    clickCompute();  // recomputeNeeded is clear
    EXPECT_EQ(doc().CurrentPoint().label(), "Point 1");
}

TEST_F(Form, Ifc67HasNoCriticalVelocityAndQualityZeroOrOne) {
    select({kBitP, kBitT});
    action("actionUseIFC67")->trigger();
    // It computes at once: the new document's zero pressure is outside the library's range.
    EXPECT_EQ(prompts_->messages.value(0), QStringLiteral("Unknown Error"));
    prompts_->messages.clear();
    EXPECT_TRUE(view().commandFlags().ifc67);
    EXPECT_TRUE(action("actionUseIFC67")->isChecked());
    EXPECT_FALSE(action("actionUseIF97")->isChecked());
    EXPECT_EQ(view().inputMask() & 0x2000u, 0x2000u);
    enter(kPressure, QStringLiteral("1"));
    enter(kTemperature, QStringLiteral("600"));
    clickCompute();
    ASSERT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(QStringLiteral("|")).toStdString();
    EXPECT_EQ(text(kCriticalVelocity), QStringLiteral("Not Available "));
    EXPECT_EQ(text(kQuality), QStringLiteral("1.000"));
    enter(kTemperature, QStringLiteral("400"));
    clickCompute();
    EXPECT_EQ(text(kQuality), QStringLiteral("0.000"));
    EXPECT_EQ(doc().InputSelection(), 0x2003u);

    action("actionUseIF97")->trigger();  // computes again at once
    EXPECT_TRUE(action("actionUseIF97")->isChecked());
    EXPECT_NE(text(kCriticalVelocity), QStringLiteral("Not Available "));
    EXPECT_EQ(doc().InputSelection(), 3u);
}

TEST_F(Form, Ifc67OutOfRangeIsAnUnknownError) {
    select({kBitP, kBitT});
    action("actionUseIFC67")->trigger();
    prompts_->messages.clear();
    enter(kPressure, QStringLiteral("1"));
    enter(kTemperature, QStringLiteral("1200"));  // K: above the library's 1600 deg F
    clickCompute();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("Unknown Error"));
    for (int p : {kVolume, kEnthalpy, kEntropy, kSpecificHeat, kCriticalVelocity}) {
        EXPECT_EQ(text(p), QStringLiteral("Not Available ")) << p;
    }
    EXPECT_TRUE(view().editFlags().recomputeNeeded);
}

// ---------------------------------------------------------------------------------------------
// Stored points

TEST_F(Form, StoreNeedsARecomputedPoint) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    enter(kPressure, QStringLiteral("2"));
    view().StorePoint();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("You must recalculate state point before storing"));
    EXPECT_EQ(doc().GetStoredCount(), 0);
}

TEST_F(Form, StoreAddsToTheListAndTheColumn) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    view().storeButton()->click();
    EXPECT_EQ(doc().GetStoredCount(), 1);
    EXPECT_EQ(view().storedList()->count(), 1);
    EXPECT_EQ(view().storedList()->currentText(), QStringLiteral("Point 1"));
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(view().storedField(p)->text(), text(p)) << p;
    }
    EXPECT_TRUE(view().recallButton()->isEnabled());
    EXPECT_TRUE(view().deleteButton()->isEnabled());
    EXPECT_TRUE(view().replaceButton()->isEnabled());
    EXPECT_TRUE(action("actionRecallPoint")->isEnabled());
}

TEST_F(Form, TwoEmptyLabelsAskToReplace) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    setLabel(QString());
    view().StorePoint();
    ASSERT_EQ(doc().GetStoredCount(), 1);
    EXPECT_TRUE(prompts_->questions.isEmpty());
    enter(kTemperature, QStringLiteral("500"));
    clickCompute();  // names the point: its empty label would equal the stored one
    EXPECT_EQ(view().labelEdit()->text(), QStringLiteral("Point 2"));
    setLabel(QString());
    prompts_->answers.push_back(UserPrompts::Answer::No);
    view().StorePoint();
    ASSERT_EQ(prompts_->questions.size(), 1);
    EXPECT_EQ(prompts_->questions[0],
              QStringLiteral("A stored point has the same label as this one. Each stored point must have a unique "
                             "label.  Press YES to replace the stored point with this one or NO to return and "
                             "enter a new label"));
    EXPECT_EQ(doc().GetStoredCount(), 1);
    EXPECT_TRUE(view().labelEdit()->hasFocus());
    EXPECT_NEAR(doc().GetStoredValue(0, kTemperature), 400.0, 1e-12);

    prompts_->answers.push_back(UserPrompts::Answer::Yes);
    view().StorePoint();
    EXPECT_EQ(doc().GetStoredCount(), 1);
    EXPECT_NEAR(doc().GetStoredValue(0, kTemperature), 500.0, 1e-12);
    EXPECT_EQ(view().storedField(kTemperature)->text(), QStringLiteral("500.00"));
}

TEST_F(Form, LabelsDifferingInCaseAreDifferent) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    setLabel(QStringLiteral("inlet"));
    view().StorePoint();
    setLabel(QStringLiteral("Inlet"));
    view().StorePoint();
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_EQ(doc().GetStoredCount(), 2);
    EXPECT_EQ(view().storedList()->itemText(1), QStringLiteral("Inlet"));

    // A long label is shown in full in the drop-down.
    setLabel(QString(60, QLatin1Char('W')));
    view().StorePoint();
    EXPECT_GE(view().storedList()->view()->minimumWidth(), view().storedList()->view()->sizeHintForColumn(0));
    EXPECT_GT(view().storedList()->view()->minimumWidth(), view().storedList()->width());
}

class StoredThree : public Form {
  protected:
    void SetUp() override {
        Form::SetUp();
        computePT(QStringLiteral("1"), QStringLiteral("400"));
        for (const char* l : {"A", "B", "C"}) {
            setLabel(QString::fromLatin1(l));
            enter(kTemperature, QStringLiteral("%1").arg(400 + 50 * (l[0] - 'A')));
            clickCompute();
            view().StorePoint();
        }
        ASSERT_EQ(doc().GetStoredCount(), 3);
        ASSERT_TRUE(prompts_->messages.isEmpty());
    }
};

TEST_F(StoredThree, DeletingTheLastSelectsTheNewLast) {
    EXPECT_EQ(view().storedList()->currentIndex(), 2);
    view().deleteButton()->click();
    EXPECT_EQ(doc().GetStoredCount(), 2);
    EXPECT_EQ(view().storedList()->count(), 2);
    EXPECT_EQ(view().storedList()->currentIndex(), 1);
    EXPECT_EQ(view().storedField(kTemperature)->text(), QStringLiteral("450.00"));
}

TEST_F(StoredThree, DeletingInTheMiddleShowsTheNext) {
    view().SelectStoredPoint(1);
    EXPECT_EQ(doc().SelectedIndex(), 1);
    view().DeletePoint();
    EXPECT_EQ(view().storedList()->currentText(), QStringLiteral("C"));
    EXPECT_EQ(view().storedField(kTemperature)->text(), QStringLiteral("500.00"));
}

TEST_F(StoredThree, ReplaceWithItsOwnLabelIsAllowed) {
    view().SelectStoredPoint(0);
    enter(kTemperature, QStringLiteral("333"));
    clickCompute();
    setLabel(QStringLiteral("A"));
    view().replaceButton()->click();
    EXPECT_TRUE(prompts_->messages.isEmpty());
    EXPECT_NEAR(doc().GetStoredValue(0, kTemperature), 333.0, 1e-12);
    EXPECT_EQ(view().storedField(kTemperature)->text(), QStringLiteral("333.00"));
    EXPECT_EQ(view().storedList()->itemText(0), QStringLiteral("A"));

    setLabel(QStringLiteral("B"));  // another point's label
    view().ReplacePoint();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0],
              QStringLiteral("Another stored point has the same label as the current point. Each stored point must "
                             "have a unique label.  You must change the current point label to replace this point."));
    EXPECT_EQ(doc().GetStoredLabel(0), "A");
    EXPECT_TRUE(view().labelEdit()->hasFocus());

    setLabel(QStringLiteral("A2"));  // a new label renames the entry
    view().ReplacePoint();
    EXPECT_EQ(view().storedList()->itemText(0), QStringLiteral("A2"));
    EXPECT_EQ(doc().GetStoredLabel(0), "A2");
}

TEST_F(StoredThree, RecallShowsTheStoredPoint) {
    view().SelectStoredPoint(0);
    view().recallButton()->click();
    EXPECT_EQ(view().labelEdit()->text(), QStringLiteral("A"));
    EXPECT_EQ(text(kTemperature), QStringLiteral("400.00"));
    EXPECT_EQ(doc().CurrentPoint().label(), "A");
}

TEST_F(StoredThree, CopySpecialOfAllStoredPoints) {
    prompts_->dialogHandler = [](QDialog& d) {
        auto& dlg = dynamic_cast<CCopySpecialDialog&>(d);
        EXPECT_TRUE(dlg.currentPointChoice()->isChecked());
        EXPECT_FALSE(dlg.labelsCheck()->isChecked());
        dlg.allStoredChoice()->setChecked(true);
        return true;
    };
    view().CopySpecial();
    const QString clip = QApplication::clipboard()->text();
    const QStringList lines = clip.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("A\tB\tC"));
    EXPECT_EQ(lines[2], QStringLiteral("400.00\t450.00\t500.00"));
    for (const QString& l : lines) {
        EXPECT_EQ(l.split(QLatin1Char('\t')).size(), 3) << l.toStdString();
    }
    EXPECT_FALSE(clip.endsWith(QStringLiteral("\r\n")));
}

TEST_F(Form, DeletingTheOnlyPointEmptiesTheList) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    view().StorePoint();
    view().DeletePoint();
    EXPECT_EQ(doc().GetStoredCount(), 0);
    EXPECT_EQ(view().storedList()->count(), 0);
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(view().storedField(p)->text(), QStringLiteral("0"));
    }
    EXPECT_FALSE(view().recallButton()->isEnabled());
    EXPECT_FALSE(view().deleteButton()->isEnabled());
    EXPECT_FALSE(view().replaceButton()->isEnabled());
    EXPECT_TRUE(view().storeButton()->isEnabled());
    EXPECT_FALSE(view().commandFlags().storedPoints);
    frame_->editMenu()->aboutToShow();
    EXPECT_FALSE(action("actionRecallPoint")->isEnabled());
    EXPECT_FALSE(action("actionDeletePoint")->isEnabled());
    EXPECT_FALSE(action("actionReplacePoint")->isEnabled());
    EXPECT_TRUE(action("actionStorePoint")->isEnabled());
}

TEST_F(Form, SelectedIndexOutsideTheCollection) {
    CCalvexDoc d;
    for (const char* l : {"A", "B", "C"}) {
        d.CurrentPoint().setLabel(l);
        d.CurrentPoint().setValue(kPressure, 1.0 + (l[0] - 'A'));
        d.StoreCurrentPoint();
    }
    QTemporaryDir dir;
    struct Row {
        int index;
        int shown;
    };
    // Equal to the count: the last point; beyond it the last too; negative the first.
    for (const Row r : {Row{1, 1}, Row{3, 2}, Row{9, 2}, Row{-4, 0}}) {
        d.SetSelectedIndex(r.index);
        const QString path = dir.filePath(QStringLiteral("sel%1.stm").arg(r.index + 10));
        ASSERT_TRUE(d.OnSaveDocument(path.toStdString()).ok);
        ASSERT_TRUE(frame_->openDocument(path));
        EXPECT_EQ(view().storedList()->currentIndex(), r.shown) << r.index;
        EXPECT_EQ(view().storedField(kPressure)->text(), QString::number(1 + r.shown) + QStringLiteral(".00"));
        EXPECT_EQ(doc().SelectedIndex(), r.index);  // the document keeps what it read
    }
}

// ---------------------------------------------------------------------------------------------
// Units and number formats

TEST_F(Form, EnglishUnitsAndBackRestoreTheTexts) {
    computePT(QStringLiteral("1"), QStringLiteral("450"));
    view().StorePoint();
    QStringList si;
    for (int p = 0; p < kPropertyCount; ++p) {
        si << text(p);
    }
    const CStatePoint values = doc().CurrentPoint();
    doc().SetModifiedFlag(false);
    action("actionEnglishUnits")->trigger();
    EXPECT_EQ(text(kPressure), QStringLiteral("145.04"));     // 1 MPa in psia
    EXPECT_EQ(text(kTemperature), QStringLiteral("350.33"));  // 450 K in deg F
    EXPECT_EQ(view().unitList(kPressure)->currentText(), QStringLiteral("psia"));
    EXPECT_EQ(view().unitList(kCriticalVelocity)->currentText(), QStringLiteral("ft/sec"));
    EXPECT_EQ(view().storedField(kPressure)->text(), QStringLiteral("145.04"));
    EXPECT_EQ(formatUnit(doc().GetDisplayFormat(kEnthalpy)), 1);
    EXPECT_EQ(formatUnit(doc().GetDisplayFormat(kQuality)), 0);
    EXPECT_TRUE(doc().IsModified());
    action("actionSIUnits")->trigger();
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(text(p), si[p]) << p;
        EXPECT_EQ(view().storedField(p)->text(), si[p]) << p;
    }
    EXPECT_EQ(doc().CurrentPoint(), values);
}

TEST_F(Form, UnitListChangesTheBoxAndTheColumn) {
    computePT(QStringLiteral("0.101325"), QStringLiteral("373.15"));
    view().StorePoint();
    doc().SetModifiedFlag(false);
    view().SelectUnit(kPressure, 2);  // psig
    EXPECT_EQ(text(kPressure), QStringLiteral("0.00"));
    EXPECT_EQ(view().storedField(kPressure)->text(), QStringLiteral("0.00"));
    view().SelectUnit(kTemperature, 1);
    EXPECT_EQ(text(kTemperature), QStringLiteral("212.00"));
    view().SelectUnit(kTemperature, 2);
    EXPECT_EQ(text(kTemperature), QStringLiteral("671.67"));
    view().SelectUnit(kTemperature, 3);
    EXPECT_EQ(text(kTemperature), QStringLiteral("100.00"));
    EXPECT_EQ(view().unitList(kTemperature)->currentIndex(), 3);
    EXPECT_EQ(doc().GetDisplayFormat(kTemperature), makeFormat(2, 0, 3));
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(Form, EightDigitsAndOneMoreStaysEight) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    focus(view().box(kPressure));
    for (int i = 0; i < 7; ++i) {
        action("actionMoreDigits")->trigger();
    }
    EXPECT_EQ(view().box(kPressure)->digits(), 8);
    EXPECT_EQ(text(kPressure), QStringLiteral("1.00000000"));
    action("actionMoreDigits")->trigger();
    EXPECT_EQ(view().box(kPressure)->digits(), 8);
    EXPECT_EQ(formatDigits(doc().GetDisplayFormat(kPressure)), 8);
    for (int i = 0; i < 10; ++i) {
        action("actionFewerDigits")->trigger();
    }
    EXPECT_EQ(text(kPressure), QStringLiteral("1"));
}

TEST_F(Form, MoreDigitsEvaluatesTypedTextFirst) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    typeInto(kPressure, QStringLiteral("2*2"));
    view().AdjustDigits(1);
    EXPECT_EQ(text(kPressure), QStringLiteral("4.000"));
    EXPECT_TRUE(view().editFlags().recomputeNeeded);  // a new value asks for a computation
    EXPECT_FALSE(view().editFlags().editInProgress);
    clickCompute();
    EXPECT_NEAR(doc().CurrentPoint().value(kPressure), 4.0, 1e-12);
}

TEST_F(Form, NumberFormatDialogChecksItsFields) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    view().StorePoint();
    int rounds = 0;
    prompts_->dialogHandler = [&](QDialog& d) {
        auto& dlg = dynamic_cast<CNumberFormatDialog&>(d);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Select Number Format"));
        EXPECT_EQ(dlg.digitsField(kEntropy)->text(), QStringLiteral("5"));
        EXPECT_EQ(dlg.styleList(kEntropy)->itemText(1), QStringLiteral("Scientific"));
        dlg.digitsField(kPressure)->setText(QStringLiteral("x"));
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);  // stays open
        dlg.digitsField(kPressure)->setText(QStringLiteral("9"));
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        dlg.digitsField(kPressure)->setText(QStringLiteral("4"));
        dlg.styleList(kEnthalpy)->setCurrentIndex(1);
        dlg.accept();
        ++rounds;
        return dlg.result() == QDialog::Accepted;
    };
    action("actionNumberFormat")->trigger();
    ASSERT_EQ(rounds, 1);
    ASSERT_EQ(prompts_->messages.size(), 2);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("Please enter an integer."));
    EXPECT_EQ(prompts_->messages[1], QStringLiteral("Please enter an integer between 0 and 8."));
    EXPECT_EQ(text(kPressure), QStringLiteral("1.0000"));
    EXPECT_EQ(view().box(kEnthalpy)->style(), 1);
    EXPECT_TRUE(text(kEnthalpy).endsWith(QStringLiteral("e+002"))) << text(kEnthalpy).toStdString();
    EXPECT_EQ(view().storedField(kPressure)->text(), QStringLiteral("1.0000"));
    EXPECT_EQ(doc().GetDisplayFormat(kPressure), makeFormat(4, 0, 0));

    prompts_->dialogHandler = [](QDialog& d) {
        auto& dlg = dynamic_cast<CNumberFormatDialog&>(d);
        dlg.digitsField(kPressure)->setText(QStringLiteral("0"));
        dlg.reject();
        return false;
    };
    view().NumberFormat();  // Cancel changes nothing
    EXPECT_EQ(text(kPressure), QStringLiteral("1.0000"));
}

// ---------------------------------------------------------------------------------------------
// Clipboard

TEST_F(Form, CopySpecialOfTheCurrentPointWithLabels) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    prompts_->dialogHandler = [](QDialog& d) {
        auto& dlg = dynamic_cast<CCopySpecialDialog&>(d);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Copy State Points to Clipboard"));
        dlg.labelsCheck()->setChecked(true);
        return true;
    };
    action("actionCopySpecial")->trigger();
    const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("\tPoint 1"));
    EXPECT_EQ(lines[1], QStringLiteral("P - MPa\t1.00"));
    EXPECT_EQ(lines[2], QStringLiteral("T - deg K\t400.00"));
    EXPECT_EQ(lines[3], QStringLiteral("Q\t0.000"));
    EXPECT_EQ(lines[8], QStringLiteral("Visc - Pa-sec\t") + text(kViscosity));
    EXPECT_EQ(lines[10], QStringLiteral("Pr\t") + text(kPrandtl));
    EXPECT_EQ(lines[11], QStringLiteral("W - m/sec\t") + text(kCriticalVelocity));
}

TEST_F(Form, CopySpecialOfTwoStoredPointsWithoutLabels) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    view().StorePoint();
    setLabel(QStringLiteral("Second"));
    view().StorePoint();
    prompts_->dialogHandler = [](QDialog& d) {
        dynamic_cast<CCopySpecialDialog&>(d).allStoredChoice()->setChecked(true);
        return true;
    };
    view().CopySpecial();
    const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("Point 1\tSecond"));
    for (const QString& l : lines) {
        EXPECT_EQ(l.split(QLatin1Char('\t')).size(), 2) << l.toStdString();
    }
}

TEST_F(Form, CopySpecialWithNoStoredPointLeavesTheClipboardEmpty) {
    QApplication::clipboard()->setText(QStringLiteral("old"));
    prompts_->dialogHandler = [](QDialog& d) {
        dynamic_cast<CCopySpecialDialog&>(d).allStoredChoice()->setChecked(true);
        return true;
    };
    view().CopySpecial();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(Form, CutCopyPasteGoToTheFocusedBox) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    focus(view().box(kTemperature));
    view().box(kTemperature)->selectAll();
    frame_->editMenu()->aboutToShow();
    EXPECT_TRUE(action("actionCopy")->isEnabled());
    EXPECT_TRUE(action("actionCut")->isEnabled());
    EXPECT_TRUE(action("actionRecallExpression")->isEnabled());
    action("actionCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("400.00"));
    focus(view().box(kPressure));
    view().box(kPressure)->selectAll();
    frame_->editMenu()->aboutToShow();
    EXPECT_TRUE(action("actionPaste")->isEnabled());
    action("actionPaste")->trigger();
    EXPECT_EQ(view().box(kPressure)->text(), QStringLiteral("400.00"));
    view().box(kPressure)->deselect();
    frame_->editMenu()->aboutToShow();
    EXPECT_FALSE(action("actionCopy")->isEnabled());
    EXPECT_FALSE(action("actionCut")->isEnabled());
    focus(view().labelEdit());  // not an IO box
    frame_->editMenu()->aboutToShow();
    EXPECT_FALSE(action("actionPaste")->isEnabled());
    EXPECT_FALSE(action("actionRecallExpression")->isEnabled());
    EXPECT_EQ(text(kPressure), QStringLiteral("400.00"));  // evaluated on leaving
}

// ---------------------------------------------------------------------------------------------
// Menus, keys, toolbar

TEST_F(Form, CommandTable) {
    struct Row {
        const char* name;
        const char* text;
        const char* tip;
    };
    const Row rows[] = {
        {"actionRecallExpression", "Recall Expression", "Recall the expression you previously entered in an IO Box"},
        {"actionCopySpecial",
         "Copy Special\tAlt+C",
         "Copies all properties for current point or stored points to the clipboard"},
        {"actionStorePoint", "Store Point", "Store current point to the collection of stored points"},
        {"actionRecallPoint", "Recall Point", "Copies the displayed stored point to the current point"},
        {"actionReplacePoint", "Replace Point", "Replace the displayed stored point with the current point"},
        {"actionDeletePoint", "Delete Point", "Delete a stored point from the collection"},
        {"actionNumberFormat", "Number...", "Select the number format for each property"},
        {"actionEnglishUnits", "English Units", "Convert all values to English units"},
        {"actionSIUnits", "SI Units", "Convert all values to SI units"},
        {"actionUseDefaults", "Use Settings as Default", "Use the current settings as the default settings"},
        {"actionRestoreDefaults", "Restore Default Settings", "Restore settings to the defaul settings"},
        {"actionExpansion", "Ex&pansion", "Open the Expansion Tool"},
        {"actionUseIF97", "Use IF97", "Use IF97 formulations to calculate steam properties"},
        {"actionUseIFC67", "Use IFC-67", "Use IFC-67 formulations to calculate steam properties"},
    };
    for (const Row& r : rows) {
        QAction* a = action(r.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromLatin1(r.text)) << r.name;
        EXPECT_EQ(a->statusTip(), QString::fromLatin1(r.tip)) << r.name;
    }
    EXPECT_TRUE(action("actionRecallExpression")->shortcuts().contains(QKeySequence(Qt::Key_F2)));
    EXPECT_TRUE(action("actionCopySpecial")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+C"))));
    EXPECT_TRUE(action("actionCut")->shortcuts().contains(QKeySequence(QStringLiteral("Shift+Del"))));
    EXPECT_TRUE(action("actionCopy")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Ins"))));
    EXPECT_TRUE(action("actionPaste")->shortcuts().contains(QKeySequence(QStringLiteral("Shift+Ins"))));
    EXPECT_TRUE(action("actionPaste")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+V"))));
    EXPECT_TRUE(action("actionUseIF97")->isChecked());
    // A command's prompt goes to the status bar while it is highlighted.
    action("actionCopySpecial")->showStatusText(frame_.get());
    EXPECT_EQ(frame_->statusBar()->currentMessage(),
              QStringLiteral("Copies all properties for current point or stored points to the clipboard"));

    // The toolbar: New, Open, Save; Cut, Copy, Paste; English, SI, Expansion, Chart; digits; Print.
    QStringList names;
    for (QAction* a : frame_->toolBar()->actions()) {
        names << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    }
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("actionNew actionOpen actionSave | actionCut actionCopy actionPaste | "
                             "actionEnglishUnits actionSIUnits actionExpansion actionChart | actionMoreDigits "
                             "actionFewerDigits | actionPrint"));
    // The expansion tool and printing come with their own commands; until then they are idle.
    EXPECT_FALSE(frame_->expansionAction()->isEnabled());
    EXPECT_FALSE(frame_->printAction()->isEnabled());
}

TEST_F(Form, RecallExpressionByF2) {
    select({kBitP, kBitT});
    enter(kPressure, QStringLiteral("2*3"));
    focus(view().box(kPressure));
    QTest::keyClick(view().box(kPressure), Qt::Key_F2);
    EXPECT_EQ(view().box(kPressure)->text(), QStringLiteral("2*3"));
}

TEST_F(Form, PointCommandsWaitForAComputation) {
    frame_->editMenu()->aboutToShow();
    EXPECT_FALSE(action("actionStorePoint")->isEnabled());
    EXPECT_FALSE(action("actionRecallPoint")->isEnabled());
    EXPECT_FALSE(action("actionReplacePoint")->isEnabled());
    EXPECT_FALSE(action("actionDeletePoint")->isEnabled());
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    frame_->editMenu()->aboutToShow();
    EXPECT_TRUE(action("actionStorePoint")->isEnabled());
    EXPECT_FALSE(action("actionReplacePoint")->isEnabled());
    action("actionStorePoint")->trigger();
    frame_->editMenu()->aboutToShow();
    EXPECT_TRUE(action("actionReplacePoint")->isEnabled());
    EXPECT_TRUE(action("actionDeletePoint")->isEnabled());
    EXPECT_EQ(doc().GetStoredCount(), 1);
}

TEST_F(Form, DigitsArrowsStayBetweenZeroAndEight) {
    prompts_->dialogHandler = [](QDialog& d) {
        auto& dlg = dynamic_cast<CNumberFormatDialog&>(d);
        QList<QToolButton*> arrows = dlg.findChildren<QToolButton*>();
        EXPECT_EQ(arrows.size(), 2 * kPropertyCount);
        // Each row: its field, then the up and the down arrow.
        dlg.digitsField(kPressure)->setText(QStringLiteral("7"));
        for (int i = 0; i < 3; ++i) {
            arrows[0]->click();  // up of the pressure row
        }
        EXPECT_EQ(dlg.digitsField(kPressure)->text(), QStringLiteral("8"));
        for (int i = 0; i < 12; ++i) {
            arrows[1]->click();  // down of the pressure row
        }
        EXPECT_EQ(dlg.digitsField(kPressure)->text(), QStringLiteral("0"));
        dlg.accept();
        return dlg.result() == QDialog::Accepted;
    };
    view().NumberFormat();
    EXPECT_EQ(prompts_->dialogs, 1);
    EXPECT_EQ(view().box(kPressure)->digits(), 0);
    EXPECT_EQ(text(kPressure), QStringLiteral("0"));
}

TEST(FormDefaults, FirstNewDocumentFollowsTheSavedFormulation) {
    test::clearSettings();
    {
        QSettings s(QStringLiteral("Orlesk"), QStringLiteral("Calvex"));
        s.setValue(QStringLiteral("Defaults/F67"), 1);
        s.setValue(QStringLiteral("Defaults/T"), 2 | (3 << 16));  // two digits in deg C
        s.sync();
    }
    auto prompts = std::make_shared<test::ScriptedPrompts>();
    {
        CMainFrame frame(prompts);
        ASSERT_TRUE(frame.startUp({}));
        EXPECT_TRUE(frame.view()->commandFlags().ifc67);
        EXPECT_TRUE(frame.findChild<QAction*>(QStringLiteral("actionUseIFC67"))->isChecked());
        EXPECT_EQ(frame.view()->unitList(kTemperature)->currentText(), QStringLiteral("deg C"));
        EXPECT_EQ(frame.view()->box(kTemperature)->text(), QStringLiteral("0.00"));
        EXPECT_EQ(frame.document().InputSelection(), 0x2000u);
    }
    test::clearSettings();
}

TEST_F(Form, OpeningAComputedDocumentShowsItReady) {
    computePT(QStringLiteral("1"), QStringLiteral("400"));
    view().StorePoint();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.stm"));
    ASSERT_TRUE(frame_->saveDocumentTo(path));
    ASSERT_TRUE(frame_->newDocument());
    EXPECT_FALSE(view().commandFlags().pointComputed);  // a new document's point is not computed
    EXPECT_FALSE(view().storeButton()->isEnabled());
    EXPECT_EQ(view().storedList()->count(), 0);
    view().StorePoint();
    EXPECT_EQ(prompts_->messages.size(), 1);  // "You must recalculate ..."
    ASSERT_TRUE(frame_->openDocument(path));
    EXPECT_TRUE(view().storeButton()->isEnabled());
    EXPECT_TRUE(view().replaceButton()->isEnabled());
    EXPECT_EQ(view().storedList()->currentText(), QStringLiteral("Point 1"));
    EXPECT_TRUE(view().inputCheck(kBitP)->isChecked());
    EXPECT_FALSE(view().inputCheck(kBitQ)->isEnabled());
    EXPECT_FALSE(doc().IsModified());
}

}  // namespace
}  // namespace calvex
