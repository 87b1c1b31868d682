// The property exports of vaprop32 as rows {name, call, input letters, result letter}, and a seeded
// source of inputs for them (valid states of every region, wet states, values at and beyond the
// range limits, NaN; every UnitSet word, IFC-67 and fast bits included). Shared by the threading
// tests and the tests of the by-name calls.
#pragma once

#include "vaprop32.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string_view>

namespace vaprop::calls {

using Call1 = double(VAPROP_CALL*)(double, std::int32_t);
using Call2 = double(VAPROP_CALL*)(double, double, std::int32_t);

struct ExportCall {
    std::string_view name;
    Call1 one;                // the one-input calls
    Call2 two;                // the two-input calls
    std::string_view inputs;  // input letters in argument order
    char result;              // letter of the result
};

#define VAPROP_CALL_ONE(n, in, r) \
    { #n, n, nullptr, in, r }
#define VAPROP_CALL_TWO(n, in, r) \
    { #n, nullptr, n, in, r }
inline constexpr ExportCall kExportCalls[] = {
    VAPROP_CALL_ONE(StmTP, "T", 'P'),     VAPROP_CALL_ONE(StmPT, "P", 'T'),   VAPROP_CALL_ONE(StmTempTI, "T", 'T'),
    VAPROP_CALL_ONE(StmTempIT, "T", 'T'), VAPROP_CALL_TWO(StmPTH, "PT", 'H'), VAPROP_CALL_TWO(StmPTS, "PT", 'S'),
    VAPROP_CALL_TWO(StmPTV, "PT", 'V'),   VAPROP_CALL_TWO(StmPTC, "PT", 'C'), VAPROP_CALL_TWO(StmPTW, "PT", 'W'),
    VAPROP_CALL_TWO(StmPTG, "PT", 'G'),   VAPROP_CALL_TWO(StmPTK, "PT", 'K'), VAPROP_CALL_TWO(StmPTM, "PT", 'M'),
    VAPROP_CALL_TWO(StmPTR, "PT", 'R'),   VAPROP_CALL_TWO(StmPQH, "PQ", 'H'), VAPROP_CALL_TWO(StmPQS, "PQ", 'S'),
    VAPROP_CALL_TWO(StmPQV, "PQ", 'V'),   VAPROP_CALL_TWO(StmPQC, "PQ", 'C'), VAPROP_CALL_TWO(StmPQW, "PQ", 'W'),
    VAPROP_CALL_TWO(StmPQG, "PQ", 'G'),   VAPROP_CALL_TWO(StmPQK, "PQ", 'K'), VAPROP_CALL_TWO(StmPQM, "PQ", 'M'),
    VAPROP_CALL_TWO(StmTQH, "TQ", 'H'),   VAPROP_CALL_TWO(StmTQS, "TQ", 'S'), VAPROP_CALL_TWO(StmTQV, "TQ", 'V'),
    VAPROP_CALL_TWO(StmTQC, "TQ", 'C'),   VAPROP_CALL_TWO(StmTQW, "TQ", 'W'), VAPROP_CALL_TWO(StmTQG, "TQ", 'G'),
    VAPROP_CALL_TWO(StmTQK, "TQ", 'K'),   VAPROP_CALL_TWO(StmTQM, "TQ", 'M'), VAPROP_CALL_TWO(StmPHT, "PH", 'T'),
    VAPROP_CALL_TWO(StmPHQ, "PH", 'Q'),   VAPROP_CALL_TWO(StmPHS, "PH", 'S'), VAPROP_CALL_TWO(StmPHV, "PH", 'V'),
    VAPROP_CALL_TWO(StmPHC, "PH", 'C'),   VAPROP_CALL_TWO(StmPHW, "PH", 'W'), VAPROP_CALL_TWO(StmPHG, "PH", 'G'),
    VAPROP_CALL_TWO(StmPST, "PS", 'T'),   VAPROP_CALL_TWO(StmPSQ, "PS", 'Q'), VAPROP_CALL_TWO(StmPSH, "PS", 'H'),
    VAPROP_CALL_TWO(StmPSV, "PS", 'V'),   VAPROP_CALL_TWO(StmPSC, "PS", 'C'), VAPROP_CALL_TWO(StmPSW, "PS", 'W'),
    VAPROP_CALL_TWO(StmPSG, "PS", 'G'),
};
#undef VAPROP_CALL_ONE
#undef VAPROP_CALL_TWO
// 45 ordinals less the start-up entry and StmVer (no inputs).
static_assert(sizeof kExportCalls / sizeof kExportCalls[0] == 43);

inline double call(const ExportCall& e, double a, double b, std::int32_t word) {
    return e.one != nullptr ? e.one(a, word) : e.two(a, b, word);
}

// UnitSet words: the seven sets with and without the IFC-67 and fast bits, and refused words.
inline constexpr std::int32_t kWords[] = {0,  1,  2,  3,  4,  5,  6,  8,  9, 10, 11, 12, 13,     14,
                                          16, 17, 19, 24, 25, 27, 30, 32, 7, 15, 33, -1, 0x10003};

// Seeded inputs in the units of a set: states of every region and the wet region, the range limits
// and values beyond them, and now and then a NaN.
class InputSource {
  public:
    explicit InputSource(std::uint64_t seed) : rng_(seed) {}

    std::int32_t word() { return kWords[rng_() % std::size(kWords)]; }

    // A value for the input letter in set (word & 7; 7 reads as set 0).
    double value(char letter, std::int32_t word) {
        const int set = (word & 7) == 7 ? 0 : (word & 7);
        if (rng_() % 97 == 0) return std::numeric_limits<double>::quiet_NaN();
        switch (letter) {
            case 'P': return pressure(set);
            case 'T': return temperature(set);
            case 'Q': return quality();
            case 'H': return enthalpy(set);
            default: return entropy(set);
        }
    }

  private:
    double uniform(double lo, double hi) { return lo + (hi - lo) * std::uniform_real_distribution<double>(0, 1)(rng_); }

    static constexpr double kPF[7] = {145.0377378, 10, 145.0377378, 1, 1000, 10, 10.197162};
    static constexpr double kPO[7] = {0, 0, 14.6959488, 0, 0, 0, 0};
    static constexpr double kTF[7] = {1.8, 1, 1.8, 1, 1, 1, 1};
    static constexpr double kTO[7] = {459.67, 273.15, 459.67, 0, 273.15, 273.15, 273.15};
    static constexpr double kHF[7] = {
        0.42992261392949266, 1, 0.42992261392949266, 1, 1, 0.23884589662749595, 0.23884589662749595};
    static constexpr double kSF[7] = {
        0.23884589662749595, 1, 0.23884589662749595, 1, 1, 0.23884589662749595, 0.23884589662749595};

    double pressure(int set) {
        // MPa, log-uniform over the range and a little beyond; now and then a limit itself.
        double c = std::exp(uniform(std::log(5e-8), std::log(120.0)));
        if (rng_() % 50 == 0) c = rng_() % 2 ? 1e-7 : 110.32;
        return c * kPF[set] - kPO[set];
    }
    double temperature(int set) {
        double c = rng_() % 3 == 0 ? uniform(273.15, 700.0) : uniform(265.0, 2290.0);
        if (rng_() % 50 == 0) c = rng_() % 2 ? 273.15 : 1073.15;
        return c * kTF[set] - kTO[set];
    }
    double quality() {
        const auto k = rng_() % 6;
        return k == 0 ? 0.0 : k == 1 ? 1.0 : uniform(-0.05, 1.05);
    }
    double enthalpy(int set) { return uniform(-10.0, 4500.0) * (rng_() % 8 == 0 ? 1.8 : 1.0) * kHF[set]; }
    double entropy(int set) { return uniform(-0.02, 11.0) * (rng_() % 16 == 0 ? 11.0 : 1.0) * kSF[set]; }

    std::mt19937_64 rng_;
};

}  // namespace vaprop::calls
