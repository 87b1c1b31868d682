// The one table of vaprop32's error codes and the texts the system reports them under.
#include "error_codes.h"

#include <array>
#include <cstddef>

namespace {

struct ErrorEntry {
    int code;
    const char* text;
};

// Codes and texts of the library numbering, in ascending order of magnitude.
constexpr std::array<ErrorEntry, VAPROP_ERROR_COUNT> kErrors{{
    {VAPROP_TEMPERATURE_TOO_HIGH, "temperature too high"},
    {VAPROP_INVALID_UNIT_SET, "invalid unit set number"},
    {VAPROP_TEMPERATURE_TOO_LOW, "temperature too low"},
    {VAPROP_PRESSURE_TOO_HIGH, "pressure too high"},
    {VAPROP_PRESSURE_TOO_LOW, "pressure too low"},
    {VAPROP_INPUT_OUT_OF_RANGE, "input value out of range"},
    {VAPROP_NO_CONVERGENCE_OR_REGION, "internal error"},
    {VAPROP_QUALITY_OUT_OF_RANGE, "quality out of range"},
    {VAPROP_PRESSURE_NOT_SATURABLE, "pressure outside of saturation range"},
    {VAPROP_TEMPERATURE_NOT_SATURABLE, "temperature outside of saturation range"},
    {VAPROP_PROPERTY_UNDEFINED, "internal error"},
    {VAPROP_ENTHALPY_TOO_LOW, "enthalpy too low"},
    {VAPROP_ENTHALPY_TOO_HIGH, "enthalpy too high"},
    {VAPROP_ENTROPY_TOO_LOW, "entropy too low"},
    {VAPROP_ENTROPY_TOO_HIGH, "entropy too high"},
    {VAPROP_CONVERGENCE_ERROR, "convergence error"},
    {VAPROP_AMBIGUOUS_STATE, "ambiguous state"},
    {VAPROP_NOT_IN_IFC67, "not available in the 1967 formulation"},
    {VAPROP_UNKNOWN_PAIR, "unknown input pair"},
    {VAPROP_UNKNOWN_PROPERTY, "unknown property name"},
    {VAPROP_INVALID_COUNT, "invalid count"},
    {VAPROP_NULL_POINTER, "null pointer"},
    {VAPROP_TRANSPORT_UNAVAILABLE, "transport properties not available"},
}};

constexpr bool ascendingMagnitude() {
    for (std::size_t i = 1; i < kErrors.size(); ++i) {
        if (kErrors[i].code >= kErrors[i - 1].code) return false;
    }
    return true;
}
static_assert(ascendingMagnitude(), "error table must list each code once, in order");

const ErrorEntry* find(double value) {
    // A NaN compares false everywhere and so finds nothing.
    for (const ErrorEntry& e : kErrors) {
        if (value == static_cast<double>(e.code)) return &e;
    }
    return nullptr;
}

}  // namespace

extern "C" const char* vapropErrorText(double code) {
    const ErrorEntry* e = find(code);
    return e != nullptr ? e->text : nullptr;
}

extern "C" int vapropIsErrorCode(double value) { return find(value) != nullptr ? 1 : 0; }

extern "C" int vapropErrorCodeAt(int i) {
    if (i < 0 || i >= static_cast<int>(kErrors.size())) return 0;
    return kErrors[static_cast<std::size_t>(i)].code;
}
