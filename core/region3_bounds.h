// Fitted volume bounds of the region 3 bisection, the safeguard of the density search (the Newton
// iteration from the backward v(p,T) finds the states of the range without it).  The coefficients
// are those of the density search of the original core; they are not refitted, and the bisection
// checks every bound before it uses it: a bound on the wrong side of the root is replaced by one that
// cannot miss (a dense-liquid volume below, the region 2 volume on the 2-3 boundary above).
// Measured by tools/fitgen against the basic equation:
//   saturation quadratics, 623.15 K to 647.096 K (20000 saturation temperatures): the liquid pair
//     encloses the saturated liquid volume and the vapour pair the saturated vapour volume at every
//     temperature, the bounds within 4.7 % (liquid) and 6.9 % (vapour) of it;
//   liquid cubic and volumeB: no bounds (the cubic lies above the densest region 3 volume at every
//     temperature, volumeB below the lightest supercritical one at 80 % of them): the bisection
//     replaces them every time;
//   volumeA: below the densest region 3 volume (110.32 MPa) at every temperature.
#pragma once

#include <array>

#include "properties.h"
#include "region3.h"

namespace if97::region3_bounds {

// Fitted volume bounds for p >= 22.064 MPa (T in K).
inline double volumeA(double T) noexcept { return 0.001168884 + (0.013864209 - 0.08448653 / T) / T; }
inline double volumeB(double T) noexcept {
    return 0.002687224 + ((5.406026262 - 49.24550906 / T) / T - 0.042557072) / T;
}

// Liquid-side cubic in T: a lower volume bound of the liquid-like states.
inline constexpr std::array<double, 4> kLiquidCubic = {
    -75.3923180744288, 0.357752618104146, -0.000565853737791906, 2.98331995122765e-7};
static_assert(kLiquidCubic.size() == 4);
inline double liquidCubic(double T) noexcept {
    return kLiquidCubic[0] + T * (kLiquidCubic[1] + T * (kLiquidCubic[2] + T * kLiquidCubic[3]));
}

// Saturation quadratics in ps: first bound ps (ps a + b) + c, second bound ps (ps d + e) + f.
struct SaturationQuadratics {
    double psMax;  // row applies for ps <= psMax
    double a, b, c, d, e, f;
};
inline constexpr std::array<SaturationQuadratics, 3> kLiquidBounds = {{
    {21.6, 2.348209865e-5, -0.0007765569588, 0.008150344457, 0.00001584540575, -0.0004735438711, 0.005248237206},
    {22.06, 0.002367733248, -0.1023592662, 1.108663047, 0.002200902949, -0.09479284661, 1.023084729},
    {22.06399, 5.830988451, -257.2646037, 2837.646943, 4.174262925, -184.1592466, 2031.177644},
}};
inline constexpr std::array<SaturationQuadratics, 3> kVapourBounds = {{
    {21.6, -1.607533791e-6, -0.0008090629362, 0.02253416623, -0.00002484345465, 0.0000808474311, 0.01428305354},
    {22.06, -0.003039699019, 0.1303008718, -1.391978461, -0.0029809018, 0.12808547, -1.371486978},
    {22.06399, -3.883608925, 171.3325833, -1889.660143, -5.298911011, 233.7856225, -2578.626483},
}};
static_assert(kLiquidBounds.size() == 3 && kVapourBounds.size() == 3);
// Constant bounds for 22.06399 < ps <= 22.064 MPa.
inline constexpr double kLiquidNearCritical = 0.003099271105457;
inline constexpr double kVapourNearCritical = 0.003109210912967;

struct Bounds {
    double first;
    double second;
};

inline Bounds saturationBounds(double ps, int side) noexcept {
    const auto& rows = side == kSideLiquid ? kLiquidBounds : kVapourBounds;
    for (const SaturationQuadratics& r : rows) {
        if (ps <= r.psMax) return {ps * (ps * r.a + r.b) + r.c, ps * (ps * r.d + r.e) + r.f};
    }
    return {side == kSideLiquid ? kLiquidNearCritical : kVapourNearCritical, kVc};
}

}  // namespace if97::region3_bounds
