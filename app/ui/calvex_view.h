// CCalvexView: the property form. It owns the eleven IO boxes, the label edit, the input check
// boxes, the unit lists, the stored-point list and column, the five buttons, its own input
// selection, the core objects of the computation (through PointCalculator), the flags shared
// with the boxes and the snapshot of the saved default settings.
//
// The snapshot is read from the settings when the view is first initialized (and applied when
// that first document is new) and written back when the view is destroyed.
//
// Every message and dialog goes through UserPrompts, so tests answer them without a modal box.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "calvex_doc.h"
#include "io_box.h"
#include "point_compute.h"
#include "point_table_text.h"
#include "saved_defaults.h"
#include "steam_chart.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace calvex {

class UserPrompts;

// The flags the menus read: set by the form, kept for the main frame.
struct CommandFlags {
    bool pointComputed = false;  // a point has been computed (or the shown point has a volume)
    bool storedPoints = false;   // the collection is not empty
    bool ifc67 = false;          // the IFC-67 formulation is in use
};

// Enabling of the commands when a menu opens (or the focus or selection changes).
struct CommandEnabling {
    bool recallExpression = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool storePoint = false;
    bool recallPoint = false;
    bool replacePoint = false;
    bool deletePoint = false;
};

class CCalvexView : public QWidget {
    Q_OBJECT

  public:
    // `prompts` answers every message and dialog; null gives the interactive ones.
    explicit CCalvexView(CCalvexDoc& doc, std::shared_ptr<UserPrompts> prompts = nullptr, QWidget* parent = nullptr);
    ~CCalvexView() override;

    // Runs each time a document is new or opened: shows the document in the form.
    void OnInitialUpdate();

    // Form commands. Compute returns true when a point was computed.
    bool Compute();
    // The end of a computation, for values put into the boxes by Compute or by a tool: names the
    // point ("Point " and the stored count plus 1 when the label is empty or taken), copies the
    // eleven box values, the label and the input selection into the document's current point,
    // enables Store (and Replace when points are stored) and clears recomputeNeeded.
    void FinishComputedPoint();
    void StorePoint();
    void RecallPoint();
    void ReplacePoint();
    void DeletePoint();
    // The user chose entry i of the stored-point list.
    void SelectStoredPoint(int i);
    // The user toggled the check box of an input bit (kInputPressure ... kInputEntropy).
    void ToggleInput(std::uint32_t bit);
    // The user chose unit `index` in the unit list of `property`.
    void SelectUnit(int property, int index);

    // Format menu and toolbar.
    void EnglishUnits();
    void SIUnits();
    void NumberFormat();
    // One more (+1) or one fewer (-1) digit in the focused IO box.
    void AdjustDigits(int delta);
    // "Use Settings as Default": the boxes' formats and the formulation go into the snapshot.
    void UseSettingsAsDefault();
    // "Restore Default Settings": the snapshot is applied to the boxes and the document.
    void RestoreDefaultSettings();

    // Edit menu.
    void CopySpecial();
    // Cut, copy, paste and Recall Expression act on the focused control.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void RecallExpression();

    // Tools > Formulations.
    void UseIF97();
    void UseIFC67();

    CommandEnabling commandEnabling() const;
    const CommandFlags& commandFlags() const noexcept { return commands_; }

    // The IO box that has the focus, or null.
    CIOBox* focusedBox() const;
    // Kind and format of every box (the formatter of stored values, clipboard and print).
    PropertyFormats boxFormats() const;

    CIOBox* box(int property) const noexcept { return boxes_[static_cast<std::size_t>(property)]; }
    QLineEdit* labelEdit() const noexcept { return label_; }
    QLabel* marker(int property) const noexcept { return markers_[static_cast<std::size_t>(property)]; }
    // Check box of input bit number 0..4 (pressure, temperature, quality, enthalpy, entropy).
    QCheckBox* inputCheck(int bitIndex) const noexcept { return checks_[static_cast<std::size_t>(bitIndex)]; }
    // Unit list of a property, null for quality and Prandtl number.
    QComboBox* unitList(int property) const noexcept { return units_[static_cast<std::size_t>(property)]; }
    QComboBox* storedList() const noexcept { return storedList_; }
    QLineEdit* storedField(int property) const noexcept { return storedFields_[static_cast<std::size_t>(property)]; }
    QPushButton* computeButton() const noexcept { return computeButton_; }
    QPushButton* storeButton() const noexcept { return storeButton_; }
    QPushButton* recallButton() const noexcept { return recallButton_; }
    QPushButton* replaceButton() const noexcept { return replaceButton_; }
    QPushButton* deleteButton() const noexcept { return deleteButton_; }

    EditFlags& editFlags() noexcept { return flags_; }
    std::uint32_t inputMask() const noexcept { return mask_; }
    const DefaultsSnapshot& defaultsSnapshot() const noexcept { return defaults_; }
    CCalvexDoc& document() noexcept { return doc_; }

    // The last expansion computed by the expansion tool for the document shown (none after a new
    // or opened document); the chart draws it.
    const std::optional<ExpansionPath>& lastExpansion() const noexcept { return lastExpansion_; }
    void SetLastExpansion(std::optional<ExpansionPath> path);
    const PointCalculator& calculator() const noexcept { return calculator_; }

  signals:
    // The enabling of commands or the formulation may have changed.
    void commandsChanged();
    // The document was marked modified by a command of the form.
    void documentModified();
    // The last expansion changed.
    void expansionChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildForm();
    void applySnapshot();
    void showCurrentPoint();
    void showInputSelection();
    void showUnits();
    void formatsToDocument();
    void fillStoredList();
    void showStoredPoint(int i);
    void clearStoredColumn();
    void reshowSelectedPoint();
    void fitStoredListPopup();
    void updatePointButtons();
    void setFormulation(bool ifc67);
    void focusLabel();
    void markModified();

    CCalvexDoc& doc_;
    std::shared_ptr<UserPrompts> prompts_;
    EditFlags flags_;
    CommandFlags commands_;
    std::uint32_t mask_ = 0;
    bool firstInit_ = true;
    DefaultsSnapshot defaults_ = DefaultsSnapshot::builtIn();
    PointCalculator calculator_;
    std::optional<ExpansionPath> lastExpansion_;

    std::array<CIOBox*, kPropertyCount> boxes_{};
    std::array<QLabel*, kPropertyCount> markers_{};
    std::array<QCheckBox*, 5> checks_{};
    std::array<QComboBox*, kPropertyCount> units_{};
    std::array<QLineEdit*, kPropertyCount> storedFields_{};
    QLineEdit* label_ = nullptr;
    QComboBox* storedList_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QPushButton* storeButton_ = nullptr;
    QPushButton* recallButton_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

// Row captions of the form, in property order (the first five are the input check boxes).
inline constexpr std::array<const char*, kPropertyCount> kFormCaptions{
    "Pressure",
    "Temperature",
    "Quality",
    "Enthalpy",
    "Entropy",
    "Volume",
    "Specific Heat",
    "Viscosity",
    "Conductivity",
    "Prandtl No.",
    "Critical Velocity",
};

}  // namespace calvex
