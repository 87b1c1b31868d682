// The steps every vapmcad function takes around its vaprop32 call, as plain functions.
//
// A function (out, arg 1, ..., unit set) checks that each argument is real, in argument order, then
// that the unit set is a whole number from 0 to 30, then asks the host whether the user interrupted,
// calls vaprop32 and hands back the result or the message of its error code.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "error_codes.h"
#include "mcaduser.h"
#include "messages.h"

namespace vapmcad {

// Largest unit-set number the add-in passes on: set 0 to 6, plus 8 for the 1967 equations, plus 16
// for fast mode.
inline constexpr double maxUnitSet = 30.0;

// Results at or below this are vaprop32 error codes; every property value the library returns lies
// above it (a gauge pressure of set EngG goes down to about -14.7 psig and is a value).
inline constexpr double codeLimit = VAPROP_CODE_LIMIT;

// 0 when every argument has a zero imaginary part; otherwise "must be real" marked on the first
// argument (counted from 1) that has not.
template <std::size_t N>
constexpr McadResult checkReal(const COMPLEXSCALAR* const (&args)[N]) noexcept {
    for (std::size_t i = 0; i < N; ++i) {
        // A NaN imaginary part is not 0 either.
        if (args[i]->imag != 0.0) {
            return mcadError(messageIndex(Message::MustBeReal), static_cast<unsigned int>(i + 1));
        }
    }
    return 0;
}

// The UnitSet word for the real part of a unit-set argument: a whole number from 0 to 30. Fractions,
// negative numbers, numbers above 30, infinities and NaN give no word.
inline std::optional<std::int32_t> unitSetFrom(double value) noexcept {
    if (!(value >= 0.0 && value <= maxUnitSet)) return std::nullopt;  // NaN fails here
    const double whole = std::trunc(value);
    if (value - whole > 0.0) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

// Hands a vaprop32 result to the host: a value goes into the real part of `out` (the imaginary part
// is left alone) and gives 0; a code gives the index of its message, no argument marked.
inline McadResult deliver(double result, COMPLEXSCALAR* out) noexcept {
    if (result > codeLimit) {  // NaN is no value: it falls to the map as an internal error
        out->real = result;
        return 0;
    }
    return mcadError(messageIndex(messageForCode(result)));
}

}  // namespace vapmcad
