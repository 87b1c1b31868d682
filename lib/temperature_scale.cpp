// ITS-90 / IPTS-68 conversion: the difference t90 - t68 as three polynomials in t (degrees Celsius).
#include "temperature_scale.h"

#include "horner.h"
#include "status_codes.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace vaprop {
namespace {

// Coefficients of D(t), lowest power first.
// t >= 1100 C.
constexpr std::array<double, 5> kHigh{
    1.11615385317107, -0.00291378206926537, 2.49490094933556e-6, -1.06934732629808e-9, 1.60256411306765e-13};
static_assert(kHigh.size() == 5);
// 630 C < t < 1100 C.
constexpr std::array<double, 8> kMiddle{-1682.75588675702,
                                        16.2301645689349,
                                        -0.0654256348495266,
                                        0.00014314966355006,
                                        -1.83943308027632e-7,
                                        1.39078211809742e-10,
                                        -5.73990939310309e-14,
                                        9.99256182903968e-18};
static_assert(kMiddle.size() == 8);
// t <= 630 C.
constexpr std::array<double, 8> kLow{1.34626823080211e-5,
                                     -0.000209196109137352,
                                     -1.37582987829988e-6,
                                     9.02771622471263e-9,
                                     3.18477714549936e-12,
                                     -9.44822651489297e-14,
                                     1.7748512752893e-16,
                                     -9.96881205436205e-20};
static_assert(kLow.size() == 8);

constexpr double kIcePoint = 273.15;
constexpr double kUpperLimit = 2273.15;
constexpr double kTooHigh = vaprop::code::TemperatureHigh;

}  // namespace

double scaleDifference(double t) noexcept {
    if (t >= 1100.0) return numerics::horner(kHigh, t);
    if (t > 630.0) return numerics::horner(kMiddle, t);
    return numerics::horner(kLow, t);
}

double its90ToIpts68(double T90) noexcept {
    if (T90 == kIcePoint) return kIcePoint;
    if (T90 > kUpperLimit) return kTooHigh;
    return T90 - scaleDifference(T90 - kIcePoint);
}

ScaleInverse ipts68ToIts90Detailed(double T68) noexcept {
    if (T68 == kIcePoint) return {kIcePoint, 0, true};
    if (T68 > kUpperLimit) return {kTooHigh, 0, false};
    double a = T68;
    double r = T68;
    for (int round = 1; round <= kInverseRounds; ++round) {
        const double f = its90ToIpts68(a);
        // Near the top of the range D is negative, so iterates stay below T68 <= 2273.15 K and f is a
        // temperature; the guard keeps a code out of the sum should that ever fail.
        if (f == kTooHigh) return {kTooHigh, round, false};
        r = T68 + (a - f);
        if (std::fabs(r - a) < kInverseTolerance) return {r, round, true};
        a = r;
    }
    return {r, kInverseRounds, false};
}

double ipts68ToIts90(double T68) noexcept { return ipts68ToIts90Detailed(T68).T90; }

}  // namespace vaprop
