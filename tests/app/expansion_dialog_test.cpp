// The expansion tool driven from the main window on the offscreen platform: opening refused
// while a recomputation is needed, the dialog's boxes, kinds, formats, units and row labels,
// the input modes, Compute (with a box being edited), the steam-rate and energy units,
// "Close and Copy to Current Point" and Cancel, in both formulations. The dialog is run by the
// scripted prompts, never as a modal window. A picture of the computed dialog is kept under
// the build folder: artifacts/calvex-expansion.png.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calvex_view.h"
#include "expansion_dialog.h"
#include "main_frame.h"
#include "number_format.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

constexpr int kBitP = 0, kBitT = 1;

class ExpansionTool : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        installExpansionTool(*frame_);
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
    CCalvexDoc& doc() { return frame_->document(); }

    // The form's point: 10 MPa, 823.15 K (550 C) by (p, T).
    void computeInlet() {
        view().inputCheck(kBitP)->click();
        view().inputCheck(kBitT)->click();
        view().box(kPressure)->setValueIn(10.0, 0);
        view().box(kTemperature)->setValueIn(823.15, 0);
        view().editFlags().recomputeNeeded = true;
        ASSERT_TRUE(view().Compute());
        ASSERT_FALSE(view().editFlags().recomputeNeeded);
    }

    // Opens the tool from the Tools menu; `handle` drives the dialog and answers.
    void openTool(const std::function<bool(CExpansionDialog&)>& handle) {
        prompts_->dialogHandler = [handle](QDialog& d) {
            auto* dlg = dynamic_cast<CExpansionDialog*>(&d);
            EXPECT_NE(dlg, nullptr);
            return dlg ? handle(*dlg) : false;
        };
        frame_->expansionAction()->trigger();
    }

    static void showActive(CExpansionDialog& dlg) {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &dlg);
    }

    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(ExpansionTool, CommandIsEnabledOnTheFrame) {
    EXPECT_TRUE(frame_->expansionAction()->isEnabled());
    EXPECT_EQ(frame_->expansionAction()->text(), QStringLiteral("Ex&pansion"));
}

TEST_F(ExpansionTool, RefusedWhileARecomputationIsNeeded) {
    // A new document's point has not been computed.
    ASSERT_TRUE(view().editFlags().recomputeNeeded);
    frame_->expansionAction()->trigger();
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("The state point needs to be recalculated before proceeding."));
    EXPECT_EQ(prompts_->dialogs, 0);
}

TEST_F(ExpansionTool, ATypedValueNotYetEvaluatedIsARecomputation) {
    computeInlet();
    CIOBox* p = view().box(kPressure);
    p->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    p->selectAll();
    QTest::keyClicks(p, QStringLiteral("5"));
    ASSERT_TRUE(view().editFlags().editInProgress);
    frame_->expansionAction()->trigger();
    EXPECT_EQ(prompts_->dialogs, 0);
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(p->value(), 5.0);
}

TEST_F(ExpansionTool, DialogContents) {
    computeInlet();
    view().SelectUnit(kPressure, 1);     // psia
    view().SelectUnit(kTemperature, 3);  // deg C
    view().SelectUnit(kEnthalpy, 1);     // Btu/lb
    openTool([this](CExpansionDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Calculate Expansion"));
        // Expand From: copies of the form's five input boxes, read-only.
        for (int i = 0; i <= kEntropy; ++i) {
            const CIOBox* form = view().box(i);
            EXPECT_EQ(dlg.fromBox(i)->value(), form->value()) << i;
            EXPECT_EQ(dlg.fromBox(i)->format(), form->format()) << i;
            EXPECT_EQ(dlg.fromBox(i)->kind(), form->kind()) << i;
            EXPECT_EQ(dlg.fromBox(i)->text(), form->text()) << i;
            EXPECT_TRUE(dlg.fromBox(i)->isReadOnly());
            // To: the same kinds and formats, starting at 0.
            EXPECT_EQ(dlg.toBox(i)->kind(), form->kind()) << i;
            EXPECT_EQ(dlg.toBox(i)->format(), form->format()) << i;
            EXPECT_TRUE(dlg.toBox(i)->isVisibleTo(&dlg)) << i;
        }
        EXPECT_EQ(dlg.toBox(kPressure)->value(), 0.0);
        // The temperature starts at 0 in its display unit: 0 deg C.
        EXPECT_EQ(dlg.toBox(kTemperature)->text(), QStringLiteral("0.00"));
        EXPECT_DOUBLE_EQ(dlg.toBox(kTemperature)->value(), 273.15);
        EXPECT_EQ(dlg.toBox(kEnthalpy)->value(), 0.0);
        EXPECT_TRUE(dlg.toBox(kEntropy)->isReadOnly());
        // The hidden boxes: kinds 5, 6, 7, 8, 2, 9 with 0 digits.
        const PropertyKind hiddenKinds[] = {PropertyKind::Volume,
                                            PropertyKind::SpecificHeat,
                                            PropertyKind::Viscosity,
                                            PropertyKind::Conductivity,
                                            PropertyKind::Dimensionless,
                                            PropertyKind::Velocity};
        for (int p = kVolume; p < kPropertyCount; ++p) {
            EXPECT_EQ(dlg.toBox(p)->kind(), hiddenKinds[p - kVolume]) << p;
            EXPECT_EQ(dlg.toBox(p)->format(), 0) << p;
            EXPECT_FALSE(dlg.toBox(p)->isVisibleTo(&dlg)) << p;
        }
        // Row labels with the unit texts of the form.
        EXPECT_EQ(dlg.rowLabel(0)->text(), QStringLiteral("P - psia"));
        EXPECT_EQ(dlg.rowLabel(1)->text(), QStringLiteral("T - deg C"));
        EXPECT_EQ(dlg.rowLabel(2)->text(), QStringLiteral("Q "));
        EXPECT_EQ(dlg.rowLabel(3)->text(), QStringLiteral("H - Btu/lb"));
        EXPECT_EQ(dlg.rowLabel(4)->text(), QStringLiteral("S - kJ/kg/K"));
        // Efficiency and steam rate with the quality's format; energy with the enthalpy's.
        EXPECT_EQ(dlg.efficiencyBox()->kind(), PropertyKind::Dimensionless);
        EXPECT_EQ(dlg.efficiencyBox()->format(), view().box(kQuality)->format());
        EXPECT_EQ(dlg.efficiencyBox()->text(), QStringLiteral("0.000"));
        EXPECT_EQ(dlg.energyBox()->kind(), PropertyKind::Enthalpy);
        EXPECT_EQ(dlg.energyBox()->format(), view().box(kEnthalpy)->format());
        EXPECT_TRUE(dlg.energyBox()->isReadOnly());
        EXPECT_EQ(dlg.steamRateBox()->format(), view().box(kQuality)->format());
        EXPECT_TRUE(dlg.steamRateBox()->isReadOnly());
        // The energy units: the seven enthalpy units, starting at the enthalpy's.
        EXPECT_EQ(dlg.energyUnits()->count(), 7);
        const char* units[] = {"kJ/kg", "Btu/lb", "kcal/kg", "Ft-lbf/lbm", "psi/lbm/ft3", "kp-m/g", "hp-hr/lbm"};
        for (int u = 0; u < 7; ++u) {
            EXPECT_EQ(dlg.energyUnits()->itemText(u), QString::fromLatin1(units[u]));
        }
        EXPECT_EQ(dlg.energyUnits()->currentIndex(), 1);
        // Steam rate: "lbm/kWh" for Btu/lb.
        EXPECT_EQ(dlg.steamRateUnits()->count(), 2);
        EXPECT_EQ(dlg.steamRateUnits()->itemText(0), QStringLiteral("lbm/kWh"));
        EXPECT_EQ(dlg.steamRateUnits()->itemText(1), QStringLiteral("kg/kWh"));
        EXPECT_EQ(dlg.steamRateUnits()->currentIndex(), 0);
        // The input modes, "Pressure, Efficiency" selected: only the efficiency is editable.
        EXPECT_EQ(dlg.modeButton(ExpansionMode::PressureEfficiency)->text(), QStringLiteral("Pressure, Efficiency"));
        EXPECT_EQ(dlg.modeButton(ExpansionMode::PressureEnthalpy)->text(), QStringLiteral("Pressure, Enthalpy"));
        EXPECT_EQ(dlg.modeButton(ExpansionMode::PressureTemperature)->text(), QStringLiteral("Pressure, Temperature"));
        EXPECT_EQ(dlg.modeButton(ExpansionMode::PressureQuality)->text(), QStringLiteral("Pressure, Quality"));
        EXPECT_TRUE(dlg.modeButton(ExpansionMode::PressureEfficiency)->isChecked());
        EXPECT_TRUE(dlg.efficiencyBox()->isEnabled());
        EXPECT_FALSE(dlg.toBox(kEnthalpy)->isEnabled());
        EXPECT_FALSE(dlg.toBox(kTemperature)->isEnabled());
        EXPECT_FALSE(dlg.toBox(kQuality)->isEnabled());
        EXPECT_TRUE(dlg.toBox(kPressure)->isEnabled());
        EXPECT_EQ(dlg.computeButton()->text(), QStringLiteral("Compute"));
        EXPECT_TRUE(dlg.computeButton()->isDefault());
        EXPECT_EQ(dlg.copyButton()->text(), QStringLiteral("Close and Copy to Current Point"));
        EXPECT_EQ(dlg.cancelButton()->text(), QStringLiteral("Cancel"));
        return false;
    });
    EXPECT_EQ(prompts_->dialogs, 1);
}

TEST_F(ExpansionTool, SteamRateStartsInKilogramsForMetricEnthalpyUnits) {
    computeInlet();
    for (const int u : {0, 2, 5}) {
        view().SelectUnit(kEnthalpy, u);
        openTool([u](CExpansionDialog& dlg) {
            EXPECT_EQ(dlg.steamRateUnits()->currentText(), QStringLiteral("kg/kWh")) << u;
            return false;
        });
    }
}

TEST_F(ExpansionTool, ChoosingAModeEnablesItsBox) {
    computeInlet();
    openTool([](CExpansionDialog& dlg) {
        dlg.modeButton(ExpansionMode::PressureTemperature)->click();
        EXPECT_EQ(dlg.mode(), ExpansionMode::PressureTemperature);
        EXPECT_TRUE(dlg.toBox(kTemperature)->isEnabled());
        EXPECT_FALSE(dlg.efficiencyBox()->isEnabled());
        dlg.modeButton(ExpansionMode::PressureQuality)->click();
        EXPECT_TRUE(dlg.toBox(kQuality)->isEnabled());
        EXPECT_FALSE(dlg.toBox(kTemperature)->isEnabled());
        dlg.modeButton(ExpansionMode::PressureEnthalpy)->click();
        EXPECT_TRUE(dlg.toBox(kEnthalpy)->isEnabled());
        EXPECT_FALSE(dlg.toBox(kQuality)->isEnabled());
        return false;
    });
}

TEST_F(ExpansionTool, SamePressureIsRefusedAndFocusesThePressure) {
    computeInlet();
    openTool([this](CExpansionDialog& dlg) {
        showActive(dlg);
        dlg.toBox(kPressure)->setRawValue(10.0);
        dlg.efficiencyBox()->setRawValue(0.8);
        dlg.computeButton()->setFocus();
        dlg.Compute();
        EXPECT_EQ(prompts_->messages.value(0),
                  QStringLiteral("The expansion calculation cannot be completed because the expansion pressure must "
                                 "be lower than the initial pressure"));
        EXPECT_TRUE(dlg.toBox(kPressure)->hasFocus());
        EXPECT_EQ(dlg.energyBox()->value(), 0.0);
        return false;
    });
}

TEST_F(ExpansionTool, SteamRateUnitBeforeComputing) {
    computeInlet();
    openTool([](CExpansionDialog& dlg) {
        dlg.steamRateUnits()->setCurrentIndex(0);
        emit dlg.steamRateUnits()->activated(0);
        EXPECT_EQ(dlg.steamRateBox()->text(), QStringLiteral("Not Available "));
        dlg.steamRateUnits()->setCurrentIndex(1);
        emit dlg.steamRateUnits()->activated(1);
        EXPECT_EQ(dlg.steamRateBox()->text(), QStringLiteral("Not Available "));
        return false;
    });
}

TEST_F(ExpansionTool, ComputeShowsTheExpansion) {
    computeInlet();
    openTool([this](CExpansionDialog& dlg) {
        showActive(dlg);
        dlg.toBox(kPressure)->setRawValue(1.0);
        dlg.efficiencyBox()->setRawValue(0.85);
        dlg.Compute();
        EXPECT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.value(0).toStdString();
        // The same calculation without a window.
        ExpansionInput in;
        in.p1 = 10.0;
        in.h1 = dlg.fromBox(kEnthalpy)->value();
        in.s1 = dlg.fromBox(kEntropy)->value();
        in.boxes[kToPressure] = 1.0;
        in.boxes[kEfficiencyBox] = 0.85;
        CoreExpansionCalculator calc;
        const ExpansionReport r = computeExpansion(in, calc);
        EXPECT_EQ(dlg.energyBox()->value(), r.values[kEnergyBox]);
        EXPECT_EQ(dlg.toBox(kEnthalpy)->value(), r.values[kToEnthalpy]);
        EXPECT_EQ(dlg.toBox(kTemperature)->value(), r.values[kToTemperature]);
        EXPECT_EQ(dlg.toBox(kViscosity)->value(), r.values[kViscosity]);
        EXPECT_EQ(dlg.steamRateBox()->value(), 3600.0 / r.values[kEnergyBox]);
        EXPECT_EQ(dlg.steamRateBox()->text(),
                  QString::fromStdString(formatValue(3600.0 / r.values[kEnergyBox], PropertyKind::Dimensionless, 3)));
        EXPECT_EQ(dlg.toBox(kQuality)->text(), QStringLiteral("1.000"));
        EXPECT_TRUE(dlg.computeButton()->hasFocus());
        // A picture of the computed dialog for a person to look at.
        QDir().mkpath(QStringLiteral(CALVEX_PRINT_ARTIFACT_DIR));
        EXPECT_TRUE(dlg.grab().save(QStringLiteral(CALVEX_PRINT_ARTIFACT_DIR "/calvex-expansion.png")));

        // The energy in another unit: Btu/lb.
        dlg.energyUnits()->setCurrentIndex(1);
        emit dlg.energyUnits()->activated(1);
        EXPECT_EQ(dlg.energyBox()->text(),
                  QString::fromStdString(formatNumber(r.values[kEnergyBox] / 2.326, 2, NumberStyle::Fixed)));
        // The steam rate in lbm/kWh from the same energy.
        dlg.steamRateUnits()->setCurrentIndex(0);
        emit dlg.steamRateUnits()->activated(0);
        EXPECT_DOUBLE_EQ(dlg.steamRateBox()->value(), 3412.14 / (r.values[kEnergyBox] / 2.326));
        return false;
    });
}

TEST_F(ExpansionTool, ComputeWhileEditingOnlyEvaluates) {
    computeInlet();
    openTool([this](CExpansionDialog& dlg) {
        showActive(dlg);
        dlg.efficiencyBox()->setRawValue(0.9);
        CIOBox* p = dlg.toBox(kPressure);
        p->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        p->selectAll();
        QTest::keyClicks(p, QStringLiteral("0.5*2"));
        EXPECT_TRUE(view().editFlags().editInProgress);
        dlg.Compute();
        EXPECT_EQ(p->value(), 1.0);
        EXPECT_FALSE(view().editFlags().editInProgress);
        EXPECT_EQ(dlg.energyBox()->value(), 0.0);  // not computed yet
        dlg.Compute();
        EXPECT_GT(dlg.energyBox()->value(), 0.0);
        EXPECT_TRUE(prompts_->messages.isEmpty());
        return false;
    });
}

TEST_F(ExpansionTool, EnthalpyAboveTheInitialInTheDialog) {
    computeInlet();
    openTool([this](CExpansionDialog& dlg) {
        dlg.SelectMode(ExpansionMode::PressureEnthalpy);
        dlg.toBox(kPressure)->setRawValue(1.0);
        dlg.toBox(kEnthalpy)->setRawValue(dlg.fromBox(kEnthalpy)->value() + 50.0);
        dlg.Compute();
        EXPECT_EQ(prompts_->messages.value(0),
                  QStringLiteral("The expansion calculation cannot be completed because the expansion enthalpy is "
                                 "greater than the initial enthalpy"));
        EXPECT_EQ(dlg.energyBox()->value(), 0.0);
        EXPECT_EQ(dlg.toBox(kEnthalpy)->value(), 0.0);
        return false;
    });
}

TEST_F(ExpansionTool, CloseAndCopyMakesTheEndStateTheCurrentPoint) {
    computeInlet();
    ASSERT_EQ(view().labelEdit()->text(), QStringLiteral("Point 1"));
    view().StorePoint();  // "Point 1" is now a stored label: the copied point is renamed
    ASSERT_EQ(doc().GetStoredCount(), 1);
    doc().SetModifiedFlag(false);
    FormValues end{};
    openTool([&end](CExpansionDialog& dlg) {
        dlg.toBox(kPressure)->setRawValue(0.01);
        dlg.efficiencyBox()->setRawValue(0.9);
        dlg.copyButton()->click();
        end = dlg.toValues();
        return dlg.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(prompts_->messages.isEmpty());
    EXPECT_GT(end[kQuality], 0.0);
    EXPECT_LT(end[kQuality], 1.0);
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(view().box(p)->value(), end[static_cast<std::size_t>(p)]) << p;
        EXPECT_EQ(doc().CurrentPoint().value(p), end[static_cast<std::size_t>(p)]) << p;
    }
    EXPECT_EQ(view().box(kViscosity)->text(), QStringLiteral("Not Available "));
    EXPECT_EQ(view().labelEdit()->text(), QStringLiteral("Point 2"));
    EXPECT_EQ(doc().CurrentPoint().label(), "Point 2");
    EXPECT_TRUE(doc().IsModified());
    EXPECT_FALSE(view().editFlags().recomputeNeeded);
    EXPECT_TRUE(view().storeButton()->isEnabled());
    // The copied point can be stored at once.
    view().StorePoint();
    EXPECT_EQ(doc().GetStoredCount(), 2);
}

TEST_F(ExpansionTool, CloseAndCopyAfterARefusalKeepsTheDialogOpen) {
    // A refused expansion has no end state: the computed current point is not replaced by the
    // boxes' zeros; the message is shown and the dialog stays open.
    computeInlet();
    const CStatePoint before = doc().CurrentPoint();
    bool accepted = true;
    openTool([&accepted](CExpansionDialog& dlg) {
        showActive(dlg);
        dlg.toBox(kPressure)->setRawValue(20.0);  // above the initial pressure
        dlg.copyButton()->click();
        accepted = dlg.result() == QDialog::Accepted;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_TRUE(dlg.toBox(kPressure)->hasFocus());
        dlg.cancelButton()->click();
        return dlg.result() == QDialog::Accepted;
    });
    EXPECT_FALSE(accepted);
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0],
              QStringLiteral("The expansion calculation cannot be completed because the expansion pressure must be "
                             "lower than the initial pressure"));
    EXPECT_EQ(doc().CurrentPoint(), before);
    EXPECT_EQ(view().box(kPressure)->value(), 10.0);
    EXPECT_FALSE(view().editFlags().recomputeNeeded);
}

TEST_F(ExpansionTool, CancelChangesNothing) {
    computeInlet();
    const CStatePoint before = doc().CurrentPoint();
    openTool([](CExpansionDialog& dlg) {
        dlg.toBox(kPressure)->setRawValue(1.0);
        dlg.efficiencyBox()->setRawValue(0.8);
        dlg.Compute();
        dlg.cancelButton()->click();
        return dlg.result() == QDialog::Accepted;
    });
    EXPECT_EQ(doc().CurrentPoint(), before);
    EXPECT_EQ(view().box(kPressure)->value(), 10.0);
    EXPECT_FALSE(view().editFlags().recomputeNeeded);
}

TEST_F(ExpansionTool, RecomputeFlagClearedAfterTheDialog) {
    computeInlet();
    openTool([this](CExpansionDialog& dlg) {
        // Typing into the dialog's boxes sets the shared flag...
        view().editFlags().recomputeNeeded = true;
        dlg.cancelButton()->click();
        return false;
    });
    // ...which is cleared when the dialog closes.
    EXPECT_FALSE(view().editFlags().recomputeNeeded);
}

TEST_F(ExpansionTool, IFC67Formulation) {
    computeInlet();
    view().UseIFC67();
    ASSERT_TRUE(prompts_->messages.isEmpty());
    openTool([this](CExpansionDialog& dlg) {
        dlg.toBox(kPressure)->setRawValue(1.0);
        dlg.efficiencyBox()->setRawValue(0.85);
        dlg.Compute();
        EXPECT_TRUE(prompts_->messages.isEmpty());
        ExpansionInput in;
        in.p1 = 10.0;
        in.h1 = dlg.fromBox(kEnthalpy)->value();
        in.s1 = dlg.fromBox(kEntropy)->value();
        in.boxes[kToPressure] = 1.0;
        in.boxes[kEfficiencyBox] = 0.85;
        in.ifc67 = true;
        CoreExpansionCalculator calc;
        const ExpansionReport r = computeExpansion(in, calc);
        EXPECT_EQ(dlg.energyBox()->value(), r.values[kEnergyBox]);
        EXPECT_EQ(dlg.toBox(kTemperature)->value(), r.values[kToTemperature]);
        // The library has no critical flow velocity.
        EXPECT_EQ(dlg.toBox(kCriticalVelocity)->value(), NotAvailableMarker);
        // And the IF97 answer differs (another formulation was used).
        in.ifc67 = false;
        const ExpansionReport r97 = computeExpansion(in, calc);
        EXPECT_NE(r97.values[kToTemperature], r.values[kToTemperature]);
        return false;
    });
}

}  // namespace
}  // namespace calvex
