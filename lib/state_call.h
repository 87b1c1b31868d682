// One property of one state in the units of a UnitSet: the steps every export and every cell of the
// by-name calls share. UnitSet check, the input routines of the pair's two inputs, one solve of the
// state layer, the output routine of the property.
#ifndef VAPROP_LIB_STATE_CALL_H
#define VAPROP_LIB_STATE_CALL_H

#include "pairs.h"
#include "state_names.h"
#include "steam_state.h"
#include "unit_set_word.h"
#include "unit_sets.h"

#include <cstdint>

namespace vaprop {

constexpr bool isCode(double value) noexcept { return !(value > kCodeLimit); }

// Steps 1 to 3 of every call: the UnitSet word, then the first and the second input.
struct ConvertedInputs {
    int code;  // 0, or the code of the first step that failed
    UnitSetWord units;
    double a;  // core units
    double b;
};

inline ConvertedInputs convertInputs(const PairName& pair, double u1, double u2, std::int32_t word) noexcept {
    ConvertedInputs in{0, {}, 0.0, 0.0};
    if (unitSetRefused(word)) {
        in.code = kInvalidUnitSet;
        return in;
    }
    in.units = decodeUnitSet(word);
    in.code = pair.first(u1, in.units.set, in.a);
    if (in.code == 0) in.code = pair.second(u2, in.units.set, in.b);
    return in;
}

inline steam::State solveConverted(const PairName& pair, const ConvertedInputs& in, steam::PropertyMask mask) noexcept {
    const steam::Formulation f = in.units.ifc67 ? steam::Formulation::IFC67 : steam::Formulation::IF97;
    return steam::solve(f, pair.pair, in.a, in.b, mask, in.units.backwardOnly);
}

// One cell of a solved state in the set's units. An input of the pair comes back as given (u), once
// the state is known to be computable.
inline double cellOf(const steam::State& st, const PropertyName& prop, const ConvertedInputs& in, double u1,
                     double u2) noexcept {
    const double c = st[prop.property];
    const steam::PairInfo& info = steam::pairInfo(st.pair);
    if (prop.property == info.first) return isCode(c) ? c : u1;
    if (prop.property == info.second) return isCode(c) ? c : u2;
    return prop.out(c, in.units.set);
}

// One export: the property of the pair at (u1, u2) in the units of word, or a code.
inline double propertyCall(const PairName& pair, const PropertyName& prop, double u1, double u2,
                           std::int32_t word) noexcept {
    const ConvertedInputs in = convertInputs(pair, u1, u2, word);
    if (in.code != 0) return in.code;
    const steam::State st = solveConverted(pair, in, steam::maskOf(prop.property));
    return prop.out(st[prop.property], in.units.set);
}

}  // namespace vaprop

#endif
