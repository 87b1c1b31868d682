// The input pair of the property form: which check boxes are selected, which pairs can be
// computed, and which check boxes a selection disables.
#pragma once

#include <cstdint>

#include "calvex_doc.h"

namespace calvex {

// The five input bits of an InputMask (the formulation bit left out).
inline constexpr std::uint32_t kInputBits =
    kInputPressure | kInputTemperature | kInputQuality | kInputEnthalpy | kInputEntropy;

// The pairs the program computes, as their selection bits.
enum class InputPair : std::uint32_t {
    None = 0,
    PT = kInputPressure | kInputTemperature,  // 3
    PX = kInputPressure | kInputQuality,      // 5
    TX = kInputTemperature | kInputQuality,   // 6
    PH = kInputPressure | kInputEnthalpy,     // 9
    PS = kInputPressure | kInputEntropy,      // 17
};

// The pair selected by `mask` (formulation bit ignored), or None when the selection is not a pair
// the program computes.
constexpr InputPair inputPairOf(std::uint32_t mask) noexcept {
    switch (mask & ~static_cast<std::uint32_t>(kInputIfc67)) {
        case 3: return InputPair::PT;
        case 5: return InputPair::PX;
        case 6: return InputPair::TX;
        case 9: return InputPair::PH;
        case 17: return InputPair::PS;
        default: return InputPair::None;
    }
}

constexpr bool usesIfc67(std::uint32_t mask) noexcept { return (mask & kInputIfc67) != 0; }

// The check boxes (as input bits) that a selection disables, so that only a computable pair can
// be completed from it.
constexpr std::uint32_t disabledInputs(std::uint32_t mask) noexcept {
    switch (mask & kInputBits) {
        case kInputTemperature:
        case kInputQuality: return kInputEnthalpy | kInputEntropy;
        case kInputPressure | kInputTemperature: return kInputQuality | kInputEnthalpy | kInputEntropy;
        case kInputPressure | kInputQuality: return kInputTemperature | kInputEnthalpy | kInputEntropy;
        case kInputTemperature | kInputQuality: return kInputPressure | kInputEnthalpy | kInputEntropy;
        case kInputEnthalpy:
        case kInputPressure | kInputEnthalpy: return kInputTemperature | kInputQuality | kInputEntropy;
        case kInputEntropy:
        case kInputPressure | kInputEntropy: return kInputTemperature | kInputQuality | kInputEnthalpy;
        default: return 0;
    }
}

// The property of each input bit, in bit order.
inline constexpr int kInputProperties[5] = {kPressure, kTemperature, kQuality, kEnthalpy, kEntropy};

static_assert(inputPairOf(0x2000 | 9) == InputPair::PH);
static_assert(disabledInputs(0x2000 | 3) == (kInputQuality | kInputEnthalpy | kInputEntropy));

}  // namespace calvex
