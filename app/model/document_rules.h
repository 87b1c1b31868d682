// The values a document may hold in its format words and its input selection: what the form can
// set. A file with any other value is a damaged file and is refused when it is opened
// ("Unexpected file format."), like a file that ends early.
#pragma once

#include <cstdint>

#include "display_format.h"
#include "input_pair.h"
#include "property_table.h"

namespace calvex {

// A format word the form can give a property: 0 to 8 digits, the fixed or the scientific style,
// and a unit of the property's list (the quality and the Prandtl number have none: unit 0).
constexpr bool isValidFormat(int property, DisplayFormat f) noexcept {
    if (property < 0 || property >= kPropertyCount) {
        return false;
    }
    const int units = unitCount(propertyKind(property));
    return formatDigits(f) <= kMaxDigits && formatStyle(f) <= static_cast<int>(NumberStyle::Scientific) &&
           formatUnit(f) < (units > 0 ? units : 1);
}

// Only the low 16 bits of the stored input selection carry meaning.
inline constexpr std::uint32_t kSelectionBits = 0xFFFFu;

// An input selection the form's check boxes can make, with or without the IFC-67 bit: none,
// one input, or one of the pairs the program computes (the check boxes disable every other
// combination). Bits other than the five inputs and the formulation are never set.
constexpr bool isValidInputSelection(std::uint32_t selection) noexcept {
    const std::uint32_t low = selection & kSelectionBits;
    if ((low & ~(kInputBits | kInputIfc67)) != 0) {
        return false;
    }
    const std::uint32_t inputs = low & kInputBits;
    const bool single = inputs != 0 && (inputs & (inputs - 1)) == 0;
    return inputs == 0 || single || inputPairOf(inputs) != InputPair::None;
}

static_assert(isValidFormat(kTemperature, makeFormat(8, 1, 3)));
static_assert(!isValidFormat(kTemperature, makeFormat(2, 0, 4)));
static_assert(!isValidFormat(kQuality, makeFormat(3, 0, 1)));
static_assert(!isValidFormat(kPressure, makeFormat(9, 0, 0)));
static_assert(!isValidFormat(kPressure, makeFormat(2, 2, 0)));
static_assert(isValidInputSelection(0x2000 | 17) && isValidInputSelection(0x0001'0003));
static_assert(!isValidInputSelection(0x1F) && !isValidInputSelection(0x2000 | 0x0A) && !isValidInputSelection(0x40));

}  // namespace calvex
