// Dynamic viscosity and thermal conductivity, industrial equations of the IAPS
// 1985 formulations for the viscosity and the thermal conductivity of water
// substance (no critical enhancement of the viscosity).
#include "if97_transport.h"
#include "portable_math.h"

#include <array>
#include <cmath>

namespace if97 {
namespace {

// Viscosity, reducing constants and the ideal-gas term (IAPS 1985).
constexpr double kViscosityTref = 647.27;     // K
constexpr double kViscosityRhoref = 317.763;  // kg/m3
constexpr double kViscosityRef = 55.071e-6;   // Pa s
constexpr std::array<double, 4> kViscosityH0 = {1.0, 0.978197, 0.579829, -0.202354};
static_assert(kViscosityH0.size() == 4);

// Viscosity, residual term: coefficients Hij of (1/Tr - 1)^i (rhor - 1)^j,
// rows i = 0..5, columns j = 0..6 (IAPS 1985 viscosity table; H40 and H50 as
// published: H40 = -0.7782567, H50 = 0.1885447).
constexpr std::array<std::array<double, 7>, 6> kViscosityH1 = {{
    {0.5132047, 0.2151778, -0.2818107, 0.1778064, -0.0417661, 0.0, 0.0},
    {0.3205656, 0.7317883, -1.070786, 0.460504, 0.0, -0.01578386, 0.0},
    {0.0, 1.241044, -1.263184, 0.2340379, 0.0, 0.0, 0.0},
    {0.0, 1.476783, 0.0, -0.4924179, 0.1600435, 0.0, -0.003629481},
    {-0.7782567, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {0.1885447, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
}};
static_assert(kViscosityH1.size() == 6 && kViscosityH1[0].size() == 7);

// Conductivity, reducing constants and coefficients (IAPS 1985 industrial equation).
constexpr double kConductivityTref = 647.26;   // K
constexpr double kConductivityRhoref = 317.7;  // kg/m3
constexpr std::array<double, 4> kConductivityL0 = {0.0102811, 0.0299621, 0.0156146, -0.00422464};
static_assert(kConductivityL0.size() == 4);
// The exponent of the last conductivity term is limited below, so that very
// low densities keep it finite (exp(-227.95) is still a normal double).
constexpr double kConductivityExponentFloor = -227.95;

constexpr double kPressureMax = 110.32;  // MPa
constexpr double kTemperatureMin = 273.15;
constexpr double kTemperatureMax = 2273.15;
constexpr double kRangePressure = 10.0;        // MPa
constexpr double kRangeTemperature = 1073.15;  // K

}  // namespace

double viscosityIAPS85(double T, double v) noexcept {
    const double tr = T / kViscosityTref;
    const double rhor = 1.0 / (v * kViscosityRhoref);
    const double itr = 1.0 / tr;
    const double mu0 =
        std::sqrt(tr) / (kViscosityH0[0] + itr * (kViscosityH0[1] + itr * (kViscosityH0[2] + itr * kViscosityH0[3])));
    // Horner in (rhor - 1) inside, in (1/Tr - 1) outside.
    const double a = itr - 1.0;
    const double b = rhor - 1.0;
    double sum = 0.0;
    for (int i = 5; i >= 0; --i) {
        const auto& row = kViscosityH1[static_cast<std::size_t>(i)];
        const double inner =
            row[0] + b * (row[1] + b * (row[2] + b * (row[3] + b * (row[4] + b * (row[5] + b * row[6])))));
        sum = sum * a + inner;
    }
    const double mu1 = portable_math::exp(rhor * sum);
    return kViscosityRef * mu0 * mu1;
}

double conductivityIAPS85(double T, double v) noexcept {
    const double tr = T / kConductivityTref;
    const double rhor = 1.0 / (v * kConductivityRhoref);
    const double lambda0 =
        std::sqrt(tr) *
        (kConductivityL0[0] + tr * (kConductivityL0[1] + tr * (kConductivityL0[2] + tr * kConductivityL0[3])));
    const double r2 = rhor + 2.39219;
    const double lambda1 = -0.39707 + 0.400302 * rhor + 1.06 * portable_math::exp(-0.171587 * r2 * r2);
    const double dT = std::fabs(tr - 1.0) + 0.00308976;
    const double dT06 = portable_math::pow(dT, 0.6);
    const double Q = 2.0 + 0.0822994 / dT06;
    const double S = tr >= 1.0 ? 1.0 / dT : 10.0932 / dT06;
    const double tr2 = tr * tr;
    const double tr5 = tr2 * tr2 * tr;
    const double tr10 = tr5 * tr5;
    const double rhor18 = portable_math::pow(rhor, 1.8);
    const double rhor28 = rhor18 * rhor;  // rhor^2.8
    const double rhorQ = portable_math::pow(rhor, Q);
    const double rhor2 = rhor * rhor;
    const double rhor5 = rhor2 * rhor2 * rhor;
    double E = -4.11717 * tr * std::sqrt(tr) - 6.17937 / rhor5;
    if (!(E >= kConductivityExponentFloor)) E = kConductivityExponentFloor;
    const double lambda2 = (0.0701309 / tr10 + 0.011852) * rhor18 * portable_math::exp(0.642857 * (1.0 - rhor28)) +
                           0.00169937 * S * rhorQ * portable_math::exp((Q / (1.0 + Q)) * (1.0 - rhorQ * rhor)) -
                           1.02 * portable_math::exp(E);
    return lambda0 + lambda1 + lambda2;
}

IF97Transport::~IF97Transport() = default;

bool IF97Transport::checkInputs(double p, double T, double v) noexcept {
    p_ = p;
    status_ = !(p >= 0.0) ? status::PressureLow : (p > kPressureMax ? status::PressureHigh : 0);
    if (status_ != 0) return false;
    T_ = T;
    status_ = !(T >= kTemperatureMin) ? status::TemperatureLow : (T > kTemperatureMax ? status::TemperatureHigh : 0);
    if (status_ != 0) return false;
    v_ = v;
    if (p > kRangePressure && T > kRangeTemperature) {
        status_ = status::TransportRange;
        return false;
    }
    return true;
}

void IF97Transport::computeConductivity(double p, double T, double v) noexcept {
    if (checkInputs(p, T, v)) conductivity_ = conductivityIAPS85(T, v);
}

void IF97Transport::computeViscosity(double p, double T, double v) noexcept {
    if (checkInputs(p, T, v)) viscosity_ = viscosityIAPS85(T, v);
}

double IF97Transport::conductivity() const noexcept {
    return status_ != 0 ? static_cast<double>(status_) : conductivity_;
}

double IF97Transport::viscosity() const noexcept { return status_ != 0 ? static_cast<double>(status_) : viscosity_; }

}  // namespace if97
