// Values on the form against the property library's exports for the same state, in the same
// units: one state per input pair and formulation, typed into the real form. IF97 is compared in
// the internal units with unit set SIF (3); IFC-67 in English units with unit set Eng plus the
// 1967 bit (8). Also saves a picture of the computed form as a build artifact.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>

#include "calvex_view.h"
#include "main_frame.h"
#include "vaprop32.h"
#include "widget_test_support.h"

#ifndef CALVEX_ARTIFACT_DIR
#define CALVEX_ARTIFACT_DIR "artifacts"
#endif

namespace calvex {
namespace {

// Same equations reached through two unit tables: the form's factors and the library's carry 9
// significant digits each (1/0.577789316 and 1.73073467 differ by 1.2e-9 relative).
constexpr double kAgreement = 1e-8;

constexpr std::int32_t kSIF = 3;
constexpr std::int32_t kEngIfc67 = 0 | 8;

using Export2 = std::function<double(double, double)>;

struct Expect {
    int property;
    Export2 library;  // the export with the unit set bound
};

struct AgreementCase {
    const char* name;
    bool ifc67;
    int first;
    double a;
    int second;
    double b;
    std::vector<Expect> expects;
};

Export2 bind(double (*f)(double, double, std::int32_t), std::int32_t us) {
    return [f, us](double a, double b) { return f(a, b, us); };
}
Export2 bindFirst(double (*f)(double, std::int32_t), std::int32_t us) {
    return [f, us](double a, double) { return f(a, us); };
}

std::vector<AgreementCase> cases() {
    const std::int32_t s = kSIF;
    const std::int32_t e = kEngIfc67;
    return {
        {"IF97 (p,T) 3 MPa 500 K",
         false,
         kPressure,
         3.0,
         kTemperature,
         500.0,
         {{kVolume, bind(StmPTV, s)},
          {kEnthalpy, bind(StmPTH, s)},
          {kEntropy, bind(StmPTS, s)},
          {kSpecificHeat, bind(StmPTC, s)},
          {kCriticalVelocity, bind(StmPTW, s)},
          {kConductivity, bind(StmPTK, s)},
          {kViscosity, bind(StmPTM, s)}}},
        {"IF97 (p,x) 1 MPa x=1",
         false,
         kPressure,
         1.0,
         kQuality,
         1.0,
         {{kTemperature, bindFirst(StmPT, s)},
          {kVolume, bind(StmPQV, s)},
          {kEnthalpy, bind(StmPQH, s)},
          {kEntropy, bind(StmPQS, s)},
          {kSpecificHeat, bind(StmPQC, s)},
          {kCriticalVelocity, bind(StmPQW, s)},
          {kConductivity, bind(StmPQK, s)},
          {kViscosity, bind(StmPQM, s)}}},
        {"IF97 (T,x) 450 K x=0",
         false,
         kTemperature,
         450.0,
         kQuality,
         0.0,
         {{kPressure, bindFirst(StmTP, s)},
          {kVolume, bind(StmTQV, s)},
          {kEnthalpy, bind(StmTQH, s)},
          {kEntropy, bind(StmTQS, s)},
          {kSpecificHeat, bind(StmTQC, s)},
          {kCriticalVelocity, bind(StmTQW, s)},
          {kConductivity, bind(StmTQK, s)},
          {kViscosity, bind(StmTQM, s)}}},
        {"IF97 (p,h) 2 MPa 3000 kJ/kg",
         false,
         kPressure,
         2.0,
         kEnthalpy,
         3000.0,
         {{kTemperature, bind(StmPHT, s)},
          {kQuality, bind(StmPHQ, s)},
          {kVolume, bind(StmPHV, s)},
          {kEntropy, bind(StmPHS, s)},
          {kSpecificHeat, bind(StmPHC, s)},
          {kCriticalVelocity, bind(StmPHW, s)}}},
        {"IF97 (p,s) 2 MPa 6.5 kJ/kg/K",
         false,
         kPressure,
         2.0,
         kEntropy,
         6.5,
         {{kTemperature, bind(StmPST, s)},
          {kQuality, bind(StmPSQ, s)},
          {kVolume, bind(StmPSV, s)},
          {kEnthalpy, bind(StmPSH, s)},
          {kSpecificHeat, bind(StmPSC, s)},
          {kCriticalVelocity, bind(StmPSW, s)}}},
        {"IFC-67 (p,T) 200 psia 600 F",
         true,
         kPressure,
         200.0,
         kTemperature,
         600.0,
         {{kVolume, bind(StmPTV, e)},
          {kEnthalpy, bind(StmPTH, e)},
          {kEntropy, bind(StmPTS, e)},
          {kSpecificHeat, bind(StmPTC, e)},
          {kConductivity, bind(StmPTK, e)},
          {kViscosity, bind(StmPTM, e)}}},
        {"IFC-67 (p,x) 100 psia x=1",
         true,
         kPressure,
         100.0,
         kQuality,
         1.0,
         {{kTemperature, bindFirst(StmPT, e)},
          {kVolume, bind(StmPQV, e)},
          {kEnthalpy, bind(StmPQH, e)},
          {kEntropy, bind(StmPQS, e)},
          {kSpecificHeat, bind(StmPQC, e)},
          {kConductivity, bind(StmPQK, e)},
          {kViscosity, bind(StmPQM, e)}}},
        {"IFC-67 (T,x) 300 F x=0",
         true,
         kTemperature,
         300.0,
         kQuality,
         0.0,
         {{kPressure, bindFirst(StmTP, e)},
          {kVolume, bind(StmTQV, e)},
          {kEnthalpy, bind(StmTQH, e)},
          {kEntropy, bind(StmTQS, e)},
          {kSpecificHeat, bind(StmTQC, e)}}},
        {"IFC-67 (p,h) 100 psia 1200 Btu/lb",
         true,
         kPressure,
         100.0,
         kEnthalpy,
         1200.0,
         {{kTemperature, bind(StmPHT, e)},
          {kQuality, bind(StmPHQ, e)},
          {kVolume, bind(StmPHV, e)},
          {kEntropy, bind(StmPHS, e)},
          {kSpecificHeat, bind(StmPHC, e)}}},
        {"IFC-67 (p,s) 100 psia 1.7 Btu/lb/F",
         true,
         kPressure,
         100.0,
         kEntropy,
         1.7,
         {{kTemperature, bind(StmPST, e)},
          {kQuality, bind(StmPSQ, e)},
          {kVolume, bind(StmPSV, e)},
          {kEnthalpy, bind(StmPSH, e)},
          {kSpecificHeat, bind(StmPSC, e)}}},
    };
}

class Agreement : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        ASSERT_TRUE(frame_->startUp({}));
        frame_->show();
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    }
    void TearDown() override {
        frame_.reset();
        test::clearSettings();
    }

    CCalvexView& view() { return *frame_->view(); }

    void enter(int property, double value) {
        CIOBox* b = view().box(property);
        b->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, QString::number(value, 'g', 17));
        view().labelEdit()->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // Selects exactly the two inputs of the pair.
    void selectPair(int first, int second) {
        // Clear first: a selected pair disables the check boxes of the others.
        for (int bit = 0; bit < 5; ++bit) {
            if (view().inputCheck(bit)->isChecked() && bit != first && bit != second) {
                view().inputCheck(bit)->click();
            }
        }
        for (int bit : {first, second}) {
            if (!view().inputCheck(bit)->isChecked()) {
                view().inputCheck(bit)->click();
            }
            ASSERT_TRUE(view().inputCheck(bit)->isChecked()) << bit;
        }
    }

    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(Agreement, FormValuesEqualTheLibraryExports) {
    for (const AgreementCase& c : cases()) {
        SCOPED_TRACE(c.name);
        if (c.ifc67) {
            view().EnglishUnits();
            view().UseIFC67();
        } else {
            view().SIUnits();
            view().UseIF97();
        }
        prompts_->messages.clear();
        selectPair(c.first, c.second);
        enter(c.first, c.a);
        enter(c.second, c.b);
        view().computeButton()->click();
        ASSERT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(QStringLiteral("|")).toStdString();
        const int unit = c.ifc67 ? 1 : 0;
        for (const Expect& x : c.expects) {
            const double expected = x.library(c.a, c.b);
            ASSERT_GT(expected, -1000.0) << "property " << x.property << ": library code";
            const double shown = view().box(x.property)->valueIn(x.property == kQuality ? 0 : unit);
            EXPECT_NEAR(shown, expected, std::fabs(expected) * kAgreement + 1e-15) << "property " << x.property;
        }
    }
}

TEST_F(Agreement, ScreenshotOfTheComputedForm) {
    selectPair(kPressure, kTemperature);
    enter(kPressure, 3.0);
    enter(kTemperature, 500.0);
    view().computeButton()->click();
    view().StorePoint();
    view().labelEdit()->setText(QStringLiteral("Superheated"));
    enter(kTemperature, 700.0);
    view().computeButton()->click();
    view().StorePoint();
    ASSERT_TRUE(prompts_->messages.isEmpty());
    QApplication::processEvents();
    const QString dir = QStringLiteral(CALVEX_ARTIFACT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    const QImage picture = frame_->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), frame_->width());
    const QString path = dir + QStringLiteral("/calvex-form.png");
    ASSERT_TRUE(picture.save(path));
    EXPECT_TRUE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace calvex
