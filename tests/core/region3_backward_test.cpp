// Region 3 backward equations (start values of the region 3 iterations): the verification values
// of the IAPWS supplementary releases and the subregion each state falls in.
#include <gtest/gtest.h>

#include "region3.h"
#include "region3_backward.h"
#include "saturation.h"
#include "test_support.h"

namespace if97 {
namespace {

using test::matchesPrinted;

// The releases print 10 significant digits.
constexpr int kReleaseDigits = 10;

// The side of the saturation line (at 22.064 MPa: of the critical temperature).
int sideOf(double p, double T) {
    if (T >= kTc) return kSideVapour;
    return p < kPc && p <= saturationPressure(T) ? kSideVapour : kSideLiquid;
}

struct VptRow {
    char subregion;
    double p, T, v;
    int digits;
};
// SR5-05 Tables 5 and 13.
constexpr VptRow kVptRows[] = {
    {'a', 50, 630, 1.470853100e-3, 10},
    {'a', 80, 670, 1.503831359e-3, 10},
    {'b', 50, 710, 2.204728587e-3, 10},
    {'b', 80, 750, 1.973692940e-3, 10},
    {'c', 20, 630, 1.761696406e-3, 10},
    {'c', 30, 650, 1.819560617e-3, 10},
    {'d', 26, 656, 2.245587720e-3, 10},
    {'d', 30, 670, 2.506897702e-3, 10},
    {'e', 26, 661, 2.970225962e-3, 10},
    {'e', 30, 675, 3.004627086e-3, 10},
    {'f', 26, 671, 5.019029401e-3, 10},
    {'f', 30, 690, 4.656470142e-3, 10},
    {'g', 23.6, 649, 2.163198378e-3, 10},
    {'g', 24, 650, 2.166044161e-3, 10},
    {'h', 23.6, 652, 2.651081407e-3, 10},
    {'h', 24, 654, 2.967802335e-3, 10},
    {'i', 23.6, 653, 3.273916816e-3, 10},
    {'i', 24, 655, 3.550329864e-3, 10},
    {'j', 23.5, 655, 4.545001142e-3, 10},
    {'j', 24, 660, 5.100267704e-3, 10},
    {'k', 23, 660, 6.109525997e-3, 10},
    {'k', 24, 670, 6.427325645e-3, 10},
    {'l', 22.6, 646, 2.117860851e-3, 10},
    {'l', 23, 646, 2.062374674e-3, 10},
    {'m', 22.6, 648.6, 2.533063780e-3, 10},
    {'m', 22.8, 649.3, 2.572971781e-3, 10},
    {'n', 22.6, 649.0, 2.923432711e-3, 10},
    {'n', 22.8, 649.7, 2.913311494e-3, 10},
    {'o', 22.6, 649.1, 3.131208996e-3, 10},
    {'o', 22.8, 649.9, 3.221160278e-3, 10},
    {'p', 22.6, 649.4, 3.715596186e-3, 10},
    {'p', 22.8, 650.2, 3.664754790e-3, 10},
    {'q', 21.1, 640, 1.970999272e-3, 10},
    {'q', 21.8, 643, 2.043919161e-3, 10},
    {'r', 21.1, 644, 5.251009921e-3, 10},
    {'r', 21.8, 648, 5.256844741e-3, 10},
    {'s', 19.1, 635, 1.932829079e-3, 10},
    {'s', 20, 638, 1.985387227e-3, 10},
    {'t', 17, 626, 8.483262001e-3, 10},
    {'t', 20, 640, 6.227528101e-3, 10},
    {'u', 21.5, 644.6, 2.268366647e-3, 10},
    {'u', 22, 646.1, 2.296350553e-3, 10},
    {'v', 22.5, 648.6, 2.832373260e-3, 10},
    {'v', 22.3, 647.9, 2.811424405e-3, 10},
    {'w', 22.15, 647.5, 3.694032281e-3, 10},
    {'w', 22.3, 648.1, 3.622226305e-3, 10},
    {'x', 22.11, 648, 4.528072649e-3, 10},
    {'x', 22.3, 649, 4.556905799e-3, 10},
    {'y', 22, 646.84, 2.698354719e-3, 10},
    {'y', 22.064, 647.05, 2.717655648e-3, 10},
    // The release's last digit is not reproduced by a transcription of the coefficients (9 of 10).
    {'z', 22, 646.89, 3.798732962e-3, 10},
    {'z', 22.064, 647.15, 3.701940010e-3, 9},
};

TEST(Region3Backward, VolumeOfPTReproducesTheReleaseTables) {
    for (const VptRow& r : kVptRows) {
        const int side = sideOf(r.p, r.T);
        EXPECT_EQ(region3SubregionPT(r.p, r.T, side), r.subregion) << r.p << " MPa, " << r.T << " K";
        EXPECT_TRUE(matchesPrinted(backwardV3pt(r.p, r.T, side), r.v, r.digits)) << r.subregion;
    }
}

struct PyRow {
    double p, y, T, v;
};
// SR3-03 Tables 5 and 8: (p, h) -> T, v.
constexpr PyRow kPhRows[] = {
    {20, 1700, 6.293083892e2, 1.749903962e-3},
    {50, 2000, 6.905718338e2, 1.908139035e-3},
    {100, 2100, 7.336163014e2, 1.676229776e-3},
    {20, 2500, 6.418418053e2, 6.670547043e-3},
    {50, 2400, 7.351848618e2, 2.801244590e-3},
    {100, 2700, 8.420460876e2, 2.404234998e-3},
};
// SR3-03 Tables 12 and 15: (p, s) -> T, v.
constexpr PyRow kPsRows[] = {
    {20, 3.8, 6.282959869e2, 1.733791463e-3},
    {50, 3.6, 6.297158726e2, 1.469680170e-3},
    {100, 4.0, 7.056880237e2, 1.555893131e-3},
    {20, 5.0, 6.401176443e2, 6.262101987e-3},
    {50, 4.5, 7.163687517e2, 2.332634294e-3},
    {100, 5.0, 8.474332825e2, 2.449610757e-3},
};

TEST(Region3Backward, PhAndPsReproduceTheReleaseTables) {
    EXPECT_TRUE(matchesPrinted(h3ab(25.0), 2.095936454e3, kReleaseDigits));  // SR3-03, text of Eq. 1
    for (const PyRow& r : kPhRows) {
        EXPECT_TRUE(matchesPrinted(backwardT3ph(r.p, r.y), r.T, kReleaseDigits)) << r.p << ", " << r.y;
        EXPECT_TRUE(matchesPrinted(backwardV3ph(r.p, r.y), r.v, kReleaseDigits)) << r.p << ", " << r.y;
    }
    // SR3-03 Tables 18 and 20.
    EXPECT_TRUE(matchesPrinted(p3satH(1700.0), 1.724175718e1, kReleaseDigits));
    EXPECT_TRUE(matchesPrinted(p3satH(2000.0), 2.193442957e1, kReleaseDigits));
    EXPECT_TRUE(matchesPrinted(p3satH(2400.0), 2.018090839e1, kReleaseDigits));
    EXPECT_TRUE(matchesPrinted(p3satS(3.8), 1.687755057e1, kReleaseDigits));
    EXPECT_TRUE(matchesPrinted(p3satS(4.2), 2.164451789e1, kReleaseDigits));
    EXPECT_TRUE(matchesPrinted(p3satS(5.2), 1.668968482e1, kReleaseDigits));
    for (const PyRow& r : kPsRows) {
        EXPECT_TRUE(matchesPrinted(backwardT3ps(r.p, r.y), r.T, kReleaseDigits)) << r.p << ", " << r.y;
        EXPECT_TRUE(matchesPrinted(backwardV3ps(r.p, r.y), r.v, kReleaseDigits)) << r.p << ", " << r.y;
    }
}

}  // namespace
}  // namespace if97
