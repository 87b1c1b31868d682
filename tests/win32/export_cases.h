// The case list on which every vaprop32 export is called, the same on Linux and under wine: every
// export on a grid of inputs for every UnitSet word of interest, then the edge cases named for the
// exports. The grid values are raw numbers in the caller's units, chosen so that each unit set sees
// states in range (liquid, wet, superheated, supercritical, region 5) as well as every range code.
#pragma once

#include <cstdint>
#include <limits>

#include "export_table.h"

namespace w32test {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();

// psia/psig, bar, MPa, kPa, kgf/cm2 by set; 1e-9 and 2e5 fail the range checks in every set.
inline constexpr double kPressures[] = {0.5, 1, 14.7, 100, 1000, 3000, 1e-9, 2e5, -5, kNaN, kInf};
// F, C, K by set; 4500 is above 2273.15 K in every set, -300 below 273.15 K.
inline constexpr double kTemperatures[] = {32, 100, 212, 300, 500, 700, 1000, 1500, 2500, 4500, -300, kNaN, -kInf};
inline constexpr double kQualities[] = {0, 0.3, 1, -0.1, 1.5, kNaN};
inline constexpr double kEnthalpies[] = {0, 100, 500, 1200, 2800, 5000, -1, 1e4, kNaN};
inline constexpr double kEntropies[] = {0, 0.5, 1.5, 2, 6.5, 9, -1, 200, kNaN};

struct Grid {
    const double* values;
    int count;
};
template <int N>
constexpr Grid gridOf(const double (&values)[N]) {
    return Grid{values, N};
}

inline constexpr Grid gridOfLetter(char letter) {
    switch (letter) {
        case 'P': return gridOf(kPressures);
        case 'T': return gridOf(kTemperatures);
        case 'Q': return gridOf(kQualities);
        case 'H': return gridOf(kEnthalpies);
        default: return gridOf(kEntropies);
    }
}

// Every set index with and without the 1967 and fast bits (0 to 31), 32 (acts as 0), 33 (first
// rejected value), and words whose low 16 bits decide: -1, 65536 (low bits 0), 65544 (low bits 8),
// 32767, 65568 (low bits 32), 65535 (low bits -1), the most negative word.
inline constexpr std::int32_t kUnitSets[] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,    15,    16,    17,    18,    19,       20,
    21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, -1, 65536, 65544, 32767, 65568, 65535, INT32_MIN};

// The dense sweep: every export on a fine grid over the whole accepted range in SIF units (MPa, K,
// kJ/kg, kJ/(kg K)), with IF97, IF97 fast and IFC-67 (UnitSet 3, 19, 11). It reaches the region
// boundaries, region 3 and the (p,h)/(p,s) iterations, where the two builds are most likely to
// part if they part at all.
inline constexpr std::int32_t kSweepUnitSets[] = {3, 19, 11};
inline constexpr int kSweepSteps = 36;

// Sweep value i (0 to kSweepSteps - 1) of an input letter: pressures spaced evenly in log p from
// 1e-3 to 100 MPa, the others evenly over their range; qualities 0 to 1 in steps of 0.2.
inline double sweepValue(char letter, int i) {
    const double f = static_cast<double>(i) / (kSweepSteps - 1);
    switch (letter) {
        case 'P': {
            double p = 1e-3;
            for (int k = 0; k < i; ++k) p *= 1.3894954943731375;  // (100 / 1e-3)^(1/35)
            return p;
        }
        case 'T': return 273.16 + f * 1999.0;
        case 'Q': return (i % 6) * 0.2;
        case 'H': return 1.0 + f * 4199.0;
        default: return 0.001 + f * 11.999;
    }
}
inline int sweepCount(char letter) { return letter == 'Q' ? 6 : kSweepSteps; }

// Edge cases of the exports (each names the export, its inputs and its UnitSet).
struct EdgeCase {
    const char* name;
    double a;
    double b;
    std::int32_t unitSet;
};
inline constexpr EdgeCase kEdgeCases[] = {
    {"StmPTH", 200, 600, 0},        // the road of one call, Eng
    {"StmPTH", 200, 600, 8},        // the same through IFC-67
    {"StmPTH", 10, 2273.15, 3},     // region 5 at the temperature limit
    {"StmPTH", 10, 2273.16, 3},     // -1000 from the input check
    {"StmPTH", 10.01, 1073.16, 3},  // -1000 from the region test
    {"StmPTH", 110.32, 273.15, 3},  // both limits accepted
    {"StmPTH", 110.33, 273.15, 3},  // -1200
    {"StmPTH", 1e-7, 273.15, 3},    // lower pressure limit accepted
    {"StmPTH", 1000, 1000, 8},      // IFC-67 inside its range
    {"StmPTH", 1000, 1700, 8},      // -1500: IFC-67 ends at 1600 F
    {"StmPTH", 1000, 1700, 0},      // IF97 value
    {"StmPTK", 20, 1100, 3},        // -1000 before the transport computation
    {"StmPTK", 20, 1100, 11},       // -5100 through the IFC-67 volume
    {"StmPTM", 20, 1100, 11},       // -5100
    {"StmPTR", 1, 500, 3},          // region 2
    {"StmPTR", 1, 500, 11},         // 0 with the 1967 bit
    {"StmPTR", 20, 1100, 3},        // -1000
    {"StmPTR", 25, 650, 3},         // region 3
    {"StmPTR", 30, 1500, 3},        // region 5
    {"StmPTW", 1000, 1000, 8},      // always IF97
    {"StmPTG", 1000, 1000, 8},      // always IF97
    {"StmPQK", 100, 0.5, 0},        // -2000 before any computation
    {"StmPQK", 100, 1.5, 0},        // -1700 first
    {"StmPQK", 4000, 1, 8},         // -1800 above the IFC-67 critical pressure
    {"StmPQK", 3208.234758592228, 1, 8},
    {"StmPQV", 3208.234758592228, 0, 8},
    {"StmPQV", 0.0879, 0, 8},   // -1300 below the IFC-67 (p, x) range
    {"StmTQH", 30, 0, 8},       // -1300 through the IFC-67 saturation pressure
    {"StmTQC", 300, 0.5, 8},    // -2000
    {"StmPHC", 100, 800, 8},    // two-phase: -2000
    {"StmPHC", 100, 200, 8},    // subcooled liquid through Stm67PTC
    {"StmPSC", 100, 1.0, 8},    // two-phase
    {"StmPSC", 100, 0.3, 8},    // liquid
    {"StmPHT", 100, 1200, 16},  // fast backward temperature
    {"StmPHT", 100, 1200, 0},   // refined
    {"StmPST", 100, 1.7, 16},
    {"StmPHT", 3.0, 3.0, 3},     // below the region 1 limit at 3 MPa
    {"StmPHT", 50, 7377, 3},     // upper enthalpy limit
    {"StmPHT", 50, 7377.01, 3},  // -2200
    {"StmPHT", 50, -0.05, 3},
    {"StmPHT", 50, -0.06, 3},  // -2100
    {"StmPST", 50, -0.011, 3},
    {"StmPST", 50, -0.012, 3},  // -2300
    {"StmPST", 0.001, 111.45, 3},
    {"StmPST", 0.001, 111.46, 3},          // -2400
    {"StmPHT", 16.529164252605, 1600, 3},  // the 16.529164252605 MPa branch
    {"StmPHT", 22.0, 2000, 3},             // near-critical region 3
    {"StmPST", 22.0, 4.4, 3},
    {"StmPQW", 1, 0.5, 3},  // critical flow velocity of wet steam
    {"StmPQG", 1, 0.5, 3},
    {"StmTQW", 400, 0.5, 3},
    {"StmTP", 647.096, 0, 3},  // critical temperature
    {"StmTP", 647.1, 0, 3},    // -1900
    {"StmPT", 22.064, 0, 3},   // critical pressure
    {"StmPT", 22.065, 0, 3},   // -1800
    {"StmTempTI", 2273.15, 0, 3},
    {"StmTempIT", 2273.15, 0, 3},  // the ITS-90 limit reached from IPTS-68
    {"StmTempIT", 273.15, 0, 3},
    {"StmPTH", 100, 500, 33},  // -1099 before any input is looked at
    {"StmPTH", kNaN, 500, 33},
    {"StmPTH", 100, 500, 32},  // as 0
    {"StmPTH", 100, 500, 7},
    {"StmPTH", 100, 500, 15},
    {"StmPTH", 100, 500, 23},
    {"StmPTH", 100, 500, 31},
    {"StmPTH", 100, 500, 2},     // psig
    {"StmPTH", -14.69, 500, 2},  // almost absolute vacuum in psig
    {"StmPT", -14, 0, 2},
    {"StmVer", 0, 0, 0},
};

}  // namespace w32test
