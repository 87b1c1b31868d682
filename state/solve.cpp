// solve(): the formulation's solver, after the input checks (which the IF97 core makes itself).
#include "composition.h"

namespace steam {

State solve(Formulation formulation, Pair pair, double first, double second, PropertyMask mask,
            bool backwardOnly) noexcept {
    State st = detail::blankState(formulation, pair);
    mask &= kAllProperties;
    if (formulation == Formulation::IF97) {
        // The core's operations check their inputs themselves, in the same order and with the same
        // codes.
        detail::solveIF97(st, first, second, mask, backwardOnly);
        return st;
    }
    if (const int code = detail::inputCode(pair, first, second); code != 0) {
        detail::fail(st, mask, code);
        return st;
    }
    detail::solveIFC67(st, first, second, mask, backwardOnly);
    return st;
}

}  // namespace steam
