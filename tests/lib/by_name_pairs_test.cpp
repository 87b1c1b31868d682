// StmProp and StmBatch with the pairs HS, TS, PV, TV and the names U, D, CV, SIGMA, M08, K11 in the
// units of the sets: a pair gives back the state of the exports it was taken from, the new names
// carry the units of the header's table, the 1967 route's rule holds, and the new codes come with
// their texts.
#include "error_codes.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kEng = 0, kSI = 1, kEngG = 2, kSIF = 3, kSIK = 4, kMET = 5, kMETF = 6, kIfc67 = 8;

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult within(double got, double expected, double tol) {
    if (std::fabs(got - expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " vs " << expected << " (difference " << got - expected << ")";
}

// States in the units of their set: (p, T).
struct SetState {
    std::int32_t set;
    double p;
    double T;
    const char* where;
};

const SetState kStates[] = {
    {kSI, 10.0, 500.0, "steam, 10 bar 500 C"},
    {kSI, 1.0, 20.0, "water, 1 bar 20 C"},
    {kEng, 200.0, 600.0, "steam, 200 psia 600 F"},
    {kEngG, 3000.0, 700.0, "region 3, 3000 psig 700 F"},
    {kSIF, 25.0, 650.0, "region 3, 25 MPa 650 K"},
    {kSIK, 500.0, 1200.0, "region 5, 500 kPa 1200 C"},
    {kMETF, 100.0, 300.0, "water, 100 kgf/cm2 300 C"},
};

// Each new pair, in both orders, gives the exports' p and T back.
TEST(NewPairsByName, GiveTheExportsStateBack) {
    for (const SetState& st : kStates) {
        const double h = StmPTH(st.p, st.T, st.set);
        const double s = StmPTS(st.p, st.T, st.set);
        const double v = StmPTV(st.p, st.T, st.set);
        const double tolT = 1e-7;  // set units of temperature
        const double tolP = 1e-9 * std::fabs(st.p);
        EXPECT_TRUE(within(StmProp("HS", h, s, "T", st.set), st.T, tolT)) << st.where;
        EXPECT_TRUE(within(StmProp("HS", h, s, "P", st.set), st.p, tolP)) << st.where;
        EXPECT_TRUE(within(StmProp("TS", st.T, s, "P", st.set), st.p, tolP)) << st.where;
        EXPECT_TRUE(within(StmProp("TS", st.T, s, "H", st.set), h, 1e-9 * std::fabs(h))) << st.where;
        EXPECT_TRUE(within(StmProp("PV", st.p, v, "T", st.set), st.T, tolT)) << st.where;
        EXPECT_TRUE(within(StmProp("TV", st.T, v, "P", st.set), st.p, tolP)) << st.where;
        EXPECT_TRUE(sameBits(StmProp("SH", s, h, "T", st.set), StmProp("HS", h, s, "T", st.set))) << st.where;
        EXPECT_TRUE(sameBits(StmProp("vt", v, st.T, "p", st.set), StmProp("TV", st.T, v, "P", st.set))) << st.where;
        // An input letter comes back as given.
        EXPECT_EQ(StmProp("PV", st.p, v, "V", st.set), v) << st.where;
    }
}

// The units of the new names (lib/vaprop32.h): U as H, CV as C, M08 as M, K11 as K; D lb/ft3 in
// the English sets and kg/m3 in the others; SIGMA lbf/ft, N/m (SIF, METF) or mN/m (SI, SIK, MET).
// One state, liquid water at 1 MPa and 400 K, given by (h,s) in each set's units (the enthalpy and
// entropy factors of the header's table; the two sets meet within the rounding of the inputs).
TEST(NewNamesByName, UnitsOfEverySet) {
    const double h = StmPTH(1.0, 400.0, kSIF);
    const double s = StmPTS(1.0, 400.0, kSIF);
    struct Ratio {
        const char* name;
        std::int32_t set;
        double hFactor;  // the set's enthalpy unit per kJ/kg
        double sFactor;  // the set's entropy unit per kJ/(kg K)
        double perSIF;   // the name's value in the set over its value in SIF
    };
    constexpr double kBtuLb = 0.42992261392949266, kKcal = 0.23884589662749595, kBtuLbF = 0.23884589662749595;
    const Ratio ratios[] = {
        {"U", kEng, kBtuLb, kBtuLbF, kBtuLb},
        {"U", kSI, 1.0, 1.0, 1.0},
        {"U", kMET, kKcal, kKcal, kKcal},
        {"D", kEng, kBtuLb, kBtuLbF, 1.0 / 16.0184634},
        {"D", kEngG, kBtuLb, kBtuLbF, 1.0 / 16.0184634},
        {"D", kSI, 1.0, 1.0, 1.0},
        {"D", kMETF, kKcal, kKcal, 1.0},
        {"CV", kEng, kBtuLb, kBtuLbF, kBtuLbF},
        {"CV", kMETF, kKcal, kKcal, kKcal},
        {"SIGMA", kEng, kBtuLb, kBtuLbF, 0.06852176585679176},
        {"SIGMA", kEngG, kBtuLb, kBtuLbF, 0.06852176585679176},
        {"SIGMA", kSI, 1.0, 1.0, 1000.0},
        {"SIGMA", kSIK, 1.0, 1.0, 1000.0},
        {"SIGMA", kMET, kKcal, kKcal, 1000.0},
        {"SIGMA", kMETF, kKcal, kKcal, 1.0},
        {"M08", kSI, 1.0, 1.0, 1000.0},
        {"M08", kEng, kBtuLb, kBtuLbF, 2419.08831},
        {"M08", kMETF, kKcal, kKcal, 1.0},
        {"K11", kEng, kBtuLb, kBtuLbF, 0.577789316},
        {"K11", kMETF, kKcal, kKcal, 0.859815228},
        {"K11", kSIK, 1.0, 1.0, 1.0},
    };
    for (const Ratio& r : ratios) {
        const double inSIF = StmProp("HS", h, s, r.name, kSIF);
        ASSERT_GT(inSIF, 0.0) << r.name;
        const double inSet = StmProp("HS", h * r.hFactor, s * r.sFactor, r.name, r.set);
        EXPECT_NEAR(inSet / (inSIF * r.perSIF), 1.0, 1e-9) << r.name << " in set " << r.set;
    }
    // The values themselves: u = h - p v (IF97 Table 5: 112.324818 kJ/kg at 3 MPa, 300 K), the
    // density, and sigma at 100 C (IAPWS R1-76 Table 1: 58.91 mN/m).
    EXPECT_NEAR(StmProp("PT", 3.0, 300.0, "U", kSIF), 112.324818, 5e-7);
    EXPECT_DOUBLE_EQ(StmProp("PT", 3.0, 300.0, "D", kSIF), 1.0 / StmPTV(3.0, 300.0, kSIF));
    EXPECT_NEAR(StmProp("TQ", 100.0, 0.0, "SIGMA", kSI), 58.91, 0.005);
    EXPECT_NEAR(StmProp("TQ", 212.0, 0.0, "SIGMA", kEng), 58.91e-3 * 0.06852176585679176, 0.005e-3 * 0.0686);
}

// Bit 8: U and D from the IFC-67 state; the new pairs and the other new names give -2700.
TEST(NewNamesByName, The1967Route) {
    const std::int32_t set = kSI | kIfc67;
    const double h67 = StmPTH(10.0, 500.0, set);
    const double v67 = StmPTV(10.0, 500.0, set);
    // 10 bar = 1 MPa; MPa m3/kg = 1000 kJ/kg.
    EXPECT_NEAR(StmProp("PT", 10.0, 500.0, "U", set), h67 - 1000.0 * 1.0 * v67, 1e-9 * h67);
    EXPECT_DOUBLE_EQ(StmProp("PT", 10.0, 500.0, "D", set), 1.0 / v67);
    for (const char* name : {"CV", "SIGMA", "M08", "K11"}) {
        EXPECT_EQ(StmProp("PT", 10.0, 500.0, name, set), VAPROP_NOT_IN_IFC67) << name;
    }
    EXPECT_EQ(StmProp("HS", 2800.0, 6.5, "T", set), VAPROP_NOT_IN_IFC67);
    EXPECT_EQ(StmProp("TS", 500.0, 6.0, "P", set), VAPROP_NOT_IN_IFC67);
    EXPECT_EQ(StmProp("PV", 10.0, 0.2, "T", set), VAPROP_NOT_IN_IFC67);
    EXPECT_EQ(StmProp("TV", 500.0, 0.2, "U", set), VAPROP_NOT_IN_IFC67);
    EXPECT_STREQ(vapropErrorText(VAPROP_NOT_IN_IFC67), "not available in the 1967 formulation");
}

// Liquid water near its density maximum: two temperatures at 1 bar share v(2 C).
TEST(NewPairsByName, AmbiguousState) {
    const double v = StmPTV(1.0, 2.0, kSI);
    EXPECT_EQ(StmProp("PV", 1.0, v, "T", kSI), VAPROP_AMBIGUOUS_STATE);
    EXPECT_STREQ(vapropErrorText(VAPROP_AMBIGUOUS_STATE), "ambiguous state");
    EXPECT_NEAR(StmProp("PV", 1.0, StmPTV(1.0, 20.0, kSI), "T", kSI), 20.0, 1e-7);
}

// StmBatch over (T,v) rows: every cell holds the bits of StmProp for its name.
TEST(NewPairsByName, BatchCellsAreStmPropBits) {
    const std::vector<double> T = {300.0, 500.0, 700.0, 650.0, 1200.0, 400.0};  // K
    const std::vector<double> v = {0.001, 0.2, 0.01, 0.003, 2.0, 0.5};          // m3/kg
    const char* names[] = {"P", "Q", "U", "D", "CV", "SIGMA", "M08", "K11", "R"};
    const std::size_t n = std::size(names);
    std::string list;
    for (const char* name : names) list += (list.empty() ? "" : ",") + std::string(name);
    std::vector<double> out(T.size() * n, 0.0);
    const std::int32_t rc =
        StmBatch("TV", list.c_str(), kSIF, static_cast<std::int32_t>(T.size()), T.data(), v.data(), out.data(), 2);
    ASSERT_GE(rc, 0);
    std::int32_t codes = 0;
    for (std::size_t i = 0; i < T.size(); ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const double cell = out[i * n + j];
            EXPECT_TRUE(sameBits(cell, StmProp("TV", T[i], v[i], names[j], kSIF))) << names[j] << " row " << i;
            codes += cell > VAPROP_CODE_LIMIT ? 0 : 1;
        }
    }
    EXPECT_EQ(rc, codes);
}

}  // namespace
