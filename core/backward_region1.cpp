#include "backward_region1.h"

#include "backward_poly.h"

namespace if97 {
namespace {

using backward::Term;

// IF97 Table 6: region 1 backward equation T(p,h), theta = sum n * pi^I * (eta + 1)^J.
// clang-format off
constexpr std::array<Term, 20> kTable6{{
    {0, 0, -0.23872489924521e3},
    {0, 1, 0.40421188637945e3},
    {0, 2, 0.11349746881718e3},
    {0, 6, -0.58457616048039e1},
    {0, 22, -0.15285482413140e-3},
    {0, 32, -0.10866707695377e-5},
    {1, 0, -0.13391744872602e2},
    {1, 1, 0.43211039183559e2},
    {1, 2, -0.54010067170506e2},
    {1, 3, 0.30535892203916e2},
    {1, 4, -0.65964749423638e1},
    {1, 10, 0.93965400878363e-2},
    {1, 32, 0.11573647505340e-6},
    {2, 10, -0.25858641282073e-4},
    {2, 32, -0.40644363084799e-8},
    {3, 10, 0.66456186191635e-7},
    {3, 32, 0.80670734103027e-10},
    {4, 32, -0.93477771213947e-12},
    {5, 32, 0.58265442020601e-14},
    {6, 32, -0.15020185953503e-16},
}};
// clang-format on
static_assert(kTable6.size() == 20);

// IF97 Table 8: region 1 backward equation T(p,s), theta = sum n * pi^I * (sigma + 2)^J.
// clang-format off
constexpr std::array<Term, 20> kTable8{{
    {0, 0, 0.17478268058307e3},
    {0, 1, 0.34806930892873e2},
    {0, 2, 0.65292584978455e1},
    {0, 3, 0.33039981775489},
    {0, 11, -0.19281382923196e-6},
    {0, 31, -0.24909197244573e-22},
    {1, 0, -0.26107636489332},
    {1, 1, 0.22592965981586},
    {1, 2, -0.64256463395226e-1},
    {1, 3, 0.78876289270526e-2},
    {1, 12, 0.35672110607366e-9},
    {1, 31, 0.17332496994895e-23},
    {2, 0, 0.56608900654837e-3},
    {2, 1, -0.32635483139717e-3},
    {2, 2, 0.44778286690632e-4},
    {2, 9, -0.51322156908507e-9},
    {2, 31, -0.42522657042207e-25},
    {3, 10, 0.26400441360689e-12},
    {3, 32, 0.78124600459723e-28},
    {4, 32, -0.30732199903668e-30},
}};
// clang-format on
static_assert(kTable8.size() == 20);

}  // namespace

double backwardEquationT1ph(double p, double h) noexcept {
    // pi = p / 1 MPa, eta = h / 2500 kJ/kg.
    return backward::sum<kTable6>(p, h / 2500.0 + 1.0);
}

double backwardEquationT1ps(double p, double s) noexcept {
    // pi = p / 1 MPa, sigma = s / 1 kJ/(kg K).
    return backward::sum<kTable8>(p, s + 2.0);
}

}  // namespace if97
