#include "io_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

namespace calvex {

QString fromLatin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

std::string toLatin1(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

CIOBox::CIOBox(QWidget* parent) : CIOBox(PropertyKind::Dimensionless, 0, parent) {}

CIOBox::CIOBox(PropertyKind kind, DisplayFormat format, QWidget* parent) : QLineEdit(parent), box_(kind, format) {
    connect(this, &QLineEdit::textChanged, this, &CIOBox::onTextChanged);
    showFormatted();
}

void CIOBox::attach(EditFlags* flags, QWidget* marker) {
    flags_ = flags;
    marker_ = marker;
    showFormatted();
}

void CIOBox::setKindAndFormat(PropertyKind kind, DisplayFormat format) {
    box_.setKindAndFormat(kind, format);
    showFormatted();
}

void CIOBox::setValueIn(double x, int unit) {
    box_.setValueIn(x, unit);
    showFormatted();
}

void CIOBox::setRawValue(double v) {
    box_.setRawValue(v);
    showFormatted();
}

void CIOBox::setAll(double v, PropertyKind kind, DisplayFormat format, QWidget* marker) {
    marker_ = marker;
    box_.setAll(v, kind, format);
    showFormatted();
}

void CIOBox::setUnit(int unit) {
    box_.setUnit(unit);
    showFormatted();
}

void CIOBox::setDigits(int digits) {
    box_.setDigits(digits);
    showFormatted();
}

void CIOBox::setStyle(int style) {
    box_.setStyle(style);
    showFormatted();
}

void CIOBox::setFormat(DisplayFormat format) {
    box_.setFormat(format);
    showFormatted();
}

QString CIOBox::formattedText() const { return fromLatin1(box_.displayText()); }

QString CIOBox::expressionText() const { return fromLatin1(box_.expressionText()); }

void CIOBox::showFormatted() {
    // Formatting is not typing: it neither sets editInProgress nor widens the box.
    settingText_ = true;
    setText(formattedText());
    settingText_ = false;
    if (marker_) {
        marker_->setVisible(box_.changed());
    }
}

EvalOutcome CIOBox::evaluate() {
    const EvalReport r = box_.evaluate(toLatin1(text()));
    switch (r.outcome) {
        case EvalOutcome::Unchanged:
            if (!box_.readOnly()) {
                settingText_ = true;
                setText(formattedText());
                settingText_ = false;
            }
            break;
        case EvalOutcome::Error:
            selectError(static_cast<int>(r.errorPos));
            QApplication::beep();
            break;
        case EvalOutcome::NewValue:
            showFormatted();
            // However the text came to be evaluated (leaving the box, a digits command), the new
            // value asks for a new computation.
            if (flags_) {
                flags_->recomputeNeeded = true;
            }
            emit valueEntered();
            break;
    }
    return r.outcome;
}

void CIOBox::selectError(int position) {
    const auto select = [this, position] {
        setFocus(Qt::OtherFocusReason);
        setSelection(position, 1);
    };
    if (inFocusOut_) {
        // The focus is moving away right now; take it back once that has finished.
        QTimer::singleShot(0, this, select);
    } else {
        select();
    }
}

void CIOBox::restoreDisplay() {
    box_.clearChanged();
    showFormatted();
}

bool CIOBox::recallExpression() {
    if (box_.expressionText().empty()) {
        return false;
    }
    setText(expressionText());
    setFocus(Qt::OtherFocusReason);
    deselect();
    end(false);
    return true;
}

void CIOBox::adjustDigits(int delta) {
    const bool caretAtEnd = cursorPosition() == text().size();
    if (text() != formattedText()) {
        if (evaluate() == EvalOutcome::Error) {
            return;
        }
        if (flags_) {
            flags_->editInProgress = false;  // the typed text has been evaluated
        }
    }
    setDigits(digits() + delta);
    if (caretAtEnd) {
        end(false);
    }
}

void CIOBox::makeReadOnly() {
    box_.setReadOnly(true);
    setReadOnly(true);
}

void CIOBox::onTextChanged() {
    if (settingText_ || !hasFocus()) {
        return;
    }
    if (!widened_ && text().size() == kWidenLength) {
        savedGeometry_ = geometry();
        widened_ = true;
        setGeometry(savedGeometry_.x(), savedGeometry_.y(), savedGeometry_.width() * 2, savedGeometry_.height());
        raise();
    }
    if (flags_) {
        flags_->editInProgress = true;
    }
}

void CIOBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    if (event->reason() == Qt::MouseFocusReason) {
        // The press that gave the focus would place the caret; select once it has.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus()) {
                selectAll();
            }
        });
    }
}

void CIOBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) {
        return;  // a menu opened over the box: the user has not left it
    }
    inFocusOut_ = true;
    leaveEditing();
    inFocusOut_ = false;
}

EvalOutcome CIOBox::leaveEditing() {
    if (widened_) {
        setGeometry(savedGeometry_);
        widened_ = false;
    }
    const EvalOutcome outcome = evaluate();
    if (flags_) {
        flags_->editInProgress = false;
    }
    return outcome;
}

}  // namespace calvex
