// vaprop32 as the Calc add-in reaches it: opened with dlopen from the add-in's own folder the first
// time a function needs it, never linked. A missing or broken library leaves Calc running; the
// functions then answer "not available" and StmErrorText says why.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc_functions.h"

namespace vapropcalc {

using VersionCall = double (*)();
using OneValueCall = double (*)(double, std::int32_t);
using TwoValueCall = double (*)(double, double, std::int32_t);
using ByNamesCall = double (*)(const char*, double, double, const char*, std::int32_t);

class PropertyLibrary {
  public:
    using Entries = std::array<void*, kFunctionCount>;

    // Opens <folder>/libvaprop67 (where the build has the IFC-67 library: libvaprop32 needs it and
    // finds it already loaded) and <folder>/libvaprop32 by their SONAME file names, then looks up every
    // function of the table under its own name.
    static PropertyLibrary load(const std::string& folder);

    // A library given by its entries, in table order (null: not available).
    static PropertyLibrary fromEntries(const Entries& entries);

    // Why the library could not be opened; empty when it was.
    const std::string& failure() const noexcept { return failure_; }

    // The export behind function `index` of the table; null when the library is not loaded or does
    // not have it.
    void* entry(std::size_t index) const noexcept { return index < entries_.size() ? entries_[index] : nullptr; }

  private:
    std::string failure_;
    Entries entries_{};
};

// The SONAME file names the add-in opens (empty for a build without the IFC-67 library).
const char* vaprop32FileName() noexcept;
const char* vaprop67FileName() noexcept;

}  // namespace vapropcalc
