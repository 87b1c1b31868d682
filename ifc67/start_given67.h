// The two start-value sets the formulation's backward calculations were published with: set 1
// (vapour temperature from (p,h) below 500 psia) and set 15 (liquid temperature from (p,h)).
// Layout: b0..b3; a1..a4; c(1,1..4); c(2,1..4); c(3,1..4).
#pragma once

#include <array>

namespace ifc67 {

inline constexpr std::array<double, 20> kStartSet1 = {-2252.0652,     151.41077,     -0.41932327,    0.00042013621,   //
                                                      135.37487,      14.958716,     -0.90026536,    0.016315437,     //
                                                      -38.901889,     3.7433516,     -0.15974572,    0.002549626,     //
                                                      0.11035609,     -0.010839362,  0.00047094182,  -7.6370789e-06,  //
                                                      -0.00011131805, 1.1001119e-05, -4.8065505e-07, 7.8347134e-09};

inline constexpr std::array<double, 20> kStartSet15 = {4363.2563,  -1703.4799,  159.17166,   -3.4059872,   //
                                                       -2777.2729, 627.49847,   -59.860018,  2.1407282,    //
                                                       1041.1113,  -232.4317,   22.55581,    -0.81761199,  //
                                                       -103.42967, 24.3778,     -2.4594782,  0.091815203,  //
                                                       2.6285284,  -0.70824702, 0.077767787, -0.0030787656};

// Liquid searches use u = max(ln p, this): below 200 psia the liquid start value ignores pressure.
inline constexpr double kLiquidLogPMin = 5.29832;

}  // namespace ifc67
