// The state layer: a water or steam state as a value.
//
// solve() takes a formulation, an input pair and its two values in core units (MPa, K, quality,
// kJ/kg, kJ/(kg K)) and returns a State that holds its status and every property the mask asked for:
// each one a value in core units (MPa, K, -, kJ/kg, kJ/(kg K), m3/kg, kJ/(kg K), m/s, -, Pa s,
// W/(m K), -, -) or a code of the core's numbering (at or below -1000 in the library numbering, e.g.
// the marker -2000 for the heat capacity of a wet state). Properties the mask did not ask for hold a
// quiet NaN. Nothing is kept between calls and nothing is allocated: calls may run on any number of
// threads at once.
//
// The rules every front end shares live behind this call once: the input range checks, the region
// choice and the core operations, the refusal of transport properties for wet states, the Prandtl
// number, the IF97 region of a state, and the IFC-67 composition (its calls in English units, the
// heat capacity composed from (p,h) and (p,s) with the saturation-line test, the states handed to the
// transport equations). Unit sets are not known here: they belong to the front ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "status_codes.h"

namespace steam {

enum class Formulation : std::uint8_t { IF97, IFC67 };

// Input pairs; their descriptors (input properties) are the table of pairs.h.
enum class Pair : std::uint8_t { PT, PX, TX, PH, PS, HS, TS, PV, TV };
inline constexpr std::size_t kPairCount = 9;

// The properties of a state, in the order of State::values.
enum class Property : std::uint8_t {
    P,         // pressure, MPa
    T,         // temperature, K
    X,         // quality; 0 liquid-like, 1 vapour-like single phase
    H,         // specific enthalpy, kJ/kg
    S,         // specific entropy, kJ/(kg K)
    V,         // specific volume, m3/kg
    Cp,        // isobaric specific heat, kJ/(kg K)
    W,         // speed of sound, m/s (wet states: the critical flow velocity)
    Kappa,     // isentropic expansion coefficient w^2/(p v)
    Mu,        // dynamic viscosity, Pa s
    Lambda,    // thermal conductivity, W/(m K)
    Prandtl,   // Prandtl number mu cp / lambda
    Region,    // IF97 region: 1, 2, 3, 5, or 4 for wet and saturated states; 0 with IFC-67
    U,         // specific internal energy, kJ/kg
    D,         // density, kg/m3
    Cv,        // isochoric specific heat, kJ/(kg K)
    Sigma,     // surface tension at the state's temperature, N/m (273.16 K to 647.096 K)
    Mu08,      // dynamic viscosity by IAPWS 2008 (industrial form), Pa s
    Lambda11,  // thermal conductivity by IAPWS 2011 (industrial form), W/(m K)
};
inline constexpr std::size_t kPropertyCount = 19;

using PropertyMask = std::uint32_t;

constexpr PropertyMask maskOf(Property p) noexcept { return PropertyMask{1} << static_cast<unsigned>(p); }
inline constexpr PropertyMask kAllProperties = (PropertyMask{1} << kPropertyCount) - 1;

constexpr std::size_t indexOf(Property p) noexcept { return static_cast<std::size_t>(p); }

// The code of a pair or property the 1967 formulation does not give (the library's error table).
inline constexpr int kNotInIFC67 = vaprop::code::NotInIFC67;

struct State {
    Formulation formulation = Formulation::IF97;
    Pair pair = Pair::PT;
    // 0, or the code of the state: an input outside its range (checked by the IF97 core itself, in
    // its order; with IFC-67 by the same ranges before any call of the 1967 library), or a failed IF97
    // operation. With IFC-67, whose calls report per property, the first code among the properties
    // asked for.
    int status = 0;
    std::array<double, kPropertyCount> values{};

    double operator[](Property p) const noexcept { return values[indexOf(p)]; }
};

// first and second in the order of the pair's inputs (pairs.h): (p,T), (p,x), (T,x), (p,h), (p,s),
// (h,s), (T,s), (p,v), (T,v). The pairs (h,s), (T,s), (p,v), (T,v) and the properties Cv, Sigma,
// Mu08 and Lambda11 are IF97's only: with IFC-67 they give the code kNotInIFC67.
// backwardOnly keeps the IF97 backward temperature of regions 1 and 2 of (p,h) and (p,s) without its
// refinement (also for the speed of sound and the isentropic coefficient under IFC-67, which the
// 1967 equations do not give and which come from IF97).
State solve(Formulation formulation, Pair pair, double first, double second, PropertyMask mask,
            bool backwardOnly = false) noexcept;

// The transport properties of a state given by (p MPa, T K, v m3/kg), as the transport step of
// solve() forms them for a single-phase or saturated state: viscosity (Pa s) and conductivity
// (W/(m K)) from the transport equations, or their codes (a code in p, T or v is passed on), and the
// Prandtl number mu cp / lambda * 1000 with cp in kJ/(kg K) (the not-defined marker or the first code
// among cp, mu and lambda when one of them is not a value).
struct Transport {
    double viscosity;
    double conductivity;
    double prandtl;
};
Transport transportOf(double p, double T, double v, double cp) noexcept;

}  // namespace steam
