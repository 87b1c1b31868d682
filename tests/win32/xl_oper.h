// The spreadsheet host's OPER value as the wine tests see it, declared here on its own (not taken
// from the add-in) so that the layout the add-in was built with is checked against the host's:
// an 8-byte value union, then the 16-bit type tag, 16 bytes in all on 32-bit Windows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xlfake {

struct Oper {
    union {
        double num;
        char* str;  // counted string: length byte, then the characters
        std::uint16_t xbool;
        std::uint16_t err;
        short w;
        struct {
            Oper* items;
            std::uint16_t rows;
            std::uint16_t columns;
        } array;
    } val;
    std::uint16_t xltype;
};
static_assert(sizeof(Oper) == 16 && offsetof(Oper, xltype) == 8, "the host's 32-bit OPER");

inline constexpr std::uint16_t kNum = 0x0001, kStr = 0x0002, kBool = 0x0004, kErr = 0x0010, kMulti = 0x0040,
                               kMissing = 0x0080, kNil = 0x0100, kInt = 0x0800;
inline constexpr std::uint16_t kTypeMask = 0x0FFF;  // without the ownership bits 0x1000 and 0x4000
inline constexpr std::uint16_t kErrValue = 15, kErrName = 29, kErrNum = 36, kErrNA = 42;

// Function numbers the add-in calls.
inline constexpr int kFree = 0x4000, kCoerce = 0x4002, kGetHwnd = 0x4008, kGetName = 0x4009;
inline constexpr int kSetName = 88, kRegister = 149, kAddCommand = 153, kDeleteCommand = 159, kGetBar = 182,
                     kGetWorkspace = 186, kUnregister = 201, kEvaluate = 257, kRegisterId = 267;
inline constexpr int kMessage = 0x8000 | 122;

}  // namespace xlfake
