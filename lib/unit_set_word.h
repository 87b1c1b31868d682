// The UnitSet word passed with every property call: set index, IFC-67 bit, fast bit.
#ifndef VAPROP_LIB_UNIT_SET_WORD_H
#define VAPROP_LIB_UNIT_SET_WORD_H

#include <cstdint>

namespace vaprop {

inline constexpr std::int32_t kIfc67Bit = 8;
inline constexpr std::int32_t kFastBit = 16;
inline constexpr std::int16_t kHighestUnitSet = 32;

// The word is refused when its low 16 bits, read as a signed number, exceed 32.
constexpr bool unitSetRefused(std::int32_t word) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(word & 0xFFFF)) > kHighestUnitSet;
}

struct UnitSetWord {
    int set;            // word & 7: 0..6, 7 is refused by the input routines
    bool ifc67;         // bit 8: compute with the 1967 formulation
    bool backwardOnly;  // bit 16: (p,h) and (p,s) calls skip the temperature refinement
};

constexpr UnitSetWord decodeUnitSet(std::int32_t word) {
    return {static_cast<int>(word & 7), (word & kIfc67Bit) != 0, ((word >> 4) & 1) != 0};
}

}  // namespace vaprop

#endif
