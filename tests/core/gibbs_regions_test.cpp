// Regions 1, 2 and 5 against the IF97 verification tables.
#include <gtest/gtest.h>

#include <cmath>

#include "region1.h"
#include "region2.h"
#include "region5.h"
#include "test_support.h"

namespace if97 {
namespace {

using test::matchesPrinted;

struct GibbsRow {
    double p;  // MPa
    double T;  // K
    double v, h, s, cp, w;
};

void expectRow(void (*region)(double, double, int, Properties&), const GibbsRow& row) {
    Properties out{};
    region(row.p, row.T, kMaskH | kMaskS | kMaskV | kMaskCp | kMaskW, out);
    EXPECT_TRUE(matchesPrinted(out.v, row.v)) << "v at " << row.p << " MPa, " << row.T << " K";
    EXPECT_TRUE(matchesPrinted(out.h, row.h)) << "h at " << row.p << " MPa, " << row.T << " K";
    EXPECT_TRUE(matchesPrinted(out.s, row.s)) << "s at " << row.p << " MPa, " << row.T << " K";
    EXPECT_TRUE(matchesPrinted(out.cp, row.cp)) << "cp at " << row.p << " MPa, " << row.T << " K";
    EXPECT_TRUE(matchesPrinted(out.w, row.w)) << "w at " << row.p << " MPa, " << row.T << " K";
}

// IF97 Table 5.
constexpr GibbsRow kTable5[] = {
    {3, 300, 0.100215168e-2, 0.115331273e3, 0.392294792, 0.417301218e1, 0.150773921e4},
    {80, 300, 0.971180894e-3, 0.184142828e3, 0.368563852, 0.401008987e1, 0.163469054e4},
    {3, 500, 0.120241800e-2, 0.975542239e3, 0.258041912e1, 0.465580682e1, 0.124071337e4},
};

// IF97 Table 15.
constexpr GibbsRow kTable15[] = {
    {0.0035, 300, 0.394913866e2, 0.254991145e4, 0.852238967e1, 0.191300162e1, 0.427920172e3},
    {0.0035, 700, 0.923015898e2, 0.333568375e4, 0.101749996e2, 0.208141274e1, 0.644289068e3},
    {30, 700, 0.542946619e-2, 0.263149474e4, 0.517540298e1, 0.103505092e2, 0.480386523e3},
};

// Region 5 with the 1997 coefficients (if97-tables, section 6: the values of
// the original release's region 5 verification table).
constexpr GibbsRow kRegion5Of1997[] = {
    {0.5, 1500, 0.138455354e1, 0.521976332e4, 0.965408431e1, 0.261610228e1, 0.917071933e3},
    {8, 1500, 0.865156616e-1, 0.520609634e4, 0.836546724e1, 0.264453866e1, 0.919708859e3},
    {8, 2000, 0.115743146, 0.658380291e4, 0.915671044e1, 0.285306750e1, 0.105435806e4},
};

TEST(Region1, ReproducesTable5) {
    for (const GibbsRow& row : kTable5) expectRow(region1, row);
}

TEST(Region2, ReproducesTable15) {
    for (const GibbsRow& row : kTable15) expectRow(region2, row);
}

TEST(Region5, ReproducesThe1997Coefficients) {
    for (const GibbsRow& row : kRegion5Of1997) expectRow(region5, row);
}

TEST(Region5, DiffersFromThe2007Revision) {
    // 2007 revision, Table 42, at (0.5 MPa, 1500 K): h = 0.521976855e4, w = 0.917068690e3.
    Properties out{};
    region5(0.5, 1500, kMaskH | kMaskW, out);
    EXPECT_FALSE(matchesPrinted(out.h, 0.521976855e4));
    EXPECT_FALSE(matchesPrinted(out.w, 0.917068690e3));
}

// Internal energy u = h - p v (IF97 Tables 5, 15 and the region 5 table),
// which ties v and h together through an independent printed column.
TEST(GibbsRegions, InternalEnergyFromHAndV) {
    struct Row {
        void (*region)(double, double, int, Properties&);
        double p, T, u;
    };
    const Row rows[] = {
        {region1, 3, 300, 0.112324818e3},       // IF97 Table 5
        {region1, 80, 300, 0.106448356e3},      // IF97 Table 5
        {region2, 0.0035, 700, 0.301262819e4},  // IF97 Table 15
        {region2, 30, 700, 0.246861076e4},      // IF97 Table 15
        {region5, 8, 2000, 0.565785774e4},      // region 5, 1997 coefficients
    };
    for (const Row& row : rows) {
        Properties out{};
        row.region(row.p, row.T, kMaskH | kMaskV, out);
        EXPECT_TRUE(matchesPrinted(out.h - row.p * 1000.0 * out.v, row.u)) << row.p << " MPa, " << row.T << " K";
    }
}

// Every mask bit writes its own output and nothing else; mask 0 writes nothing.
TEST(GibbsRegions, MaskSelectsOutputs) {
    void (*const regions[])(double, double, int, Properties&) = {region1, region2, region5};
    const double states[][2] = {{3, 300}, {0.0035, 700}, {0.5, 1500}};
    const int bits[] = {kMaskH, kMaskS, kMaskV, kMaskCp, kMaskW};
    for (int r = 0; r < 3; ++r) {
        Properties full{};
        regions[r](states[r][0], states[r][1], kMaskAll, full);
        const double fullValues[] = {full.h, full.s, full.v, full.cp, full.w};
        constexpr double kUntouched = -12345.0;
        for (int mask = 0; mask < 256; ++mask) {
            Properties out{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};
            regions[r](states[r][0], states[r][1], mask, out);
            const double values[] = {out.h, out.s, out.v, out.cp, out.w};
            EXPECT_EQ(out.p, kUntouched);
            for (int b = 0; b < 5; ++b) {
                if (mask & bits[b]) {
                    EXPECT_EQ(values[b], fullValues[b]) << "region " << r << " mask " << mask;
                } else {
                    EXPECT_EQ(values[b], kUntouched) << "region " << r << " mask " << mask;
                }
            }
        }
    }
}

// The derivative struct agrees with central differences of gamma itself.
TEST(GibbsRegions, DerivativesMatchFiniteDifferences) {
    struct Case {
        GibbsDerivatives (*derivs)(double, double, int);
        double p, T, pStar, tStar;
    };
    const Case cases[] = {
        {region1Derivatives, 3, 300, 16.53, 1386},
        {region2Derivatives, 1, 700, 1, 540},
        {region5Derivatives, 5, 1500, 1, 1000},
    };
    constexpr int kAll = kNeedValue | kNeedD1 | kNeedD11 | kNeedD2 | kNeedD22 | kNeedD12;
    for (const Case& c : cases) {
        const double pi = c.p / c.pStar;
        const double tau = c.tStar / c.T;
        const auto at = [&](double dpi, double dtau) {
            return c.derivs((pi + dpi) * c.pStar, c.tStar / (tau + dtau), kAll);
        };
        const GibbsDerivatives d = at(0, 0);
        const double hp = 1e-5 * pi;
        const double ht = 1e-5 * tau;
        EXPECT_TRUE(test::relativelyNear(d.gp, (at(hp, 0).g - at(-hp, 0).g) / (2 * hp), 1e-7));
        EXPECT_TRUE(test::relativelyNear(d.gt, (at(0, ht).g - at(0, -ht).g) / (2 * ht), 1e-7));
        EXPECT_TRUE(test::relativelyNear(d.gpp, (at(hp, 0).gp - at(-hp, 0).gp) / (2 * hp), 1e-6));
        EXPECT_TRUE(test::relativelyNear(d.gtt, (at(0, ht).gt - at(0, -ht).gt) / (2 * ht), 1e-6));
        EXPECT_TRUE(test::relativelyNear(d.gpt, (at(0, ht).gp - at(0, -ht).gp) / (2 * ht), 1e-6));
    }
}

// The isotherm form of region 2 is the same equation summed in another order: s, v and their
// pressure slopes agree with the basic equation to rounding over the region, at its corners too.
TEST(Region2, IsothermFormMatchesTheBasicEquation) {
    const double temperatures[] = {273.15, 400.0, 623.15, 700.0, 863.15, 1073.15};
    const double pressures[] = {1e-7, 1e-3, 0.1, 1.0, 10.0, 16.5, 50.0, 100.0};
    for (const double T : temperatures) {
        const Region2Isotherm iso = region2Isotherm(T);
        for (const double p : pressures) {
            Properties basic{};
            region2(p, T, kMaskS | kMaskV, basic);
            const GibbsDerivatives d = region2Derivatives(p, T, kNeedAll);
            const double tau = kRegion2TauK / T;
            const double pSp = kR * (tau * d.gpt - d.gp) * p;
            const double pVp = kR * T * d.gpp * p * 1e-3;
            const IsothermEntropy e = region2IsothermEntropy(iso, p);
            const IsothermVolume w = region2IsothermVolume(iso, p);
            EXPECT_NEAR(e.s, basic.s, 1e-13 * std::max(1.0, std::fabs(basic.s))) << p << " MPa " << T << " K";
            EXPECT_NEAR(w.v, basic.v, 1e-13 * std::fabs(basic.v)) << p << " MPa " << T << " K";
            EXPECT_NEAR(e.pSp, pSp, 1e-12 * std::fabs(pSp)) << p << " MPa " << T << " K";
            EXPECT_NEAR(w.pVp, pVp, 1e-12 * std::fabs(pVp)) << p << " MPa " << T << " K";
        }
    }
}

}  // namespace
}  // namespace if97
