// Unit sets: the stored factors, the input routines with their range codes, the output routines.
#include "unit_sets.h"

#include "tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vaprop {
namespace {

using test::kFewUlps;
using test::withinUlps;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The stored factor rows, copied from the unit-set table of the library's documentation; they are
// the contract, so the test keeps its own golden copy.
TEST(UnitFactors, RowsAreStoredExactly) {
    const SetRow pressure{145.0377378, 10, 145.0377378, 1, 1000, 10, 10.197162};
    const SetRow pressureOffset{0, 0, 14.6959488, 0, 0, 0, 0};
    const SetRow temperature{1.8, 1, 1.8, 1, 1, 1, 1};
    const SetRow temperatureOffset{459.67, 273.15, 459.67, 0, 273.15, 273.15, 273.15};
    const SetRow quality{1, 1, 1, 1, 1, 1, 1};
    const SetRow enthalpy{0.42992261392949266, 1, 0.42992261392949266, 1, 1, 0.23884589662749595, 0.23884589662749595};
    const SetRow entropy{0.23884589662749595, 1, 0.23884589662749595, 1, 1, 0.23884589662749595, 0.23884589662749595};
    const SetRow volume{16.0184634, 1, 16.0184634, 1, 1, 1, 1};
    const SetRow soundSpeed{3.280839895013123, 1, 3.280839895013123, 1, 1, 1, 1};
    const SetRow conductivity{0.577789316, 1, 0.577789316, 1, 1, 1, 0.859815228};
    const SetRow viscosity{2419.08831, 1000, 2419.08831, 1, 1000, 1000, 1};
    const SetRow surfaceTension{0.06852176585679176, 1000, 0.06852176585679176, 1, 1000, 1000, 1};
    EXPECT_EQ(kUnitFactors.pressure, pressure);
    EXPECT_EQ(kUnitFactors.pressureOffset, pressureOffset);
    EXPECT_EQ(kUnitFactors.temperature, temperature);
    EXPECT_EQ(kUnitFactors.temperatureOffset, temperatureOffset);
    EXPECT_EQ(kUnitFactors.quality, quality);
    EXPECT_EQ(kUnitFactors.enthalpy, enthalpy);
    EXPECT_EQ(kUnitFactors.entropy, entropy);
    EXPECT_EQ(kUnitFactors.volume, volume);
    EXPECT_EQ(kUnitFactors.specificHeat, entropy);
    EXPECT_EQ(kUnitFactors.soundSpeed, soundSpeed);
    EXPECT_EQ(kUnitFactors.conductivity, conductivity);
    EXPECT_EQ(kUnitFactors.viscosity, viscosity);
    EXPECT_EQ(kUnitFactors.surfaceTension, surfaceTension);
}

// The long factors are the reciprocals of the exact unit definitions (1 Btu/lb = 2.326 kJ/kg,
// 1 kcal = 4.1868 kJ, 1 ft = 0.3048 m).
TEST(UnitFactors, ReciprocalsOfUnitDefinitions) {
    EXPECT_TRUE(withinUlps(kUnitFactors.enthalpy[kEng], 1.0 / 2.326, 1));
    EXPECT_TRUE(withinUlps(kUnitFactors.entropy[kEng], 1.0 / 4.1868, 1));
    EXPECT_TRUE(withinUlps(kUnitFactors.soundSpeed[kEng], 1.0 / 0.3048, 1));
    // METF conductivity is used as stored, not 3600/4186.8.
    EXPECT_NE(kUnitFactors.conductivity[kMETF], 3600.0 / 4186.8);
}

struct InputRow {
    const char* what;
    int (*routine)(double, int, double&) noexcept;
    double u;
    int set;
    int code;
    double core;  // expected core value (NaN: not compared)
};

// Rows from the documented edge cases of the unit sets and the accepted ranges.
const InputRow kInputRows[] = {
    {"SIK 0 C is 273.15 K", toInternalT, 0.0, kSIK, 0, 273.15},
    {"SI -0.01 C is too low", toInternalT, -0.01, kSI, -1100, 273.14},
    {"EngG -1 atm is 0 MPa", toInternalP, -14.6959488, kEngG, -1300, 0.0},
    {"EngG 0 psig is 1 atm", toInternalP, 0.0, kEngG, 0, 14.6959488 / 145.0377378},
    {"SIF 110.32 MPa accepted", toInternalP, 110.32, kSIF, 0, 110.32},
    {"SIF 110.33 MPa too high", toInternalP, 110.33, kSIF, -1200, 110.33},
    {"SI 1103.2 bar above the quotient limit", toInternalP, 1103.2, kSI, -1200, 1103.2 / 10.0},
    {"SI 5 bar", toInternalP, 5.0, kSI, 0, 0.5},
    {"SI 100 C", toInternalT, 100.0, kSI, 0, 373.15},
    {"Eng 212 F", toInternalT, 212.0, kEng, 0, (212.0 + 459.67) / 1.8},
    {"Eng 1 atm", toInternalP, 14.6959488, kEng, 0, 14.6959488 / 145.0377378},
    {"SIF 1e-7 MPa accepted", toInternalP, 1e-7, kSIF, 0, 1e-7},
    {"SIF below 1e-7 MPa", toInternalP, 0.99999999e-7, kSIF, -1300, 0.99999999e-7},
    {"SIF 0 MPa", toInternalP, 0.0, kSIF, -1300, 0.0},
    {"SIF 273.15 K accepted", toInternalT, 273.15, kSIF, 0, 273.15},
    {"SIF 2273.15 K accepted", toInternalT, 2273.15, kSIF, 0, 2273.15},
    {"SIF 2273.16 K too high", toInternalT, 2273.16, kSIF, -1000, 2273.16},
    {"quality 0 accepted", toInternalQ, 0.0, kSI, 0, 0.0},
    {"quality 1 accepted", toInternalQ, 1.0, kMETF, 0, 1.0},
    {"quality 1.0000001", toInternalQ, 1.0000001, kEng, -1700, 1.0000001},
    {"quality -1e-9", toInternalQ, -1e-9, kSIK, -1700, -1e-9},
    {"enthalpy -0.05 accepted", toInternalH, -0.05, kSIF, 0, -0.05},
    {"enthalpy below -0.05", toInternalH, -0.0500001, kSIF, -2100, -0.0500001},
    {"enthalpy 7377 accepted", toInternalH, 7377.0, kSI, 0, 7377.0},
    {"enthalpy above 7377", toInternalH, 7377.001, kSI, -2200, 7377.001},
    {"Eng enthalpy 1000 Btu/lb", toInternalH, 1000.0, kEng, 0, 1000.0 / 0.42992261392949266},
    {"MET enthalpy 600 kcal/kg", toInternalH, 600.0, kMET, 0, 600.0 / 0.23884589662749595},
    {"entropy -0.011 accepted", toInternalS, -0.011, kSIF, 0, -0.011},
    {"entropy below -0.011", toInternalS, -0.0110001, kSIF, -2300, -0.0110001},
    {"entropy 111.45 accepted", toInternalS, 111.45, kSIK, 0, 111.45},
    {"entropy above 111.45", toInternalS, 111.4501, kSIK, -2400, 111.4501},
    {"Eng entropy 1.5 Btu/(lb F)", toInternalS, 1.5, kEng, 0, 1.5 / 0.23884589662749595},
    {"METF 10 kgf/cm2", toInternalP, 10.0, kMETF, 0, 10.0 / 10.197162},
    {"SIK 101.325 kPa", toInternalP, 101.325, kSIK, 0, 0.101325},
};

TEST(InputRoutines, DocumentedRows) {
    for (const InputRow& row : kInputRows) {
        double c = -12345.0;
        EXPECT_EQ(row.routine(row.u, row.set, c), row.code) << row.what;
        EXPECT_TRUE(withinUlps(c, row.core, kFewUlps)) << row.what << ": " << c << " vs " << row.core;
    }
}

// 212 F is not exactly 373.15 K in floating point; the routine reproduces the quotient exactly.
TEST(InputRoutines, BoilingPointInFahrenheitIsAFewUlpsOff) {
    double c = 0.0;
    ASSERT_EQ(toInternalT(212.0, kEng, c), 0);
    EXPECT_EQ(c, (212.0 + 459.67) / 1.8);
    EXPECT_TRUE(withinUlps(c, 373.15, 2));
}

using Routine = int (*)(double, int, double&) noexcept;
struct RoutineCodes {
    const char* what;
    Routine routine;
    int below;
    int above;
};
const RoutineCodes kRoutines[] = {
    {"P", toInternalP, -1300, -1200},
    {"T", toInternalT, -1100, -1000},
    {"Q", toInternalQ, -1700, -1700},
    {"H", toInternalH, -2100, -2200},
    {"S", toInternalS, -2300, -2400},
};

TEST(InputRoutines, SetIndexSevenAndAboveIsRefusedBeforeConversion) {
    for (const RoutineCodes& r : kRoutines) {
        for (int set : {7, 8, 65535, -1, 100}) {
            double c = 42.0;
            EXPECT_EQ(r.routine(1.0, set, c), -1099) << r.what << " set " << set;
            EXPECT_EQ(c, 42.0) << r.what << ": nothing is converted for an invalid set";
        }
    }
}

TEST(InputRoutines, NaNFailsTheLowerTestInfinitiesTheirSide) {
    for (const RoutineCodes& r : kRoutines) {
        for (int set = 0; set < kSetCount; ++set) {
            double c = 0.0;
            EXPECT_EQ(r.routine(kNaN, set, c), r.below) << r.what << " set " << set;
            EXPECT_EQ(r.routine(-kInf, set, c), r.below) << r.what << " set " << set;
            EXPECT_EQ(r.routine(kInf, set, c), r.above) << r.what << " set " << set;
        }
    }
}

// Every set converts with its own factor and offset: u = c * factor - offset solved for c.
TEST(InputRoutines, EverySetUsesItsRow) {
    for (int set = 0; set < kSetCount; ++set) {
        const auto i = static_cast<std::size_t>(set);
        double c = 0.0;
        const double uP = 0.5 * kUnitFactors.pressure[i] - kUnitFactors.pressureOffset[i];
        ASSERT_EQ(toInternalP(uP, set, c), 0);
        EXPECT_TRUE(withinUlps(c, 0.5, kFewUlps)) << set;
        const double uT = 400.0 * kUnitFactors.temperature[i] - kUnitFactors.temperatureOffset[i];
        ASSERT_EQ(toInternalT(uT, set, c), 0);
        EXPECT_TRUE(withinUlps(c, 400.0, kFewUlps)) << set;
        ASSERT_EQ(toInternalH(1000.0 * kUnitFactors.enthalpy[i], set, c), 0);
        EXPECT_TRUE(withinUlps(c, 1000.0, kFewUlps)) << set;
        ASSERT_EQ(toInternalS(2.0 * kUnitFactors.entropy[i], set, c), 0);
        EXPECT_TRUE(withinUlps(c, 2.0, kFewUlps)) << set;
    }
}

struct OutputRow {
    const char* what;
    double (*routine)(double, int) noexcept;
    double c;
    int set;
    double expected;
};

// Rows from the documented edge cases and the factor table.
const OutputRow kOutputRows[] = {
    {"T code passes", fromInternalT, -1100.0, kEng, -1100.0},
    {"P -1000 passes", fromInternalP, -1000.0, kSI, -1000.0},
    {"H -5100 passes", fromInternalH, -5100.0, kEng, -5100.0},
    {"negative gauge pressure", fromInternalP, 0.05, kEngG, 0.05 * 145.0377378 - 14.6959488},
    {"mPa s", fromInternalM, 1e-3, kSI, 1.0},
    {"METF conductivity", fromInternalK, 0.6, kMETF, 0.6 * 0.859815228},
    {"Eng conductivity", fromInternalK, 0.6, kEng, 0.6 * 0.577789316},
    {"Eng viscosity", fromInternalM, 1e-3, kEng, 1e-3 * 2419.08831},
    {"SIF viscosity", fromInternalM, 1e-3, kSIF, 1e-3},
    {"METF viscosity", fromInternalM, 1e-3, kMETF, 1e-3},
    {"Eng volume", fromInternalV, 1.0, kEng, 16.0184634},
    {"Eng sound", fromInternalW, 0.3048, kEng, 0.3048 * 3.280839895013123},
    {"MET enthalpy", fromInternalH, 4.1868, kMET, 4.1868 * 0.23884589662749595},
    {"Eng entropy", fromInternalS, 4.1868, kEng, 4.1868 * 0.23884589662749595},
    {"MET heat", fromInternalC, 4.1868, kMET, 4.1868 * 0.23884589662749595},
    {"quality", fromInternalQ, 0.25, kMETF, 0.25},
    {"SIK kPa", fromInternalP, 0.101325, kSIK, 101.325},
    {"METF kgf/cm2", fromInternalP, 1.0, kMETF, 10.197162},
    {"Eng F", fromInternalT, 373.15, kEng, 373.15 * 1.8 - 459.67},
    {"SI C", fromInternalT, 373.15, kSI, 373.15 - 273.15},
    {"SIF K", fromInternalT, 373.15, kSIF, 373.15},
    {"slightly negative enthalpy is a value", fromInternalH, -0.04, kEng, -0.04 * 0.42992261392949266},
    {"-999.9 is a value", fromInternalQ, -999.9, kSI, -999.9},
};

TEST(OutputRoutines, DocumentedRows) {
    for (const OutputRow& row : kOutputRows) {
        EXPECT_TRUE(withinUlps(row.routine(row.c, row.set), row.expected, kFewUlps))
            << row.what << ": " << row.routine(row.c, row.set);
    }
}

TEST(OutputRoutines, EveryCodeOfTheTablePassesUnchangedInEverySet) {
    using Out = double (*)(double, int) noexcept;
    const Out outs[] = {fromInternalP,
                        fromInternalT,
                        fromInternalQ,
                        fromInternalH,
                        fromInternalS,
                        fromInternalV,
                        fromInternalC,
                        fromInternalW,
                        fromInternalK,
                        fromInternalM};
    const double codes[] = {-1000,
                            -1099,
                            -1100,
                            -1200,
                            -1300,
                            -1500,
                            -1600,
                            -1700,
                            -1800,
                            -1900,
                            -2000,
                            -2100,
                            -2200,
                            -2300,
                            -2400,
                            -2500,
                            -5100};
    for (Out out : outs) {
        for (int set = 0; set < kSetCount; ++set) {
            for (double code : codes) EXPECT_EQ(out(code, set), code);
        }
    }
}

}  // namespace
}  // namespace vaprop
