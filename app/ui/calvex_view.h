// CCalvexView: the form of the active point. It owns the eleven IO boxes, the label edit, the
// flags shared with the boxes and the snapshot of the saved default settings.
//
// The snapshot is read from the settings when the view is first initialized (and applied when
// that first document is new) and written back when the view is destroyed.
#pragma once

#include <QWidget>
#include <array>

#include "calvex_doc.h"
#include "io_box.h"
#include "saved_defaults.h"

class QLabel;
class QLineEdit;

namespace calvex {

class CCalvexView : public QWidget {
    Q_OBJECT

public:
    explicit CCalvexView(CCalvexDoc& doc, QWidget* parent = nullptr);
    ~CCalvexView() override;

    // Runs each time a document is new or opened: shows the document in the form.
    void OnInitialUpdate();

    // "Use Settings as Default": the boxes' formats and the formulation go into the snapshot.
    void UseSettingsAsDefault();
    // "Restore Default Settings": the snapshot is applied to the boxes and the document.
    void RestoreDefaultSettings();

    CIOBox* box(int property) const noexcept { return boxes_[static_cast<std::size_t>(property)]; }
    QLineEdit* labelEdit() const noexcept { return label_; }
    QLabel* marker(int property) const noexcept { return markers_[static_cast<std::size_t>(property)]; }
    EditFlags& editFlags() noexcept { return flags_; }
    const DefaultsSnapshot& defaultsSnapshot() const noexcept { return defaults_; }
    CCalvexDoc& document() noexcept { return doc_; }

private:
    void applySnapshot();

    CCalvexDoc& doc_;
    EditFlags flags_;
    bool firstInit_ = true;
    DefaultsSnapshot defaults_ = DefaultsSnapshot::builtIn();
    std::array<CIOBox*, kPropertyCount> boxes_{};
    std::array<QLabel*, kPropertyCount> markers_{};
    QLineEdit* label_ = nullptr;
};

// Row captions of the form, in property order.
inline constexpr std::array<const char*, kPropertyCount> kFormCaptions{
    "Pressure", "Temperature", "Quality", "Enthalpy", "Entropy", "Volume",
    "Specific Heat", "Viscosity", "Conductivity", "Prandtl No.", "Critical Velocity",
};

}  // namespace calvex
