// The expansion tool's dialog "Calculate Expansion": the expansion of steam from the form's
// current point to a lower pressure, in the formulation chosen on the form.
//
// The dialog holds IO boxes: the "Expand From" copies of the form's five input boxes
// (read-only), the "To" boxes (pressure, temperature, quality, enthalpy and entropy shown; the
// other six properties hidden), the section efficiency, the expansion energy with its unit list
// and the steam rate with "lbm/kWh" and "kg/kWh". The group "Input variables" chooses the
// quantity given besides the "To" pressure; the boxes of the other choices are disabled.
//
// "Compute" computes the expansion (computeExpansion); "Close and Copy to Current Point"
// computes it and closes with the dialog accepted (unless the expansion is refused: then its
// message is shown and the dialog stays open); "Cancel" closes with it rejected. Messages
// go through UserPrompts.
#pragma once

#include <QDialog>
#include <array>

#include "expansion.h"
#include "io_box.h"
#include "steam_chart.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace calvex {

class CCalvexView;
class CMainFrame;
class UserPrompts;

class CExpansionDialog : public QDialog {
    Q_OBJECT

  public:
    // Takes the copies, kinds and formats from the form; the boxes share the form's flags.
    CExpansionDialog(CCalvexView& view, UserPrompts& prompts, QWidget* parent = nullptr);
    ~CExpansionDialog() override;

    // The "Compute" button: evaluates a box being edited, or computes the expansion.
    void Compute();
    // The "Close and Copy to Current Point" button: computes the expansion and accepts; a
    // refused expansion shows its message and keeps the dialog open.
    void CloseAndCopy();
    // Chooses the input mode, as the group "Input variables" does.
    void SelectMode(ExpansionMode mode);
    ExpansionMode mode() const noexcept { return mode_; }

    // The result of the last calculation (all false and the boxes' values before any).
    const ExpansionReport& lastReport() const noexcept { return last_; }
    // The eleven "To" values, as the form takes them.
    FormValues toValues() const;
    // The expansion as the boxes hold it: the "Expand From" state and the "To" state.
    ExpansionPath expansionPath() const;

  signals:
    // An expansion was computed (not refused); the chart draws it.
    void expansionComputed(const calvex::ExpansionPath& path);

  public:
    CIOBox* fromBox(int i) const noexcept { return from_[static_cast<std::size_t>(i)]; }  // 0..4
    CIOBox* toBox(int property) const noexcept { return to_[static_cast<std::size_t>(property)]; }
    CIOBox* efficiencyBox() const noexcept { return efficiency_; }
    CIOBox* energyBox() const noexcept { return energy_; }
    CIOBox* steamRateBox() const noexcept { return steamRate_; }
    QComboBox* energyUnits() const noexcept { return energyUnits_; }
    QComboBox* steamRateUnits() const noexcept { return steamRateUnits_; }
    QRadioButton* modeButton(ExpansionMode m) const noexcept { return modes_[static_cast<std::size_t>(m)]; }
    QLabel* rowLabel(int i) const noexcept { return rowLabels_[static_cast<std::size_t>(i)]; }  // 0..4
    QPushButton* computeButton() const noexcept { return computeButton_; }
    QPushButton* copyButton() const noexcept { return copyButton_; }
    QPushButton* cancelButton() const noexcept { return cancelButton_; }

  private:
    void buildDialog(CCalvexView& view);
    CIOBox* box(int b) const noexcept;
    void runExpansion();
    void energyUnitChosen(int index);
    void steamRateUnitChosen(int index);
    // A box whose typed text has not been evaluated yet is evaluated now.
    void finishEditing();

    UserPrompts& prompts_;
    EditFlags& flags_;
    bool ifc67_ = false;
    ExpansionMode mode_ = ExpansionMode::PressureEfficiency;
    CoreExpansionCalculator calculator_;
    ExpansionReport last_;

    std::array<CIOBox*, 5> from_{};
    std::array<CIOBox*, kPropertyCount> to_{};
    CIOBox* efficiency_ = nullptr;
    CIOBox* energy_ = nullptr;
    CIOBox* steamRate_ = nullptr;
    QComboBox* energyUnits_ = nullptr;
    QComboBox* steamRateUnits_ = nullptr;
    std::array<QRadioButton*, kExpansionModeCount> modes_{};
    std::array<QLabel*, 5> rowLabels_{};
    QButtonGroup* modeGroup_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Tools > Expansion: refuses with its message while the form's point needs a recomputation,
// otherwise runs the dialog; "Close and Copy to Current Point" makes the end state the form's
// current point, named and copied into the document as after a computation. After the dialog
// closes the form needs no recomputation.
void runExpansionTool(CCalvexView& view, UserPrompts& prompts);

// The form's boxes take the eleven values raw; the point is named and becomes the document's
// current point, as after a computation.
void takeExpansionEndState(CCalvexView& view, const FormValues& values);

// Connects and enables the frame's expansion command (menu and toolbar).
void installExpansionTool(CMainFrame& frame);

}  // namespace calvex
