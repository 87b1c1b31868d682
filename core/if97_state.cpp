// IF97State: range checks, region choice by (p, T), and the (p,T), (p,x) and
// (T,x) operations. The (p,h) and (p,s) operations live in their own files.
#include "if97_state.h"

#include "b23.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "saturation.h"

namespace if97 {
namespace {

// Accepted input ranges of the state object.
constexpr double kPressureMin = 1e-7;        // MPa
constexpr double kPressureMax = 110.32;      // MPa
constexpr double kTemperatureMin = 273.15;   // K
constexpr double kTemperatureMax = 2273.15;  // K
constexpr double kEnthalpyMin = -0.05;       // kJ/kg
constexpr double kEnthalpyMax = 7377.0;      // kJ/kg
constexpr double kEntropyMin = -0.011;       // kJ/(kg K)
constexpr double kEntropyMax = 111.45;       // kJ/(kg K)
// Region 5 holds only up to this pressure.
constexpr double kRegion5PressureMax = 10.0;  // MPa

// Range check: 0 when lo <= value <= hi, else the code of the failed side (a NaN fails the lower test).
constexpr int rangeCode(double value, double lo, double hi, int below, int above) noexcept {
    if (!(value >= lo)) return below;
    if (value > hi) return above;
    return 0;
}

}  // namespace

IF97State::~IF97State() = default;

bool IF97State::checkPressure(double p) noexcept {
    status_ = rangeCode(p, kPressureMin, kPressureMax, status::PressureLow, status::PressureHigh);
    return status_ == 0;
}

bool IF97State::checkTemperature(double T) noexcept {
    status_ = rangeCode(T, kTemperatureMin, kTemperatureMax, status::TemperatureLow, status::TemperatureHigh);
    return status_ == 0;
}

bool IF97State::checkQuality(double x) noexcept {
    status_ = rangeCode(x, 0.0, 1.0, status::QualityRange, status::QualityRange);
    return status_ == 0;
}

bool IF97State::checkEnthalpy(double h) noexcept {
    status_ = rangeCode(h, kEnthalpyMin, kEnthalpyMax, status::EnthalpyLow, status::EnthalpyHigh);
    return status_ == 0;
}

bool IF97State::checkEntropy(double s) noexcept {
    status_ = rangeCode(s, kEntropyMin, kEntropyMax, status::EntropyLow, status::EntropyHigh);
    return status_ == 0;
}

int IF97State::regionByPT(double p, double T) noexcept {
    if (T > kT25) return p <= kRegion5PressureMax ? 5 : status::TemperatureHigh;
    if (T > kT13) return p > pB23(T) ? 3 : 2;
    if (p > kPs13) return 1;
    // A state exactly on the saturation line is region 2.
    return aboveSaturationPressure(p, T) ? 1 : 2;
}

void IF97State::store(const Properties& props, int mask) noexcept {
    if (mask & kMaskH) h_ = props.h;
    if (mask & kMaskS) s_ = props.s;
    if (mask & kMaskV) v_ = props.v;
    if (mask & kMaskCp) cp_ = props.cp;
    if (mask & kMaskW) w_ = props.w;
}

int IF97State::regionOfPT(double p, double T) noexcept {
    p_ = p;
    T_ = T;
    if (!checkPressure(p)) return status_;
    if (!checkTemperature(T)) return status_;
    return regionByPT(p, T);
}

void IF97State::computePT(double p, double T, int mask) noexcept {
    p_ = p;
    T_ = T;
    if (!checkPressure(p) || !checkTemperature(T)) return;
    Properties r{};
    switch (regionByPT(p, T)) {
        case 1:
            region1(p, T, mask, r);
            x_ = 0.0;
            store(r, mask);
            return;
        case 2:
            region2(p, T, mask, r);
            x_ = 1.0;
            store(r, mask);
            return;
        case 5:
            region5(p, T, mask, r);
            x_ = 1.0;
            store(r, mask);
            return;
        case 3: {
            int side = kSideUnknown;
            const double v = region3Volume(p, T, side);
            if (v < 0.0) {
                status_ = status::Region3Convergence;
                return;
            }
            v_ = v;
            x_ = side == kSideLiquid ? 0.0 : 1.0;
            region3(v, T, mask & ~kMaskP, r);
            store(r, mask & ~kMaskV);
            return;
        }
        default: status_ = status::TemperatureHigh; return;
    }
}

void IF97State::computePX(double p, double x, int mask) noexcept {
    p_ = p;
    x_ = x;
    if (!checkPressure(p)) return;
    // Below the saturation pressure at 273.15 K the saturation temperature lies under the range.
    if (p < kPs273) {
        status_ = status::PressureLow;
        return;
    }
    if (!checkQuality(x)) return;
    const double T = saturationTemperature(p);
    if (T < 0.0) {
        status_ = static_cast<int>(T);
        return;
    }
    T_ = T;
    twoPhaseFromX(mask);
}

void IF97State::computeTX(double T, double x, int mask) noexcept {
    T_ = T;
    x_ = x;
    if (!checkTemperature(T) || !checkQuality(x)) return;
    const double p = saturationPressure(T);
    if (p < 0.0) {
        status_ = static_cast<int>(p);
        return;
    }
    p_ = p;
    twoPhaseFromX(mask);
}

double IF97State::isentropicExponent() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    // A marker in w (kNotDefined) gives the marker; a speed of sound gives w^2/(p v).
    if (!(w_ >= 0.5 * kNotDefined)) return kNotDefined;
    return w_ * w_ / (p_ * v_) * 1e-6;
}

}  // namespace if97
