// Unit-set arguments of the command line: the names the spreadsheet add-in accepts ("Eng", "SI",
// "EngG", "SIF", "SIK", "MET", "METF", any case, followed by the flags "o" for the 1967 equations and
// "S" for fast mode) or a UnitSet number.
#ifndef VAPCALC_UNIT_SET_NAME_H
#define VAPCALC_UNIT_SET_NAME_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace vapcalc {

inline constexpr std::int32_t kIfc67Flag = 8;  // UnitSet bit: the 1967 IFC equations
inline constexpr std::int32_t kFastFlag = 16;  // UnitSet bit: backward temperature without refinement

// A unit-set name: skip leading blanks, try the names from METF down to ENG on the first characters
// (case ignored), so METF wins over MET and ENGG over ENG; after the name an "O" adds 8 and an "S"
// adds 16 (case ignored, repeats count once), every other character is ignored. No name: nullopt.
std::optional<std::int32_t> parseUnitSetName(std::string_view text) noexcept;

// A unit-set number, written as a decimal number: accepted when -1 < x < 128, then truncated toward
// zero (so 3.9 is set 3). Values the library does not know (above 32, index 7) are passed on and
// rejected there with -1099. Not a number or outside the range: nullopt.
std::optional<std::int32_t> parseUnitSetNumber(std::string_view text) noexcept;

// A --units argument: a number when it reads as one, else a name.
std::optional<std::int32_t> parseUnitSet(std::string_view text) noexcept;

// The set's name as the help texts write it ("Eng", "SI", "EngG", "SIF", "SIK", "MET", "METF"),
// for UnitSet & 7; "?" for index 7.
std::string_view unitSetName(std::int32_t unitSet) noexcept;

}  // namespace vapcalc

#endif
