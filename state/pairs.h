// The input pairs of the state layer: the one table that says which properties a pair takes, in
// which order. A new pair is one row here and one solver case per formulation.
#pragma once

#include "steam_state.h"

#include <array>

namespace steam {

struct PairInfo {
    Pair pair;
    Property first;
    Property second;
};

inline constexpr std::array<PairInfo, kPairCount> kPairs{{
    {Pair::PT, Property::P, Property::T},
    {Pair::PX, Property::P, Property::X},
    {Pair::TX, Property::T, Property::X},
    {Pair::PH, Property::P, Property::H},
    {Pair::PS, Property::P, Property::S},
    {Pair::HS, Property::H, Property::S},
    {Pair::TS, Property::T, Property::S},
    {Pair::PV, Property::P, Property::V},
    {Pair::TV, Property::T, Property::V},
}};

constexpr bool pairsInOrder() noexcept {
    for (std::size_t i = 0; i < kPairs.size(); ++i) {
        if (static_cast<std::size_t>(kPairs[i].pair) != i) return false;
    }
    return true;
}
static_assert(pairsInOrder(), "the table of pairs follows the Pair enumeration");

constexpr const PairInfo& pairInfo(Pair p) noexcept { return kPairs[static_cast<std::size_t>(p)]; }

// True when p is one of the pair's two inputs.
constexpr bool isInput(Pair pair, Property p) noexcept {
    return pairInfo(pair).first == p || pairInfo(pair).second == p;
}

}  // namespace steam
