// The spreadsheet host's C interface, as far as this add-in uses it: the OPER value (XLOPER of the
// host's version-4 API) and its successor XLOPER12 (the current API, from host version 12 on: wide
// counted strings, 32-bit integers, rows and columns), their type tags and error numbers, the
// function numbers, and the callbacks Excel4/Excel4v and Excel12v.
//
// The XLOPER layout is the host's own: an 8-byte union followed by the 16-bit type tag, padded to
// the double's alignment, so that on 32-bit Windows an OPER is 16 bytes and the module is a genuine
// add-in. On a 64-bit target the pointers widen the union to 16 bytes (24-byte OPER), as there.
// XLOPER12 is the union (24 bytes on 64-bit Windows) followed by a 32-bit type tag: 32 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define XLL_CALL __stdcall
#define XLL_CDECL __cdecl
#else
#define XLL_CALL
#define XLL_CDECL
#endif

// Entry points that the host looks up in the module. On Windows the module's .def file names the
// exports (undecorated names of __stdcall functions), so nothing is marked for export there; on
// other platforms the module is built with hidden visibility and only these are visible.
#if defined(_WIN32)
#define XLL_EXPORT
#else
#define XLL_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

using XLWORD = std::uint16_t;
using XLBYTE = std::uint8_t;
using XLDWORD = std::uint32_t;

// One rectangle of cells on one sheet.
struct XLREF {
    XLWORD rwFirst;
    XLWORD rwLast;
    XLBYTE colFirst;
    XLBYTE colLast;
};

// Several rectangles: count followed by that many XLREF (declared with room for one).
struct XLMREF {
    XLWORD count;
    XLREF reftbl[1];
};

struct xloper {
    union {
        double num;    // xltypeNum
        char* str;     // xltypeStr: counted string, first byte = length, no terminator
        XLWORD xbool;  // xltypeBool
        XLWORD err;    // xltypeErr
        short w;       // xltypeInt
        struct {
            XLWORD count;  // always 1
            XLREF ref;
        } sref;  // xltypeSRef
        struct {
            XLMREF* lpmref;
            std::uintptr_t idSheet;
        } mref;  // xltypeRef
        struct {
            xloper* lparray;  // rows * columns OPERs, row by row
            XLWORD rows;
            XLWORD columns;
        } array;  // xltypeMulti
        struct {
            union {
                short level;             // xlflowRestart
                short tbctrl;            // xlflowPause
                std::uintptr_t idSheet;  // xlflowGoto
            } valflow;
            XLWORD rw;
            XLBYTE col;
            XLBYTE xlflow;
        } flow;  // xltypeFlow
        struct {
            union {
                XLBYTE* lpbData;
                void* hdata;
            } h;
            std::int32_t cbData;
        } bigdata;  // xltypeBigData
    } val;
    XLWORD xltype;
};

using XLOPER = xloper;
using LPXLOPER = xloper*;

// The current API's value. Its strings are wide counted strings: the first character holds the
// length (at most 32767), the characters follow without a terminator.
#if defined(_WIN32)
using XCHAR = wchar_t;
#else
using XCHAR = char16_t;  // the 16-bit character of the host's wide strings
#endif
using RW = std::int32_t;
using COL = std::int32_t;
using IDSHEET = std::uintptr_t;

struct XLREF12 {
    RW rwFirst;
    RW rwLast;
    COL colFirst;
    COL colLast;
};

struct XLMREF12 {
    XLWORD count;
    XLREF12 reftbl[1];
};

struct xloper12 {
    union {
        double num;          // xltypeNum
        XCHAR* str;          // xltypeStr: wide counted string
        std::int32_t xbool;  // xltypeBool
        std::int32_t err;    // xltypeErr
        std::int32_t w;      // xltypeInt
        struct {
            XLWORD count;  // always 1
            XLREF12 ref;
        } sref;  // xltypeSRef
        struct {
            XLMREF12* lpmref;
            IDSHEET idSheet;
        } mref;  // xltypeRef
        struct {
            xloper12* lparray;  // rows * columns values, row by row
            RW rows;
            COL columns;
        } array;  // xltypeMulti
        struct {
            union {
                std::int32_t level;
                std::int32_t tbctrl;
                IDSHEET idSheet;
            } valflow;
            RW rw;
            COL col;
            XLBYTE xlflow;
        } flow;  // xltypeFlow
        struct {
            union {
                XLBYTE* lpbData;
                void* hdata;
            } h;
            long cbData;
        } bigdata;  // xltypeBigData
    } val;
    XLDWORD xltype;
};

using XLOPER12 = xloper12;
using LPXLOPER12 = xloper12*;

// Type tags.
constexpr XLWORD xltypeNum = 0x0001;
constexpr XLWORD xltypeStr = 0x0002;
constexpr XLWORD xltypeBool = 0x0004;
constexpr XLWORD xltypeRef = 0x0008;
constexpr XLWORD xltypeErr = 0x0010;
constexpr XLWORD xltypeFlow = 0x0020;
constexpr XLWORD xltypeMulti = 0x0040;
constexpr XLWORD xltypeMissing = 0x0080;
constexpr XLWORD xltypeNil = 0x0100;
constexpr XLWORD xltypeSRef = 0x0400;
constexpr XLWORD xltypeInt = 0x0800;
constexpr XLWORD xltypeBigData = xltypeStr | xltypeInt;
// Ownership bits that may ride on a type tag: the host or the add-in must free the value.
constexpr XLWORD xlbitXLFree = 0x1000;
constexpr XLWORD xlbitDLLFree = 0x4000;

// Error values (xltypeErr).
constexpr XLWORD xlerrNull = 0;
constexpr XLWORD xlerrDiv0 = 7;
constexpr XLWORD xlerrValue = 15;
constexpr XLWORD xlerrRef = 23;
constexpr XLWORD xlerrName = 29;
constexpr XLWORD xlerrNum = 36;
constexpr XLWORD xlerrNA = 42;

// Return codes of Excel4/Excel4v.
constexpr int xlretSuccess = 0;
constexpr int xlretAbort = 1;
constexpr int xlretInvXlfn = 2;
constexpr int xlretInvCount = 4;
constexpr int xlretInvXloper = 8;
constexpr int xlretStackOvfl = 16;
constexpr int xlretFailed = 32;
constexpr int xlretUncalced = 64;
constexpr int xlretNotThreadSafe = 128;

// Function numbers: command-equivalents carry xlCommand, the add-in-only functions xlSpecial.
constexpr int xlCommand = 0x8000;
constexpr int xlSpecial = 0x4000;

constexpr int xlFree = 0 | xlSpecial;
constexpr int xlCoerce = 2 | xlSpecial;
constexpr int xlGetHwnd = 8 | xlSpecial;
constexpr int xlGetName = 9 | xlSpecial;

constexpr int xlfSetName = 88;
constexpr int xlfRegister = 149;
constexpr int xlfAddCommand = 153;
constexpr int xlfDeleteCommand = 159;
constexpr int xlfGetBar = 182;
constexpr int xlfGetWorkspace = 186;
constexpr int xlfUnregister = 201;
constexpr int xlfEvaluate = 257;
constexpr int xlfRegisterId = 267;

constexpr int xlcMessage = 122 | xlCommand;

// The host's callbacks. Excel4 takes its OPER arguments as varargs (cdecl), Excel4v as an array
// (stdcall on Windows). At most 30 arguments per call.
int XLL_CDECL Excel4(int xlfn, LPXLOPER operRes, int count, ...);
int XLL_CALL Excel4v(int xlfn, LPXLOPER operRes, int count, LPXLOPER opers[]);

// The current API's callback with an array of XLOPER12 arguments (at most 255). The host's callback
// library does not export it: it is the add-in's own function (excel12.cpp), which calls the entry
// point that the host program exports, or answers xlretFailed where there is none.
int XLL_CALL Excel12v(int xlfn, LPXLOPER12 operRes, int count, LPXLOPER12 opers[]);

// That entry point of the host program: note the order (count and arguments before the result).
using Excel12EntryPoint = int(XLL_CALL*)(int xlfn, int count, LPXLOPER12 opers[], LPXLOPER12 operRes);
inline constexpr const char* kExcel12EntryName = "MdCallBack12";

}  // extern "C"

constexpr int xlMaxArguments = 30;
constexpr int xlMaxArguments12 = 255;

static_assert(offsetof(xloper, val) == 0, "the value union comes first");
static_assert(sizeof(void*) != 4 || sizeof(xloper) == 16, "a 32-bit OPER is 16 bytes");
static_assert(sizeof(void*) != 4 || offsetof(xloper, xltype) == 8, "type tag after the 8-byte union");
static_assert(sizeof(void*) != 8 || sizeof(xloper) == 24, "a 64-bit OPER is 24 bytes");
static_assert(sizeof(XLREF) == 6, "XLREF: two rows, two columns");
static_assert(offsetof(xloper12, val) == 0, "the value union comes first");
static_assert(sizeof(void*) != 8 || sizeof(xloper12) == 32, "a 64-bit XLOPER12 is 32 bytes");
static_assert(sizeof(void*) != 8 || offsetof(xloper12, xltype) == 24, "type tag after the 24-byte union");
static_assert(sizeof(XCHAR) == 2, "the host's wide characters are 16-bit");
static_assert(sizeof(XLREF12) == 16, "XLREF12: two 32-bit rows, two 32-bit columns");
