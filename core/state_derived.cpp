// Properties of IF97State derived from the fields of the last operation: internal energy,
// isochoric heat capacity, density, surface tension, and the IAPWS 2008 viscosity and IAPWS 2011
// thermal conductivity.
#include "b23.h"
#include "conductivity11.h"
#include "if97_state.h"
#include "pair_solvers.h"
#include "properties.h"
#include "surface_tension.h"
#include "viscosity08.h"

namespace if97 {
namespace {

// The heat capacities and (d rho/d p)_T of a single-phase state from the basic equation of its
// region, the region found from (p, T) and the side in x as the (p,T) region test gives it.
ConductivityInputs response(double p, double T, double v, double x) noexcept {
    const double rho = 1.0 / v;
    int region = 2;
    if (T > kT25) {
        region = 5;
    } else if (T <= kT13) {
        region = x == 0.0 ? 1 : 2;
    } else if (x == 0.0 || p > pB23(T)) {
        region = 3;
    }
    if (region == 3) {
        // cv = T (ds/dT)_rho, cp - cv = T (dp/dT)_rho^2 / (rho^2 (dp/drho)_T); MPa m3/kg = 1000 kJ/kg.
        const HelmholtzPoint f = helmholtzPoint(rho, T);
        const double cv = T * f.sT;
        const double cp = cv + 1000.0 * T * f.pT * f.pT / (rho * rho * f.pr);
        return ConductivityInputs{T, rho, cp, cv, 1.0 / f.pr};
    }
    // cp = (dh/dT)_p, cp - cv = T (dv/dT)_p^2 / -(dv/dp)_T; (d rho/dp)_T = -(dv/dp)_T / v^2.
    const GibbsPoint g = gibbsPoint(region, p, T);
    const double cv = g.hT - 1000.0 * T * g.vT * g.vT / -g.vp;
    return ConductivityInputs{T, rho, g.hT, cv, -g.vp * rho * rho};
}

bool wet(double x) noexcept { return x > 0.0 && x < 1.0; }

}  // namespace

double IF97State::internalEnergy() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    return h_ - 1000.0 * p_ * v_;  // MPa m3/kg = 1000 kJ/kg
}

double IF97State::density() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    return 1.0 / v_;
}

double IF97State::cv() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    // A wet state has no single-phase cv, like its cp.
    if (wet(x_)) return kNotDefined;
    return response(p_, T_, v_, x_).cv;
}

double IF97State::surfaceTension() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    return if97::surfaceTension(T_);
}

double IF97State::viscosity08() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    if (wet(x_)) return kNotDefined;
    if (T_ > kTransport08TMax) return static_cast<double>(status::TransportRange);
    return if97::viscosity08(T_, 1.0 / v_);
}

double IF97State::conductivity11() const noexcept {
    if (isErrorStatus(status_)) return static_cast<double>(status_);
    if (wet(x_)) return kNotDefined;
    if (T_ > kTransport08TMax) return static_cast<double>(status::TransportRange);
    const ConductivityInputs in = response(p_, T_, v_, x_);
    // At the critical point itself IF97 region 3 gives no positive compressibility or cp.
    if (!(in.drhodp > 0.0 && in.cp > 0.0 && in.cv > 0.0)) return kNotDefined;
    return if97::conductivity11(in, if97::viscosity08(T_, in.rho));
}

}  // namespace if97
