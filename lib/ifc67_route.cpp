// The IFC-67 route: the call's inputs (core units, already range-checked) go to vaprop67 in the
// English units of set 0; every value that comes back is first tested for a code (at or below
// -1000: returned unchanged at once), then converted back to core units.
#include "ifc67_route.h"

#include "unit_sets.h"
#include "vaprop67.h"

#include <cmath>

namespace vaprop {
namespace {

constexpr double kCodeLimit = -1000.0;
constexpr double kTwoPhaseRefused = -2000.0;  // no heat capacity for a two-phase state
// A temperature this close to the saturation temperature (degrees F) lies on the saturation line.
constexpr double kOnSaturationLine = 1e-8;

constexpr bool isCode(double r) { return !(r > kCodeLimit); }

// Core units to set 0 (psia, F, Btu/lb, Btu/(lb F)), by the output routines of set 0.
double psia(double p) { return fromInternalP(p, kEng); }
double fahrenheit(double T) { return fromInternalT(T, kEng); }
double btuPerLb(double h) { return fromInternalH(h, kEng); }
double btuPerLbF(double s) { return fromInternalS(s, kEng); }

// Set 0 back to core units: c = (r + offset) / factor with the factors of set 0; codes unchanged.
constexpr const UnitFactors& F = kUnitFactors;
double pressureOf(double r) { return isCode(r) ? r : r / F.pressure[kEng]; }
double temperatureOf(double r) { return isCode(r) ? r : (r + F.temperatureOffset[kEng]) / F.temperature[kEng]; }
double qualityOf(double r) { return r; }
double enthalpyOf(double r) { return isCode(r) ? r : r / F.enthalpy[kEng]; }
double entropyOf(double r) { return isCode(r) ? r : r / F.entropy[kEng]; }
double heatCapacityOf(double r) { return isCode(r) ? r : r / F.specificHeat[kEng]; }
double volumeOf(double r) { return isCode(r) ? r : r / F.volume[kEng]; }

// Composed heat capacity from (p, h) or (p, s): no value for a two-phase state; on the saturation
// line the saturated heat capacity, else cp at (p, T).
using Library67 = double(VAPROP67_CALL*)(double, double);

double composedHeatCapacity(Library67 temperature67, Library67 quality67, double p, double y) {
    const double T = temperature67(p, y);
    if (isCode(T)) return T;
    const double x = quality67(p, y);
    if (isCode(x)) return x;
    if (x > 0.0 && x < 1.0) return kTwoPhaseRefused;
    // Above the critical pressure this is the code -1800 and the comparison simply fails.
    const double Ts = Stm67PT(p);
    const double r = std::fabs(T - Ts) < kOnSaturationLine ? Stm67PQC(p, x) : Stm67PTC(p, T);
    return heatCapacityOf(r);
}

}  // namespace

double route67TP(double T) noexcept { return pressureOf(Stm67TP(fahrenheit(T))); }
double route67PT(double p) noexcept { return temperatureOf(Stm67PT(psia(p))); }

double route67PTH(double p, double T) noexcept { return enthalpyOf(Stm67PTH(psia(p), fahrenheit(T))); }
double route67PTS(double p, double T) noexcept { return entropyOf(Stm67PTS(psia(p), fahrenheit(T))); }
double route67PTV(double p, double T) noexcept { return volumeOf(Stm67PTV(psia(p), fahrenheit(T))); }
double route67PTC(double p, double T) noexcept { return heatCapacityOf(Stm67PTC(psia(p), fahrenheit(T))); }

double route67PQH(double p, double x) noexcept { return enthalpyOf(Stm67PQH(psia(p), x)); }
double route67PQS(double p, double x) noexcept { return entropyOf(Stm67PQS(psia(p), x)); }
double route67PQV(double p, double x) noexcept { return volumeOf(Stm67PQV(psia(p), x)); }
double route67PQC(double p, double x) noexcept { return heatCapacityOf(Stm67PQC(psia(p), x)); }

double route67TQH(double T, double x) noexcept { return enthalpyOf(Stm67TQH(fahrenheit(T), x)); }
double route67TQS(double T, double x) noexcept { return entropyOf(Stm67TQS(fahrenheit(T), x)); }
double route67TQV(double T, double x) noexcept { return volumeOf(Stm67TQV(fahrenheit(T), x)); }
double route67TQC(double T, double x) noexcept { return heatCapacityOf(Stm67TQC(fahrenheit(T), x)); }

double route67PHT(double p, double h) noexcept { return temperatureOf(Stm67PHT(psia(p), btuPerLb(h))); }
double route67PHQ(double p, double h) noexcept { return qualityOf(Stm67PHQ(psia(p), btuPerLb(h))); }
double route67PHS(double p, double h) noexcept { return entropyOf(Stm67PHS(psia(p), btuPerLb(h))); }
double route67PHV(double p, double h) noexcept { return volumeOf(Stm67PHV(psia(p), btuPerLb(h))); }
double route67PHC(double p, double h) noexcept {
    return composedHeatCapacity(Stm67PHT, Stm67PHQ, psia(p), btuPerLb(h));
}

double route67PST(double p, double s) noexcept { return temperatureOf(Stm67PST(psia(p), btuPerLbF(s))); }
double route67PSQ(double p, double s) noexcept { return qualityOf(Stm67PSQ(psia(p), btuPerLbF(s))); }
double route67PSH(double p, double s) noexcept { return enthalpyOf(Stm67PSH(psia(p), btuPerLbF(s))); }
double route67PSV(double p, double s) noexcept { return volumeOf(Stm67PSV(psia(p), btuPerLbF(s))); }
double route67PSC(double p, double s) noexcept {
    return composedHeatCapacity(Stm67PST, Stm67PSQ, psia(p), btuPerLbF(s));
}

// The states for the transport equations: v from IFC-67, and for the saturation pairs also the
// saturation temperature or pressure; p, T and v in core units.
double route67PTTransport(double p, double T, TransportState& st) noexcept {
    st = {p, T, volumeOf(Stm67PTV(psia(p), fahrenheit(T)))};
    return st.v;
}

double route67PQTransport(double p, double x, TransportState& st) noexcept {
    st = {p, temperatureOf(Stm67PT(psia(p))), 0.0};
    if (isCode(st.T)) return st.T;
    st.v = volumeOf(Stm67PQV(psia(p), x));
    return st.v;
}

double route67TQTransport(double T, double x, TransportState& st) noexcept {
    st = {pressureOf(Stm67TP(fahrenheit(T))), T, 0.0};
    if (isCode(st.p)) return st.p;
    st.v = volumeOf(Stm67TQV(fahrenheit(T), x));
    return st.v;
}

}  // namespace vaprop
