// Conversion between the International Temperature Scale of 1990 (ITS-90) and the International
// Practical Temperature Scale of 1968 (IPTS-68), on kelvin values.
#ifndef VAPROP_LIB_TEMPERATURE_SCALE_H
#define VAPROP_LIB_TEMPERATURE_SCALE_H

namespace vaprop {

// D(t) = t90 - t68 in K at the Celsius temperature t, piecewise by range: t <= 630, 630 < t < 1100,
// t >= 1100 (the pieces do not join at 630).
double scaleDifference(double t) noexcept;

// T90 -> T68 in K: 273.15 exactly maps to 273.15; above 2273.15 K gives -1000; else T - D(T - 273.15).
double its90ToIpts68(double T90) noexcept;

// Result of the fixed-point inverse T68 -> T90.
struct ScaleInverse {
    double T90;      // last iterate (or 273.15, or -1000 above 2273.15 K)
    int rounds;      // rounds run, 0 for the shortcuts, at most kInverseRounds
    bool converged;  // the last step moved less than kInverseTolerance
};
inline constexpr int kInverseRounds = 9;
inline constexpr double kInverseTolerance = 1e-8;

// T68 -> T90 in K by fixed-point iteration r = T68 + (a - its90ToIpts68(a)) from a = T68; the last
// iterate is returned also when the rounds end without meeting the tolerance.
ScaleInverse ipts68ToIts90Detailed(double T68) noexcept;
double ipts68ToIts90(double T68) noexcept;

}  // namespace vaprop

#endif
