// The registration in the host's current API (XLOPER12, host version 12 on), used by the 64-bit
// add-in: the rows of registration_table.h, then the by-name rows (StmProp, StmTable), with that
// API's type texts, and every text as a wide counted string.
//
// Type texts: Q is an XLOPER12 argument or result whose references the host has already turned into
// their values, as P is for an XLOPER; A stays the command's Boolean. The trailing $ registers a
// worksheet function as thread-safe, so that the host may recalculate it on all its calculation
// threads: the property library computes on the caller's thread and keeps nothing between calls,
// and every worksheet function hands back a result of its own (wrappers.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "counted_text.h"
#include "registration_table.h"
#include "xlcall.h"

namespace vapxl {

// Whether the worksheet functions carry the thread-safe marker, and whether the by-name functions
// are registered (both need the reentrant library with its by-name calls).
inline constexpr bool kThreadSafeFunctions = true;
inline constexpr bool kRegisterByNameFunctions = true;

// The current API's type text of a row of the version-4 table: each P becomes Q, and a worksheet
// function (macro type 1) takes the thread-safe marker.
constexpr std::string_view typeText12(std::string_view type4, std::string_view macroType) {
    const bool safe = kThreadSafeFunctions && macroType == "1";
    if (type4 == "P") return safe ? "Q$" : "Q";
    if (type4 == "PPP") return safe ? "QQQ$" : "QQQ";
    if (type4 == "PPPP") return safe ? "QQQQ$" : "QQQQ";
    if (type4 == "PPPPPP") return safe ? "QQQQQQ$" : "QQQQQQ";
    if (type4 == "A") return "A";
    throw "a type text without its current-API form";
}

// The rows the current-API add-in registers: the 44 rows, then the by-name rows.
inline constexpr std::size_t kRegistrationRows12 = kRegistrationRows + kByNameRows;

namespace detail {
// Every row in the by-name layout (argument helps 4 and 5 blank in the first 44 rows, never sent).
constexpr std::array<std::string_view, kRegistrationRows12 * kByNameColumns> flatRegistrationTexts12() {
    std::array<std::string_view, kRegistrationRows12 * kByNameColumns> flat{};
    for (std::size_t r = 0; r < kRegistrationRows12; ++r) {
        for (std::size_t c = 0; c < kByNameColumns; ++c) {
            std::string_view cell = text::kBlank;
            if (r >= kRegistrationRows)
                cell = kByNameTable[r - kRegistrationRows][c];
            else if (c < kRegistrationColumns)
                cell = kRegistrationTable[r][c];
            flat[r * kByNameColumns + c] = cell;
        }
        flat[r * kByNameColumns + kTypeText] =
            typeText12(flat[r * kByNameColumns + kTypeText], flat[r * kByNameColumns + kMacroType]);
    }
    return flat;
}
inline constexpr auto kFlatRegistration12 = flatRegistrationTexts12();
}  // namespace detail

using RegistrationPool12 =
    CountedPool<kRegistrationRows12 * kByNameColumns, countedPoolBytes(detail::kFlatRegistration12), XCHAR>;
using MenuPool12 = CountedPool<kMenuRows * kMenuColumns, countedPoolBytes(kMenuTable), XCHAR>;
using MiscPool12 = CountedPool<kMiscTexts, countedPoolBytes(kMiscTable), XCHAR>;

// Cell `column` of registration row `row` (0 to kRegistrationRows12 - 1).
constexpr std::size_t registrationCell12(std::size_t row, std::size_t column) { return row * kByNameColumns + column; }

// The wide texts (one instance of each pool for the module's lifetime; read only after loading).
RegistrationPool12& registrationPool12() noexcept;
MenuPool12& menuPool12() noexcept;
MiscPool12& miscPool12() noexcept;

}  // namespace vapxl
