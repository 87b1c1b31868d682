// IFC-67 saturation line: the K-function for the pressure, a Chebyshev start value and two secant
// steps for the temperature, and the L line that bounds subregion 3.
#include <array>
#include <cmath>

#include "portable_math.h"
#include "constants67.h"
#include "forward67.h"

namespace ifc67 {
namespace {

// IFC-67 saturation line (K-function), constants k1..k9.
constexpr std::array<double, 9> kK = {
    -7.691234564, -26.08023696, -168.1706546, 64.23285504, -118.9646225, 4.16711732, 20.9750676, 1e9, 6.0};
static_assert(kK.size() == 9);

// Chebyshev coefficients c0..c11 of the start value of the saturation temperature.
constexpr std::array<double, 12> kCheb = {1.52265,
                                          -0.68231,
                                          0.164115,
                                          -0.00202322,
                                          -0.00192391,
                                          -0.000574549,
                                          6.84116e-05,
                                          3.365e-05,
                                          -1.23423e-05,
                                          1.48266e-06,
                                          -1.02117e-06,
                                          -4.09081e-06};
static_assert(kCheb.size() == 12);

// L function betaL = L0 + L1 theta + L2 theta^2, the 16-digit constants of the subregion choice.
constexpr double kL0 = 15.74373327224142;
constexpr double kL1 = -34.17061978602506;
constexpr double kL2 = 19.31380707248914;

}  // namespace

double satPressure67(double tF) noexcept {
    if (!(tF >= kTMin) || tF > kTcF) return kTemperatureOutsideSat;
    const double theta = toRankine(tF) * kInvTc;
    const double tau = 1.0 - theta;
    const double num = tau * (kK[0] + tau * (kK[1] + tau * (kK[2] + tau * (kK[3] + tau * kK[4]))));
    const double den = theta * (1.0 + kK[5] * tau + kK[6] * tau * tau);
    const double lnBeta = num / den - tau / (kK[7] * tau * tau + kK[8]);
    return kPc * portable_math::exp(lnBeta);
}

double satTemperature67(double p) noexcept {
    if (!(p >= kPMin) || p > kPc) return kPressureOutsideSat;
    const double y = 1.35829 - 0.9174779 * portable_math::pow(8.16879 - portable_math::log(p), 0.4);
    // Chebyshev sum by the three-term recurrence T(n+1) = 2y T(n) - T(n-1).
    double tPrev = 1.0, tCur = y;
    double g = kCheb[0] + kCheb[1] * y;
    for (std::size_t n = 2; n < kCheb.size(); ++n) {
        const double tNext = 2.0 * y * tCur - tPrev;
        g += kCheb[n] * tNext;
        tPrev = tCur;
        tCur = tNext;
    }
    // Every secant point is held at or below the critical temperature: above it the K-function has no
    // pressure, and just below pc the second step would otherwise land there.
    const double t0 = std::fmin(kTcR / g - kRankineOffset, kTcF);
    const double t1 = t0 + 0.001 <= kTcF ? t0 + 0.001 : t0 - 0.001;
    const double p0 = satPressure67(t0);
    const double p1 = satPressure67(t1);
    const double t2 = std::fmin(t0 + (t1 - t0) * (p - p0) / (p1 - p0), kTcF);
    const double p2 = satPressure67(t2);
    if (p2 == p1) return t2;
    return std::fmin(t1 + (t2 - t1) * (p - p1) / (p2 - p1), kTcF);
}

void setTheta67(IFC67Working& w, double tF) noexcept {
    w.theta = toRankine(tF) * kInvTc;
    w.y = (1.0 - w.theta) * kInvOneMinusTheta1;
}

int lineFlag67(double p, double tF) noexcept {
    if (!(tF > kTLineLow && tF < kTLineHigh)) return 0;
    const double theta = toRankine(tF) * kInvTc;
    return p > kPc * (kL0 + theta * (kL1 + theta * kL2)) ? 1 : 0;
}

void setState67(IFC67Working& w, double p, double tF) noexcept {
    setTheta67(w, tF);
    w.beta = p * kInvPc;
    w.validPT = (p >= kPMin && p <= kPMax && tF >= kTMin && tF <= kTMax) ? 1 : 0;
    w.lineFlag = lineFlag67(p, tF);
}

int subregionOf67(double p, double tF) noexcept {
    const bool liquid = tF <= kTcF && p > satPressure67(tF);
    return subregionOfSide(liquid ? 1 : 2, lineFlag67(p, tF));
}

}  // namespace ifc67
