// The spreadsheet host's value as the wine tests see it, declared here on its own (not taken from
// the add-in) so that the layout the add-in was built with is checked against the host's:
//   32-bit test programs: the OPER of the version-4 API, an 8-byte value union, then the 16-bit type
//     tag, 16 bytes in all; counted strings of bytes.
//   64-bit test programs: the XLOPER12 of the current API, a 24-byte value union, then the 32-bit
//     type tag, 32 bytes in all; wide counted strings (16-bit length, 16-bit characters).
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace xlfake {

#if defined(_WIN64)
using Char = wchar_t;
using Int = std::int32_t;
using Tag = std::uint32_t;
using Count = std::int32_t;
#else
using Char = char;
using Int = std::int16_t;
using Tag = std::uint16_t;
using Count = std::uint16_t;
#endif

struct Oper {
    union {
        double num;
        Char* str;  // counted string: length, then the characters
        std::conditional_t<sizeof(Int) == 4, std::int32_t, std::uint16_t> xbool;
        std::conditional_t<sizeof(Int) == 4, std::int32_t, std::uint16_t> err;
        Int w;
        struct {
            Oper* items;
            Count rows;
            Count columns;
        } array;
#if defined(_WIN64)
        unsigned char room[24];  // the widest member of the host's union (flow control)
#endif
    } val;
    Tag xltype;
};
#if defined(_WIN64)
static_assert(sizeof(Oper) == 32 && offsetof(Oper, xltype) == 24, "the host's XLOPER12 on 64-bit Windows");
static_assert(sizeof(wchar_t) == 2, "wide characters of 16 bits");
#else
static_assert(sizeof(Oper) == 16 && offsetof(Oper, xltype) == 8, "the host's 32-bit OPER");
#endif

inline constexpr Tag kNum = 0x0001, kStr = 0x0002, kBool = 0x0004, kErr = 0x0010, kMulti = 0x0040, kMissing = 0x0080,
                     kNil = 0x0100, kInt = 0x0800;
inline constexpr Tag kTypeMask = 0x0FFF;  // without the ownership bits 0x1000 and 0x4000
inline constexpr Tag kXLFree = 0x1000, kDLLFree = 0x4000;
inline constexpr std::uint16_t kErrDiv0 = 7, kErrValue = 15, kErrName = 29, kErrNum = 36, kErrNA = 42;

// Function numbers the add-in calls.
inline constexpr int kFree = 0x4000, kCoerce = 0x4002, kGetHwnd = 0x4008, kGetName = 0x4009;
inline constexpr int kSetName = 88, kRegister = 149, kAddCommand = 153, kDeleteCommand = 159, kGetBar = 182,
                     kGetWorkspace = 186, kUnregister = 201, kEvaluate = 257, kRegisterId = 267;
inline constexpr int kMessage = 0x8000 | 122;

// The length of a counted string.
inline std::size_t countedLength(const Char* s) {
    return s == nullptr ? 0 : static_cast<std::size_t>(static_cast<std::make_unsigned_t<Char>>(s[0]));
}

}  // namespace xlfake
