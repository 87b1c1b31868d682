// Input and output conversions of the seven unit sets.
#include "unit_sets.h"

#include <cstddef>

namespace vaprop {
namespace {

constexpr bool validSet(int set) { return static_cast<std::uint16_t>(set) <= 6; }

constexpr std::size_t at(int set) { return static_cast<std::size_t>(set); }

int check(double c, const InputRange& r) {
    if (!(c >= r.low)) return r.belowCode;  // NaN fails here
    if (c > r.high) return r.aboveCode;
    return 0;
}

// u = c * factor - offset, solved for c.
int toInternalAffine(double u, int set, const SetRow& factor, const SetRow& offset, const InputRange& r, double& c) {
    if (!validSet(set)) return kInvalidUnitSet;
    c = (u + offset[at(set)]) / factor[at(set)];
    return check(c, r);
}

int toInternalScaled(double u, int set, const SetRow& factor, const InputRange& r, double& c) {
    if (!validSet(set)) return kInvalidUnitSet;
    c = u / factor[at(set)];
    return check(c, r);
}

constexpr bool isCode(double c) { return !(c > kCodeLimit); }

double fromInternalAffine(double c, int set, const SetRow& factor, const SetRow& offset) {
    if (isCode(c)) return c;
    return c * factor[at(set)] - offset[at(set)];
}

double fromInternalScaled(double c, int set, const SetRow& factor) {
    if (isCode(c)) return c;
    return c * factor[at(set)];
}

constexpr const UnitFactors& F = kUnitFactors;

}  // namespace

int toInternalP(double u, int set, double& c) noexcept {
    return toInternalAffine(u, set, F.pressure, F.pressureOffset, kPressureRange, c);
}
int toInternalT(double u, int set, double& c) noexcept {
    return toInternalAffine(u, set, F.temperature, F.temperatureOffset, kTemperatureRange, c);
}
int toInternalQ(double u, int set, double& c) noexcept { return toInternalScaled(u, set, F.quality, kQualityRange, c); }
int toInternalH(double u, int set, double& c) noexcept {
    return toInternalScaled(u, set, F.enthalpy, kEnthalpyRange, c);
}
int toInternalS(double u, int set, double& c) noexcept { return toInternalScaled(u, set, F.entropy, kEntropyRange, c); }
int toInternalV(double u, int set, double& c) noexcept {
    if (!validSet(set)) return kInvalidUnitSet;
    c = u / F.volume[at(set)];
    return 0;
}

double fromInternalP(double c, int set) noexcept { return fromInternalAffine(c, set, F.pressure, F.pressureOffset); }
double fromInternalT(double c, int set) noexcept {
    return fromInternalAffine(c, set, F.temperature, F.temperatureOffset);
}
double fromInternalQ(double c, int set) noexcept { return fromInternalScaled(c, set, F.quality); }
double fromInternalH(double c, int set) noexcept { return fromInternalScaled(c, set, F.enthalpy); }
double fromInternalS(double c, int set) noexcept { return fromInternalScaled(c, set, F.entropy); }
double fromInternalV(double c, int set) noexcept { return fromInternalScaled(c, set, F.volume); }
double fromInternalC(double c, int set) noexcept { return fromInternalScaled(c, set, F.specificHeat); }
double fromInternalW(double c, int set) noexcept { return fromInternalScaled(c, set, F.soundSpeed); }
double fromInternalK(double c, int set) noexcept { return fromInternalScaled(c, set, F.conductivity); }
double fromInternalM(double c, int set) noexcept { return fromInternalScaled(c, set, F.viscosity); }
double fromInternalD(double c, int set) noexcept { return isCode(c) ? c : c / F.volume[at(set)]; }
double fromInternalSigma(double c, int set) noexcept { return fromInternalScaled(c, set, F.surfaceTension); }

}  // namespace vaprop
