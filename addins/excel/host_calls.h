// Calls into the host. Argument values for one call are temporary OPERs taken from a 1024-byte
// scratch area that is emptied after the call; a counted string made for a call points at a stored
// text whose length byte has just been written.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "xlcall.h"

namespace vapxl {

class Scratch {
 public:
  static constexpr std::size_t kBytes = 1024;
  static constexpr std::size_t kCapacity = kBytes / sizeof(XLOPER);

  // The next free OPER, or null when the area is full.
  XLOPER* take() noexcept;
  void empty() noexcept { used_ = 0; }
  std::size_t used() const noexcept { return used_; }

 private:
  alignas(XLOPER) unsigned char bytes_[kBytes];
  std::size_t used_ = 0;
};

// The longest argument list of any call the add-in makes (xlfRegister: file name and 12 texts).
inline constexpr std::size_t kMostArguments = 13;
static_assert(Scratch::kCapacity >= kMostArguments, "the scratch area holds the longest call");

// Temporary arguments (null when the scratch area is full; a call given a null argument is not made).
XLOPER* tempNumber(double x) noexcept;
XLOPER* tempString(char* counted) noexcept;
XLOPER* tempBool(bool b) noexcept;
XLOPER* tempInt(short w) noexcept;
XLOPER* tempMissing() noexcept;

// Calls host function `fn` with the arguments through Excel4v, then empties the scratch area. The
// result is set to #N/A first, so that a failed call never leaves it undefined. Returns the host's
// return code, or xlretInvXloper without calling when an argument is null.
int callHost(int fn, XLOPER* result, std::initializer_list<XLOPER*> args) noexcept;

// Frees a value that the host returned (xlFree through Excel4); harmless for values that own
// nothing.
void freeHostValue(XLOPER& value) noexcept;

}  // namespace vapxl
