// IFC-67 subregion 1 (compressed liquid up to 662 F): reduced Gibbs function zeta1(beta, theta) and
// the derivatives d/dbeta, d/dtheta, d2/dtheta2 that v, h, s and cp need.
#include <array>
#include <cmath>

#include "portable_math.h"
#include "forward67.h"

namespace ifc67 {
namespace {

// IFC-67 subregion 1 table, A0..A22.
constexpr std::array<double, 23> kA = {6824.687741,  -542.2063673,    -20966.66205,   39412.86787,   -67332.77739,
                                       99023.81028,  -109391.1774,    85908.41667,    -45111.68742,  14181.38926,
                                       -2017.271113, 7.982692717,     -0.02616571843, 0.00152241179, 0.02284279054,
                                       242.1647003,  1.269716088e-10, 2.074838328e-7, 2.17402035e-8, 1.105710498e-9,
                                       12.93441934,  1.308119072e-5,  6.047626338e-14};
static_assert(kA.size() == 23);

// IFC-67 subregion 1 table, a1..a12 (index 0 unused so that kSmallA[i] is a_i).
constexpr std::array<double, 13> kSmallA = {0.0,
                                            0.8438375405,
                                            0.0005362162162,
                                            1.72,
                                            0.07342278489,
                                            0.0497585887,
                                            0.65371543,
                                            1.15e-6,
                                            0.000015108,
                                            0.14188,
                                            7.002753165,
                                            0.0002995284926,
                                            0.204};
static_assert(kSmallA.size() == 13);

// Z^(-5/17) as the formulation's tables carry it.
constexpr double kMinusFiveSeventeenths = -0.294117647;

}  // namespace

void prepareSub1(IFC67Working& w) noexcept {
    const auto& A = kA;
    const auto& a = kSmallA;
    const double th = w.theta;
    const double be = w.beta;
    const double lnTh = portable_math::log(th);

    // Powers of theta.
    const double th2 = th * th;
    const double th4 = th2 * th2;
    const double th8 = th4 * th4;
    const double th16 = th8 * th8;
    const double th10 = th8 * th2;
    const double th11 = th10 * th;
    const double th17 = th16 * th;
    const double th18 = th17 * th;
    const double th19 = th18 * th;
    const double th20 = th19 * th;
    const double inv = 1.0 / th;
    const double inv6 = 1.0 / (th4 * th2);

    // Y, D = a3 Y^2 - 2 a4 theta + 2 a5 beta, Z = Y + sqrt(D).
    const double Y = 1.0 - a[1] * th2 - a[2] * inv6;
    const double Yt = -2.0 * a[1] * th + 6.0 * a[2] * inv6 * inv;
    const double Ytt = -2.0 * a[1] - 42.0 * a[2] * inv6 * inv * inv;
    const double sq = std::sqrt(a[3] * Y * Y - 2.0 * a[4] * th + 2.0 * a[5] * be);
    const double Z = Y + sq;
    const double zPow = portable_math::pow(Z, kMinusFiveSeventeenths);  // Z^(-5/17)
    const double sqT = (a[3] * Y * Yt - a[4]) / sq;                     // d sqrt(D) / d theta
    const double Zt = Yt + sqT;
    const double Ztt = Ytt + (a[3] * (Yt * Yt + Y * Ytt) - sqT * sqT) / sq;

    // A0 theta (1 - ln theta) and the polynomial sum A1..A10 theta^(nu-1).
    double poly = A[10], polyT = 9.0 * A[10], polyTT = 72.0 * A[10];
    for (int nu = 9; nu >= 1; --nu) poly = poly * th + A[nu];
    for (int nu = 9; nu >= 2; --nu) polyT = polyT * th + (nu - 1) * A[nu];
    for (int nu = 9; nu >= 3; --nu) polyTT = polyTT * th + (nu - 1) * (nu - 2) * A[nu];

    // A11 Z^(12/17) [(17/29) Z - (17/12) Y].
    const double z12 = Z * zPow;  // Z^(12/17)
    const double zTerm = A[11] * z12 * ((17.0 / 29.0) * Z - (17.0 / 12.0) * Y);
    const double zTermB = A[11] * a[5] * zPow;
    const double zTermT = A[11] * (zPow * sq * Zt - (17.0 / 12.0) * z12 * Yt);
    const double zTermTT = A[11] * (-(5.0 / 17.0) * zPow * sq * Zt * Zt / Z + zPow * sqT * Zt + zPow * sq * Ztt -
                                    zPow * Zt * Yt - (17.0 / 12.0) * z12 * Ytt);

    // beta [A12 + A13 theta + A14 theta^2 + A15 (a6 - theta)^10 + A16 / (a7 + theta^19)].
    const double d6 = a[6] - th;
    const double d6p2 = d6 * d6, d6p4 = d6p2 * d6p2, d6p8 = d6p4 * d6p4;
    const double r7 = 1.0 / (a[7] + th19);
    const double P = A[12] + A[13] * th + A[14] * th2 + A[15] * d6p8 * d6p2 + A[16] * r7;
    const double Pt = A[13] + 2.0 * A[14] * th - 10.0 * A[15] * d6p8 * d6 - 19.0 * A[16] * th18 * r7 * r7;
    const double Ptt =
        2.0 * A[14] + 90.0 * A[15] * d6p8 + A[16] * (-342.0 * th17 * r7 * r7 + 722.0 * th18 * th18 * r7 * r7 * r7);

    // -(A17 beta + A18 beta^2 + A19 beta^3) / (a8 + theta^11).
    const double be2 = be * be, be3 = be2 * be, be4 = be2 * be2;
    const double Q = A[17] * be + A[18] * be2 + A[19] * be3;
    const double QB = A[17] + 2.0 * A[18] * be + 3.0 * A[19] * be2;
    const double r8 = 1.0 / (a[8] + th11);

    // -A20 theta^18 (a9 + theta^2) [(a10 + beta)^-3 + a11 beta].
    const double r10 = 1.0 / (a[10] + be);
    const double r10p3 = r10 * r10 * r10;
    const double M = r10p3 + a[11] * be;
    const double MB = -3.0 * r10p3 * r10 + a[11];
    const double T6 = th18 * (a[9] + th2);

    // A21 (a12 - theta) beta^3 + A22 beta^4 / theta^20.
    const double inv20 = 1.0 / th20;

    GibbsTerms& g = w.gibbs;
    g.zeta = A[0] * th * (1.0 - lnTh) + poly + zTerm + be * P - Q * r8 - A[20] * T6 * M + A[21] * (a[12] - th) * be3 +
             A[22] * be4 * inv20;
    g.zetaB = zTermB + P - QB * r8 - A[20] * T6 * MB + 3.0 * A[21] * (a[12] - th) * be2 + 4.0 * A[22] * be3 * inv20;
    g.zetaT = -A[0] * lnTh + polyT + zTermT + be * Pt + 11.0 * Q * th10 * r8 * r8 -
              A[20] * M * (18.0 * a[9] * th17 + 20.0 * th19) - A[21] * be3 - 20.0 * A[22] * be4 * inv20 * inv;
    g.zetaTT = -A[0] * inv + polyTT + zTermTT + be * Ptt +
               Q * (110.0 * th10 * inv * r8 * r8 - 242.0 * th20 * r8 * r8 * r8) -
               A[20] * M * (306.0 * a[9] * th16 + 380.0 * th18) + 420.0 * A[22] * be4 * inv20 * inv * inv;
    g.idealT = 0.0;
}

}  // namespace ifc67
