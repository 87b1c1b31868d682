// The export table of vaprop32 as the tests see it: every export with its ordinal, its inputs, its
// result, the core operation and mask it stands for, and its argument size (for the stdcall names).
#ifndef VAPROP_TESTS_LIB_EXPORT_TABLE_H
#define VAPROP_TESTS_LIB_EXPORT_TABLE_H

#include <array>

namespace vaprop::test {

// Property letters: P pressure, T temperature, Q quality, H enthalpy, S entropy, V volume, C specific
// heat, W speed of sound, G isentropic expansion coefficient, K conductivity, M viscosity, R region;
// None for the scale conversions' kelvin (handled as T) and StmVer.
enum class Letter { P, T, Q, H, S, V, C, W, G, K, M, R, None };

struct ExportInfo {
    int ordinal;
    const char* name;
    Letter in1;
    Letter in2;  // None for one-input exports
    Letter out;
    int argBytes;  // bytes of arguments, the number after @ in the stdcall name
};

// Ordinal 1 is the start-up entry; ordinals 2 to 45 are the property calls.
inline constexpr std::array<ExportInfo, 44> kExports{{
    {2, "StmTP", Letter::T, Letter::None, Letter::P, 12},
    {3, "StmPT", Letter::P, Letter::None, Letter::T, 12},
    {4, "StmPTH", Letter::P, Letter::T, Letter::H, 20},
    {5, "StmPTS", Letter::P, Letter::T, Letter::S, 20},
    {6, "StmPTV", Letter::P, Letter::T, Letter::V, 20},
    {7, "StmPTC", Letter::P, Letter::T, Letter::C, 20},
    {8, "StmPTW", Letter::P, Letter::T, Letter::W, 20},
    {9, "StmPQH", Letter::P, Letter::Q, Letter::H, 20},
    {10, "StmPQS", Letter::P, Letter::Q, Letter::S, 20},
    {11, "StmPQV", Letter::P, Letter::Q, Letter::V, 20},
    {12, "StmPQC", Letter::P, Letter::Q, Letter::C, 20},
    {13, "StmPQW", Letter::P, Letter::Q, Letter::W, 20},
    {14, "StmTQH", Letter::T, Letter::Q, Letter::H, 20},
    {15, "StmTQS", Letter::T, Letter::Q, Letter::S, 20},
    {16, "StmTQV", Letter::T, Letter::Q, Letter::V, 20},
    {17, "StmTQC", Letter::T, Letter::Q, Letter::C, 20},
    {18, "StmTQW", Letter::T, Letter::Q, Letter::W, 20},
    {19, "StmPHT", Letter::P, Letter::H, Letter::T, 20},
    {20, "StmPHQ", Letter::P, Letter::H, Letter::Q, 20},
    {21, "StmPHS", Letter::P, Letter::H, Letter::S, 20},
    {22, "StmPHV", Letter::P, Letter::H, Letter::V, 20},
    {23, "StmPHC", Letter::P, Letter::H, Letter::C, 20},
    {24, "StmPHW", Letter::P, Letter::H, Letter::W, 20},
    {25, "StmPST", Letter::P, Letter::S, Letter::T, 20},
    {26, "StmPSQ", Letter::P, Letter::S, Letter::Q, 20},
    {27, "StmPSH", Letter::P, Letter::S, Letter::H, 20},
    {28, "StmPSV", Letter::P, Letter::S, Letter::V, 20},
    {29, "StmPSC", Letter::P, Letter::S, Letter::C, 20},
    {30, "StmPSW", Letter::P, Letter::S, Letter::W, 20},
    {31, "StmPTK", Letter::P, Letter::T, Letter::K, 20},
    {32, "StmPTM", Letter::P, Letter::T, Letter::M, 20},
    {33, "StmPQK", Letter::P, Letter::Q, Letter::K, 20},
    {34, "StmPQM", Letter::P, Letter::Q, Letter::M, 20},
    {35, "StmTQK", Letter::T, Letter::Q, Letter::K, 20},
    {36, "StmTQM", Letter::T, Letter::Q, Letter::M, 20},
    {37, "StmPTG", Letter::P, Letter::T, Letter::G, 20},
    {38, "StmPQG", Letter::P, Letter::Q, Letter::G, 20},
    {39, "StmTQG", Letter::T, Letter::Q, Letter::G, 20},
    {40, "StmPHG", Letter::P, Letter::H, Letter::G, 20},
    {41, "StmPSG", Letter::P, Letter::S, Letter::G, 20},
    {42, "StmTempIT", Letter::T, Letter::None, Letter::T, 12},
    {43, "StmTempTI", Letter::T, Letter::None, Letter::T, 12},
    {44, "StmVer", Letter::None, Letter::None, Letter::None, 0},
    {45, "StmPTR", Letter::P, Letter::T, Letter::R, 20},
}};

// The by-name calls, ordinals 46 and 47: names and argument sizes.
struct ByNameExport {
    int ordinal;
    const char* name;
    int argBytes;
};
inline constexpr std::array<ByNameExport, 2> kByNameExports{{
    {46, "StmBatch", 32},  // pair, props, UnitSet, count, in1, in2, out, threads
    {47, "StmProp", 28},   // pair, in1, in2, prop, UnitSet
}};

// The code an input letter's range check gives for a value below its range (also NaN) and above.
constexpr int belowCode(Letter l) {
    switch (l) {
        case Letter::P: return -1300;
        case Letter::T: return -1100;
        case Letter::Q: return -1700;
        case Letter::H: return -2100;
        case Letter::S: return -2300;
        default: return 0;
    }
}
constexpr int aboveCode(Letter l) {
    switch (l) {
        case Letter::P: return -1200;
        case Letter::T: return -1000;
        case Letter::Q: return -1700;
        case Letter::H: return -2200;
        case Letter::S: return -2400;
        default: return 0;
    }
}

}  // namespace vaprop::test

#endif
