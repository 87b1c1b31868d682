// Calls into the host. Argument values for one call are temporary OPERs (XLOPER12 in the 64-bit
// add-in) taken from a 1024-byte scratch area that is emptied after the call; a counted string made
// for a call points at a stored text whose length has just been written. The scratch area serves
// the entry points the host calls on its main thread (opening, closing, the add-in manager), never
// the worksheet functions.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "xlapi.h"

namespace vapxl {

class Scratch {
  public:
    static constexpr std::size_t kBytes = 1024;
    static constexpr std::size_t kCapacity = kBytes / sizeof(Oper);

    // The next free OPER, or null when the area is full.
    Oper* take() noexcept;
    void empty() noexcept { used_ = 0; }
    std::size_t used() const noexcept { return used_; }

  private:
    alignas(Oper) unsigned char bytes_[kBytes];
    std::size_t used_ = 0;
};

// The longest argument list of any call the add-in makes (xlfRegister: file name and 12 texts, or
// 14 for the by-name rows of the current API).
inline constexpr std::size_t kMostArguments = kApi12 ? 15 : 13;
static_assert(Scratch::kCapacity >= kMostArguments, "the scratch area holds the longest call");

// Temporary arguments (null when the scratch area is full; a call given a null argument is not made).
Oper* tempNumber(double x) noexcept;
Oper* tempString(XChar* counted) noexcept;
Oper* tempBool(bool b) noexcept;
Oper* tempInt(OperInt w) noexcept;
Oper* tempMissing() noexcept;

// Calls host function `fn` with the arguments through Excel4v (Excel12v), then empties the scratch area. The
// result is set to #N/A first, so that a failed call never leaves it undefined. Returns the host's
// return code, or xlretInvXloper without calling when an argument is null.
int callHost(int fn, Oper* result, std::initializer_list<Oper*> args) noexcept;

// Frees a value that the host returned (xlFree through Excel4 or Excel12v); harmless for values
// that own nothing.
void freeHostValue(Oper& value) noexcept;

}  // namespace vapxl
