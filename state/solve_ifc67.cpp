// The IFC-67 solver of the state layer. vaprop67 works in English units (psia, F, Btu/lb,
// Btu/(lb R), ft3/lb) and reports per call: every property is one call (or, for the heat capacity
// from (p,h) and (p,s), a composition of calls), and every value that comes back is first tested
// for a code of the library (at or below -1000: passed on unchanged), then converted to core units.
// The speed of sound and the isentropic coefficient have no 1967 counterpart and come from IF97; the
// transport properties come from the transport equations at the state's p, T and v.
#include "composition.h"

#include "pairs.h"
#include "status.h"
#include "vaprop67.h"

#include <cmath>

namespace steam::detail {
namespace {

// Core units to the library's units and back (factors of pressure, temperature, enthalpy, entropy
// and heat capacity, volume: u = c * factor - offset).
constexpr double kPsiaPerMPa = 145.0377378;
constexpr double kFahrenheitPerKelvin = 1.8;
constexpr double kFahrenheitOffset = 459.67;
constexpr double kBtuPerLbPerKJPerKg = 0.42992261392949266;    // 1/2.326
constexpr double kBtuPerLbRPerKJPerKgK = 0.23884589662749595;  // 1/4.1868
constexpr double kCubicFeetPerLbPerCubicMetrePerKg = 16.0184634;

// Results of the library at or below this are its codes.
constexpr double kCodeLimit67 = vaprop::kCodeLimit;
// A temperature this close to the saturation temperature (degrees F) lies on the saturation line.
constexpr double kOnSaturationLine = 1e-8;
// The library's critical pressure (psia) and temperature (degrees F).
constexpr double kPc67 = 3208.234758592228;
constexpr double kTc67 = 705.47;

constexpr bool isCode67(double r) noexcept { return !(r > kCodeLimit67); }

double psia(double p) noexcept { return p * kPsiaPerMPa - 0.0; }
double fahrenheit(double T) noexcept { return T * kFahrenheitPerKelvin - kFahrenheitOffset; }
double btuPerLb(double h) noexcept { return h * kBtuPerLbPerKJPerKg; }
double btuPerLbR(double s) noexcept { return s * kBtuPerLbRPerKJPerKgK; }

double pressureOf(double r) noexcept { return isCode67(r) ? r : r / kPsiaPerMPa; }
double temperatureOf(double r) noexcept { return isCode67(r) ? r : (r + kFahrenheitOffset) / kFahrenheitPerKelvin; }
double enthalpyOf(double r) noexcept { return isCode67(r) ? r : r / kBtuPerLbPerKJPerKg; }
double entropyOf(double r) noexcept { return isCode67(r) ? r : r / kBtuPerLbRPerKJPerKgK; }
double volumeOf(double r) noexcept { return isCode67(r) ? r : r / kCubicFeetPerLbPerCubicMetrePerKg; }

using Call67 = double(VAPROP67_CALL*)(double, double);

// Heat capacity from (p,h) or (p,s) (y in the library's units): none for a two-phase state; on the
// saturation line the saturated heat capacity, else cp at (p, T). Library units in, core units out.
double composedHeatCapacity(Call67 temperature67, Call67 quality67, double p, double y) noexcept {
    const double T = temperature67(p, y);
    if (isCode67(T)) return T;
    const double x = quality67(p, y);
    if (isCode67(x)) return x;
    if (strictlyWet(x)) return if97::kNotDefined;
    // Above the critical pressure this is the code -1800 and the comparison simply fails.
    const double Ts = Stm67PT(p);
    const double r = std::fabs(T - Ts) < kOnSaturationLine ? Stm67PQC(p, x) : Stm67PTC(p, T);
    return entropyOf(r);
}

// The calls of one pair: its two inputs in library units, and the property each one gives.
struct Inputs67 {
    double a;  // first input, library units
    double b;  // second input, library units
};

Inputs67 toLibrary(Pair pair, double a, double b) noexcept {
    switch (pair) {
        case Pair::PT: return {psia(a), fahrenheit(b)};
        case Pair::PX: return {psia(a), b};
        case Pair::TX: return {fahrenheit(a), b};
        case Pair::PH: return {psia(a), btuPerLb(b)};
        case Pair::PS: return {psia(a), btuPerLbR(b)};
        case Pair::HS:
        case Pair::TS:
        case Pair::PV:
        case Pair::TV: break;  // no 1967 calls (has1967Calls)
    }
    return {a, b};
}

// (p,T): vapour at or above the saturation temperature, and above the critical point; else liquid.
double qualityOfPT(const Inputs67& in) noexcept {
    const double p = in.a;
    const double t = in.b;
    const bool vapour = (p >= kPc67 && t >= kTc67) || (p < kPc67 && t >= Stm67PT(p));
    return vapour ? 1.0 : 0.0;
}

// One thermodynamic property of the pair (not an input), core units; NaN for one the pair lacks.
double property67(Pair pair, Property prop, const Inputs67& in) noexcept {
    const double a = in.a;
    const double b = in.b;
    switch (pair) {
        case Pair::PT:
            switch (prop) {
                case Property::X: return qualityOfPT(in);
                case Property::H: return enthalpyOf(Stm67PTH(a, b));
                case Property::S: return entropyOf(Stm67PTS(a, b));
                case Property::V: return volumeOf(Stm67PTV(a, b));
                case Property::Cp: return entropyOf(Stm67PTC(a, b));
                default: break;
            }
            break;
        case Pair::PX:
            switch (prop) {
                case Property::T: return temperatureOf(Stm67PT(a));
                case Property::H: return enthalpyOf(Stm67PQH(a, b));
                case Property::S: return entropyOf(Stm67PQS(a, b));
                case Property::V: return volumeOf(Stm67PQV(a, b));
                case Property::Cp: return entropyOf(Stm67PQC(a, b));
                default: break;
            }
            break;
        case Pair::TX:
            switch (prop) {
                case Property::P: return pressureOf(Stm67TP(a));
                case Property::H: return enthalpyOf(Stm67TQH(a, b));
                case Property::S: return entropyOf(Stm67TQS(a, b));
                case Property::V: return volumeOf(Stm67TQV(a, b));
                case Property::Cp: return entropyOf(Stm67TQC(a, b));
                default: break;
            }
            break;
        case Pair::PH:
            switch (prop) {
                case Property::T: return temperatureOf(Stm67PHT(a, b));
                case Property::X: return Stm67PHQ(a, b);
                case Property::S: return entropyOf(Stm67PHS(a, b));
                case Property::V: return volumeOf(Stm67PHV(a, b));
                case Property::Cp: return composedHeatCapacity(Stm67PHT, Stm67PHQ, a, b);
                default: break;
            }
            break;
        case Pair::PS:
            switch (prop) {
                case Property::T: return temperatureOf(Stm67PST(a, b));
                case Property::X: return Stm67PSQ(a, b);
                case Property::H: return enthalpyOf(Stm67PSH(a, b));
                case Property::V: return volumeOf(Stm67PSV(a, b));
                case Property::Cp: return composedHeatCapacity(Stm67PST, Stm67PSQ, a, b);
                default: break;
            }
            break;
        case Pair::HS:
        case Pair::TS:
        case Pair::PV:
        case Pair::TV: break;  // no 1967 calls (has1967Calls)
    }
    return if97::kNotDefined;
}

// The pairs that have calls in vaprop67; (h,s), (T,s), (p,v) and (T,v) have none.
constexpr bool has1967Calls(Pair pair) noexcept {
    return pair == Pair::PT || pair == Pair::PX || pair == Pair::TX || pair == Pair::PH || pair == Pair::PS;
}

// Writes a property asked for; its code becomes the status when none is set yet.
void setFrom67(State& st, PropertyMask mask, Property prop, double value) noexcept {
    st.values[indexOf(prop)] = value;
    if (st.status == 0 && (mask & maskOf(prop)) && isCode67(value) && value != if97::kNotDefined) {
        st.status = static_cast<int>(value);
    }
}

constexpr Property kThermodynamic[] = {
    Property::P, Property::T, Property::X, Property::H, Property::S, Property::V, Property::Cp};

// The transport step: for (p,x) and (T,x) the saturation value and v of the pair's calls, for the
// others the state's own T, quality and v.
void transport67(State& st, double a, double b, const Inputs67& in, PropertyMask mask) noexcept {
    const PropertyMask transport = transportNeeds(mask);
    const Pair pair = st.pair;
    if (refusesTransportBeforeState(pair, b)) {
        fill(st, transport, if97::kNotDefined);
    } else if (pair == Pair::PX) {
        const double T = temperatureOf(Stm67PT(in.a));
        transportAt(a, T, isCode67(T) ? T : volumeOf(Stm67PQV(in.a, in.b)), transport, st);
    } else if (pair == Pair::TX) {
        const double p = pressureOf(Stm67TP(in.a));
        transportAt(p, a, isCode67(p) ? p : volumeOf(Stm67TQV(in.a, in.b)), transport, st);
    } else {
        const double T = pair == Pair::PT ? b : st[Property::T];
        const double x = pair == Pair::PT ? 0.0 : st[Property::X];
        if (isCode67(T)) {
            fill(st, transport, T);
        } else if (isCode67(x)) {
            fill(st, transport, x);
        } else if (strictlyWet(x)) {
            fill(st, transport, if97::kNotDefined);
        } else {
            transportAt(a, T, st[Property::V], transport, st);
        }
    }
    if (mask & maskOf(Property::Prandtl)) st.values[indexOf(Property::Prandtl)] = prandtlOf(st);
}

}  // namespace

void solveIFC67(State& st, double a, double b, PropertyMask mask, bool backwardOnly) noexcept {
    const Pair pair = st.pair;
    if (!has1967Calls(pair)) {
        fail(st, mask, kNotInIFC67);
        return;
    }
    const Inputs67 in = toLibrary(pair, a, b);

    // What the transport step, the Prandtl number, u and the density read from the state.
    PropertyMask wanted = mask;
    if (mask & maskOf(Property::U)) wanted |= maskOf(Property::P) | maskOf(Property::H) | maskOf(Property::V);
    if (mask & maskOf(Property::D)) wanted |= maskOf(Property::V);
    if (mask & kTransportMask) {
        if (pair == Pair::PT) wanted |= maskOf(Property::V);
        if (pair == Pair::PH || pair == Pair::PS) {
            wanted |= maskOf(Property::T) | maskOf(Property::X) | maskOf(Property::V);
        }
    }
    if (mask & maskOf(Property::Prandtl)) wanted |= maskOf(Property::Cp);

    for (const Property prop : kThermodynamic) {
        if (!(wanted & maskOf(prop))) continue;
        double value = 0.0;
        if (prop == pairInfo(pair).first) {
            value = a;
        } else if (prop == pairInfo(pair).second) {
            value = b;
        } else {
            value = property67(pair, prop, in);
        }
        setFrom67(st, mask, prop, value);
    }
    if (mask & kTransportMask) transport67(st, a, b, in, mask);

    // No 1967 counterpart: the speed of sound and the isentropic coefficient of IF97.
    const PropertyMask fromIF97 = mask & (maskOf(Property::W) | maskOf(Property::Kappa));
    if (fromIF97 != 0) {
        State if97 = blankState(Formulation::IF97, pair);
        solveIF97(if97, a, b, fromIF97, backwardOnly);
        for (const Property prop : {Property::W, Property::Kappa}) {
            if (fromIF97 & maskOf(prop)) st.values[indexOf(prop)] = if97[prop];
        }
    }
    // u = h - p v and the density of the 1967 state; a code among p, h, v passes on.
    if (mask & maskOf(Property::U)) {
        const double p = st[Property::P];
        const double h = st[Property::H];
        const double v = st[Property::V];
        double u = h - 1000.0 * p * v;  // MPa m3/kg = 1000 kJ/kg
        for (const double r : {p, h, v}) {
            if (isCode67(r)) {
                u = r;
                break;
            }
        }
        setFrom67(st, mask, Property::U, u);
    }
    if (mask & maskOf(Property::D)) {
        const double v = st[Property::V];
        setFrom67(st, mask, Property::D, isCode67(v) ? v : 1.0 / v);
    }
    // What the 1967 formulation does not give: the code in the property, the state's status untouched.
    for (const Property prop : {Property::Cv, Property::Sigma, Property::Mu08, Property::Lambda11}) {
        if (mask & maskOf(prop)) st.values[indexOf(prop)] = kNotInIFC67;
    }
    // The 1967 equations have no IF97 region.
    if (mask & maskOf(Property::Region)) st.values[indexOf(Property::Region)] = 0.0;
}

}  // namespace steam::detail
