// Reducing constants, unit factors and ranges of the 1967 IFC Formulation for Industrial Use, in the
// English units the library works in (psia, degrees F, ft3/lb, Btu/lb, Btu/(lb R)).
#pragma once

#include "status_codes.h"

namespace ifc67 {

inline constexpr double kRankineOffset = 459.67;                 // T(R) = T(F) + 459.67
inline constexpr double kTcF = 705.47;                           // critical temperature, F (647.3 K)
inline constexpr double kTcR = 1165.14;                          // critical temperature, R
inline constexpr double kPc = 3208.234758592228;                 // critical pressure, psia (22.12 MPa)
inline constexpr double kVc = 0.05077852889545364;               // critical volume, ft3/lb (0.00317 m3/kg)
inline constexpr double kInvTc = 0.000858265959455516;           // theta = T(R) * this
inline constexpr double kInvPc = 0.0003116978884795823;          // beta = p * this
inline constexpr double kInvVc = 19.693362957774326;             // chi = v * this
inline constexpr double kPcVc = 30.14634565778159;               // enthalpy scale, Btu/lb
inline constexpr double kPcVcTc = 0.02587358228005355;           // entropy and cp scale, Btu/(lb R)
inline constexpr double kTheta1 = 0.9626911787424687;            // reduced 662 F, lower edge of 3 and 4
inline constexpr double kInvOneMinusTheta1 = 26.80331262939956;  // y = (1 - theta) * this
inline constexpr double kOneMinusTheta1 = 0.03730882125753132;

// Reference-state offsets written by the library's start-up into the working record.
inline constexpr double kEnthalpyOffset = 3.14316720023699e-07;  // Btu/lb, added to every enthalpy
inline constexpr double kEntropyOffset = -4.12127641312121e-08;  // Btu/(lb R), subtracted from entropies

// Valid (p,T) states and the saturation range.
inline constexpr double kPMin = 0.088;        // psia
inline constexpr double kPMax = 15700.0;      // psia
inline constexpr double kTMin = 30.0;         // F
inline constexpr double kTMax = 1600.0;       // F
inline constexpr double kTLineLow = 662.0;    // F, the L-line flag needs 662 < T < 1094
inline constexpr double kTLineHigh = 1094.0;  // F

// Error codes raised by the library, from the system's table of codes.
inline constexpr double kPressureTooLow = vaprop::code::PressureLow;                      // -1300
inline constexpr double kOutOfRange = vaprop::code::InputOutOfRange;                      // -1500
inline constexpr double kInternalError = vaprop::code::Region3Convergence;                // -1600
inline constexpr double kQualityOutOfRange = vaprop::code::QualityRange;                  // -1700
inline constexpr double kPressureOutsideSat = vaprop::code::AboveCriticalPressure;        // -1800
inline constexpr double kTemperatureOutsideSat = vaprop::code::AboveCriticalTemperature;  // -1900

inline constexpr double toRankine(double tF) noexcept { return tF + kRankineOffset; }

}  // namespace ifc67
