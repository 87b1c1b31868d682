// CIOBox: an edit control that holds one property value in its internal unit, shows it in the
// chosen unit and format, and accepts a number or an arithmetic expression typed by the user.
//
// The box evaluates its text when it loses the focus; an error selects the offending character
// and sounds the bell. A value read from typing sets the changed marker, shown by a small
// picture beside the box until a computation replaces the value.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QRect>
#include <QString>

#include "io_box_model.h"

namespace calvex {

class CIOBox : public QLineEdit {
    Q_OBJECT

  public:
    // Length of typed text at which the box doubles its width while being edited.
    static constexpr int kWidenLength = 15;

    explicit CIOBox(QWidget* parent = nullptr);
    CIOBox(PropertyKind kind, DisplayFormat format, QWidget* parent = nullptr);

    void setKindAndFormat(PropertyKind kind, DisplayFormat format);
    // The shared flags of the owner and the marker picture beside the box (may be null).
    void attach(EditFlags* flags, QWidget* marker = nullptr);

    void setValueIn(double x, int unit);
    void setRawValue(double v);
    void setAll(double v, PropertyKind kind, DisplayFormat format, QWidget* marker = nullptr);

    double value() const noexcept { return box_.value(); }
    double valueIn(int unit) const noexcept { return box_.valueIn(unit); }
    PropertyKind kind() const noexcept { return box_.kind(); }

    void setUnit(int unit);
    int unit() const noexcept { return box_.unit(); }
    void setDigits(int digits);
    int digits() const noexcept { return box_.digits(); }
    void setStyle(int style);
    int style() const noexcept { return box_.style(); }
    void setFormat(DisplayFormat format);
    DisplayFormat format() const noexcept { return box_.format(); }

    // Text of the last formatting, and the last typed text that evaluated without error.
    QString formattedText() const;
    QString expressionText() const;
    bool changed() const noexcept { return box_.changed(); }

    std::uint32_t defaultSnapshot() const noexcept { return box_.defaultSnapshot(); }
    void setDefaultSnapshot(std::uint32_t v) noexcept { box_.setDefaultSnapshot(v); }

    // Evaluates the control's text (see IOBoxModel::evaluate); on an error the box takes the
    // focus, the character at the error is selected and the bell sounds.
    EvalOutcome evaluate();
    // Clears the changed marker, hides the marker picture and puts the display text back.
    void restoreDisplay();
    // Puts the last expression back into the control for editing; false when there is none.
    bool recallExpression();
    // One more (+1) or one fewer (-1) digit: typed text not yet evaluated is evaluated first
    // (an error stops here), otherwise the value is formatted again; a caret at the end of the
    // text stays at the end. Digits stay within 0..8.
    void adjustDigits(int delta);
    // Makes the box read-only: the user cannot type and evaluation reports Unchanged.
    void makeReadOnly();
    // What leaving the box does: the width comes back, the text is evaluated, a new value sets
    // recomputeNeeded and editInProgress is cleared. Run on losing the focus.
    EvalOutcome leaveEditing();

    bool isWidened() const noexcept { return widened_; }
    const IOBoxModel& model() const noexcept { return box_; }

  signals:
    // The user's typing gave the box a new value.
    void valueEntered();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onTextChanged();
    void showFormatted();
    void selectError(int position);

    IOBoxModel box_;
    EditFlags* flags_ = nullptr;
    QPointer<QWidget> marker_;
    bool settingText_ = false;
    bool inFocusOut_ = false;
    bool widened_ = false;
    QRect savedGeometry_;
};

// The five input boxes of the property form (pressure, temperature, quality, enthalpy,
// entropy); they behave as every other box.
class CIOBoxPN : public CIOBox {
    Q_OBJECT

  public:
    using CIOBox::CIOBox;
};

// Labels and typed texts are single-byte characters (Latin-1) in documents and expressions.
QString fromLatin1(const std::string& s);
std::string toLatin1(const QString& s);

}  // namespace calvex
