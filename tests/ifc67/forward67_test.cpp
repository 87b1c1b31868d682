// Forward equations of the IFC-67 library: published table values, the IF97 verification states
// as a cross-check, thermodynamic consistency of the analytic derivatives in every subregion, the
// subregion choice, and the subregion 3/4 volume search.
#include <gtest/gtest.h>

#include <cmath>

#include "constants67.h"
#include "forward67.h"
#include "tiers67.h"

namespace {

using namespace ifc67;

IFC67Working started() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

double saturated(double p, bool vapour, Property prop) {
    IFC67Working w = started();
    return saturated67(w, p, satTemperature67(p), vapour, prop);
}

double atPT(double p, double t, Property prop) {
    IFC67Working w = started();
    return evaluatePT67(w, p, t, prop);
}

// Property of subregion k at (p,T) whatever subregion the state lies in.
double inSubregion(int k, double p, double t, Property prop) {
    IFC67Working w = started();
    setState67(w, p, t);
    prepareSubregion(w, p, t, k);
    return property67(w, k, prop);
}

struct TableRow {
    double p;     // psia (saturated rows: the pressure of the table line)
    bool vapour;  // saturated rows: which phase
    Property prop;
    double expected;
    double tolerance;  // half a unit in the last printed digit
    const char* source;
};

// Saturated states.  The values are those of the 1967 ASME steam tables that these tests' author
// knows to the printed digits: the 212 F line (14.696 psia: hf 180.17, hg 1150.5 Btu/lb,
// vf 0.01672, vg 26.80 ft3/lb, sf 0.3121 Btu/(lb R)), the triple point (32.018 F: sf 0.0000,
// hf 0.0003 Btu/lb) and the critical point (705.47 F, 3208.2 psia: h 906.0 Btu/lb,
// v 0.05078 ft3/lb, s 1.0612 Btu/(lb R)).
TEST(Forward67, SaturatedStatesOfPublishedTables) {
    const double p212 = 14.695986771247219;
    const double pTriple = satPressure67(32.018);
    const TableRow rows[] = {
        {p212, false, Property::Enthalpy, 180.17, 0.005, "1967 tables, 212 F, hf"},
        {p212, true, Property::Enthalpy, 1150.5, 0.05, "1967 tables, 212 F, hg"},
        {p212, false, Property::Volume, 0.01672, 0.000005, "1967 tables, 212 F, vf"},
        {p212, true, Property::Volume, 26.80, 0.005, "1967 tables, 212 F, vg"},
        {p212, false, Property::Entropy, 0.3121, 0.00005, "1967 tables, 212 F, sf"},
        {pTriple, false, Property::Entropy, 0.0, 0.00005, "1967 tables, triple point, sf"},
        {pTriple, false, Property::Enthalpy, 0.0003, 0.00005, "1967 tables, triple point, hf"},
        {kPc, false, Property::Enthalpy, 906.0, 0.05, "1967 tables, critical point, h"},
        {kPc, true, Property::Enthalpy, 906.0, 0.05, "1967 tables, critical point, h"},
        {kPc, false, Property::Volume, 0.05078, 0.000005, "1967 tables, critical point, v"},
        {kPc, true, Property::Entropy, 1.0612, 0.00005, "1967 tables, critical point, s"},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(saturated(r.p, r.vapour, r.prop), r.expected, r.tolerance) << r.source;
    }
    EXPECT_NEAR(satPressure67(kTcF), 3208.2, 0.05);  // 1967 tables, critical pressure
}

// IF97 verification states (IF97 Tables 5, 15 and 33) evaluated with IFC-67 after conversion to
// English units: the two formulations agree within their known differences.  A fault in a
// coefficient or a term of the IFC-67 equations shows up here as a far larger difference.
TEST(Forward67, CloseToIf97VerificationStates) {
    struct Row {
        double tK, pMPa, v, h, s;  // IF97 values, m3/kg, kJ/kg, kJ/(kg K)
        const char* source;
    };
    const Row rows[] = {
        {300, 3, 0.100215168e-2, 0.115331273e3, 0.392294792, "IF97 Table 5"},
        {300, 80, 0.971180894e-3, 0.184142828e3, 0.368563852, "IF97 Table 5"},
        {500, 3, 0.120241800e-2, 0.975542239e3, 0.258041912e1, "IF97 Table 5"},
        {300, 0.0035, 0.394913866e2, 0.254991145e4, 0.852238967e1, "IF97 Table 15"},
        {700, 0.0035, 0.923015898e2, 0.333568375e4, 0.101749996e2, "IF97 Table 15"},
        {650, 0.255837018e2, 1.0 / 500.0, 0.186343019e4, 0.405427273e1, "IF97 Table 33"},
    };
    for (const auto& r : rows) {
        const double p = r.pMPa * 145.0377378, t = r.tK * 1.8 - 459.67;
        const double v = atPT(p, t, Property::Volume) / 16.0184634;
        const double h = atPT(p, t, Property::Enthalpy) / 0.42992261392949266;
        const double s = atPT(p, t, Property::Entropy) / 0.23884589662749595;
        EXPECT_NEAR(v / r.v, 1.0, tiers67::kFormulationVolume) << r.source << " T " << r.tK;
        EXPECT_NEAR(h, r.h, tiers67::kFormulationEnthalpy) << r.source << " T " << r.tK;
        EXPECT_NEAR(s, r.s, tiers67::kFormulationEntropy) << r.source << " T " << r.tK;
    }
}

// The analytic derivatives against central differences of the properties they belong to:
// cp = (dh/dT)_p = T (ds/dT)_p, (dh/dp)_T = v - T (dv/dT)_p, (ds/dp)_T = -(dv/dT)_p.
TEST(Forward67, DerivativesAreConsistentInEverySubregion) {
    struct State {
        int k;
        double p, t;
    };
    const State states[] = {{1, 1000, 300},
                            {1, 15000, 400},
                            {1, 100, 50},
                            {2, 1000, 1000},
                            {2, 100, 500},
                            {2, 15000, 1500},
                            {2, 2000, 700},
                            {3, 4000, 750},
                            {3, 8000, 900},
                            {4, 5000, 700},
                            {4, 2800, 680},
                            {4, 10000, 690}};
    const double joule = kPcVc / (kPc * kVc);  // Btu per (psia ft3)
    for (const auto& s : states) {
        const double dT = 1e-3, dp = s.p * 1e-6, tR = toRankine(s.t);
        const auto f = [&](double p, double t, Property prop) { return inSubregion(s.k, p, t, prop); };
        const double cp = f(s.p, s.t, Property::HeatCapacity);
        const double v = f(s.p, s.t, Property::Volume);
        const double dhdT = (f(s.p, s.t + dT, Property::Enthalpy) - f(s.p, s.t - dT, Property::Enthalpy)) / (2 * dT);
        const double dsdT = (f(s.p, s.t + dT, Property::Entropy) - f(s.p, s.t - dT, Property::Entropy)) / (2 * dT);
        const double dvdT = (f(s.p, s.t + dT, Property::Volume) - f(s.p, s.t - dT, Property::Volume)) / (2 * dT);
        const double dhdp = (f(s.p + dp, s.t, Property::Enthalpy) - f(s.p - dp, s.t, Property::Enthalpy)) / (2 * dp);
        const double dsdp = (f(s.p + dp, s.t, Property::Entropy) - f(s.p - dp, s.t, Property::Entropy)) / (2 * dp);
        const double tol = tiers67::kFiniteDifference * 10;  // the volume search leaves 1e-7 noise
        EXPECT_NEAR(dhdT / cp, 1.0, tol) << "subregion " << s.k << " T " << s.t;
        EXPECT_NEAR(tR * dsdT / cp, 1.0, tol) << "subregion " << s.k << " T " << s.t;
        EXPECT_NEAR(dhdp / (joule * (v - tR * dvdT)), 1.0, tol) << "subregion " << s.k << " T " << s.t;
        EXPECT_NEAR(dsdp / (-joule * dvdT), 1.0, tol) << "subregion " << s.k << " T " << s.t;
    }
}

TEST(Forward67, ReferenceOffsetsEnterEnthalpyAndEntropyOnly) {
    IFC67Working bare;  // no start-up: offsets zero
    IFC67Working w = started();
    for (int k = 1; k <= 4; ++k) {
        const double p = k <= 2 ? 1000.0 : 5000.0, t = k == 1 ? 300.0 : (k == 2 ? 1000.0 : 700.0);
        setState67(bare, p, t);
        setState67(w, p, t);
        prepareSubregion(bare, p, t, k);
        prepareSubregion(w, p, t, k);
        EXPECT_NEAR(property67(w, k, Property::Enthalpy) - property67(bare, k, Property::Enthalpy),
                    3.14316720023699e-07,
                    1e-12);
        EXPECT_NEAR(
            property67(w, k, Property::Entropy) - property67(bare, k, Property::Entropy), 4.12127641312121e-08, 1e-14);
        EXPECT_EQ(property67(w, k, Property::Volume), property67(bare, k, Property::Volume));
        EXPECT_EQ(property67(w, k, Property::HeatCapacity), property67(bare, k, Property::HeatCapacity));
    }
}

TEST(Forward67, LineFlagNearSaturationAt700And600F) {
    const double ps700 = satPressure67(700.0);
    EXPECT_EQ(lineFlag67(ps700, 700.0), 1);
    EXPECT_EQ(subregionOf67(ps700 * (1 + 1e-9), 700.0), 4);
    EXPECT_EQ(subregionOf67(ps700, 700.0), 3);  // on the saturation line: vapour
    EXPECT_EQ(subregionOf67(ps700 * (1 - 1e-9), 700.0), 3);
    const double ps600 = satPressure67(600.0);
    EXPECT_EQ(lineFlag67(ps600 * 1.01, 600.0), 0);
    EXPECT_EQ(subregionOf67(ps600 * (1 + 1e-9), 600.0), 1);
    EXPECT_EQ(subregionOf67(ps600, 600.0), 2);
    EXPECT_EQ(subregionOf67(ps600 * (1 - 1e-9), 600.0), 2);
}

TEST(Forward67, LineFlagOnlyBetween662And1094F) {
    for (double p : {2500.0, 5000.0, 15700.0}) {
        EXPECT_EQ(lineFlag67(p, 662.0), 0) << p;
        EXPECT_EQ(lineFlag67(p, 500.0), 0) << p;
        EXPECT_EQ(lineFlag67(p, 1094.0), 0) << p;
        EXPECT_EQ(lineFlag67(p, 1094.01), 0) << p;
        EXPECT_EQ(lineFlag67(p, 1500.0), 0) << p;
    }
    EXPECT_EQ(lineFlag67(15700.0, 1090.0), 1);
    EXPECT_EQ(lineFlag67(15700.0, 662.01), 1);
    EXPECT_EQ(subregionOf67(15700.0, 662.0), 1);
    EXPECT_EQ(subregionOf67(15700.0, 662.01), 4);
    EXPECT_EQ(subregionOf67(15700.0, 705.48), 3);
    EXPECT_EQ(subregionOf67(15700.0, 1094.5), 2);
}

TEST(Forward67, VolumeSearchStartsAtVcNearCriticalPoint) {
    IFC67Working w = started();
    const struct {
        double p, t;
        bool atVc;
    } rows[] = {{kPc, kTcF, true},
                {kPc + 0.009, kTcF - 0.09, true},
                {kPc - 0.009, kTcF + 0.09, true},
                {kPc + 0.011, kTcF, false},
                {kPc, kTcF - 0.11, false}};
    for (const auto& r : rows) {
        VolumeTrace trace;
        setState67(w, r.p, r.t);
        const double v = solveVolume34(w, r.p, r.t, 4, &trace);
        EXPECT_EQ(trace.startVolume == kVc, r.atVc) << r.p << " " << r.t;
        EXPECT_NEAR(-kPc * helmholtz34(v * kInvVc, w.theta, w.y, 4).psiX / r.p, 1.0, 1e-6);
    }
}

TEST(Forward67, VolumeIteratesOutsideBoundsArePulledBack) {
    IFC67Working w = started();
    // Subregion 3 at 1000 psia, 700 F starts at 0.3 (T + 459.67)/p = 0.348 ft3/lb, above 0.143.
    VolumeTrace high;
    setState67(w, 1000.0, 700.0);
    solveVolume34(w, 1000.0, 700.0, 3, &high);
    EXPECT_NEAR(high.startVolume, 0.3 * 1159.67 / 1000.0, 1e-12);
    ASSERT_GE(high.passes, 1);
    EXPECT_TRUE(high.clamped[0]);
    EXPECT_EQ(high.volume[0], 0.143);
    EXPECT_EQ(high.stepFactor[0], 1.0);
    // Subregion 4 at 490 F starts far below 0.0207 ft3/lb.
    VolumeTrace low;
    setState67(w, 5000.0, 490.0);
    solveVolume34(w, 5000.0, 490.0, 4, &low);
    EXPECT_LT(low.startVolume, 0.0207);
    EXPECT_TRUE(low.clamped[0]);
    EXPECT_EQ(low.volume[0], 0.0207);
    EXPECT_EQ(low.stepFactor[0], 1.0);
    // Every iterate used stays within the bounds.
    for (const VolumeTrace* t : {&high, &low}) {
        for (int i = 0; i < t->passes; ++i) {
            EXPECT_LE(t->volume[i], 0.143);
            EXPECT_GE(t->volume[i], 0.0207);
        }
    }
}

TEST(Forward67, VolumeSearchConvergesOverSubregions3And4) {
    IFC67Working w = started();
    int worst = 0;
    for (int i = 0; i <= 40; ++i) {
        const double p = 2500.0 + (kPMax - 2500.0) * i / 40.0;
        for (int j = 0; j <= 40; ++j) {
            const double t = 662.5 + (1093.5 - 662.5) * j / 40.0;
            const int k = subregionOf67(p, t);
            if (k < 3) continue;
            VolumeTrace trace;
            setState67(w, p, t);
            const double v = solveVolume34(w, p, t, k, &trace);
            worst = std::max(worst, trace.passes);
            EXPECT_NEAR(-kPc * w.helm.psiX / p, 1.0, 1e-6) << p << " " << t;
            EXPECT_DOUBLE_EQ(v, w.chi * kVc);
        }
    }
    EXPECT_LT(worst, 99);
}

TEST(Forward67, VolumeSearchRefusesOtherSubregions) {
    IFC67Working w = started();
    setState67(w, 5000.0, 700.0);
    EXPECT_EQ(solveVolume34(w, 5000.0, 700.0, 2), kInternalError);
    EXPECT_EQ(solveVolume34(w, 5000.0, 700.0, 5), kInternalError);
}

}  // namespace
