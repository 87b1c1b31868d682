// The host interface this build of the add-in speaks. The 32-bit module (and the Linux test module)
// uses the version-4 API: XLOPER values, narrow counted strings, Excel4/Excel4v imported from the
// host's callback library. The 64-bit module uses the current API: XLOPER12 values, wide counted
// strings, Excel12v (excel12.cpp). Everything above this header is written once for both.
#pragma once

#include <cstddef>

#include "registration_table.h"
#include "registration_table12.h"
#include "xlcall.h"

namespace vapxl {

#if defined(_WIN64)
inline constexpr bool kApi12 = true;
using Oper = XLOPER12;
using XChar = XCHAR;
inline constexpr int kMaxHostArguments = xlMaxArguments12;

inline int hostCallv(int fn, Oper* result, int count, Oper** args) noexcept {
    return Excel12v(fn, result, count, args);
}
// A call without arguments.
inline int hostCall0(int fn, Oper* result) noexcept { return Excel12v(fn, result, 0, nullptr); }
// xlFree of one value the host returned.
inline void hostFree(Oper& value) noexcept {
    Oper* list[1] = {&value};
    Excel12v(xlFree, nullptr, 1, list);
}

// The rows this add-in registers, and the argument helps a row carries (the by-name rows five).
inline constexpr std::size_t kHostRegistrationRows = kRegisterByNameFunctions ? kRegistrationRows12 : kRegistrationRows;
constexpr std::size_t argumentHelps(std::size_t row) noexcept { return row < kRegistrationRows ? 3 : 5; }

inline XChar* registrationHostText(std::size_t row, std::size_t column) noexcept {
    return registrationPool12().stamp(registrationCell12(row, column));
}
inline XChar* menuHostText(std::size_t i) noexcept { return menuPool12().stamp(i); }
inline XChar* miscHostText(MiscText which) noexcept { return miscPool12().stamp(which); }
// Readers on the host's calculation threads: the wide pools are never written.
inline const XChar* miscHostTextRead(MiscText which) noexcept { return miscPool12().raw(which); }
#else
inline constexpr bool kApi12 = false;
using Oper = XLOPER;
using XChar = char;
inline constexpr int kMaxHostArguments = xlMaxArguments;

inline int hostCallv(int fn, Oper* result, int count, Oper** args) noexcept { return Excel4v(fn, result, count, args); }
inline int hostCall0(int fn, Oper* result) noexcept { return Excel4(fn, result, 0); }
inline void hostFree(Oper& value) noexcept { Excel4(xlFree, nullptr, 1, &value); }

inline constexpr std::size_t kHostRegistrationRows = kRegistrationRows;
constexpr std::size_t argumentHelps(std::size_t) noexcept { return 3; }

inline XChar* registrationHostText(std::size_t row, std::size_t column) noexcept {
    return registrationText(row, static_cast<RegistrationColumn>(column));
}
inline XChar* menuHostText(std::size_t i) noexcept { return menuPool().stamp(i); }
inline XChar* miscHostText(MiscText which) noexcept { return miscText(which); }
inline const XChar* miscHostTextRead(MiscText which) noexcept { return miscText(which); }
#endif

using LPOper = Oper*;
// The host's integer and Boolean fields (16-bit in XLOPER, 32-bit in XLOPER12).
using OperInt = decltype(Oper{}.val.w);
using OperBool = decltype(Oper{}.val.xbool);
using OperErr = decltype(Oper{}.val.err);
using OperRows = decltype(Oper{}.val.array.rows);
using OperColumns = decltype(Oper{}.val.array.columns);

}  // namespace vapxl
