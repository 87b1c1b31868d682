// IFC-67 subregions 3 and 4 (near-critical and critical region above 662 F): reduced Helmholtz
// functions psi3(chi, theta) and psi4 = psi3 + y^3 PA + y^4 PB + y^32 PC, and the volume search that
// finds chi for a given (p,T).
#include <array>
#include <cmath>

#include "portable_math.h"
#include "constants67.h"
#include "forward67.h"

namespace ifc67 {
namespace {

// IFC-67 subregion 3 table: f_k(chi) = a_k ln chi + b_k chi + sum c_k,nu chi^(1-nu), nu = 2..nu_k.
struct FTable {
    double a;
    double b;
    std::array<double, 10> c;  // c_k,2 .. c_k,(nu_k); unused tail entries are zero
    int count;                 // nu_k - 1
};
constexpr std::array<FTable, 4> kF = {{
    {-4.311577033,
     -0.017226042,
     {-7.77175039,
      4.20460752,
      -2.76807038,
      2.10419707,
      -1.14649588,
      0.223138085,
      0.116250363,
      -0.0820900544,
      0.0194129239,
      -0.00169470576},
     10},
    {-7.74743016, 0.708636085, {12.3679455, -12.0389004, 5.40437422, -0.993865043, 0.0627523182}, 5},
    {29.3655325, -4.29885092, {43.1430538, -14.1619313, 4.04172459, 1.55546326, -1.66568935, 0.324881158}, 6},
    {8.32875413,
     7.94841842e-6,
     {80.8859747, -83.615338, 35.8636517, 7.51895954, -12.616064, 1.09717462, 2.12145492, -0.546529566},
     8},
}};
static_assert(kF.size() == 4);

// IFC-67 subregion 3 table: g1..g9 of the polynomial in S = theta - 1.
constexpr std::array<double, 9> kG = {-257.1600553,
                                      -151.8783715,
                                      22.20723208,
                                      -180.203957,
                                      2357.09622,
                                      -14623.35698,
                                      45429.1663,
                                      -70535.56432,
                                      43815.71428};
static_assert(kG.size() == 9);

// The chi^6 term: coefficients of theta^-2 .. theta^-6.
constexpr std::array<double, 5> kW = {0.05528935335, -0.2336365955, 0.369707142, -0.259641547, 0.06828087013};
static_assert(kW.size() == 5);

// IFC-67 subregion 4 table: PA and PB in chi^0..chi^-4, PC in chi^0..chi^2.
constexpr std::array<double, 5> kPA = {-1.717616747, 3.526389875, -2.690899373, 0.9070982605, -0.1138791156};
constexpr std::array<double, 5> kPB = {1.301023613, -2.642777743, 1.996765362, -0.6661557013, 0.08270860589};
constexpr std::array<double, 3> kPC = {0.0003426663535, -0.001236521258, 0.001155018309};
static_assert(kPA.size() == 5 && kPB.size() == 5 && kPC.size() == 3);

constexpr double kPsi0 = -6.8399;
constexpr double kThetaLog = 210.636332;
constexpr double kTheta23a = 2.75971776e-6;
constexpr double kTheta23b = 0.000509073985;

// Volume search limits and tolerances.
constexpr double kVolumeMax = 0.143;   // ft3/lb
constexpr double kVolumeMin = 0.0207;  // ft3/lb
constexpr double kVolumeTol = 1e-7;
constexpr int kVolumePasses = 100;

struct FValue {
    double f, fx, fxx;
};

FValue evalF(const FTable& t, double lnChi, double chi, const double* ic) noexcept {
    FValue r{t.a * lnChi + t.b * chi, t.a * ic[1] + t.b, -t.a * ic[2]};
    for (int j = 0; j < t.count; ++j) {
        const int m = j + 1;  // chi^(1 - nu) = chi^-m with m = nu - 1
        r.f += t.c[j] * ic[m];
        r.fx -= m * t.c[j] * ic[m + 1];
        r.fxx += m * (m + 1) * t.c[j] * ic[m + 2];
    }
    return r;
}

}  // namespace

HelmholtzTerms helmholtz34(double chi, double theta, double y, int k) noexcept {
    std::array<double, 13> ic{};  // chi^0 .. chi^-12
    ic[0] = 1.0;
    ic[1] = 1.0 / chi;
    for (std::size_t j = 2; j < ic.size(); ++j) ic[j] = ic[j - 1] * ic[1];
    const double lnChi = portable_math::log(chi);
    const double S = theta - 1.0;

    const FValue f0 = evalF(kF[0], lnChi, chi, ic.data());
    const FValue f1 = evalF(kF[1], lnChi, chi, ic.data());
    const FValue f2 = evalF(kF[2], lnChi, chi, ic.data());
    const FValue f3 = evalF(kF[3], lnChi, chi, ic.data());

    // sum g_n S^n and its derivatives in theta.
    double gs = kG[8], gsT = 9.0 * kG[8], gsTT = 72.0 * kG[8];
    for (int n = 7; n >= 0; --n) gs = gs * S + kG[n];
    gs *= S;
    for (int n = 7; n >= 0; --n) gsT = gsT * S + (n + 1) * kG[n];
    for (int n = 7; n >= 1; --n) gsTT = gsTT * S + (n + 1) * n * kG[n];

    // S theta^-23 (a - b chi^-5).
    const double it = 1.0 / theta;
    const double it2 = it * it, it4 = it2 * it2, it8 = it4 * it4, it16 = it8 * it8;
    const double it23 = it16 * it4 * it2 * it;
    const double q = S * it23;
    const double qT = it23 - 23.0 * S * it23 * it;
    const double qTT = -46.0 * it23 * it + 552.0 * S * it23 * it2;
    const double c = kTheta23a - kTheta23b * ic[5];
    const double cX = 5.0 * kTheta23b * ic[6];
    const double cXX = -30.0 * kTheta23b * ic[7];

    // chi^6 W(theta), W = sum w_k theta^-k, k = 2..6.
    const double W = it2 * (kW[0] + it * (kW[1] + it * (kW[2] + it * (kW[3] + it * kW[4]))));
    const double WT =
        -it2 * it * (2.0 * kW[0] + it * (3.0 * kW[1] + it * (4.0 * kW[2] + it * (5.0 * kW[3] + it * 6.0 * kW[4]))));
    const double WTT =
        it4 * (6.0 * kW[0] + it * (12.0 * kW[1] + it * (20.0 * kW[2] + it * (30.0 * kW[3] + it * 42.0 * kW[4]))));
    const double chi2 = chi * chi, chi4 = chi2 * chi2, chi5 = chi4 * chi, chi6 = chi5 * chi;

    HelmholtzTerms h;
    h.psi = kPsi0 + kThetaLog * theta * portable_math::log(theta) + gs + f0.f + S * (f1.f + S * (f2.f + S * f3.f)) +
            q * c + chi6 * W;
    h.psiX = f0.fx + S * (f1.fx + S * (f2.fx + S * f3.fx)) + q * cX + 6.0 * chi5 * W;
    h.psiXX = f0.fxx + S * (f1.fxx + S * (f2.fxx + S * f3.fxx)) + q * cXX + 30.0 * chi4 * W;
    h.psiT = kThetaLog * (portable_math::log(theta) + 1.0) + gsT + f1.f + S * (2.0 * f2.f + 3.0 * S * f3.f) + qT * c +
             chi6 * WT;
    h.psiTT = kThetaLog * it + gsTT + 2.0 * f2.f + 6.0 * S * f3.f + qTT * c + chi6 * WTT;
    h.psiXT = f1.fx + S * (2.0 * f2.fx + 3.0 * S * f3.fx) + qT * cX + 6.0 * chi5 * WT;

    if (k == 4) {
        // y^3 PA(chi) + y^4 PB(chi) + y^32 PC(chi), dy/dtheta = -1 / (1 - theta1).
        const double pa = kPA[0] + ic[1] * (kPA[1] + ic[1] * (kPA[2] + ic[1] * (kPA[3] + ic[1] * kPA[4])));
        const double paX = -ic[2] * (kPA[1] + ic[1] * (2.0 * kPA[2] + ic[1] * (3.0 * kPA[3] + ic[1] * 4.0 * kPA[4])));
        const double paXX =
            ic[3] * (2.0 * kPA[1] + ic[1] * (6.0 * kPA[2] + ic[1] * (12.0 * kPA[3] + ic[1] * 20.0 * kPA[4])));
        const double pb = kPB[0] + ic[1] * (kPB[1] + ic[1] * (kPB[2] + ic[1] * (kPB[3] + ic[1] * kPB[4])));
        const double pbX = -ic[2] * (kPB[1] + ic[1] * (2.0 * kPB[2] + ic[1] * (3.0 * kPB[3] + ic[1] * 4.0 * kPB[4])));
        const double pbXX =
            ic[3] * (2.0 * kPB[1] + ic[1] * (6.0 * kPB[2] + ic[1] * (12.0 * kPB[3] + ic[1] * 20.0 * kPB[4])));
        const double pc = kPC[0] + chi * (kPC[1] + chi * kPC[2]);
        const double pcX = kPC[1] + 2.0 * chi * kPC[2];
        const double pcXX = 2.0 * kPC[2];
        const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y8 = y4 * y4, y16 = y8 * y8;
        const double y30 = y16 * y8 * y4 * y2, y31 = y30 * y, y32 = y31 * y;
        const double r = kInvOneMinusTheta1;
        h.psi += y3 * pa + y4 * pb + y32 * pc;
        h.psiX += y3 * paX + y4 * pbX + y32 * pcX;
        h.psiXX += y3 * paXX + y4 * pbXX + y32 * pcXX;
        h.psiT -= r * (3.0 * y2 * pa + 4.0 * y3 * pb + 32.0 * y31 * pc);
        h.psiTT += r * r * (6.0 * y * pa + 12.0 * y2 * pb + 992.0 * y30 * pc);
        h.psiXT -= r * (3.0 * y2 * paX + 4.0 * y3 * pbX + 32.0 * y31 * pcX);
    }
    return h;
}

double solveVolume34(IFC67Working& w, double p, double tF, int k, VolumeTrace* trace) noexcept {
    double v;
    if (k == 3) {
        v = 0.3 * toRankine(tF) / p;
    } else if (k == 4) {
        v = (0.077 + 92.8 / p) * (tF - 482.0) / (tF + 58.0);
    } else {
        return kInternalError;
    }
    if (std::fabs(p - kPc) < 0.01 && std::fabs(tF - kTcF) < 0.1) v = kVc;
    if (trace) trace->startVolume = v;

    double step = 0.25, vPrev = 0.0, pPrev = 1.0, jPrev = 0.0;
    for (int i = 1; i < kVolumePasses; ++i) {
        const bool pulled = v > kVolumeMax || v < kVolumeMin;
        if (v > kVolumeMax) {
            v = kVolumeMax;
            step = 1.0;
        } else if (v < kVolumeMin) {
            v = kVolumeMin;
            step = 1.0;
        }
        if (trace) {
            trace->volume[i - 1] = v;
            trace->stepFactor[i - 1] = step;
            trace->clamped[i - 1] = pulled;
            trace->passes = i;
        }
        w.chi = v * kInvVc;
        w.helm = helmholtz34(w.chi, w.theta, w.y, k);
        const double pNow = -kPc * w.helm.psiX;
        const double j = (pNow - p) / p;
        if (std::fabs(j) < kVolumeTol && (v - vPrev) / v < kVolumeTol) return v;
        double delta;
        if (i == 1) {
            delta = step * j * v;
        } else if (j * jPrev > 0.0 && std::fabs(j) > std::fabs(0.3 * jPrev)) {
            step *= 1.5;
            delta = step * j * v;
        } else {
            if (!(j * jPrev > 0.0)) step *= 0.67;
            // Two equal pressures leave the secant without a slope: take the relative step instead.
            delta = pNow != pPrev ? (v - vPrev) * (p - pNow) / (pNow - pPrev) : step * j * v;
        }
        vPrev = v;
        pPrev = pNow;
        jPrev = j;
        v += delta;
    }
    return v;
}

}  // namespace ifc67
