/*
 * vaprop67 -- water and steam properties by the 1967 IFC Formulation for Industrial Use (IFC-67).
 *
 * The whole public contract of the IFC-67 library. English engineering units only, no unit sets:
 *   p psia, T degrees F, v ft3/lb, h Btu/lb, s and cp Btu/(lb R), x vapour mass fraction 0..1.
 * Every export takes one or two doubles and returns one double: the property, or a negative error
 * code (all at or below -1300; a liquid enthalpy or entropy just above 30 F is itself slightly
 * negative, so only values at or below -1000 are codes):
 *   -1300 "pressure too low"                         a (p,x) or (T,x) call below 0.088 psia
 *   -1500 "input value out of range"                 outside 0.088..15700 psia, 30..1600 F
 *   -1600 "internal error"                           no subregion for the state
 *   -1700 "quality out of range"                     x outside 0..1; Stm67TQC with 0 < x < 1
 *   -1800 "pressure outside of saturation range"     p outside 0.088 psia..pc = 3208.234758592228 psia
 *   -1900 "temperature outside of saturation range"  T outside 30..705.47 F
 * Checks run in the order of the arguments; NaN fails the first test it meets and gives its code.
 * The (p,h) and (p,s) calls refuse p <= 0.088 psia (the (p,T) calls accept 0.088 itself).
 *
 * The library is thread-safe: every call works on a record of its own, and the start-up entry
 * (ordinal 24 on Windows) writes the reference offsets at load, on every platform, before any call;
 * they are only read afterwards. Calls from any number of threads may overlap and give the same
 * results as the same calls made one after another. Callers bind by ordinal (vaprop67.def).
 */
#ifndef VAPROP67_H
#define VAPROP67_H

/* One calling convention for every export: stdcall on 32-bit Windows, the platform's own elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define VAPROP67_CALL __stdcall
#else
#define VAPROP67_CALL
#endif

/* Windows exports come from vaprop67.def alone (names at fixed ordinals); elsewhere by visibility. */
#if defined(_WIN32)
#define VAPROP67_API
#elif defined(__GNUC__)
#define VAPROP67_API __attribute__((visibility("default")))
#else
#define VAPROP67_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

VAPROP67_API double VAPROP67_CALL Stm67Ver(void);               /*  1  library version, 1.1 */
VAPROP67_API double VAPROP67_CALL Stm67TP(double t);            /*  2  saturation pressure at T; -1900 */
VAPROP67_API double VAPROP67_CALL Stm67PT(double p);            /*  3  saturation temperature at p; -1800 */
VAPROP67_API double VAPROP67_CALL Stm67PTV(double p, double t); /*  4  v(p,T); -1500, -1600 */
VAPROP67_API double VAPROP67_CALL Stm67PTH(double p, double t); /*  5  h(p,T); -1500, -1600 */
VAPROP67_API double VAPROP67_CALL Stm67PTS(double p, double t); /*  6  s(p,T); -1500, -1600 */
VAPROP67_API double VAPROP67_CALL Stm67PTC(double p, double t); /*  7  cp(p,T); -1500, -1600 */
VAPROP67_API double VAPROP67_CALL Stm67PHT(double p, double h); /*  8  T(p,h), Ts if two-phase; -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PHQ(double p, double h); /*  9  x(p,h): 0 liquid, 1 vapour or p >= pc; -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PHV(double p, double h); /* 10  v(p,h); -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PHS(double p, double h); /* 11  s(p,h); -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PST(double p, double s); /* 12  T(p,s), Ts if two-phase; -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PSQ(double p, double s); /* 13  x(p,s): 0 liquid, 1 vapour or p >= pc; -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PSV(double p, double s); /* 14  v(p,s); -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PSH(double p, double s); /* 15  h(p,s); -1500 */
VAPROP67_API double VAPROP67_CALL Stm67PQV(double p, double x); /* 16  v(p,x); -1300, -1800, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67PQH(double p, double x); /* 17  h(p,x); -1300, -1800, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67PQS(double p, double x); /* 18  s(p,x); -1300, -1800, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67PQC(double p, double x); /* 19  cp(p,x), linear in x; -1300, -1800, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67TQV(double t, double x); /* 20  v(T,x); -1900, -1300, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67TQH(double t, double x); /* 21  h(T,x); -1900, -1300, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67TQS(double t, double x); /* 22  s(T,x); -1900, -1300, -1700 */
VAPROP67_API double VAPROP67_CALL Stm67TQC(double t, double x); /* 23  cp(T,x), x 0 or 1 only; -1900, -1700, -1300 */

#ifdef __cplusplus
}
#endif

#endif /* VAPROP67_H */
