// The 16-bit display format word of a property and the marker values of a state point.
//
// bits 0-3 digits after the decimal point (0 to 8), bits 4-7 style (0 fixed, 1 scientific),
// bits 8-15 unit index in the property's unit list.
#pragma once

#include <cstdint>

namespace calvex {

using DisplayFormat = std::uint16_t;

enum class NumberStyle : std::uint8_t { Fixed = 0, Scientific = 1 };

inline constexpr int kMaxDigits = 8;

// Stored for a property that does not exist for the state (shown "Not Available ").
inline constexpr double NotAvailableMarker = -20.0;

// Values of -1 or less are status codes or markers, not property values.
constexpr bool isPropertyValue(double v) noexcept { return !(v <= -1.0); }

constexpr int formatDigits(DisplayFormat f) noexcept { return f & 0x0F; }
constexpr int formatStyle(DisplayFormat f) noexcept { return (f >> 4) & 0x0F; }
constexpr int formatUnit(DisplayFormat f) noexcept { return (f >> 8) & 0xFF; }

constexpr int clampDigits(int digits) noexcept { return digits < 0 ? 0 : (digits > kMaxDigits ? kMaxDigits : digits); }

constexpr DisplayFormat makeFormat(int digits, int style, int unit) noexcept {
    return static_cast<DisplayFormat>((digits & 0x0F) | ((style & 0x0F) << 4) | ((unit & 0xFF) << 8));
}

constexpr DisplayFormat withDigits(DisplayFormat f, int digits) noexcept {
    return makeFormat(digits, formatStyle(f), formatUnit(f));
}
constexpr DisplayFormat withStyle(DisplayFormat f, int style) noexcept {
    return makeFormat(formatDigits(f), style, formatUnit(f));
}
constexpr DisplayFormat withUnit(DisplayFormat f, int unit) noexcept {
    return makeFormat(formatDigits(f), formatStyle(f), unit);
}

static_assert(makeFormat(5, 1, 3) == 0x0315);
static_assert(formatDigits(0x0315) == 5 && formatStyle(0x0315) == 1 && formatUnit(0x0315) == 3);

}  // namespace calvex
