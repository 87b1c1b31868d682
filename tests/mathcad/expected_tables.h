// The registration texts of the Mathcad add-in as documented for its users: the message table and
// the 41 function records in registration order. Tests hold what the add-in registers against these.
#pragma once

#include <iterator>
#include <string_view>

namespace vapmcad_test {

struct ExpectedFunction {
    std::string_view name;
    std::string_view parameters;
    std::string_view description;  // empty: only said to tell the version
    unsigned int args;
};

inline constexpr ExpectedFunction expectedFunctions[] = {
    {"StmTP", "T, UnitSet", "returns the saturated steam pressure given temperature consistent with UnitSet", 2},
    {"StmPT", "P, UnitSet", "returns the saturated steam temperature given pressure consistent with UnitSet", 2},
    {"StmTQH", "T, Q, UnitSet", "returns the enthalpy given temperature and quality consistent with UnitSet", 3},
    {"StmTQS",
     "T, Q, UnitSet",
     "returns the steam/water entropy given temperature and quality consistent with UnitSet",
     3},
    {"StmTQV",
     "T, Q, UnitSet",
     "returns the steam/water specific volume given temperature and quality consistent with UnitSet",
     3},
    {"StmTQC",
     "T, Q, UnitSet",
     "returns the steam/water specific heat given temperature and quality consistent with UnitSet",
     3},
    {"StmTQW", "T, Q, UnitSet", "returns the speed of sound given temperature and quality consistent with UnitSet", 3},
    {"StmTQG",
     "T, Q, UnitSet",
     "returns the isentropic expansion coefficient given temperature and quality consistent with UnitSet",
     3},
    {"StmTQK",
     "T, Q, UnitSet",
     "returns the steam/water thermal conductivity given temperature and quality consistent with UnitSet",
     3},
    {"StmTQM",
     "T, Q, UnitSet",
     "returns the steam/water dynamic viscosity given temperature and quality consistent with Unitset",
     3},
    {"StmPQH",
     "P, Q, UnitSet",
     "returns the steam/water enthalpy given pressure and quality consistent with UnitSet",
     3},
    {"StmPQS",
     "P, Q, UnitSet",
     "returns the steam/water entropy given pressure and quality consistent with UnitSet",
     3},
    {"StmPQV",
     "P, Q, UnitSet",
     "returns the steam/water specific volume given pressure and quality consistent with UnitSet",
     3},
    {"StmPQC",
     "P, Q, UnitSet",
     "returns the steam/water specific heat given pressure and quality consistent with UnitSet",
     3},
    {"StmPQW", "P, Q, UnitSet", "returns the speed of sound given pressure and quality consistent with UnitSet", 3},
    {"StmPQG",
     "P, Q, UnitSet",
     "returns the isentropic expansion coefficient given pressure and quality consistent with UnitSet",
     3},
    {"StmPQK",
     "P, Q, UnitSet",
     "returns the steam/water thernal conductivity given pressure and quality consistent with UnitSet",
     3},
    {"StmPQM",
     "P, Q, UnitSet",
     "returns the steam/water dynamic viscosity given pressure and quality consistent with UnitSet",
     3},
    {"StmPTH",
     "P, T, UnitSet",
     "returns the steam/water enthalpy given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTS",
     "P, T, UnitSet",
     "returns the steam/water entropy given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTV",
     "P, T, UnitSet",
     "returns the steam/water specific volume given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTC",
     "P, T, UnitSet",
     "returns the steam/water specific heat given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTW", "P, T, UnitSet", "returns the speed of sound given pressure and temperature consistent with UnitSet", 3},
    {"StmPTG",
     "P, T, UnitSet",
     "returns the isentropic expansion coefficient given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTK",
     "P, T, UnitSet",
     "returns the steam/water thermal conductivity given pressure and temperature consistent with UnitSet",
     3},
    {"StmPTM",
     "P, T, UnitSet",
     "returns the steam/water dynamic viscosity given pressure and temperature consistent with UnitSet",
     3},
    {"StmPHT",
     "P, H, UnitSet",
     "returns the steam/water temperature given pressure and enthalpy consistent with UnitSet",
     3},
    {"StmPHS",
     "P, H, UnitSet",
     "returns the steam/water entropy given pressure and enthalpy consistent with UnitSet",
     3},
    {"StmPHV",
     "P, H, UnitSet",
     "returns the steam/water specific volume given pressure and enthalpy consistent with UnitSet",
     3},
    {"StmPHQ", "P, H, UnitSet", "returns the steam quality given pressure and enthalpy consistent with UnitSet", 3},
    {"StmPHW", "P, H, UnitSet", "returns the speed of sound given pressure and enthalpy consistent with UnitSet", 3},
    {"StmPHG",
     "P, H, UnitSet",
     "returns the isentropic expansion coefficient given pressure and enthalpy consistent with UnitSet",
     3},
    {"StmPST",
     "P, S, UnitSet",
     "returns the steam/water temperature given pressure and entropy consistent with UnitSet",
     3},
    {"StmPSH",
     "P, S, UnitSet",
     "returns the steam/water enthalpy given pressure and entropy consistent with UnitSet",
     3},
    {"StmPSV",
     "P, S, UnitSet",
     "returns the steam/water specific volume given pressure and entropy consistent with UnitSet",
     3},
    {"StmPSQ", "P, S, UnitSet", "returns the steam quality given pressure and entropy consistent with UnitSet", 3},
    {"StmPSW", "P, S, UnitSet", "returns the speed of sound given pressure and entropy consistent with UnitSet", 3},
    {"StmPSG",
     "P, S, UnitSet",
     "returns the isentropic expansion coefficient given pressure and entropy consistent with UnitSet",
     3},
    {"StmVer", "dummy", "", 1},
    {"StmTempTI", "T, UnitSet", "returns the T68 temperature given T90 temperature consistent with UnitSet", 2},
    {"StmTempIT", "T, UnitSet", "returns the T90 temperature given T68 temperature consistent with UnitSet", 2},
};
static_assert(std::size(expectedFunctions) == 41);

inline constexpr std::string_view expectedMessages[] = {
    "interrupted",                              // 1
    "insufficient memory",                      // 2
    "must be real",                             // 3
    "invalid unit set number",                  // 4
    "temperature too high",                     // 5
    "temperature too low",                      // 6
    "pressure too high",                        // 7
    "pressure too low",                         // 8
    "enthalpy too low",                         // 9
    "enthalpy too high",                        // 10
    "entropy too low",                          // 11
    "entropy too high",                         // 12
    "convergence error",                        // 13
    "input value out of range",                 // 14
    "internal error",                           // 15
    "quality out of range",                     // 16
    "pressure outside of saturation range",     // 17
    "temperature outside of saturation range",  // 18
    "transport properties not available",       // 19
};
static_assert(std::size(expectedMessages) == 19);

struct ExpectedCodeMessage {
    double code;
    unsigned int message;
};

// The vaprop32 codes with a message of their own; every other code is shown as message 15.
inline constexpr ExpectedCodeMessage expectedCodeMessages[] = {
    {-1000, 5},
    {-1100, 6},
    {-1200, 7},
    {-1300, 8},
    {-1500, 14},
    {-1600, 15},
    {-1700, 16},
    {-1800, 17},
    {-1900, 18},
    {-2100, 9},
    {-2200, 10},
    {-2300, 11},
    {-2400, 12},
    {-2500, 13},
    {-5100, 19},
};
inline constexpr unsigned int expectedOtherCodeMessage = 15;

// The message the add-in shows for a vaprop32 result at or below -1000.
inline unsigned int expectedMessageFor(double result) {
    const double code = static_cast<double>(static_cast<long long>(result));  // toward zero
    for (const ExpectedCodeMessage& row : expectedCodeMessages) {
        if (row.code == code) return row.message;
    }
    return expectedOtherCodeMessage;
}

}  // namespace vapmcad_test
