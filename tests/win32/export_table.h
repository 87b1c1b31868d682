// The 44 property exports of vaprop32 by ordinal (and the two by-name calls after them), with the letters of their
// inputs, as the add-ins and macros bind them (ordinal 1 is the start-up entry, which no caller binds). Shared by the
// wine test programs and the native program that writes the expected results.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define VAPROP_TEST_CALL __stdcall
#else
#define VAPROP_TEST_CALL
#endif

namespace w32test {

using Export0 = double(VAPROP_TEST_CALL*)();
using Export1 = double(VAPROP_TEST_CALL*)(double, std::int32_t);
using Export2 = double(VAPROP_TEST_CALL*)(double, double, std::int32_t);

// Input letters: "" for StmVer, one letter for the one-input calls, two for the others.
struct ExportRow {
    int ordinal;
    const char* name;
    const char* inputs;
};

inline constexpr ExportRow kExports[] = {
    {2, "StmTP", "T"},      {3, "StmPT", "P"},      {4, "StmPTH", "PT"},  {5, "StmPTS", "PT"},  {6, "StmPTV", "PT"},
    {7, "StmPTC", "PT"},    {8, "StmPTW", "PT"},    {9, "StmPQH", "PQ"},  {10, "StmPQS", "PQ"}, {11, "StmPQV", "PQ"},
    {12, "StmPQC", "PQ"},   {13, "StmPQW", "PQ"},   {14, "StmTQH", "TQ"}, {15, "StmTQS", "TQ"}, {16, "StmTQV", "TQ"},
    {17, "StmTQC", "TQ"},   {18, "StmTQW", "TQ"},   {19, "StmPHT", "PH"}, {20, "StmPHQ", "PH"}, {21, "StmPHS", "PH"},
    {22, "StmPHV", "PH"},   {23, "StmPHC", "PH"},   {24, "StmPHW", "PH"}, {25, "StmPST", "PS"}, {26, "StmPSQ", "PS"},
    {27, "StmPSH", "PS"},   {28, "StmPSV", "PS"},   {29, "StmPSC", "PS"}, {30, "StmPSW", "PS"}, {31, "StmPTK", "PT"},
    {32, "StmPTM", "PT"},   {33, "StmPQK", "PQ"},   {34, "StmPQM", "PQ"}, {35, "StmTQK", "TQ"}, {36, "StmTQM", "TQ"},
    {37, "StmPTG", "PT"},   {38, "StmPQG", "PQ"},   {39, "StmTQG", "TQ"}, {40, "StmPHG", "PH"}, {41, "StmPSG", "PS"},
    {42, "StmTempIT", "T"}, {43, "StmTempTI", "T"}, {44, "StmVer", ""},   {45, "StmPTR", "PT"},
};
inline constexpr int kExportCount = sizeof kExports / sizeof kExports[0];
static_assert(kExportCount == 44);

// The by-name calls (ordinals 46 and 47).
using BatchCall = std::int32_t(VAPROP_TEST_CALL*)(const char*, const char*, std::int32_t, std::int32_t, const double*,
                                                  const double*, double*, std::int32_t);
using PropCall = double(VAPROP_TEST_CALL*)(const char*, double, double, const char*, std::int32_t);
struct ByNameRow {
    int ordinal;
    const char* name;
};
inline constexpr ByNameRow kByNameExports[] = {{46, "StmBatch"}, {47, "StmProp"}};

inline const ExportRow* exportNamed(const char* name) {
    for (const ExportRow& row : kExports) {
        const char* a = row.name;
        const char* b = name;
        while (*a != '\0' && *a == *b) ++a, ++b;
        if (*a == *b) return &row;
    }
    return nullptr;
}

}  // namespace w32test
