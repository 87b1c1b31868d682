/*
 * vaprop32 -- water and steam properties (IAPWS-IF97 by default, IFC-67 on request).
 *
 * The whole public contract of the property library. Every export takes one or two doubles and a
 * UnitSet word and returns one double: the property in the units of the chosen unit set, or a
 * negative whole-number error code (see lib/error_codes.h for the table and its texts). Results at or
 * below -1000 are always codes; no property value the library returns lies there.
 *
 * UnitSet (32-bit signed):
 *   UnitSet & 7   unit set: 0 Eng, 1 SI, 2 EngG, 3 SIF, 4 SIK, 5 MET, 6 METF (7 is invalid, -1099)
 *   bit value 8   use the 1967 IFC formulation (IFC-67, through vaprop67)
 *   bit value 16  fast: (p,h) and (p,s) calls take the IF97 backward temperature without refinement
 *   A word whose low 16 bits, read as a signed number, exceed 32 gives -1099 (32 itself acts as 0).
 *
 * Units by set          P        T    H        S, C            V       W     K               M
 *   0 Eng               psia     F    Btu/lb   Btu/(lb F)      ft3/lb  ft/s  Btu/(h ft F)    lb/(ft h)
 *   1 SI                bar      C    kJ/kg    kJ/(kg K)       m3/kg   m/s   W/(m K)         mPa s
 *   2 EngG              psig     F    Btu/lb   Btu/(lb F)      ft3/lb  ft/s  Btu/(h ft F)    lb/(ft h)
 *   3 SIF               MPa      K    kJ/kg    kJ/(kg K)       m3/kg   m/s   W/(m K)         Pa s
 *   4 SIK               kPa      C    kJ/kg    kJ/(kg K)       m3/kg   m/s   W/(m K)         mPa s
 *   5 MET               bar      C    kcal/kg  kcal/(kg K)     m3/kg   m/s   W/(m K)         mPa s
 *   6 METF              kgf/cm2  C    kcal/kg  kcal/(kg K)     m3/kg   m/s   kcal/(h m C)    Pa s
 *   Q (quality, 0..1), G (isentropic expansion coefficient w^2/(p v)) and R (IF97 region) have no unit.
 *   By name only: U (internal energy) in the unit of H, CV (isochoric heat) in that of C, M08 in that
 *   of M, K11 in that of K, and
 *                       D (density)   SIGMA (surface tension)
 *   0 Eng, 2 EngG       lb/ft3        lbf/ft
 *   1 SI, 4 SIK, 5 MET  kg/m3         mN/m
 *   3 SIF, 6 METF       kg/m3         N/m
 *   V as an input (pairs PV, TV) in the unit of V.
 *
 * Accepted inputs (after conversion; a limit itself is accepted, NaN fails the lower test):
 *   p 1e-7..110.32 MPa (-1300 / -1200)    T 273.15..2273.15 K on ITS-90 (-1100 / -1000)
 *   Q 0..1 (-1700)    h -0.05..7377 kJ/kg (-2100 / -2200)    s -0.011..111.45 kJ/(kg K) (-2300 / -2400)
 *   V (pairs PV, TV) has no range of its own: a state beyond the range gives the code of the limit
 *   it crosses (so do the pairs HS and TS beyond the h and s checks): -1000/-1100 for (P,V), and
 *   -1200/-1300 for (T,V) and (T,S), -1000 for T > 1073.15 K above 10 MPa; a V that is not positive
 *   (or a NaN) is the lowest volume: -1100 with P, -1200 with T.
 * Every export checks UnitSet first, then its first input, then its second; the first failure is the
 * result. "codes" below lists what each call can add to those input codes.
 *
 * Bit 8 (IFC-67): the same checks and conversions, the property from vaprop67 in set-0 units. Its own
 * codes pass through unchanged: -1300 (p below 0.088 psia in the (p,Q) calls), -1500 (outside
 * 0.088..15700 psia, 30..1600 F), -1600, -1700 (StmTQC with 0 < Q < 1), -1800 (p above
 * 3208.234758592228 psia), -1900 (T above 705.47 F). W and G calls and the scale conversions ignore
 * the bit and compute by IF97; StmPTR returns 0. K and M take v (and the saturation T or p) from
 * IFC-67 and the transport equations of the library, which refuse T > 1073.15 K above 10 MPa (-5100).
 * vaprop32 binds vaprop67 when it is loaded and cannot be loaded without it.
 *
 * The library is thread-safe: it keeps no state between calls, so every export may be called from
 * any number of threads at once, with the same results as the same calls made one after another
 * (vaprop67, which the IFC-67 route uses, is thread-safe as well).
 *
 * The by-name calls StmBatch and StmProp name the input pair and the properties by their letters:
 *   pair   "PT", "PQ", "TQ", "PH", "PS", and (by name only) "HS", "TS", "PV", "TV", case ignored; the
 *          other order ("TP") is the same pair with its two inputs swapped;
 *   names  the result letters of the exports: P, T, Q, H, S, V, C, W, G, K, M, R, and PR for the
 *          Prandtl number (no unit); U internal energy, D density, CV isochoric heat capacity, SIGMA
 *          surface tension at the state's temperature (273.16 K to 647.096 K: -1100 below, -1900
 *          above), M08 viscosity by IAPWS 2008 and K11 thermal conductivity by IAPWS 2011 (industrial
 *          forms; to 1173.15 K, -5100 above; -2000 for wet steam, and K11 at the critical point
 *          itself); case ignored.
 *          The pairs HS, TS, PV, TV find the state in every region, wet states included; it reproduces
 *          both inputs within 3e-11 relative (1e-9 within 0.02 K of the critical temperature). Where two
 *          states share the inputs -- liquid water near its density maximum (277.13 K at low pressure,
 *          falling to 273.15 K at 18.94 MPa): one (P,V) below and one above the maximum, or a cold
 *          liquid and a wet state of very small quality; one (T,S) at two pressures up to 110.32 MPa,
 *          and the wet state -- the result is -2600 (ambiguous state).
 *          With bit 8: U and D from the IFC-67 state; the pairs HS, TS, PV, TV and the names CV, SIGMA,
 *          M08, K11 give -2700 (not available in the 1967 formulation).
 *          A letter of a pair that has an export for it gives
 *          exactly the bits of that export (value or code); any other combination (K of (P,H), Q of
 *          (P,T), T of (P,Q), ...) the value of the same state in the same units, with the same codes:
 *          -2000 for what is not defined for the state (K, M and PR of wet steam). An input letter gives the input as
 * passed once the state is computable. R is 4 for saturated and wet states (0 with bit 8). Calls refused as a whole
 * return a code without touching anything: -3100 unknown input pair, -3200 unknown property name (or an empty list, or
 * more than 64 names), -3300 invalid count (count or threads below 0), -3400 null pointer, -1099 invalid unit set
 * (UnitSet above 32 or set index 7).
 */
#ifndef VAPROP32_H
#define VAPROP32_H

#include <stdint.h>

/* One calling convention for every export: stdcall on 32-bit Windows, the platform's own elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define VAPROP_CALL __stdcall
#else
#define VAPROP_CALL
#endif

/* Windows exports come from vaprop32.def (names at fixed ordinals); elsewhere the symbols are made
   visible here and everything else in the shared object stays hidden. */
#if defined(_WIN32)
#define VAPROP_API
#else
#define VAPROP_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ord. 2  saturation pressure P at temperature T; codes -1900 (T above the critical temperature) */
VAPROP_API double VAPROP_CALL StmTP(double T, int32_t UnitSet);
/* ord. 3  saturation temperature T at pressure P; codes -1800 (P above the critical pressure) */
VAPROP_API double VAPROP_CALL StmPT(double P, int32_t UnitSet);

/* ord. 4  enthalpy H at (P, T); codes -1000 (T > 1073.15 K with p > 10 MPa), -1600 */
VAPROP_API double VAPROP_CALL StmPTH(double P, double T, int32_t UnitSet);
/* ord. 5  entropy S at (P, T); codes -1000, -1600 */
VAPROP_API double VAPROP_CALL StmPTS(double P, double T, int32_t UnitSet);
/* ord. 6  specific volume V at (P, T); codes -1000, -1600 */
VAPROP_API double VAPROP_CALL StmPTV(double P, double T, int32_t UnitSet);
/* ord. 7  isobaric specific heat C at (P, T); codes -1000, -1600, -2000 (negative cp in region 3) */
VAPROP_API double VAPROP_CALL StmPTC(double P, double T, int32_t UnitSet);
/* ord. 8  speed of sound W at (P, T), always IF97; codes -1000, -1600 */
VAPROP_API double VAPROP_CALL StmPTW(double P, double T, int32_t UnitSet);
/* ord. 37 isentropic expansion coefficient G (no unit) at (P, T), always IF97; codes -1000, -1600, -2000 */
VAPROP_API double VAPROP_CALL StmPTG(double P, double T, int32_t UnitSet);
/* ord. 31 thermal conductivity K at (P, T); codes -1000, -1600; with bit 8 -5100 (T > 1073.15 K, p > 10 MPa) */
VAPROP_API double VAPROP_CALL StmPTK(double P, double T, int32_t UnitSet);
/* ord. 32 dynamic viscosity M at (P, T); codes as StmPTK */
VAPROP_API double VAPROP_CALL StmPTM(double P, double T, int32_t UnitSet);
/* ord. 45 IF97 region (1, 2, 3 or 5, no unit) of (P, T); code -1000 (T > 1073.15 K, p > 10 MPa); 0 with bit 8 */
VAPROP_API double VAPROP_CALL StmPTR(double P, double T, int32_t UnitSet);

/* ord. 9  enthalpy H of wet steam at (P, Q); codes -1800 */
VAPROP_API double VAPROP_CALL StmPQH(double P, double Q, int32_t UnitSet);
/* ord. 10 entropy S at (P, Q); codes -1800 */
VAPROP_API double VAPROP_CALL StmPQS(double P, double Q, int32_t UnitSet);
/* ord. 11 specific volume V at (P, Q); codes -1800 */
VAPROP_API double VAPROP_CALL StmPQV(double P, double Q, int32_t UnitSet);
/* ord. 12 specific heat C at (P, Q), Q = 0 or 1 only; codes -1800, -2000 (two-phase) */
VAPROP_API double VAPROP_CALL StmPQC(double P, double Q, int32_t UnitSet);
/* ord. 13 speed of sound W at (P, Q) (critical flow velocity for 0 < Q < 1), always IF97; codes -1800, -2000 */
VAPROP_API double VAPROP_CALL StmPQW(double P, double Q, int32_t UnitSet);
/* ord. 38 isentropic expansion coefficient G at (P, Q), always IF97; codes -1800, -2000 */
VAPROP_API double VAPROP_CALL StmPQG(double P, double Q, int32_t UnitSet);
/* ord. 33 thermal conductivity K of saturated liquid (Q = 0) or vapour (Q = 1) at P; codes -2000 for
   0 < Q < 1 (after the range check of Q, before any computation), -1800 */
VAPROP_API double VAPROP_CALL StmPQK(double P, double Q, int32_t UnitSet);
/* ord. 34 dynamic viscosity M of saturated liquid or vapour at P; codes as StmPQK */
VAPROP_API double VAPROP_CALL StmPQM(double P, double Q, int32_t UnitSet);

/* ord. 14 enthalpy H of wet steam at (T, Q); codes -1900 */
VAPROP_API double VAPROP_CALL StmTQH(double T, double Q, int32_t UnitSet);
/* ord. 15 entropy S at (T, Q); codes -1900 */
VAPROP_API double VAPROP_CALL StmTQS(double T, double Q, int32_t UnitSet);
/* ord. 16 specific volume V at (T, Q); codes -1900 */
VAPROP_API double VAPROP_CALL StmTQV(double T, double Q, int32_t UnitSet);
/* ord. 17 specific heat C at (T, Q), Q = 0 or 1 only; codes -1900, -2000 */
VAPROP_API double VAPROP_CALL StmTQC(double T, double Q, int32_t UnitSet);
/* ord. 18 speed of sound W at (T, Q), always IF97; codes -1900, -2000 */
VAPROP_API double VAPROP_CALL StmTQW(double T, double Q, int32_t UnitSet);
/* ord. 39 isentropic expansion coefficient G at (T, Q), always IF97; codes -1900, -2000 */
VAPROP_API double VAPROP_CALL StmTQG(double T, double Q, int32_t UnitSet);
/* ord. 35 thermal conductivity K of saturated liquid or vapour at T; codes -2000 (0 < Q < 1), -1900 */
VAPROP_API double VAPROP_CALL StmTQK(double T, double Q, int32_t UnitSet);
/* ord. 36 dynamic viscosity M of saturated liquid or vapour at T; codes as StmTQK */
VAPROP_API double VAPROP_CALL StmTQM(double T, double Q, int32_t UnitSet);

/* ord. 19 temperature T at (P, H); codes -2100/-2200 (outside the region limits), -2500; bit 16 skips the
   refinement of the region 1 and 2 backward temperature (also for StmPHQ..StmPHG, StmPST..StmPSG) */
VAPROP_API double VAPROP_CALL StmPHT(double P, double H, int32_t UnitSet);
/* ord. 20 quality Q at (P, H) (0 liquid-like, 1 vapour-like outside the wet region); codes -2200, -2100, -2500 */
VAPROP_API double VAPROP_CALL StmPHQ(double P, double H, int32_t UnitSet);
/* ord. 21 entropy S at (P, H); codes -2200, -2100, -2500 */
VAPROP_API double VAPROP_CALL StmPHS(double P, double H, int32_t UnitSet);
/* ord. 22 specific volume V at (P, H); codes -2200, -2100, -2500 */
VAPROP_API double VAPROP_CALL StmPHV(double P, double H, int32_t UnitSet);
/* ord. 23 specific heat C at (P, H); codes -2200, -2100, -2500, -2000 (two-phase); with bit 8 composed from
   Stm67PHT and Stm67PHQ: -2000 for 0 < x < 1, the saturated value on the saturation line, else cp(p, T) */
VAPROP_API double VAPROP_CALL StmPHC(double P, double H, int32_t UnitSet);
/* ord. 24 speed of sound W at (P, H), always IF97; codes -2200, -2100, -2500, -2000 */
VAPROP_API double VAPROP_CALL StmPHW(double P, double H, int32_t UnitSet);
/* ord. 40 isentropic expansion coefficient G at (P, H), always IF97; codes -2200, -2100, -2500, -2000 */
VAPROP_API double VAPROP_CALL StmPHG(double P, double H, int32_t UnitSet);

/* ord. 25 temperature T at (P, S); codes -2300/-2400 (outside the region limits), -2500 */
VAPROP_API double VAPROP_CALL StmPST(double P, double S, int32_t UnitSet);
/* ord. 26 quality Q at (P, S); codes -2400, -2300, -2500 */
VAPROP_API double VAPROP_CALL StmPSQ(double P, double S, int32_t UnitSet);
/* ord. 27 enthalpy H at (P, S); codes -2400, -2300, -2500 */
VAPROP_API double VAPROP_CALL StmPSH(double P, double S, int32_t UnitSet);
/* ord. 28 specific volume V at (P, S); codes -2400, -2300, -2500 */
VAPROP_API double VAPROP_CALL StmPSV(double P, double S, int32_t UnitSet);
/* ord. 29 specific heat C at (P, S); codes -2400, -2300, -2500, -2000 (two-phase); with bit 8 composed as StmPHC */
VAPROP_API double VAPROP_CALL StmPSC(double P, double S, int32_t UnitSet);
/* ord. 30 speed of sound W at (P, S), always IF97; codes -2400, -2300, -2500, -2000 */
VAPROP_API double VAPROP_CALL StmPSW(double P, double S, int32_t UnitSet);
/* ord. 41 isentropic expansion coefficient G at (P, S), always IF97; codes -2400, -2300, -2500, -2000 */
VAPROP_API double VAPROP_CALL StmPSG(double P, double S, int32_t UnitSet);

/* ord. 43 temperature T on ITS-90 to the same temperature on IPTS-68, in the set's T unit; no further
   codes. The result of 2273.15 K lies above 2273.15 K, so converting it back gives -1000. */
VAPROP_API double VAPROP_CALL StmTempTI(double T, int32_t UnitSet);
/* ord. 42 temperature T on IPTS-68 to ITS-90, in the set's T unit (fixed-point inverse, at most 9 rounds) */
VAPROP_API double VAPROP_CALL StmTempIT(double T, int32_t UnitSet);

/* ord. 44 version of the library: 3.2 */
VAPROP_API double VAPROP_CALL StmVer(void);

/* ord. 46 many states at once: row i of out holds, for the inputs in1[i] and in2[i] (in the order of
   pair), one cell per name of props, in their order (count rows of as many cells as names). threads 0
   uses one thread per processor. Returns the number of cells that hold a code (at most 2147483647),
   or a refusal code (-3100, -3200, -3300, -3400, -1099) with out untouched. */
VAPROP_API int32_t VAPROP_CALL StmBatch(const char* pair, const char* props, int32_t UnitSet, int32_t count,
                                        const double* in1, const double* in2, double* out, int32_t threads);
/* ord. 47 one property of one state by names: the bits of the matching export or StmBatch cell, or a
   refusal code (-3100, -3200, -3400) */
VAPROP_API double VAPROP_CALL StmProp(const char* pair, double in1, double in2, const char* prop, int32_t UnitSet);

#ifdef __cplusplus
}
#endif

#endif /* VAPROP32_H */
