// The property exports of vaprop32. Each export is one line naming its pair of inputs, its result and
// its IFC-67 route; the shared steps (UnitSet check, input conversions, compute, read back, output
// conversion) are the few functions below. The library's one IF97State and one IF97Transport live
// here, built when the library is loaded and destroyed when it is unloaded.
#include "ifc67_route.h"
#include "unit_set_word.h"
#include "unit_sets.h"
#include "vaprop32.h"

#include "if97_state.h"
#include "if97_transport.h"
#include "properties.h"
#include "status.h"

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

using namespace vaprop;
using if97::IF97State;
using if97::IF97Transport;

static_assert(!if97::kShortNumbering, "vaprop32 uses the library numbering of the core's codes");
static_assert(if97::status::TemperatureHigh == kTemperatureRange.aboveCode);
static_assert(if97::status::TemperatureLow == kTemperatureRange.belowCode);
static_assert(if97::status::PressureHigh == kPressureRange.aboveCode);
static_assert(if97::status::PressureLow == kPressureRange.belowCode);
static_assert(if97::status::QualityRange == kQualityRange.belowCode);
static_assert(if97::status::EnthalpyLow == kEnthalpyRange.belowCode);
static_assert(if97::status::EnthalpyHigh == kEnthalpyRange.aboveCode);
static_assert(if97::status::EntropyLow == kEntropyRange.belowCode);
static_assert(if97::status::EntropyHigh == kEntropyRange.aboveCode);

IF97State state;          // every property export computes into this one state
IF97Transport transport;  // and the K and M exports into this one transport object

constexpr double kTwoPhaseRefused = -2000.0;  // K and M exist only for Q = 0 and Q = 1
constexpr double kCodeLimit = -1000.0;        // values at or below are codes

constexpr bool isCode(double value) { return !(value > kCodeLimit); }

using Input = int (*)(double, int, double&) noexcept;
using Output = double (*)(double, int) noexcept;
using Getter = double (IF97State::*)() const noexcept;
using Compute = void (*)(IF97State&, double, double, int mask, int backwardOnly) noexcept;

double unconverted(double value, int) noexcept { return value; }

// An input pair: its two input routines and its compute operation.
struct Pair {
    Input first;
    Input second;
    Compute compute;
};

constexpr Pair kPT{toInternalP, toInternalT,
                   [](IF97State& s, double p, double T, int mask, int) noexcept { s.computePT(p, T, mask); }};
constexpr Pair kPQ{toInternalP, toInternalQ,
                   [](IF97State& s, double p, double x, int mask, int) noexcept { s.computePX(p, x, mask); }};
constexpr Pair kTQ{toInternalT, toInternalQ,
                   [](IF97State& s, double T, double x, int mask, int) noexcept { s.computeTX(T, x, mask); }};
constexpr Pair kPH{toInternalP, toInternalH, [](IF97State& s, double p, double h, int mask, int fast) noexcept {
                       s.computePH(p, h, mask, fast);
                   }};
constexpr Pair kPS{toInternalP, toInternalS, [](IF97State& s, double p, double e, int mask, int fast) noexcept {
                       s.computePS(p, e, mask, fast);
                   }};

// A result: the core mask that asks for it, its getter and its output routine.
struct Result {
    int mask;
    Getter get;
    Output out;
};

constexpr Result kT{if97::kMaskT, &IF97State::temperature, fromInternalT};
constexpr Result kQ{if97::kMaskX, &IF97State::quality, fromInternalQ};
constexpr Result kH{if97::kMaskH, &IF97State::enthalpy, fromInternalH};
constexpr Result kS{if97::kMaskS, &IF97State::entropy, fromInternalS};
constexpr Result kV{if97::kMaskV, &IF97State::volume, fromInternalV};
constexpr Result kC{if97::kMaskCp, &IF97State::cp, fromInternalC};
constexpr Result kW{if97::kMaskW, &IF97State::soundSpeed, fromInternalW};
constexpr Result kG{if97::kMaskV | if97::kMaskW, &IF97State::isentropicExponent, unconverted};

// Steps 1 to 3 of every call: the UnitSet word, then the first and the second input.
struct Converted {
    UnitSetWord units;
    double a;
    double b;
};

int convertInputs(const Pair& pair, double u1, double u2, std::int32_t word, Converted& in) {
    if (unitSetRefused(word)) return kInvalidUnitSet;
    in.units = decodeUnitSet(word);
    if (const int code = pair.first(u1, in.units.set, in.a); code != 0) return code;
    return pair.second(u2, in.units.set, in.b);
}

// A thermodynamic property of a pair: by the IFC-67 route when bit 8 asks for it and the export has
// one, else by the core operation of the pair; then the output routine of the result.
double propertyCall(const Pair& pair, const Result& result, Route67 route, double u1, double u2, std::int32_t word) {
    Converted in{};
    if (const int code = convertInputs(pair, u1, u2, word, in); code != 0) return code;
    double value = 0.0;
    if (in.units.ifc67 && route != nullptr) {
        value = route(in.a, in.b);
    } else {
        pair.compute(state, in.a, in.b, result.mask, in.units.backwardOnly ? 1 : 0);
        value = (state.*result.get)();
    }
    return result.out(value, in.units.set);
}

using StateOfPair = double (*)(double a, double b, TransportState& st);

// IF97 states of the three pairs: mask 32 (v) for (p,T), 34 (v, T) for (p,x), 33 (v, p) for (T,x).
double stateOfPT(double p, double T, TransportState& st) {
    state.computePT(p, T, if97::kMaskV);
    st = {p, T, state.volume()};
    return st.v;
}

double stateOfPQ(double p, double x, TransportState& st) {
    state.computePX(p, x, if97::kMaskV | if97::kMaskT);
    st = {p, state.temperature(), state.volume()};
    return isCode(st.T) ? st.T : st.v;
}

double stateOfTQ(double T, double x, TransportState& st) {
    state.computeTX(T, x, if97::kMaskV | if97::kMaskP);
    st = {state.pressure(), T, state.volume()};
    return isCode(st.p) ? st.p : st.v;
}

enum class Transport { Conductivity, Viscosity };

// K and M: two-phase refusal (quality pairs), the state, then the transport object.
double transportCall(const Pair& pair, StateOfPair ofState, TransportRoute67 route, Transport kind, bool qualityPair,
                     double u1, double u2, std::int32_t word) {
    Converted in{};
    if (const int code = convertInputs(pair, u1, u2, word, in); code != 0) return code;
    if (qualityPair && u2 > 0.0 && u2 < 1.0) return kTwoPhaseRefused;
    TransportState st{};
    const double found = in.units.ifc67 && route != nullptr ? route(in.a, in.b, st) : ofState(in.a, in.b, st);
    if (isCode(found)) return found;
    if (kind == Transport::Conductivity) {
        transport.computeConductivity(st.p, st.T, st.v);
        return fromInternalK(transport.conductivity(), in.units.set);
    }
    transport.computeViscosity(st.p, st.T, st.v);
    return fromInternalM(transport.viscosity(), in.units.set);
}

// The saturation calls take one input: computeTX(T, 0, 1) for the pressure, computePX(p, 0, 2) for
// the temperature.
struct Saturation {
    Input in;
    Compute compute;  // with quality 0
    Result result;
};
constexpr Saturation kSaturationPressure{toInternalT, kTQ.compute, {if97::kMaskP, &IF97State::pressure, fromInternalP}};
constexpr Saturation kSaturationTemperature{toInternalP, kPQ.compute, kT};

double saturationCall(const Saturation& sat, Route67One route, double u, std::int32_t word) {
    if (unitSetRefused(word)) return kInvalidUnitSet;
    const UnitSetWord units = decodeUnitSet(word);
    double c = 0.0;
    if (const int code = sat.in(u, units.set, c); code != 0) return code;
    if (units.ifc67 && route != nullptr) return sat.result.out(route(c), units.set);
    sat.compute(state, c, 0.0, sat.result.mask, 0);
    return sat.result.out((state.*sat.result.get)(), units.set);
}

double region(double u1, double u2, std::int32_t word) {
    Converted in{};
    if (const int code = convertInputs(kPT, u1, u2, word, in); code != 0) return code;
    if (in.units.ifc67) return 0.0;  // the 1967 formulation has no IF97 region
    return state.regionOfPT(in.a, in.b);
}

}  // namespace

extern "C" {

double VAPROP_CALL StmTP(double T, int32_t UnitSet) { return saturationCall(kSaturationPressure, kRoute67TP, T, UnitSet); }
double VAPROP_CALL StmPT(double P, int32_t UnitSet) { return saturationCall(kSaturationTemperature, kRoute67PT, P, UnitSet); }
double VAPROP_CALL StmPTR(double P, double T, int32_t UnitSet) { return region(P, T, UnitSet); }

double VAPROP_CALL StmPTH(double P, double T, int32_t U) { return propertyCall(kPT, kH, kRoute67PTH, P, T, U); }
double VAPROP_CALL StmPTS(double P, double T, int32_t U) { return propertyCall(kPT, kS, kRoute67PTS, P, T, U); }
double VAPROP_CALL StmPTV(double P, double T, int32_t U) { return propertyCall(kPT, kV, kRoute67PTV, P, T, U); }
double VAPROP_CALL StmPTC(double P, double T, int32_t U) { return propertyCall(kPT, kC, kRoute67PTC, P, T, U); }
double VAPROP_CALL StmPTW(double P, double T, int32_t U) { return propertyCall(kPT, kW, nullptr, P, T, U); }
double VAPROP_CALL StmPTG(double P, double T, int32_t U) { return propertyCall(kPT, kG, nullptr, P, T, U); }

double VAPROP_CALL StmPQH(double P, double Q, int32_t U) { return propertyCall(kPQ, kH, kRoute67PQH, P, Q, U); }
double VAPROP_CALL StmPQS(double P, double Q, int32_t U) { return propertyCall(kPQ, kS, kRoute67PQS, P, Q, U); }
double VAPROP_CALL StmPQV(double P, double Q, int32_t U) { return propertyCall(kPQ, kV, kRoute67PQV, P, Q, U); }
double VAPROP_CALL StmPQC(double P, double Q, int32_t U) { return propertyCall(kPQ, kC, kRoute67PQC, P, Q, U); }
double VAPROP_CALL StmPQW(double P, double Q, int32_t U) { return propertyCall(kPQ, kW, nullptr, P, Q, U); }
double VAPROP_CALL StmPQG(double P, double Q, int32_t U) { return propertyCall(kPQ, kG, nullptr, P, Q, U); }

double VAPROP_CALL StmTQH(double T, double Q, int32_t U) { return propertyCall(kTQ, kH, kRoute67TQH, T, Q, U); }
double VAPROP_CALL StmTQS(double T, double Q, int32_t U) { return propertyCall(kTQ, kS, kRoute67TQS, T, Q, U); }
double VAPROP_CALL StmTQV(double T, double Q, int32_t U) { return propertyCall(kTQ, kV, kRoute67TQV, T, Q, U); }
double VAPROP_CALL StmTQC(double T, double Q, int32_t U) { return propertyCall(kTQ, kC, kRoute67TQC, T, Q, U); }
double VAPROP_CALL StmTQW(double T, double Q, int32_t U) { return propertyCall(kTQ, kW, nullptr, T, Q, U); }
double VAPROP_CALL StmTQG(double T, double Q, int32_t U) { return propertyCall(kTQ, kG, nullptr, T, Q, U); }

double VAPROP_CALL StmPHT(double P, double H, int32_t U) { return propertyCall(kPH, kT, kRoute67PHT, P, H, U); }
double VAPROP_CALL StmPHQ(double P, double H, int32_t U) { return propertyCall(kPH, kQ, kRoute67PHQ, P, H, U); }
double VAPROP_CALL StmPHS(double P, double H, int32_t U) { return propertyCall(kPH, kS, kRoute67PHS, P, H, U); }
double VAPROP_CALL StmPHV(double P, double H, int32_t U) { return propertyCall(kPH, kV, kRoute67PHV, P, H, U); }
double VAPROP_CALL StmPHC(double P, double H, int32_t U) { return propertyCall(kPH, kC, kRoute67PHC, P, H, U); }
double VAPROP_CALL StmPHW(double P, double H, int32_t U) { return propertyCall(kPH, kW, nullptr, P, H, U); }
double VAPROP_CALL StmPHG(double P, double H, int32_t U) { return propertyCall(kPH, kG, nullptr, P, H, U); }

double VAPROP_CALL StmPST(double P, double S, int32_t U) { return propertyCall(kPS, kT, kRoute67PST, P, S, U); }
double VAPROP_CALL StmPSQ(double P, double S, int32_t U) { return propertyCall(kPS, kQ, kRoute67PSQ, P, S, U); }
double VAPROP_CALL StmPSH(double P, double S, int32_t U) { return propertyCall(kPS, kH, kRoute67PSH, P, S, U); }
double VAPROP_CALL StmPSV(double P, double S, int32_t U) { return propertyCall(kPS, kV, kRoute67PSV, P, S, U); }
double VAPROP_CALL StmPSC(double P, double S, int32_t U) { return propertyCall(kPS, kC, kRoute67PSC, P, S, U); }
double VAPROP_CALL StmPSW(double P, double S, int32_t U) { return propertyCall(kPS, kW, nullptr, P, S, U); }
double VAPROP_CALL StmPSG(double P, double S, int32_t U) { return propertyCall(kPS, kG, nullptr, P, S, U); }

double VAPROP_CALL StmPTK(double P, double T, int32_t U) {
    return transportCall(kPT, stateOfPT, kRoute67PTTransport, Transport::Conductivity, false, P, T, U);
}
double VAPROP_CALL StmPTM(double P, double T, int32_t U) {
    return transportCall(kPT, stateOfPT, kRoute67PTTransport, Transport::Viscosity, false, P, T, U);
}
double VAPROP_CALL StmPQK(double P, double Q, int32_t U) {
    return transportCall(kPQ, stateOfPQ, kRoute67PQTransport, Transport::Conductivity, true, P, Q, U);
}
double VAPROP_CALL StmPQM(double P, double Q, int32_t U) {
    return transportCall(kPQ, stateOfPQ, kRoute67PQTransport, Transport::Viscosity, true, P, Q, U);
}
double VAPROP_CALL StmTQK(double T, double Q, int32_t U) {
    return transportCall(kTQ, stateOfTQ, kRoute67TQTransport, Transport::Conductivity, true, T, Q, U);
}
double VAPROP_CALL StmTQM(double T, double Q, int32_t U) {
    return transportCall(kTQ, stateOfTQ, kRoute67TQTransport, Transport::Viscosity, true, T, Q, U);
}

#if defined(_WIN32)
// The start-up entry (ordinal 1): the state objects above are built by the runtime before it runs.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

}  // extern "C"
