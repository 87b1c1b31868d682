// The seven unit sets of the property library and the conversions between set units and the core's
// SI units (MPa, K, kJ/kg, kJ/(kg K), m3/kg, m/s, W/(m K), Pa s, kg/m3, N/m).
//
// A value u in set units and the core value c are related by u = c * factor - offset (offsets only for
// pressure and temperature). Input routines convert and range-check one input; output routines
// convert one result and pass error codes (values at or below -1000) through unchanged.
#ifndef VAPROP_LIB_UNIT_SETS_H
#define VAPROP_LIB_UNIT_SETS_H

#include <array>
#include <cstdint>

#include "status_codes.h"

namespace vaprop {

// Set indices (UnitSet & 7); 7 is invalid.
enum SetIndex : int { kEng = 0, kSI = 1, kEngG = 2, kSIF = 3, kSIK = 4, kMET = 5, kMETF = 6 };
inline constexpr int kSetCount = 7;

using SetRow = std::array<double, kSetCount>;

// Conversion factors per set, exactly as stored: one row per quantity, indexed by set.
struct UnitFactors {
    SetRow pressure;  // per MPa
    SetRow pressureOffset;
    SetRow temperature;  // per K
    SetRow temperatureOffset;
    SetRow quality;
    SetRow enthalpy;        // per kJ/kg
    SetRow entropy;         // per kJ/(kg K)
    SetRow volume;          // per m3/kg
    SetRow specificHeat;    // per kJ/(kg K)
    SetRow soundSpeed;      // per m/s
    SetRow conductivity;    // per W/(m K)
    SetRow viscosity;       // per Pa s
    SetRow surfaceTension;  // per N/m
};

//                                    Eng                  SI      EngG                 SIF   SIK     MET METF
inline constexpr UnitFactors kUnitFactors{
    /* pressure          */ {145.0377378, 10.0, 145.0377378, 1.0, 1000.0, 10.0, 10.197162},
    /* pressure offset   */ {0.0, 0.0, 14.6959488, 0.0, 0.0, 0.0, 0.0},
    /* temperature       */ {1.8, 1.0, 1.8, 1.0, 1.0, 1.0, 1.0},
    /* temp. offset      */ {459.67, 273.15, 459.67, 0.0, 273.15, 273.15, 273.15},
    /* quality           */ {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0},
    /* enthalpy          */
    {0.42992261392949266, 1.0, 0.42992261392949266, 1.0, 1.0, 0.23884589662749595, 0.23884589662749595},
    /* entropy           */
    {0.23884589662749595, 1.0, 0.23884589662749595, 1.0, 1.0, 0.23884589662749595, 0.23884589662749595},
    /* volume            */ {16.0184634, 1.0, 16.0184634, 1.0, 1.0, 1.0, 1.0},
    /* specific heat     */
    {0.23884589662749595, 1.0, 0.23884589662749595, 1.0, 1.0, 0.23884589662749595, 0.23884589662749595},
    /* speed of sound    */ {3.280839895013123, 1.0, 3.280839895013123, 1.0, 1.0, 1.0, 1.0},
    /* conductivity      */ {0.577789316, 1.0, 0.577789316, 1.0, 1.0, 1.0, 0.859815228},
    /* viscosity         */ {2419.08831, 1000.0, 2419.08831, 1.0, 1000.0, 1000.0, 1.0},
    /* surface tension   */ {0.06852176585679176, 1000.0, 0.06852176585679176, 1.0, 1000.0, 1000.0, 1.0},
};
// Surface tension by set: lbf/ft in the English sets (0.3048 m/ft over 4.4482216152605 N/lbf), N/m
// in SIF and METF (whose viscosity is in Pa s), mN/m in the others. The density is the reciprocal of
// the specific volume in the set's units (lb/ft3 in the English sets, kg/m3 in the others).

// Accepted core ranges of the inputs (a limit itself is accepted) and their codes.
struct InputRange {
    double low;
    double high;
    int belowCode;
    int aboveCode;
};
inline constexpr InputRange kPressureRange{1e-7, 110.32, code::PressureLow, code::PressureHigh};
inline constexpr InputRange kTemperatureRange{273.15, 2273.15, code::TemperatureLow, code::TemperatureHigh};
inline constexpr InputRange kQualityRange{0.0, 1.0, code::QualityRange, code::QualityRange};
inline constexpr InputRange kEnthalpyRange{-0.05, 7377.0, code::EnthalpyLow, code::EnthalpyHigh};
inline constexpr InputRange kEntropyRange{-0.011, 111.45, code::EntropyLow, code::EntropyHigh};

inline constexpr int kInvalidUnitSet = code::InvalidUnitSet;

// Input routines: convert u in the units of set `set` to the core value c (written even when the
// code is not 0, except for an invalid set) and check it. Return 0, -1099 for a set index above 6
// (read as unsigned 16-bit), or the range code of the quantity; a NaN fails the lower test.
int toInternalP(double u, int set, double& c) noexcept;
int toInternalT(double u, int set, double& c) noexcept;
int toInternalQ(double u, int set, double& c) noexcept;
int toInternalH(double u, int set, double& c) noexcept;
int toInternalS(double u, int set, double& c) noexcept;
// The specific volume has no range of its own: only -1099 for an invalid set; the (p,v) and (T,v)
// states give the code of the limit a volume crosses.
int toInternalV(double u, int set, double& c) noexcept;

// Output routines: convert a core value to set units; values at or below -1000 are codes and come
// back unchanged. The set index is not checked (the call's input routine has done so).
double fromInternalP(double c, int set) noexcept;
double fromInternalT(double c, int set) noexcept;
double fromInternalQ(double c, int set) noexcept;
double fromInternalH(double c, int set) noexcept;
double fromInternalS(double c, int set) noexcept;
double fromInternalV(double c, int set) noexcept;
double fromInternalC(double c, int set) noexcept;
double fromInternalW(double c, int set) noexcept;
double fromInternalK(double c, int set) noexcept;
double fromInternalM(double c, int set) noexcept;
double fromInternalD(double c, int set) noexcept;      // density, from kg/m3
double fromInternalSigma(double c, int set) noexcept;  // surface tension, from N/m

}  // namespace vaprop

#endif
