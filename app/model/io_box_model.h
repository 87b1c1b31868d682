// The window-free part of an IO box: one property value in its internal unit, its display
// format and kind, the text shown for it, and the last expression the user typed.
//
// Used alone it is the formatter that turns stored values into text (stored-point column,
// clipboard, print); the CIOBox widget wraps one and puts its text into an edit control.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "display_format.h"
#include "property_table.h"

namespace calvex {

// Flags shared by all IO boxes and the form that owns them.
struct EditFlags {
    bool editInProgress = false;   // a box has been typed into and not yet evaluated
    bool recomputeNeeded = false;  // an input changed since the last computation
};

enum class EvalOutcome { NewValue, Unchanged, Error };

struct EvalReport {
    EvalOutcome outcome = EvalOutcome::Unchanged;
    std::size_t errorPos = 0;  // for Error: index of the character to select in the typed text
};

class IOBoxModel {
  public:
    IOBoxModel() { reformat(); }
    IOBoxModel(PropertyKind kind, DisplayFormat format) : kind_(kind), format_(format) { reformat(); }

    void setKindAndFormat(PropertyKind kind, DisplayFormat format);

    // x in `unit`; -1 or less is a code and is stored unchanged. Clears the changed marker.
    void setValueIn(double x, int unit);
    // Internal value or code. Clears the changed marker.
    void setRawValue(double v);
    // Value, kind and format at once (formatter use). Clears the changed marker.
    void setAll(double v, PropertyKind kind, DisplayFormat format);

    double value() const noexcept { return value_; }
    // value / scale - offset, with no test for codes.
    double valueIn(int unit) const noexcept { return fromInternal(value_, kind_, unit); }

    PropertyKind kind() const noexcept { return kind_; }
    void setUnit(int unit);
    int unit() const noexcept { return formatUnit(format_); }
    void setDigits(int digits);  // clamped to 0..8
    int digits() const noexcept { return formatDigits(format_); }
    void setStyle(int style);
    int style() const noexcept { return formatStyle(format_); }
    void setFormat(DisplayFormat format);
    DisplayFormat format() const noexcept { return format_; }

    const std::string& displayText() const noexcept { return display_; }
    const std::string& expressionText() const noexcept { return expression_; }

    bool changed() const noexcept { return changed_; }
    void clearChanged() noexcept { changed_ = false; }

    bool readOnly() const noexcept { return readOnly_; }
    void setReadOnly(bool ro) noexcept { readOnly_ = ro; }

    // Saved-defaults value of this box: format word, unit index in the high 16 bits.
    std::uint32_t defaultSnapshot() const noexcept { return snapshot_; }
    void setDefaultSnapshot(std::uint32_t v) noexcept { snapshot_ = v; }

    // Evaluates the control's text. Unchanged for a read-only box or a text equal to the display
    // text; Error with the position in `typed`; NewValue: the result, read in the current display
    // unit, becomes the value, the changed marker is set and the text becomes the expression.
    EvalReport evaluate(std::string_view typed);

  private:
    void reformat();

    double value_ = 0.0;
    PropertyKind kind_ = PropertyKind::Dimensionless;
    DisplayFormat format_ = 0;
    std::string display_;
    std::string expression_;
    bool changed_ = false;
    bool readOnly_ = false;
    std::uint32_t snapshot_ = 0;
};

}  // namespace calvex
