// "Select Number Format": digits and style of every property.
//
// One row per property: a digits field with up/down arrows (0 to 8) and a style list ("Fixed",
// "Scientific"). OK checks every digits field in order and refuses the first that is not an
// integer from 0 to 8 with the integer messages, keeping the dialog open.
#pragma once

#include <QDialog>
#include <array>

#include "property_table.h"

class QComboBox;
class QLineEdit;

namespace calvex {

class UserPrompts;

class CNumberFormatDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMinDigits = 0;
    static constexpr int kMaxDigitsField = 8;

    CNumberFormatDialog(UserPrompts& prompts, QWidget* parent = nullptr);

    // The row of a property shows these digits and style (0 fixed, 1 scientific).
    void setRow(int property, int digits, int style);
    // After OK: the digits and style of each row.
    int digits(int property) const noexcept { return digits_[static_cast<std::size_t>(property)]; }
    int style(int property) const;

    QLineEdit* digitsField(int property) const noexcept { return fields_[static_cast<std::size_t>(property)]; }
    QComboBox* styleList(int property) const noexcept { return styles_[static_cast<std::size_t>(property)]; }

    // OK: every digits field is checked; the dialog closes only when all are valid.
    void accept() override;

  private:
    void step(int property, int delta);

    UserPrompts& prompts_;
    std::array<QLineEdit*, kPropertyCount> fields_{};
    std::array<QComboBox*, kPropertyCount> styles_{};
    std::array<int, kPropertyCount> digits_{};
};

// Row captions of the dialog, in property order.
inline constexpr std::array<const char*, kPropertyCount> kNumberFormatCaptions{
    "Pressure",
    "Temperature",
    "Quality",
    "Enthalpy",
    "Entropy",
    "Volume",
    "Specific Heat",
    "Viscosity",
    "Conductivity",
    "Prandtl Number",
    "Critical Velocity",
};

}  // namespace calvex
