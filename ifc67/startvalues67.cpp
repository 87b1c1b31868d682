// Start-value polynomials of the (p,h) and (p,s) searches and the boundary entropy between the
// two vapour sets above 2500 psia.
#include <array>

#include "backward67.h"
#include "start_fit67.h"
#include "start_given67.h"

namespace ifc67 {
namespace {

// Sets 1..16 in order: the two published sets and the fitted ones.
constexpr std::array<StartSet, 16> kSets = {kStartSet1,
                                            kFittedSets[0],
                                            kFittedSets[1],
                                            kFittedSets[2],
                                            kFittedSets[3],
                                            kFittedSets[4],
                                            kFittedSets[5],
                                            kFittedSets[6],
                                            kFittedSets[7],
                                            kFittedSets[8],
                                            kFittedSets[9],
                                            kFittedSets[10],
                                            kFittedSets[11],
                                            kFittedSets[12],
                                            kStartSet15,
                                            kFittedSets[13]};
static_assert(kSets.size() == 16 && kFittedSets.size() == 14);

}  // namespace

double startPoly67(const StartSet& c, double u, double w) noexcept {
    const double b = c[0] + u * (c[1] + u * (c[2] + u * c[3]));
    const double a1 = c[4] + u * (c[8] + u * (c[12] + u * c[16]));
    const double a2 = c[5] + u * (c[9] + u * (c[13] + u * c[17]));
    const double a3 = c[6] + u * (c[10] + u * (c[14] + u * c[18]));
    const double a4 = c[7] + u * (c[11] + u * (c[15] + u * c[19]));
    return b + w * (a1 + w * (a2 + w * (a3 + w * a4)));
}

double backwardPoly67(double u, double w, int set) noexcept {
    if (set < 1 || set > 16) return 0.0;
    return startPoly67(kSets[set - 1], u, w);
}

double boundaryEntropy67(double p) noexcept {
    const auto& c = kBoundaryEntropy;
    return c[0] + p * (c[1] + p * (c[2] + p * (c[3] + p * (c[4] + p * (c[5] + p * c[6])))));
}

}  // namespace ifc67
