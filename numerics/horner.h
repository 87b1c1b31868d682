// The one polynomial evaluation of the project: c[0] + c[1] x + c[2] x^2 + ..., coefficients lowest
// power first, evaluated from the highest power (Horner), so that fits and start values cost one
// multiply and one add per coefficient and round the same way on every target.
#pragma once

#include <array>
#include <cstddef>

namespace numerics {

template <std::size_t N>
constexpr double horner(const std::array<double, N>& c, double x) noexcept {
    static_assert(N > 0, "a polynomial has at least one coefficient");
    double r = c[N - 1];
    for (std::size_t k = N - 1; k-- > 0;) r = r * x + c[k];
    return r;
}

}  // namespace numerics
