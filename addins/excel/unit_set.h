// The unit-set argument of the worksheet functions: names, flag letters, numbers, and the default
// taken from the workbook name StmBaseUnits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>

#include "xlcall.h"

namespace vapxl {

// Flag bits added by the letters after a set name.
inline constexpr std::int32_t kUnitSetIfc67 = 8;  // "O": the 1967 equations
inline constexpr std::int32_t kUnitSetFast = 16;  // "S": backward temperature without refinement

// A number as unit set: accepted when -1 < x < 128 (NaN refused), then truncated toward zero.
// The range is checked on the double itself, so 65539, -65535, 1e10 or 2^31 cannot wrap into a
// valid set through an integer conversion.
std::optional<std::int32_t> unitSetFromNumber(double x) noexcept;

// Set names in the order of their set index; parsing tries them from the last to the first, so the
// longer of two names sharing a start (METF/MET, SIF/SIK/SI, ENGG/ENG) wins.
inline constexpr std::array<std::string_view, 7> kUnitSetNames = {"ENG", "SI", "ENGG", "SIF", "SIK", "MET", "METF"};

// A text as unit set: leading blanks skipped, the names METF, MET, SIK, SIF, ENGG, SI, ENG tried in
// that order on the upper-cased leading characters, then "O" (+8) and "S" (+16) anywhere after the
// name; every other character is ignored. Narrow texts (the host's version-4 API) and wide ones
// (its current API) read alike; a wide character outside ASCII matches no letter.
template <typename Char>
std::optional<std::int32_t> unitSetFromChars(std::basic_string_view<Char> chars) noexcept {
    const auto upper = [](Char c) noexcept -> char32_t {
        const auto code = static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(c));
        return (code >= U'a' && code <= U'z') ? code - U'a' + U'A' : code;
    };
    std::size_t first = 0;
    while (first < chars.size() && chars[first] == Char(' ')) ++first;
    const std::basic_string_view<Char> rest = chars.substr(first);

    for (std::size_t index = kUnitSetNames.size(); index-- > 0;) {
        const std::string_view name = kUnitSetNames[index];
        if (rest.size() < name.size()) continue;
        bool match = true;
        for (std::size_t i = 0; i < name.size() && match; ++i) match = upper(rest[i]) == static_cast<char32_t>(name[i]);
        if (!match) continue;
        bool ifc67 = false;
        bool fast = false;
        for (const Char c : rest.substr(name.size())) {
            const char32_t u = upper(c);
            if (u == U'O') ifc67 = true;
            if (u == U'S') fast = true;
        }
        return static_cast<std::int32_t>(index) + (ifc67 ? kUnitSetIfc67 : 0) + (fast ? kUnitSetFast : 0);
    }
    return std::nullopt;
}

std::optional<std::int32_t> unitSetFromText(std::string_view chars) noexcept;

// A unit-set OPER: a number or a text as above; any other type is refused.
std::optional<std::int32_t> unitSetFromOper(const XLOPER& units) noexcept;
std::optional<std::int32_t> unitSetFromOper(const XLOPER12& units) noexcept;

// The default unit set from the value of the workbook name StmBaseUnits: a number accepted as by
// unitSetFromNumber, anything else (text, error, failed evaluation) 0.
std::int32_t defaultUnitSetFrom(const XLOPER* evaluated) noexcept;

// The type tag without the ownership bits.
inline XLWORD baseType(const XLOPER& op) noexcept {
    return static_cast<XLWORD>(op.xltype & ~(xlbitXLFree | xlbitDLLFree));
}
inline XLDWORD baseType(const XLOPER12& op) noexcept {
    return op.xltype & ~static_cast<XLDWORD>(xlbitXLFree | xlbitDLLFree);
}

// The same for the current API's value.
template <typename Oper>
requires std::is_same_v<Oper, XLOPER12> std::int32_t defaultUnitSetFrom(const Oper* evaluated)
noexcept {
    if (evaluated == nullptr || baseType(*evaluated) != xltypeNum) return 0;
    return unitSetFromNumber(evaluated->val.num).value_or(0);
}

}  // namespace vapxl
