// The Mathcad user-function interface (mcaduser), as far as vapmcad uses it.
//
// This is our own declaration of the host's interface: the complex scalar, the function record, the
// three host functions imported by name, and the error value a user function returns. The layouts
// are the hosts' own, every field in the order the host reads it: on 32-bit Windows (Mathcad) a
// function record is 64 bytes, on 64-bit Windows (Mathcad Prime, whose custom-function interface
// keeps the record, the three functions and the error value) pointers and the LRESULT widen to 8
// bytes while `unsigned long` stays 4, so the record is 80 bytes (both checked below). On Linux the
// same declarations bind to a host library of the same name (the tests' fake host).
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#define MCAD_CALL __cdecl
#else
#define MCAD_CALL
#endif

// A host library defines this to its export attribute before including the header; the add-in
// imports the functions as plain externals.
#ifndef MCAD_HOST_API
#define MCAD_HOST_API
#endif

#if defined(_WIN32)
using McadModule = HINSTANCE;  // the module handle the loader passes to the entry point
using McadBool = BOOL;
using McadResult = LRESULT;
#else
using McadModule = void*;  // the module's load address
using McadBool = int;
using McadResult = std::intptr_t;
#endif

// Complex scalar: real part, then imaginary part.
struct COMPLEXSCALAR {
    double real;
    double imag;
};

// Type codes of results and arguments.
inline constexpr unsigned long COMPLEX_SCALAR = 1;

// A function record holds at most this many argument types.
inline constexpr unsigned int MAX_ARGS = 10;

// The host calls a user function through this type; the add-in's functions take
// (COMPLEXSCALAR* out, const COMPLEXSCALAR* arg...) and are stored here cast to it.
using LPCFUNCTION = McadResult(MCAD_CALL*)(void* const, const void* const, ...);

// One user function as the host registers it. The host only reads the texts.
struct FUNCTIONINFO {
    const char* lpstrName;            // the name used in a worksheet
    const char* lpstrParameters;      // the parameter text shown by the host
    const char* lpstrDescription;     // the description shown by the host
    LPCFUNCTION lpfnMyCFunction;      // the function
    unsigned long returnType;         // COMPLEX_SCALAR
    unsigned int nArgs;               // number of arguments, 1 to MAX_ARGS
    unsigned long argType[MAX_ARGS];  // type of each argument, COMPLEX_SCALAR
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(COMPLEXSCALAR) == 16);
static_assert(offsetof(FUNCTIONINFO, lpfnMyCFunction) == 12);
static_assert(offsetof(FUNCTIONINFO, returnType) == 16);
static_assert(offsetof(FUNCTIONINFO, nArgs) == 20);
static_assert(offsetof(FUNCTIONINFO, argType) == 24);
static_assert(sizeof(FUNCTIONINFO) == 64);
#endif
#if defined(_WIN64)
static_assert(sizeof(COMPLEXSCALAR) == 16);
static_assert(sizeof(unsigned long) == 4 && sizeof(McadResult) == 8);
static_assert(offsetof(FUNCTIONINFO, lpstrParameters) == 8);
static_assert(offsetof(FUNCTIONINFO, lpstrDescription) == 16);
static_assert(offsetof(FUNCTIONINFO, lpfnMyCFunction) == 24);
static_assert(offsetof(FUNCTIONINFO, returnType) == 32);
static_assert(offsetof(FUNCTIONINFO, nArgs) == 36);
static_assert(offsetof(FUNCTIONINFO, argType) == 40);
static_assert(sizeof(FUNCTIONINFO) == 80);
#endif

// Error value of a user function: 0 for success, otherwise the 1-based index of a message of the
// add-in's message table in the low 16 bits and the 1-based number of the argument at fault in the
// high 16 bits (0: no argument marked).
constexpr McadResult mcadError(unsigned int message, unsigned int argument = 0) noexcept {
    return static_cast<McadResult>((message & 0xFFFFu) | ((argument & 0xFFFFu) << 16));
}
constexpr unsigned int mcadErrorMessage(McadResult error) noexcept {
    return static_cast<unsigned int>(error) & 0xFFFFu;
}
constexpr unsigned int mcadErrorArgument(McadResult error) noexcept {
    return (static_cast<unsigned int>(error) >> 16) & 0xFFFFu;
}

extern "C" {
// Registers one user function of `module`; returns a handle, null when the host refused it.
MCAD_HOST_API const void* MCAD_CALL CreateUserFunction(McadModule module, FUNCTIONINFO* record);
// Registers the module's message table of `count` texts; non-zero on success. Error values of the
// module's functions index this table from 1.
MCAD_HOST_API McadBool MCAD_CALL CreateUserErrorMessageTable(McadModule module, unsigned int count,
                                                             const char* const* messages);
// Non-zero when the user has asked the host to stop calculating.
MCAD_HOST_API McadBool MCAD_CALL isUserInterrupted(void);
}
