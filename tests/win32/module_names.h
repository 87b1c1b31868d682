// The file names of the modules under test in the build of this bitness: the 32-bit set, or the
// 64-bit set with names of its own (both can lie in one folder).
#pragma once

namespace w32test {

#if defined(_WIN64)
inline constexpr const char* kVapropDll = "vaprop64.dll";
inline constexpr const char* kVaprop67Dll = "vaprop67x64.dll";
inline constexpr const char* kAddinXll = "vapxl64.xll";
inline constexpr const char* kMathcadDll = "vapmcad64.dll";
inline constexpr const char* kBitness = "64-bit";
#else
inline constexpr const char* kVapropDll = "vaprop32.dll";
inline constexpr const char* kVaprop67Dll = "vaprop67.dll";
inline constexpr const char* kAddinXll = "vapxl32.xll";
inline constexpr const char* kMathcadDll = "vapmcad.dll";
inline constexpr const char* kBitness = "32-bit";
#endif

}  // namespace w32test
