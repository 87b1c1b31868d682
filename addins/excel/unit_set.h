// The unit-set argument of the worksheet functions: names, flag letters, numbers, and the default
// taken from the workbook name StmBaseUnits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "xlcall.h"

namespace vapxl {

// Flag bits added by the letters after a set name.
inline constexpr std::int32_t kUnitSetIfc67 = 8;   // "O": the 1967 equations
inline constexpr std::int32_t kUnitSetFast = 16;   // "S": backward temperature without refinement

// A number as unit set: accepted when -1 < x < 128 (NaN refused), then truncated toward zero.
// The range is checked on the double itself, so 65539, -65535, 1e10 or 2^31 cannot wrap into a
// valid set through an integer conversion.
std::optional<std::int32_t> unitSetFromNumber(double x) noexcept;

// A text as unit set: leading blanks skipped, the names METF, MET, SIK, SIF, ENGG, SI, ENG tried in
// that order on the upper-cased leading characters, then "O" (+8) and "S" (+16) anywhere after the
// name; every other character is ignored.
std::optional<std::int32_t> unitSetFromText(std::string_view chars) noexcept;

// A unit-set OPER: a number or a text as above; any other type is refused.
std::optional<std::int32_t> unitSetFromOper(const XLOPER& units) noexcept;

// The default unit set from the value of the workbook name StmBaseUnits: a number accepted as by
// unitSetFromNumber, anything else (text, error, failed evaluation) 0.
std::int32_t defaultUnitSetFrom(const XLOPER* evaluated) noexcept;

// The type tag without the ownership bits.
inline XLWORD baseType(const XLOPER& op) noexcept {
  return static_cast<XLWORD>(op.xltype & ~(xlbitXLFree | xlbitDLLFree));
}

}  // namespace vapxl
