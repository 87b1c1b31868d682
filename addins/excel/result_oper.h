// The value a worksheet function hands back to the host, by address.
//
// Version-4 API (32-bit add-in): one static OPER shared by all functions. The host calls them one
// at a time on its main thread (they are registered without the thread-safe marker) and reads the
// value before the next call.
//
// Current API (64-bit add-in): the functions are registered thread-safe, so each result is a value
// of its own, allocated for the call and marked xlbitDLLFree; the host copies it and gives it back
// through xlAutoFree12 on the same thread. When no memory is left the result is one shared #NUM!
// that nothing ever writes (and the host does not give back).
#pragma once

#include "error_codes.h"
#include "xlapi.h"

namespace vapxl {

// Results at or below this are the library's error codes.
inline constexpr double kFirstErrorCode = VAPROP_CODE_LIMIT;

// A new result value with its ownership bit set (null when no memory is left), or the shared static
// value of the version-4 API.
Oper* newResult() noexcept;

// The shared #NUM! answered when a result cannot be allocated.
Oper* exhaustedResult() noexcept;

// The error value `err`.
LPOper errorResult(XLWORD err) noexcept;

// The number x, or #NUM! for a code of the library (x at or below -1000, NaN included).
LPOper numberResult(double x) noexcept;

// The library's version number, as it is.
LPOper versionResult(double version) noexcept;

// Frees a result of newResult() and whatever it owns (the items of an array); used by
// xlAutoFree12.
void freeResult(Oper* result) noexcept;

// The type tag of a result without its ownership bit (what the host sees).
inline auto resultType(const Oper& result) noexcept {
    return result.xltype & ~static_cast<decltype(result.xltype)>(xlbitDLLFree);
}

}  // namespace vapxl
