// The rules the solvers of both formulations share: the input ranges, the refusal of transport
// properties for wet states, the transport step and the Prandtl number. Internal to the state layer.
#pragma once

#include "steam_state.h"

#include <limits>

namespace steam::detail {

// 0 when both inputs of the pair lie in their accepted ranges, else the code of the first that does
// not (the ranges of the IF97 core, a limit itself accepted, a NaN failing the lower test).
int inputCode(Pair pair, double first, double second) noexcept;

// A state that starts a solve: formulation and pair set, every property a quiet NaN.
inline constexpr State kBlankState = [] {
    State st{};
    for (double& v : st.values) v = std::numeric_limits<double>::quiet_NaN();
    return st;
}();

inline State blankState(Formulation formulation, Pair pair) noexcept {
    State st = kBlankState;
    st.formulation = formulation;
    st.pair = pair;
    return st;
}

// Writes value into every property of mask.
void fill(State& st, PropertyMask mask, double value) noexcept;

// Writes code into every property of mask and into the status.
void fail(State& st, PropertyMask mask, int code) noexcept;

// True for a quality strictly between 0 and 1: no heat capacity and no transport properties.
constexpr bool strictlyWet(double x) noexcept { return x > 0.0 && x < 1.0; }

// True for a value that is a code of the core's numbering rather than a property value.
bool isCode(double value) noexcept;

inline constexpr PropertyMask kTransportMask =
    maskOf(Property::Mu) | maskOf(Property::Lambda) | maskOf(Property::Prandtl);
// The IAPWS 2008 viscosity and 2011 conductivity, which the IF97 core gives from its state.
inline constexpr PropertyMask kTransport0811Mask = maskOf(Property::Mu08) | maskOf(Property::Lambda11);

// The transport properties the transport step must compute for mask: those asked for, and both for
// the Prandtl number.
constexpr PropertyMask transportNeeds(PropertyMask mask) noexcept {
    const PropertyMask both = maskOf(Property::Mu) | maskOf(Property::Lambda);
    return (mask & maskOf(Property::Prandtl)) ? both : (mask & both);
}

// The pairs whose second input is the quality: a wet quality refuses the transport properties before
// anything is computed.
bool refusesTransportBeforeState(Pair pair, double second) noexcept;

// Viscosity and conductivity of mask at (p MPa, T K, v m3/kg) by the transport equations; the first
// code among p, T and v (in that order) is passed on instead.
void transportAt(double p, double T, double v, PropertyMask mask, State& st) noexcept;

// The Prandtl number from the state's cp, viscosity and conductivity: the not-defined marker when
// any of them holds it, else the first code among them, else mu cp / lambda * 1000.
double prandtlOf(const State& st) noexcept;

// The formulations' solvers; inputs already accepted by inputCode.
void solveIF97(State& st, double first, double second, PropertyMask mask, bool backwardOnly) noexcept;
void solveIFC67(State& st, double first, double second, PropertyMask mask, bool backwardOnly) noexcept;

}  // namespace steam::detail
