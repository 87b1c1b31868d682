// Newton solvers on the IF97 basic equations for the pairs (h,s), (T,s), (p,v) and (T,v).
#include "pair_solvers.h"

#include <algorithm>
#include <cmath>

#include "derivatives.h"
#include "portable_math.h"
#include "properties.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "status.h"

namespace if97 {
namespace {

constexpr int kMaxNewton2D = 40;
constexpr int kMaxNewton1D = 120;
// Largest step of one 2-D Newton pass: temperature (K), ln p, relative density.
constexpr double kMaxStepT = 60.0;
constexpr double kMaxStepLnP = 2.0;
constexpr double kMaxStepRho = 0.3;

struct GibbsScales {
    double piPerMPa;  // pi = p * piPerMPa
    double tauK;      // tau = tauK / T
};

constexpr GibbsScales gibbsScales(int region) noexcept {
    return region == 1 ? GibbsScales{kRegion1PiPerMPa, kRegion1TauK}
                       : GibbsScales{1.0, region == 2 ? kRegion2TauK : kRegion5TauK};
}

GibbsDerivatives gibbsDerivatives(int region, double p, double T, int need) noexcept {
    switch (region) {
        case 1: return region1Derivatives(p, T, need);
        case 2: return region2Derivatives(p, T, need);
        default: return region5Derivatives(p, T, need);
    }
}

// Relative residuals of a state against the given inputs are at or below kPairTolerance, or the
// iteration has stalled at rounding level (no longer halving the residual) within kPairAccept.
enum class Progress { Converged, Continue };

Progress progress(double e, double& previous) noexcept {
    if (e <= kPairTolerance) return Progress::Converged;
    if (e <= kPairAccept && e > 0.5 * previous) return Progress::Converged;
    previous = e;
    return Progress::Continue;
}

// Safeguarded Newton iteration in x on [lo, hi] for a residual r(x) that is monotone on the bracket:
// eval(x, r, dr) gives the relative residual and its derivative. A step that leaves the bracket, or
// a slope of no use, is replaced by bisection; the bracket shrinks on the side that the residual's
// sign and slope rule out.
template <class Eval>
int newtonBracketed(Eval&& eval, double lo, double hi, double& x) noexcept {
    // A root on an end of the bracket stays inside it after rounding.
    const double margin = 1e-12 * std::max({std::fabs(lo), std::fabs(hi), 1.0});
    lo -= margin;
    hi += margin;
    if (!(x >= lo && x <= hi)) x = 0.5 * (lo + hi);
    double previous = HUGE_VAL;
    for (int it = 0; it < kMaxNewton1D; ++it) {
        double r = 0.0;
        double dr = 0.0;
        eval(x, r, dr);
        if (!std::isfinite(r)) return status::IterationConvergence;
        if (progress(std::fabs(r), previous) == Progress::Converged) return 0;
        if ((r > 0.0) == (dr > 0.0)) {
            hi = x;
        } else {
            lo = x;
        }
        double next = x - r / dr;
        if (!(next > lo && next < hi)) {
            next = 0.5 * (lo + hi);
        } else if (std::fabs(r) <= kPairFinalStep) {
            x = next;
            return 0;
        }
        if (next == x) return status::IterationConvergence;
        x = next;
    }
    return status::IterationConvergence;
}

// Root of f on [lo, hi] with f(lo) < 0 < f(hi), by the Illinois variant of regula falsi, to a
// relative width of 1e-14.
template <class F>
double illinois(F&& f, double lo, double hi, double flo, double fhi) noexcept {
    int side = 0;
    double x = lo;
    for (int it = 0; it < 200 && hi - lo > 1e-14 * hi; ++it) {
        x = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(x > lo && x < hi)) x = 0.5 * (lo + hi);
        const double fx = f(x);
        if (fx == 0.0) return x;
        if (fx < 0.0) {
            lo = x;
            flo = fx;
            if (side == -1) fhi *= 0.5;
            side = -1;
        } else {
            hi = x;
            fhi = fx;
            if (side == 1) flo *= 0.5;
            side = 1;
        }
    }
    return x;
}

}  // namespace

GibbsPoint gibbsPoint(int region, double p, double T, int need) noexcept {
    const GibbsScales k = gibbsScales(region);
    const GibbsDerivatives d = gibbsDerivatives(region, p, T, need);
    const double pi = p * k.piPerMPa;
    const double tau = k.tauK / T;
    const double RT = kR * T;
    GibbsPoint g{};
    // The same expressions as the region properties (IF97 Tables 3, 12 and 39).
    g.v = RT * pi * d.gp / p * 0.001;
    g.h = RT * tau * d.gt;
    g.s = kR * (tau * d.gt - d.g);
    g.vp = RT * k.piPerMPa * k.piPerMPa * d.gpp * 0.001;
    g.hp = kR * k.tauK * d.gpt * k.piPerMPa;
    g.sp = kR * (tau * d.gpt - d.gp) * k.piPerMPa;
    g.vT = kR * k.piPerMPa * (d.gp - tau * d.gpt) * 0.001;
    g.hT = -kR * tau * tau * d.gtt;
    g.sT = g.hT / T;
    return g;
}

HelmholtzPoint helmholtzPoint(double rho, double T, int need) noexcept {
    const double delta = rho * kRegion3DeltaPerRho;
    const double tau = kTc / T;
    const HelmholtzDerivatives f = region3Helmholtz(delta, tau, need);
    // The reduced derivatives delta^a tau^b d^(a+b)phi / d delta^a d tau^b.
    const double d = delta * f.fd;
    const double dd = delta * delta * f.fdd;
    const double t = tau * f.ft;
    const double tt = tau * tau * f.ftt;
    const double dt = delta * tau * f.fdt;
    const double RT = kR * T;
    HelmholtzPoint r{};
    // The same expressions as the region 3 properties (IF97 Table 31).
    r.p = rho * RT * d * 0.001;
    r.h = RT * (t + d);
    r.s = kR * (t - f.f);
    r.pr = RT * (2.0 * d + dd) * 0.001;
    r.hr = RT * (dt + d + dd) / rho;
    r.sr = kR * (dt - d) / rho;
    r.pT = rho * kR * (d - dt) * 0.001;
    r.hT = kR * (d - tt - dt);
    r.sT = -kR * tt / T;
    return r;
}

int solveGibbsHS(int region, double h, double s, double& p, double& T) noexcept {
    const double scaleH = std::max(std::fabs(h), kPairFloorH);
    const double scaleS = std::max(std::fabs(s), kPairFloorS);
    double previous = HUGE_VAL;
    for (int it = 0; it < kMaxNewton2D; ++it) {
        if (!(p > 0.0 && T > 0.0) || !std::isfinite(p) || !std::isfinite(T)) break;
        const GibbsPoint g = gibbsPoint(region, p, T, kNeedSlopesHS);
        const double rh = g.h - h;
        const double rs = g.s - s;
        const double e = std::max(std::fabs(rh) / scaleH, std::fabs(rs) / scaleS);
        if (!std::isfinite(e)) break;
        if (progress(e, previous) == Progress::Converged) return 0;
        // J (dp, dT) = -(rh, rs) with J = [[hp, hT], [sp, sT]]; its determinant is cp v / T > 0.
        const double det = g.hp * g.sT - g.hT * g.sp;
        const double dp = (-rh * g.sT + rs * g.hT) / det;
        const double dT = std::clamp((-rs * g.hp + rh * g.sp) / det, -kMaxStepT, kMaxStepT);
        if (region == 1) {
            p = p + dp > 0.0 ? p + dp : 0.5 * p;
        } else {
            p *= portable_math::exp(std::clamp(dp / p, -kMaxStepLnP, kMaxStepLnP));
        }
        T += dT;
        if (e <= kPairFinalStep) return 0;
    }
    return status::IterationConvergence;
}

int solveHelmholtzHS(double h, double s, double& rho, double& T) noexcept {
    const double scaleH = std::max(std::fabs(h), kPairFloorH);
    const double scaleS = std::max(std::fabs(s), kPairFloorS);
    double previous = HUGE_VAL;
    for (int it = 0; it < kMaxNewton2D; ++it) {
        if (!(rho > 0.0 && T > 0.0) || !std::isfinite(rho) || !std::isfinite(T)) break;
        const HelmholtzPoint f = helmholtzPoint(rho, T, kNeedAll);
        const double rh = f.h - h;
        const double rs = f.s - s;
        const double e = std::max(std::fabs(rh) / scaleH, std::fabs(rs) / scaleS);
        if (!std::isfinite(e)) break;
        if (progress(e, previous) == Progress::Converged) return 0;
        const double det = f.hr * f.sT - f.hT * f.sr;
        const double dr = (-rh * f.sT + rs * f.hT) / det;
        const double dT = (-rs * f.hr + rh * f.sr) / det;
        rho += std::clamp(dr, -kMaxStepRho * rho, kMaxStepRho * rho);
        T += std::clamp(dT, -kMaxStepT, kMaxStepT);
        if (e <= kPairFinalStep) return 0;
    }
    return status::IterationConvergence;
}

int solveGibbsTS(int region, double T, double s, double pLo, double pHi, double& p) noexcept {
    const double scaleS = std::max(std::fabs(s), kPairFloorS);
    if (region == 1) {
        return newtonBracketed(
            [&](double x, double& r, double& dr) {
                const GibbsPoint g = gibbsPoint(region, x, T, kNeedSlopesTS);
                r = (g.s - s) / scaleS;
                dr = g.sp / scaleS;
            },
            pLo,
            pHi,
            p);
    }
    if (region == 2) return solveRegion2TS(region2Isotherm(T), s, pLo, pHi, p);
    // Region 5 in ln p, in which s is nearly straight.
    double x = portable_math::log(p);
    const int rc = newtonBracketed(
        [&](double lnp, double& r, double& dr) {
            const double pp = portable_math::exp(lnp);
            const GibbsPoint g = gibbsPoint(region, pp, T, kNeedSlopesTS);
            r = (g.s - s) / scaleS;
            dr = g.sp * pp / scaleS;
        },
        portable_math::log(pLo),
        portable_math::log(pHi),
        x);
    p = portable_math::exp(x);
    return rc;
}

int solveRegion2TS(const Region2Isotherm& iso, double s, double pLo, double pHi, double& p) noexcept {
    const double scaleS = std::max(std::fabs(s), kPairFloorS);
    double x = portable_math::log(p);
    const int rc = newtonBracketed(
        [&](double lnp, double& r, double& dr) {
            const IsothermEntropy e = region2IsothermEntropy(iso, portable_math::exp(lnp));
            r = (e.s - s) / scaleS;
            dr = e.pSp / scaleS;
        },
        portable_math::log(pLo),
        portable_math::log(pHi),
        x);
    p = portable_math::exp(x);
    return rc;
}

int solveHelmholtzTS(double T, double s, double rhoLo, double rhoHi, double& rho) noexcept {
    const double scaleS = std::max(std::fabs(s), kPairFloorS);
    return newtonBracketed(
        [&](double x, double& r, double& dr) {
            const HelmholtzPoint f = helmholtzPoint(x, T, kNeedValue | kNeedD1 | kNeedD2 | kNeedD12);
            r = (f.s - s) / scaleS;
            dr = f.sr / scaleS;
        },
        rhoLo,
        rhoHi,
        rho);
}

namespace {

// v = given along an isotherm (AlongP: x is p at the fixed T) or an isobar (x is T at the fixed p)
// of region 1, 2 or 5. Region 1 in x itself; regions 2 and 5 in ln x, where ln v is nearly a
// straight line of slope -1 (isotherm) or 1 (isobar).
template <bool AlongP>
int solveGibbsV(int region, double fixed, double v, double lo, double hi, double& x) noexcept {
    constexpr int need = AlongP ? kNeedSlopesTV : kNeedSlopesPV;
    const auto at = [&](double var) {
        return AlongP ? gibbsPoint(region, var, fixed, need) : gibbsPoint(region, fixed, var, need);
    };
    const auto slope = [](const GibbsPoint& g) { return AlongP ? g.vp : g.vT; };
    if (region == 1) {
        return newtonBracketed(
            [&](double var, double& r, double& dr) {
                const GibbsPoint g = at(var);
                r = (g.v - v) / v;
                dr = slope(g) / v;
            },
            lo,
            hi,
            x);
    }
    double lnx = portable_math::log(x);
    const int rc = newtonBracketed(
        [&](double y, double& r, double& dr) {
            const double var = portable_math::exp(y);
            const GibbsPoint g = at(var);
            r = portable_math::log(g.v / v);
            dr = slope(g) * var / g.v;
        },
        portable_math::log(lo),
        portable_math::log(hi),
        lnx);
    x = portable_math::exp(lnx);
    return rc;
}

}  // namespace

int solveGibbsTV(int region, double T, double v, double pLo, double pHi, double& p) noexcept {
    return solveGibbsV<true>(region, T, v, pLo, pHi, p);
}

int solveGibbsPV(int region, double p, double v, double TLo, double THi, double& T) noexcept {
    return solveGibbsV<false>(region, p, v, TLo, THi, T);
}

int solveHelmholtzPV(double p, double rho, double TLo, double THi, double& T) noexcept {
    return newtonBracketed(
        [&](double x, double& r, double& dr) {
            const HelmholtzPoint f = helmholtzPoint(rho, x, kNeedD1 | kNeedD12);
            r = (f.p - p) / p;
            dr = f.pT / p;
        },
        TLo,
        THi,
        T);
}

double densityMaximumT(double p, double TLo, double THi) noexcept {
    const auto vT = [p](double T) { return gibbsPoint(1, p, T, kNeedSlopesPV).vT; };
    return illinois(vT, TLo, THi, vT(TLo), vT(THi));
}

double densityMaximumP(double T, double pLo, double pHi) noexcept {
    const auto vT = [T](double p) { return gibbsPoint(1, p, T, kNeedSlopesPV).vT; };
    return illinois(vT, pLo, pHi, vT(pLo), vT(pHi));
}

}  // namespace if97
