#include "io_box_model.h"

#include "expression_evaluator.h"
#include "number_format.h"

namespace calvex {

void IOBoxModel::reformat() { display_ = formatValue(value_, kind_, format_); }

void IOBoxModel::setKindAndFormat(PropertyKind kind, DisplayFormat format) {
    kind_ = kind;
    format_ = format;
    reformat();
}

void IOBoxModel::setValueIn(double x, int unit) {
    value_ = isPropertyValue(x) ? toInternal(x, kind_, unit) : x;
    changed_ = false;
    reformat();
}

void IOBoxModel::setRawValue(double v) {
    value_ = v;
    changed_ = false;
    reformat();
}

void IOBoxModel::setAll(double v, PropertyKind kind, DisplayFormat format) {
    value_ = v;
    kind_ = kind;
    format_ = format;
    changed_ = false;
    reformat();
}

void IOBoxModel::setUnit(int unit) {
    format_ = withUnit(format_, unit);
    reformat();
}

void IOBoxModel::setDigits(int digits) {
    format_ = withDigits(format_, clampDigits(digits));
    reformat();
}

void IOBoxModel::setStyle(int style) {
    format_ = withStyle(format_, style);
    reformat();
}

void IOBoxModel::setFormat(DisplayFormat format) {
    format_ = format;
    reformat();
}

EvalReport IOBoxModel::evaluate(std::string_view typed) {
    if (readOnly_ || typed == display_) {
        return {EvalOutcome::Unchanged, 0};
    }
    const EvalResult r = ExpressionEvaluator::evaluate(typed);
    if (!r.ok) {
        return {EvalOutcome::Error, r.errorPos};
    }
    value_ = toInternal(r.value, kind_, unit());
    changed_ = true;
    expression_ = std::string(typed);
    reformat();
    return {EvalOutcome::NewValue, 0};
}

}  // namespace calvex
