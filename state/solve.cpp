// solve(): the input checks every formulation shares, then the formulation's solver.
#include "composition.h"

namespace steam {

State solve(Formulation formulation, Pair pair, double first, double second, PropertyMask mask,
            bool backwardOnly) noexcept {
    State st = detail::blankState(formulation, pair);
    mask &= kAllProperties;
    if (const int code = detail::inputCode(pair, first, second); code != 0) {
        detail::fail(st, mask, code);
        return st;
    }
    if (formulation == Formulation::IFC67) {
        detail::solveIFC67(st, first, second, mask, backwardOnly);
    } else {
        detail::solveIF97(st, first, second, mask, backwardOnly);
    }
    return st;
}

}  // namespace steam
