// Properties of IF97State derived from the fields of the last operation: internal energy,
// isochoric heat capacity and density.
#include "b23.h"
#include "derivatives.h"
#include "if97_state.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"

namespace if97 {
namespace {

// cv of a Gibbs region from its derivatives (IF97 Tables 3, 12 and 39):
// cv = R (-tau^2 g_tt + (g_p - tau g_pt)^2 / g_pp), the pi-scaled form for regions 1, 2 and 5 alike.
double gibbsCv(const GibbsDerivatives& d, double pi, double tau) noexcept {
    const double a = pi * (d.gp - tau * d.gpt);
    return kR * (-tau * tau * d.gtt + a * a / (pi * pi * d.gpp));
}

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
    if (x_ > 0.0 && x_ < 1.0) return kNotDefined;
    // The region of the state, by the rules of the (p,T) region test and the side in x.
    if (T_ > kT25) return gibbsCv(region5Derivatives(p_, T_, kNeedAll), p_, kRegion5TauK / T_);
    if (T_ <= kT13) {
        if (x_ == 0.0) return gibbsCv(region1Derivatives(p_, T_, kNeedAll), p_ * kRegion1PiPerMPa, kRegion1TauK / T_);
        return gibbsCv(region2Derivatives(p_, T_, kNeedAll), p_, kRegion2TauK / T_);
    }
    if (x_ == 0.0 || p_ > pB23(T_)) {
        const double tau = kTc / T_;
        const HelmholtzDerivatives f = region3Helmholtz(kRegion3DeltaPerRho / v_, tau, kNeedD22);
        return -kR * tau * tau * f.ftt;
    }
    return gibbsCv(region2Derivatives(p_, T_, kNeedAll), p_, kRegion2TauK / T_);
}

}  // namespace if97
