// Dynamic viscosity, IAPWS R12-08, industrial form: mu/(1e-6 Pa s) = mu0(Tr) mu1(Tr, rhor), mu2 = 1,
// Tr = T/647.096 K, rhor = rho/322 kg/m3. Uncertainty 1 % to 7 % depending on the state.
#include "viscosity08.h"

#include <array>
#include <cmath>

#include "portable_math.h"

namespace if97 {
namespace {

constexpr double kTref = 647.096;  // K
constexpr double kRhoref = 322.0;  // kg/m3
constexpr double kMuref = 1.0e-6;  // Pa s

// R12-08 Table 1: H0 .. H3 of mu0 = 100 sqrt(Tr) / sum Hi / Tr^i.
constexpr std::array<double, 4> kTable1 = {1.67752, 2.20462, 0.6366564, -0.241605};
static_assert(kTable1.size() == 4);

// R12-08 Table 2: Hij of mu1 = exp(rhor sum Hij (1/Tr - 1)^i (rhor - 1)^j), rows i = 0 .. 5,
// columns j = 0 .. 6 (the terms the table does not list are zero).
// clang-format off
constexpr std::array<std::array<double, 7>, 6> kTable2 = {{
    {5.20094e-1,  2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0.0,         0.0},
    {8.50895e-2,  9.99115e-1, -9.06851e-1, 2.57399e-1, 0.0,         0.0,         0.0},
    {-1.08374,    1.88797,    -7.72479e-1, 0.0,        0.0,         0.0,         0.0},
    {-2.89555e-1, 1.26613,    -4.89837e-1, 0.0,        6.98452e-2,  0.0,         -4.35673e-3},
    {0.0,         0.0,        -2.57040e-1, 0.0,        0.0,         8.72102e-3,  0.0},
    {0.0,         1.20573e-1, 0.0,         0.0,        0.0,         0.0,         -5.93264e-4},
}};
// clang-format on
static_assert(kTable2.size() == 6 && kTable2[0].size() == 7);

}  // namespace

double viscosity08(double T, double rho) noexcept {
    const double tr = T / kTref;
    const double rhor = rho / kRhoref;
    const double itr = 1.0 / tr;
    const double mu0 =
        100.0 * std::sqrt(tr) / (kTable1[0] + itr * (kTable1[1] + itr * (kTable1[2] + itr * kTable1[3])));
    const double a = itr - 1.0;
    const double b = rhor - 1.0;
    double sum = 0.0;
    for (std::size_t i = kTable2.size(); i-- > 0;) {
        const auto& row = kTable2[i];
        const double inner =
            row[0] + b * (row[1] + b * (row[2] + b * (row[3] + b * (row[4] + b * (row[5] + b * row[6])))));
        sum = sum * a + inner;
    }
    return kMuref * mu0 * portable_math::exp(rhor * sum);
}

}  // namespace if97
