#include "boundaries_ph.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cmath>
#include <cstddef>
#include <limits>

#include "b23.h"
#include "horner.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region3_backward.h"
#include "region3_inverse.h"
#include "region5.h"
#include "saturation_octaves.h"
#include "saturation.h"
#include "status.h"
#include "two_phase.h"

namespace if97 {
namespace {

constexpr double kT273 = 273.15;
constexpr double kT2273 = 2273.15;
constexpr double kP5Max = 10.0;  // MPa, upper pressure of region 5
// States this close below the B23 entropy go to region 2, as those within 0.0001 kJ/kg below the B23
// enthalpy do in the (p,h) plan (dh = T ds along an isobar, T > 623 K).  The margin covers the rounding
// of TB23(p): a state that the (p,T) test places on the boundary is region 2 in both operations.
constexpr double kB23EntropyMargin = 1e-7;                           // kJ/(kg K)
constexpr double kAlways = std::numeric_limits<double>::infinity();  // band: always exact
constexpr double kP3satBandH = guard::kP3satH;
constexpr double kP3satBandS = guard::kP3satS;

using numerics::horner;

// Fitted boundary estimates, lowest power first (p in MPa, Ts in K).
constexpr std::array<double, 2> kH2273{7376.97422370074, -0.223119981313652};
constexpr std::array<double, 4> kH1073{
    4160.75389827941, -4.56011708062846, -0.00638269782162878, 0.0000744054086328104};
constexpr std::array<double, 3> kH273{-0.0390088976124207, 1.01809706631865, -0.000749913636797234};
// In powers of 1/p.
constexpr std::array<double, 6> kH1623{
    1565.64823478134, -4650.37262930454, 471959.760102208, -14267792.8120925, 198615646.058707, -1039797115.30568};
constexpr std::array<double, 6> kHB23Low{
    -7523.39364189914, 1913.26444009809, -143.432847011144, 5.34966130319108, -0.0993209238220977, 0.00073401234107932};
constexpr std::array<double, 6> kHB23High{3057.3264292182,
                                          -33.9724694589009,
                                          0.9216231642589320,
                                          -0.011415860833894,
                                          0.0000716284515442727,
                                          -1.81037669752089e-7};
constexpr std::array<double, 5> kHVapLow{
    2009.17251971953, 2.04331764434209, -0.00312032228343303, 1.26863808365513e-5, -1.6543725292996e-8};
constexpr std::array<double, 5> kHVapHigh{
    -116608.061241646, 877.175707372161, -2.42476618234023, 0.00299193903898688, -1.39168481170542e-6};
constexpr std::array<double, 6> kHLiq{-3436.48991451984,
                                      33.4293039503073,
                                      -0.147029279180769,
                                      0.000365306212239096,
                                      -4.50767047479415e-7,
                                      2.22860415857791e-10};
// In powers of 1/p.
constexpr std::array<double, 6> kS2273High{9.43551680716138,
                                           1.33415765487136,
                                           -0.374962244085303,
                                           0.0434356059492584,
                                           -0.002151228849119,
                                           0.0000382628738433548};
constexpr std::array<double, 6> kS2273Low{11.7555592376971,
                                          0.0106487540575125,
                                          -0.0000307195085180721,
                                          4.40241357601195e-8,
                                          -2.89725341870746e-11,
                                          6.97401925746014e-15};
constexpr std::array<double, 6> kS1073Low{9.77150833187973,
                                          0.0106503211973289,
                                          -0.0000307252642202953,
                                          4.4033181553644e-8,
                                          -2.89787814607407e-11,
                                          6.97556680011806e-15};
constexpr std::array<double, 6> kS1073Mid{7.5532173529233,
                                          1.04120654852512,
                                          -0.246955971656692,
                                          0.0274037273320369,
                                          -0.00136883414233776,
                                          0.0000250272356650534};
constexpr std::array<double, 6> kS1073High{
    5.18779184227664, 112.292668976645, -3043.53167356675, 44380.7581850998, -314999.281545929, 854657.016673545};
constexpr std::array<double, 4> kS273{
    -0.000144334478067574, 0.000065819910644573, -1.82772885206738e-6, 3.25445898812054e-9};
// In powers of 1/p.
constexpr std::array<double, 5> kS1623{
    3.11187019753172, 38.778239175176, -1188.54859568848, 18781.0215550807, -111336.131501894};
constexpr std::array<double, 7> kSB23{4.26180038691058,
                                      0.146365882634722,
                                      -0.00788985907241559,
                                      0.000194104268691624,
                                      -2.44597990396295e-6,
                                      1.5402489215883e-8,
                                      -3.84290910782705e-11};
constexpr std::array<double, 5> kSVapLow{
    26.5088427268795, -0.118462505692477, 0.000267356808918905, -2.68159488109675e-7, 9.03317283709277e-11};
constexpr std::array<double, 5> kSVapHigh{
    111981.665095268, -664.357688332349, 1.47137334400295, -0.00144068481607834, 5.25739951297083e-7};
constexpr std::array<double, 5> kSLiqLow{
    -5.62724552378691, 0.0260718971243243, -0.000016465806954074, -2.11749483961837e-8, 3.09295350232602e-11};
constexpr std::array<double, 5> kSLiqHigh{
    -84296.2688536954, 500.869702494527, -1.11116665888625, 0.00109017169602384, -3.98781406495325e-7};

// Below 1 kPa the saturation temperature falls toward and under 273.16 K, outside the range of the
// saturation fits (their error reaches 1e3 kJ/kg), and the 1/p series of the low-pressure isotherm
// entropies grow without bound: there the exact values are always used.
constexpr double kFitLowPressure = 0.001;

// The saturated-phase bounds per octave of pressure (kOctaves, kFirstOctave) are generated by
// tools/fitgen into saturation_octaves.h.

// The boundary value to compare y with: the estimate when y lies outside its guard band, the exact
// IF97 value otherwise.  Outside the band both give the same comparison, since the estimate's error
// is smaller than the band.
template <class Exact>
double guarded(double y, double estimateValue, double band, Exact&& exactValue) noexcept {
    if (std::fabs(y - estimateValue) > band) return estimateValue;
    return exactValue();
}

Properties gibbs(void (*region)(double, double, int, Properties&), double p, double T, int mask) noexcept {
    Properties out{};
    region(p, T, mask, out);
    return out;
}

// Saturated region 3 phase at (p, Ts) on one side: h or s, or fallback when the search fails.
double region3Saturated(double p, double Ts, int side, int mask, double fallback) noexcept {
    int sd = side;
    const double v = region3Volume(p, Ts, sd);
    if (!(v > 0.0)) return fallback;
    Properties out{};
    region3(v, Ts, mask, out);
    return mask == kMaskH ? out.h : out.s;
}

double interpolate(double y, double y0, double t0, double y1, double t1) noexcept {
    return t0 + (y - y0) / (y1 - y0) * (t1 - t0);
}

RegionTest failed(int code) noexcept { return RegionTest{0, code, kSideUnknown, 0.0}; }
RegionTest single(int region) noexcept { return RegionTest{region, 0, kSideUnknown, 0.0}; }
// Below the saturation pressure at 273.15 K every state of the range is vapour, from the region 2
// value at 273.15 K (the lowest temperature) up: the region 1 isotherm does not bound the range there.
double vapourH273(double p) noexcept { return gibbs(region2, p, kT273, kMaskH).h; }
double vapourS273(double p) noexcept { return gibbs(region2, p, kT273, kMaskS).s; }

RegionTest region3At(int side, double T) noexcept { return RegionTest{3, 0, side, T}; }
RegionTest wet(double Ts) noexcept { return RegionTest{4, 0, kSideUnknown, Ts}; }

}  // namespace

bool saturationBounds(double p, SaturationBounds& bounds) noexcept {
    if (!(p > 0.0 && p <= kPs13)) return false;
    const int e = static_cast<int>((std::bit_cast<std::uint64_t>(p) >> 52) & 0x7ff) - 1023;
    const int k = e - kFirstOctave;
    if (k < 0 || k >= static_cast<int>(kOctaves.size())) return false;
    bounds = kOctaves[k];
    return true;
}

namespace estimate {
double h2273(double p) noexcept { return horner(kH2273, p); }
double h1073(double p) noexcept { return horner(kH1073, p); }
double h273(double p) noexcept { return horner(kH273, p); }
double h1623(double p) noexcept { return horner(kH1623, 1.0 / p); }
double hB23(double p) noexcept { return p < 34.0 ? horner(kHB23Low, p) : horner(kHB23High, p); }
double hVap(double Ts) noexcept { return Ts < 508.0 ? horner(kHVapLow, Ts) : horner(kHVapHigh, Ts); }
double hLiq(double Ts) noexcept { return horner(kHLiq, Ts); }
double s2273(double p) noexcept { return p < 0.05 ? horner(kS2273Low, 1.0 / p) : horner(kS2273High, 1.0 / p); }
double s1073(double p) noexcept {
    if (p < 0.05) return horner(kS1073Low, 1.0 / p);
    return p < 8.0 ? horner(kS1073Mid, 1.0 / p) : horner(kS1073High, 1.0 / p);
}
double s273(double p) noexcept { return horner(kS273, p); }
double s1623(double p) noexcept { return horner(kS1623, 1.0 / p); }
double sB23(double p) noexcept { return horner(kSB23, p); }
double sVap(double Ts) noexcept { return Ts < kT13 ? horner(kSVapLow, Ts) : horner(kSVapHigh, Ts); }
double sLiq(double Ts) noexcept { return Ts < kT13 ? horner(kSLiqLow, Ts) : horner(kSLiqHigh, Ts); }
}  // namespace estimate

// Guard bands.  The values of the fitted tables hold where noted; the other ranges were measured
// against the exact boundaries (largest error over the range in brackets).  tools/fitgen measures
// every estimate against its band over each range (20001 pressures, logarithmic) and fails when an
// error reaches its band; its largest errors (kJ/kg, kJ/(kg K)):
//   h2273 0.00869 (band 0.01); h1073 0.160 (0.16) to 100 MPa, 0.889 (1.2) above; h273 0.00421
//   (0.0045) to 13 MPa, 1.49 (2) above; h1623 0.615 (0.8); hB23 2.00 (2) below 34 MPa, 0.0952 (0.1)
//   to 100 MPa, 3.86 (5) above; hVap 0.0547 (0.1) below 508 K, 0.921 (1) above; hLiq 0.984 (1) to
//   585 K, 3.13 (4) above; s2273 0.0868 (0.09) below 0.05 MPa, 0.522 (0.6), 0.657 (0.9) from 0.1 to
//   0.16 MPa; s1073 0.0868 (0.1), 0.170 (0.2), 0.0328 (0.1); s273 1.45e-5 (1.5e-5); s1623 0.00337
//   (0.004); sB23 0.0268 (0.04) to 16.6 MPa, 0.0232 (0.025) above; sVap 0.0290 (0.03) below
//   623.15 K, 0.0846 (0.09) above; sLiq 0.0128 (0.02), 0.0735 (0.08).  (From 1 kPa up; below it the
//   saturation bands are infinite.)
namespace guard {
double h2273(double) noexcept { return 0.01; }
double h1073(double p) noexcept {
    return p <= 100.0 ? 0.16 : 1.2;  // above 100 MPa [0.889]
}
double h273(double p) noexcept {
    return p <= 13.0 ? 0.0045 : 2.0;  // above 13 MPa [1.49]
}
double h1623(double) noexcept { return 0.8; }
double hB23(double p) noexcept {
    if (p < 34.0) return 2.0;
    return p <= 100.0 ? 0.1 : 5.0;  // above 100 MPa [3.86]
}
double hVap(double p, double Ts) noexcept {
    if (p < kFitLowPressure) return kAlways;
    return Ts < 508.0 ? 0.1 : 1.0;
}
double hLiq(double p, double Ts) noexcept {
    if (p < kFitLowPressure) return kAlways;
    return Ts > 585.0 ? 4.0 : 1.0;
}
double s2273(double p) noexcept {
    if (p < kFitLowPressure) return kAlways;
    if (p < 0.05) return 0.09;
    return (p >= 0.1 && p < 0.16) ? 0.9 : 0.6;  // 0.1 to 0.16 MPa [0.657]
}
double s1073(double p) noexcept {
    if (p < kFitLowPressure) return kAlways;
    if (p < 0.05) return 0.1;
    return p < 8.0 ? 0.2 : 0.1;
}
double s273(double) noexcept { return 0.000015; }
double s1623(double) noexcept { return 0.004; }
double sB23(double p) noexcept {
    return p < 16.6 ? 0.04 : 0.025;  // 16.529 to 16.6 MPa [0.0268]
}
double sVap(double p, double Ts) noexcept {
    if (p < kFitLowPressure) return kAlways;
    return Ts < kT13 ? 0.03 : 0.09;
}
double sLiq(double p, double Ts) noexcept {
    if (p < kFitLowPressure) return kAlways;
    return Ts < kT13 ? 0.02 : 0.08;
}
}  // namespace guard

namespace exact {
double h2273(double p) noexcept { return gibbs(region5, p, kT2273, kMaskH).h; }
double h1073(double p) noexcept { return gibbs(region2, p, kT25, kMaskH).h; }
double h273(double p) noexcept { return gibbs(region1, p, kT273, kMaskH).h; }
double h1623(double p) noexcept { return gibbs(region1, p, kT13, kMaskH).h; }
double hB23(double p) noexcept { return gibbs(region2, p, TB23(p), kMaskH).h; }
double hVap(double p, double Ts) noexcept { return gibbs(region2, p, Ts, kMaskH).h; }
double hLiq(double p, double Ts) noexcept { return gibbs(region1, p, Ts, kMaskH).h; }
double s2273(double p) noexcept { return gibbs(region5, p, kT2273, kMaskS).s; }
double s1073(double p) noexcept { return gibbs(region2, p, kT25, kMaskS).s; }
double s273(double p) noexcept { return gibbs(region1, p, kT273, kMaskS).s; }
double s1623(double p) noexcept { return gibbs(region1, p, kT13, kMaskS).s; }
double sB23(double p) noexcept { return gibbs(region2, p, TB23(p), kMaskS).s; }
double sVap(double p, double Ts) noexcept {
    if (Ts < kT13) return gibbs(region2, p, Ts, kMaskS).s;
    return region3Saturated(p, Ts, kSideVapour, kMaskS, estimate::sVap(Ts));
}
double sLiq(double p, double Ts) noexcept {
    if (Ts < kT13) return gibbs(region1, p, Ts, kMaskS).s;
    return region3Saturated(p, Ts, kSideLiquid, kMaskS, estimate::sLiq(Ts));
}
}  // namespace exact

RegionTest regionOfPH(double p, double h) noexcept {
    // Above 10 MPa the 1073.15 K isotherm is the upper limit, which lies below the 2273.15 K one.
    if (p <= kP5Max) {
        const double h5 = guarded(h, estimate::h2273(p), guard::h2273(p), [p] { return exact::h2273(p); });
        if (h > h5) return failed(status::EnthalpyHigh);
    }
    const double h25 = guarded(h, estimate::h1073(p), guard::h1073(p), [p] { return exact::h1073(p); });
    if (h > h25) return p <= kP5Max ? single(5) : failed(status::EnthalpyHigh);
    if (p < kPs273) return h < vapourH273(p) ? failed(status::EnthalpyLow) : single(2);
    const double h0 = guarded(h, estimate::h273(p), guard::h273(p), [p] { return exact::h273(p); });
    if (h < h0) return failed(status::EnthalpyLow);

    if (p > kPs13) {
        const double h1 = guarded(h, estimate::h1623(p), guard::h1623(p), [p] { return exact::h1623(p); });
        if (h <= h1) return single(1);
        const double hb = guarded(h, estimate::hB23(p), guard::hB23(p), [p] { return exact::hB23(p); });
        if (h >= hb - 0.0001) return single(2);
        const double tb = TB23(p);
        if (p > kPc) return region3At(kSideVapour, interpolate(h, h1, kT13, hb, tb));
        const double ts = saturationTemperature(p);
        // SR3-03's saturation pressure of h decides the states away from the saturation line
        // without the saturated phases (outside its band: the same decision as theirs).
        if (h > kP3satHMin && h < kP3satHMax) {
            const double ps = p3satH(h);
            if (p > ps * (1.0 + kP3satBandH)) {
                return h < kCriticalH ? region3At(kSideLiquid, 0.5 * (kT13 + ts))
                                      : region3At(kSideVapour, 0.5 * (ts + tb));
            }
            if (p < ps * (1.0 - kP3satBandH)) return wet(ts);
        }
        Properties liquid{};
        Properties vapour{};
        saturatedPhases(p, ts, kMaskH, liquid, vapour);
        if (h < liquid.h) return region3At(kSideLiquid, interpolate(h, h1, kT13, liquid.h, ts));
        if (h <= vapour.h) return wet(ts);
        return region3At(kSideVapour, interpolate(h, vapour.h, ts, hb, tb));
    }

    SaturationBounds far{};
    if (saturationBounds(p, far)) {
        if (h > far.hVapMax) return single(2);
        if (h < far.hLiqMin) return single(1);
    }
    const double ts = saturationTemperature(p);
    const double hv = guarded(h, estimate::hVap(ts), guard::hVap(p, ts), [p, ts] { return exact::hVap(p, ts); });
    if (h > hv) return single(2);
    const double hl = guarded(h, estimate::hLiq(ts), guard::hLiq(p, ts), [p, ts] { return exact::hLiq(p, ts); });
    if (h < hl) return single(1);
    return wet(ts);
}

RegionTest regionOfPS(double p, double s) noexcept {
    const double s25 = guarded(s, estimate::s1073(p), guard::s1073(p), [p] { return exact::s1073(p); });
    if (p > kP5Max) {
        if (s > s25) return failed(status::EntropyHigh);
    } else {
        const double s5 = guarded(s, estimate::s2273(p), guard::s2273(p), [p] { return exact::s2273(p); });
        if (s > s5) return failed(status::EntropyHigh);
        if (s > s25) return RegionTest{5, 0, kSideUnknown, kT25 + 1200.0 * (s - s25) / (s5 - s25)};
    }
    if (p < kPs273) return s < vapourS273(p) ? failed(status::EntropyLow) : single(2);
    const double s0 = guarded(s, estimate::s273(p), guard::s273(p), [p] { return exact::s273(p); });
    if (s < s0) return failed(status::EntropyLow);

    if (p >= kPs13) {
        const double s1 = guarded(s, estimate::s1623(p), guard::s1623(p), [p] { return exact::s1623(p); });
        if (s <= s1) return single(1);
        const double sb = guarded(s, estimate::sB23(p), guard::sB23(p), [p] { return exact::sB23(p); });
        if (s >= sb - kB23EntropyMargin) return single(2);
        const double tb = TB23(p);
        if (p > kPc) return region3At(kSideVapour, 0.5 * (tb + kT13));
        const double ts = saturationTemperature(p);
        if (s > kP3satSMin && s < kP3satSMax) {
            const double ps = p3satS(s);
            if (p > ps * (1.0 + kP3satBandS)) {
                return s < kCriticalS ? region3At(kSideLiquid, 0.5 * (ts + kT13))
                                      : region3At(kSideVapour, 0.5 * (tb + ts));
            }
            if (p < ps * (1.0 - kP3satBandS)) return wet(ts);
        }
        const double sl = guarded(s, estimate::sLiq(ts), guard::sLiq(p, ts), [p, ts] { return exact::sLiq(p, ts); });
        if (s < sl) return region3At(kSideLiquid, 0.5 * (ts + kT13));
        const double sv = guarded(s, estimate::sVap(ts), guard::sVap(p, ts), [p, ts] { return exact::sVap(p, ts); });
        if (s <= sv) return wet(ts);
        return region3At(kSideVapour, 0.5 * (tb + ts));
    }

    SaturationBounds far{};
    if (saturationBounds(p, far)) {
        if (s > far.sVapMax) return single(2);
        if (s < far.sLiqMin) return single(1);
    }
    const double ts = saturationTemperature(p);
    const double sv = guarded(s, estimate::sVap(ts), guard::sVap(p, ts), [p, ts] { return exact::sVap(p, ts); });
    if (s > sv) return single(2);
    const double sl = guarded(s, estimate::sLiq(ts), guard::sLiq(p, ts), [p, ts] { return exact::sLiq(p, ts); });
    if (s < sl) return single(1);
    return wet(ts);
}

}  // namespace if97

namespace if97 {

int wetStateFromPY(double p, double Ts, double y, bool byEntropy, int mask, Properties& out, double& x) noexcept {
    constexpr double kSnap = 1e-9;
    // The critical flow velocity needs both h and s of the mixture.
    int need = mask | (byEntropy ? kMaskS : kMaskH);
    if (need & kMaskW) need |= kMaskH | kMaskS;
    Properties liquid{};
    Properties vapour{};
    const int code = saturatedPhases(p, Ts, need, liquid, vapour);
    if (code != 0) return code;

    const double yl = byEntropy ? liquid.s : liquid.h;
    const double yv = byEntropy ? vapour.s : vapour.h;
    // At the critical point both phases coincide; the state is the vapour-side critical state.
    x = yv > yl ? (y - yl) / (yv - yl) : 1.0;
    if (std::fabs(x) < kSnap) x = 0.0;
    if (std::fabs(x - 1.0) < kSnap) x = 1.0;

    const auto mix = [x](double a, double b) { return a + (b - a) * x; };
    out.v = mix(liquid.v, vapour.v);
    out.h = byEntropy ? mix(liquid.h, vapour.h) : y;
    out.s = byEntropy ? y : mix(liquid.s, vapour.s);
    if (x == 0.0) {
        out.cp = liquid.cp;
        out.w = liquid.w;
    } else if (x == 1.0) {
        out.cp = vapour.cp;
        out.w = vapour.w;
    } else {
        out.cp = kNotDefined;
        if (mask & kMaskW) out.w = wetStateSoundSpeed(p, out.h, out.s, x);
    }
    return 0;
}

}  // namespace if97
