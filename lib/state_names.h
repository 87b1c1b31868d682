// The names the property library knows the state layer by: one table of property names, each with
// its property and its output routine, and one table of input-pair names, each with its pair and the
// input routines of its two inputs. The exports and the by-name calls (StmBatch, StmProp) read both,
// so a new pair or property is one row here.
#ifndef VAPROP_LIB_STATE_NAMES_H
#define VAPROP_LIB_STATE_NAMES_H

#include "steam_state.h"
#include "unit_sets.h"

#include <array>

#include <cstddef>
#include <string_view>

namespace vaprop {

using Input = int (*)(double u, int set, double& c) noexcept;
using Output = double (*)(double c, int set) noexcept;

struct PropertyName {
    std::string_view name;  // as written in a list of names, case ignored
    steam::Property property;
    Output out;  // core units to the set's units (codes pass unchanged)
};

struct PairName {
    std::string_view name;  // the input letters in the order of the export names
    steam::Pair pair;
    Input first;
    Input second;
};

namespace detail {
inline double unconverted(double c, int) noexcept { return c; }

// One row per property, in the order of steam::Property: the letter of the exports' names.
inline constexpr std::array<PropertyName, steam::kPropertyCount> kPropertyNames{{
    {"P", steam::Property::P, fromInternalP},
    {"T", steam::Property::T, fromInternalT},
    {"Q", steam::Property::X, fromInternalQ},
    {"H", steam::Property::H, fromInternalH},
    {"S", steam::Property::S, fromInternalS},
    {"V", steam::Property::V, fromInternalV},
    {"C", steam::Property::Cp, fromInternalC},
    {"W", steam::Property::W, fromInternalW},
    {"G", steam::Property::Kappa, unconverted},
    {"M", steam::Property::Mu, fromInternalM},
    {"K", steam::Property::Lambda, fromInternalK},
    {"PR", steam::Property::Prandtl, unconverted},
    {"R", steam::Property::Region, unconverted},
    {"U", steam::Property::U, fromInternalH},
    {"D", steam::Property::D, fromInternalD},
    {"CV", steam::Property::Cv, fromInternalC},
    {"SIGMA", steam::Property::Sigma, fromInternalSigma},
    {"M08", steam::Property::Mu08, fromInternalM},
    {"K11", steam::Property::Lambda11, fromInternalK},
}};

// One row per pair, in the order of steam::Pair.
inline constexpr std::array<PairName, steam::kPairCount> kPairNames{{
    {"PT", steam::Pair::PT, toInternalP, toInternalT},
    {"PQ", steam::Pair::PX, toInternalP, toInternalQ},
    {"TQ", steam::Pair::TX, toInternalT, toInternalQ},
    {"PH", steam::Pair::PH, toInternalP, toInternalH},
    {"PS", steam::Pair::PS, toInternalP, toInternalS},
    {"HS", steam::Pair::HS, toInternalH, toInternalS},
    {"TS", steam::Pair::TS, toInternalT, toInternalS},
    {"PV", steam::Pair::PV, toInternalP, toInternalV},
    {"TV", steam::Pair::TV, toInternalT, toInternalV},
}};

template <typename Table, typename Id>
constexpr bool inOrder(const Table& table, Id Table::value_type::*id) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].*id) != i) return false;
    }
    return true;
}
static_assert(inOrder(kPropertyNames, &PropertyName::property), "property names follow steam::Property");
static_assert(inOrder(kPairNames, &PairName::pair), "pair names follow steam::Pair");

}  // namespace detail

const PropertyName* findPropertyName(std::string_view name) noexcept;

// The pair of two input letters in either order; swapped tells that they came in the other order.
const PairName* findPairName(std::string_view name, bool& swapped) noexcept;

// The rows the exports use.
constexpr const PropertyName& propertyName(steam::Property p) noexcept {
    return detail::kPropertyNames[steam::indexOf(p)];
}
constexpr const PairName& pairName(steam::Pair p) noexcept { return detail::kPairNames[static_cast<std::size_t>(p)]; }

}  // namespace vaprop

#endif
