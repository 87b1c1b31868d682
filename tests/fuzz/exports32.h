// Every property export of vaprop32 as a row {name, call, result letter}, so the fuzz targets can
// pick one by number and know what kind of value it returns.
#pragma once

#include <cstdint>

#include "fuzz_support.h"
#include "vaprop32.h"

namespace fuzz {

using Call1 = double(VAPROP_CALL*)(double, std::int32_t);
using Call2 = double(VAPROP_CALL*)(double, double, std::int32_t);

struct Export32 {
    const char* name;
    Call1 one;    // set for the one-input calls
    Call2 two;    // set for the two-input calls
    char result;  // property letter of the result (R region, V version)
};

#define FUZZ_ONE(n, letter) \
    { #n, n, nullptr, letter }
#define FUZZ_TWO(n, letter) \
    { #n, nullptr, n, letter }

// StmVer is called separately (no inputs).
inline constexpr Export32 kExports32[] = {
    FUZZ_ONE(StmTP, 'P'),  FUZZ_ONE(StmPT, 'T'),  FUZZ_ONE(StmTempTI, 'T'), FUZZ_ONE(StmTempIT, 'T'),
    FUZZ_TWO(StmPTR, 'R'), FUZZ_TWO(StmPTH, 'H'), FUZZ_TWO(StmPTS, 'S'),    FUZZ_TWO(StmPTV, 'V'),
    FUZZ_TWO(StmPTC, 'C'), FUZZ_TWO(StmPTW, 'W'), FUZZ_TWO(StmPTG, 'G'),    FUZZ_TWO(StmPTK, 'K'),
    FUZZ_TWO(StmPTM, 'M'), FUZZ_TWO(StmPQH, 'H'), FUZZ_TWO(StmPQS, 'S'),    FUZZ_TWO(StmPQV, 'V'),
    FUZZ_TWO(StmPQC, 'C'), FUZZ_TWO(StmPQW, 'W'), FUZZ_TWO(StmPQG, 'G'),    FUZZ_TWO(StmPQK, 'K'),
    FUZZ_TWO(StmPQM, 'M'), FUZZ_TWO(StmTQH, 'H'), FUZZ_TWO(StmTQS, 'S'),    FUZZ_TWO(StmTQV, 'V'),
    FUZZ_TWO(StmTQC, 'C'), FUZZ_TWO(StmTQW, 'W'), FUZZ_TWO(StmTQG, 'G'),    FUZZ_TWO(StmTQK, 'K'),
    FUZZ_TWO(StmTQM, 'M'), FUZZ_TWO(StmPHT, 'T'), FUZZ_TWO(StmPHQ, 'Q'),    FUZZ_TWO(StmPHS, 'S'),
    FUZZ_TWO(StmPHV, 'V'), FUZZ_TWO(StmPHC, 'C'), FUZZ_TWO(StmPHW, 'W'),    FUZZ_TWO(StmPHG, 'G'),
    FUZZ_TWO(StmPST, 'T'), FUZZ_TWO(StmPSQ, 'Q'), FUZZ_TWO(StmPSH, 'H'),    FUZZ_TWO(StmPSV, 'V'),
    FUZZ_TWO(StmPSC, 'C'), FUZZ_TWO(StmPSW, 'W'), FUZZ_TWO(StmPSG, 'G'),
};
inline constexpr int kExportCount32 = sizeof kExports32 / sizeof kExports32[0];
static_assert(kExportCount32 == 43, "45 ordinals less the start-up entry and StmVer");

#undef FUZZ_ONE
#undef FUZZ_TWO

}  // namespace fuzz
