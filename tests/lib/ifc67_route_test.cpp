// The IFC-67 route of vaprop32 (UnitSet bit 8): every routed export in every set against vaprop67
// called directly with the set-0 conversions written out by hand, the composed heat capacities, the
// transport states taken from IFC-67, the pass-through of the library's codes, and the calls that
// have no route.
#include "vaprop32.h"
#include "vaprop67.h"

#include "export_table.h"
#include "exports_reference.h"
#include "tolerance.h"

#include "if97_transport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vaprop::test {
namespace {

using Fn2 = double(VAPROP_CALL*)(double, double, int32_t);
using Lib2 = double(VAPROP67_CALL*)(double, double);

// Core units to the library's English units (set 0) and back, written out.
double toPsia(double p) { return p * 145.0377378; }
double toF(double T) { return T * 1.8 - 459.67; }
double toBtu(double h) { return h * 0.42992261392949266; }
double toBtuF(double s) { return s * 0.23884589662749595; }

double back(Letter l, double r) {
    if (r <= -1000.0) return r;
    switch (l) {
        case Letter::P: return r / 145.0377378;
        case Letter::T: return (r + 459.67) / 1.8;
        case Letter::H: return r / 0.42992261392949266;
        case Letter::S:
        case Letter::C: return r / 0.23884589662749595;
        case Letter::V: return r / 16.0184634;
        default: return r;
    }
}

double toLibrary(Letter l, double c) {
    switch (l) {
        case Letter::P: return toPsia(c);
        case Letter::T: return toF(c);
        case Letter::H: return toBtu(c);
        case Letter::S: return toBtuF(c);
        default: return c;
    }
}

struct Routed {
    Fn2 vaprop32;
    Lib2 vaprop67;
    Letter in1, in2, out;
    const char* name;
};

// The direct routes: export, library function, letters.
const Routed kRouted[] = {
    {StmPTH, Stm67PTH, Letter::P, Letter::T, Letter::H, "StmPTH"},
    {StmPTS, Stm67PTS, Letter::P, Letter::T, Letter::S, "StmPTS"},
    {StmPTV, Stm67PTV, Letter::P, Letter::T, Letter::V, "StmPTV"},
    {StmPTC, Stm67PTC, Letter::P, Letter::T, Letter::C, "StmPTC"},
    {StmPQH, Stm67PQH, Letter::P, Letter::Q, Letter::H, "StmPQH"},
    {StmPQS, Stm67PQS, Letter::P, Letter::Q, Letter::S, "StmPQS"},
    {StmPQV, Stm67PQV, Letter::P, Letter::Q, Letter::V, "StmPQV"},
    {StmPQC, Stm67PQC, Letter::P, Letter::Q, Letter::C, "StmPQC"},
    {StmTQH, Stm67TQH, Letter::T, Letter::Q, Letter::H, "StmTQH"},
    {StmTQS, Stm67TQS, Letter::T, Letter::Q, Letter::S, "StmTQS"},
    {StmTQV, Stm67TQV, Letter::T, Letter::Q, Letter::V, "StmTQV"},
    {StmTQC, Stm67TQC, Letter::T, Letter::Q, Letter::C, "StmTQC"},
    {StmPHT, Stm67PHT, Letter::P, Letter::H, Letter::T, "StmPHT"},
    {StmPHQ, Stm67PHQ, Letter::P, Letter::H, Letter::Q, "StmPHQ"},
    {StmPHS, Stm67PHS, Letter::P, Letter::H, Letter::S, "StmPHS"},
    {StmPHV, Stm67PHV, Letter::P, Letter::H, Letter::V, "StmPHV"},
    {StmPST, Stm67PST, Letter::P, Letter::S, Letter::T, "StmPST"},
    {StmPSQ, Stm67PSQ, Letter::P, Letter::S, Letter::Q, "StmPSQ"},
    {StmPSH, Stm67PSH, Letter::P, Letter::S, Letter::H, "StmPSH"},
    {StmPSV, Stm67PSV, Letter::P, Letter::S, Letter::V, "StmPSV"},
};

struct CorePair {
    double a;  // core units: MPa, K, x, kJ/kg, kJ/(kg K)
    double b;
};

// States inside the ranges of both formulations, and a few outside IFC-67's only.
std::vector<CorePair> statesFor(Letter in1, Letter in2) {
    if (in2 == Letter::T)
        return {{1.0, 300.0},
                {1.0, 500.0},
                {10.0, 700.0},
                {50.0, 900.0},
                {0.1, 1100.0},
                {6.894757, 810.9277},
                {1.0, 1200.0} /* above 1600 F: -1500 */};
    if (in2 == Letter::Q && in1 == Letter::P)
        return {{0.01, 0.0}, {1.0, 0.3}, {1.0, 1.0}, {20.0, 0.0}, {21.0, 0.6}, {22.1, 1.0} /* above pc67: -1800 */};
    if (in2 == Letter::Q) return {{300.0, 0.0}, {450.0, 1.0}, {600.0, 0.5}, {646.0, 0.0}, {274.0, 0.0} /* -1300 */};
    if (in2 == Letter::H) return {{1.0, 400.0}, {1.0, 1500.0}, {1.0, 3000.0}, {25.0, 2000.0}, {50.0, 3500.0}};
    return {{1.0, 1.2}, {1.0, 4.0}, {1.0, 7.0}, {25.0, 4.3}, {50.0, 6.5}};
}

TEST(Ifc67Route, EveryDirectRouteInEverySet) {
    int values = 0;
    for (const Routed& r : kRouted) {
        for (const CorePair& st : statesFor(r.in1, r.in2)) {
            for (int set = 0; set < 7; ++set) {
                const double u1 = toSet(r.in1, st.a, set);
                const double u2 = toSet(r.in2, st.b, set);
                // The export converts the caller's values to core units, then to set 0.
                const double a = toCore(r.in1, u1, set);
                const double b = toCore(r.in2, u2, set);
                const double lib = r.vaprop67(toLibrary(r.in1, a), toLibrary(r.in2, b));
                const double want = toSet(r.out, back(r.out, lib), set);
                const double got = r.vaprop32(u1, u2, set | 8);
                EXPECT_TRUE(withinUlps(got, want, kFewUlps))
                    << r.name << " set " << set << ": " << got << " vs " << want;
                if (got > -1000.0) ++values;
                // The fast bit does not change the route.
                EXPECT_EQ(r.vaprop32(u1, u2, set | 24), got) << r.name;
            }
        }
    }
    EXPECT_GT(values, 500);
}

TEST(Ifc67Route, SaturationCallsInEverySet) {
    for (int set = 0; set < 7; ++set) {
        for (double T : {274.0, 373.15, 500.0, 647.2}) {
            const double u = toSet(Letter::T, T, set);
            const double want = toSet(Letter::P, back(Letter::P, Stm67TP(toF(toCore(Letter::T, u, set)))), set);
            EXPECT_TRUE(withinUlps(StmTP(u, set | 8), want, kFewUlps)) << T << " set " << set;
        }
        for (double p : {0.001, 0.101325, 5.0, 22.1}) {
            const double u = toSet(Letter::P, p, set);
            const double want = toSet(Letter::T, back(Letter::T, Stm67PT(toPsia(toCore(Letter::P, u, set)))), set);
            EXPECT_TRUE(withinUlps(StmPT(u, set | 8), want, kFewUlps)) << p << " set " << set;
        }
    }
}

// ---- Documented edge cases of the route ----------------------------------------------------------

TEST(Ifc67Route, EnglishUnitsRoundTripUnchanged) {
    // psia, F and Btu/lb come back from the two conversions as given, up to rounding.
    EXPECT_TRUE(withinUlps(StmPTH(1000.0, 1000.0, 8), Stm67PTH(1000.0, 1000.0), kFewUlps));
    EXPECT_TRUE(withinUlps(StmPTS(1000.0, 1000.0, 8), Stm67PTS(1000.0, 1000.0), kFewUlps));
    EXPECT_TRUE(withinUlps(StmPHT(1000.0, 1300.0, 8), Stm67PHT(1000.0, 1300.0), kFewUlps));
}

TEST(Ifc67Route, LibraryRangeEndsAt1600F) {
    EXPECT_EQ(StmPTH(1000.0, 1700.0, 8), -1500.0);
    EXPECT_GT(StmPTH(1000.0, 1700.0, 0), 0.0);
}

// The IF97 input checks run first, so an input outside the IF97 ranges gives the IF97 code.
TEST(Ifc67Route, IF97InputChecksComeFirst) {
    EXPECT_EQ(StmPTH(20000.0, 1000.0, 8), -1200.0);  // 137.9 MPa
    EXPECT_EQ(StmPTH(1000.0, 31.0, 8), -1100.0);     // below 32 F
    EXPECT_EQ(StmPQH(1000.0, 1.2, 8), -1700.0);
    EXPECT_EQ(StmPHT(1000.0, 3200.0, 8), -2200.0);  // above 7377 kJ/kg
    EXPECT_EQ(StmPTH(1000.0, 1000.0, 15), -1099.0);
}

// Every code of the library reaches the caller unchanged.
TEST(Ifc67Route, LibraryCodesPassUnchanged) {
    EXPECT_EQ(StmPQH(0.05, 0.0, 8), -1300.0);    // (p,x) below 0.088 psia
    EXPECT_EQ(StmPTH(0.05, 100.0, 8), -1500.0);  // (p,T) below 0.088 psia
    EXPECT_EQ(StmTQC(300.0, 0.5, 8), -1700.0);   // Stm67TQC refuses 0 < x < 1
    EXPECT_EQ(StmPT(3300.0, 8), -1800.0);        // above the IFC-67 critical pressure
    EXPECT_EQ(StmPQV(227.5, 1.0, 9), -1800.0);   // the same in set SI (22.75 MPa)
    EXPECT_EQ(StmTP(705.5, 8), -1900.0);         // above 705.47 F
    // Between the two critical temperatures IFC-67 still has a saturation pressure, IF97 not.
    EXPECT_GT(StmTP(705.3, 8), 3200.0);
    EXPECT_EQ(StmTP(705.3, 0), -1900.0);
}

TEST(Ifc67Route, ComposedHeatCapacityFromPH) {
    const double p = 1000.0;  // psia
    const double hf = Stm67PQH(p, 0.0);
    const double hg = Stm67PQH(p, 1.0);
    // Two-phase: no heat capacity.
    EXPECT_EQ(StmPHC(p, 0.5 * (hf + hg), 8), -2000.0);
    // Subcooled liquid and superheated vapour: cp at (p, T).
    for (double h : {500.0, 1400.0}) {
        const double T = Stm67PHT(p, h);
        EXPECT_TRUE(withinUlps(StmPHC(p, h, 8), Stm67PTC(p, T), kFewUlps)) << h;
    }
    // Exactly on the saturation line: the saturated liquid's or vapour's heat capacity, not cp(p, Ts)
    // (which the (p,T) call evaluates as vapour).
    ASSERT_EQ(Stm67PHQ(p, hf), 0.0);
    EXPECT_TRUE(withinUlps(StmPHC(p, hf, 8), Stm67PQC(p, 0.0), kFewUlps));
    EXPECT_TRUE(withinUlps(StmPHC(p, hg, 8), Stm67PQC(p, 1.0), kFewUlps));
    EXPECT_NE(StmPHC(p, hf, 8), StmPHC(p, hf + 1e-6, 8)) << "just off the line the (p,T) heat capacity is taken";
    // Above the IFC-67 critical pressure the saturation comparison fails and cp(p, T) is taken.
    const double T = Stm67PHT(4000.0, 900.0);
    EXPECT_TRUE(withinUlps(StmPHC(4000.0, 900.0, 8), Stm67PTC(4000.0, T), kFewUlps));
    // Codes of the library end the call.
    EXPECT_EQ(StmPHC(0.05, 100.0, 8), Stm67PHT(0.05, 100.0));
}

// The composed heat capacity written out: T and x from the library, -2000 for a wet state, the
// saturated value within 1e-8 F of the saturation temperature, else cp(p, T); in Btu/(lb F).
double composedByHand(Lib2 temperature, Lib2 quality, double p, double y) {
    const double T = temperature(p, y);
    if (T <= -1000.0) return T;
    const double x = quality(p, y);
    if (x <= -1000.0) return x;
    if (x > 0.0 && x < 1.0) return -2000.0;
    return std::fabs(T - Stm67PT(p)) < 1e-8 ? Stm67PQC(p, x) : Stm67PTC(p, T);
}

TEST(Ifc67Route, ComposedHeatCapacityInEverySet) {
    for (int set = 0; set < 7; ++set) {
        for (const CorePair& st : statesFor(Letter::P, Letter::H)) {
            const double up = toSet(Letter::P, st.a, set), uh = toSet(Letter::H, st.b, set);
            const double p = toCore(Letter::P, up, set), h = toCore(Letter::H, uh, set);
            const double want = back(Letter::C, composedByHand(Stm67PHT, Stm67PHQ, toPsia(p), toBtu(h)));
            EXPECT_TRUE(withinUlps(StmPHC(up, uh, set | 8), toSet(Letter::C, want, set), kFewUlps)) << set;
        }
        for (const CorePair& st : statesFor(Letter::P, Letter::S)) {
            const double up = toSet(Letter::P, st.a, set), us = toSet(Letter::S, st.b, set);
            const double p = toCore(Letter::P, up, set), s = toCore(Letter::S, us, set);
            const double want = back(Letter::C, composedByHand(Stm67PST, Stm67PSQ, toPsia(p), toBtuF(s)));
            EXPECT_TRUE(withinUlps(StmPSC(up, us, set | 8), toSet(Letter::C, want, set), kFewUlps)) << set;
        }
    }
}

TEST(Ifc67Route, ComposedHeatCapacityFromPS) {
    const double p = 1000.0;
    const double sf = Stm67PQS(p, 0.0);
    const double sg = Stm67PQS(p, 1.0);
    EXPECT_EQ(StmPSC(p, 0.5 * (sf + sg), 8), -2000.0);
    for (double s : {0.5, 1.65}) {
        EXPECT_TRUE(withinUlps(StmPSC(p, s, 8), Stm67PTC(p, Stm67PST(p, s)), kFewUlps)) << s;
    }
    EXPECT_TRUE(withinUlps(StmPSC(p, sf, 8), Stm67PQC(p, 0.0), kFewUlps));
    EXPECT_TRUE(withinUlps(StmPSC(p, sg, 8), Stm67PQC(p, 1.0), kFewUlps));
}

// ---- Transport through the route: the state from IFC-67, the equations of the transport object ----

double transportAt(bool conductivity, double p, double T, double v) {
    if97::IF97Transport t;
    if (conductivity) {
        t.computeConductivity(p, T, v);
        return t.conductivity();
    }
    t.computeViscosity(p, T, v);
    return t.viscosity();
}

TEST(Ifc67Route, TransportFromTheIfc67Volume) {
    for (int set = 0; set < 7; ++set) {
        for (bool k : {true, false}) {
            const Letter out = k ? Letter::K : Letter::M;
            // (p, T): v from Stm67PTV.
            const double up = toSet(Letter::P, 10.0, set), uT = toSet(Letter::T, 700.0, set);
            const double p = toCore(Letter::P, up, set), T = toCore(Letter::T, uT, set);
            const double v = back(Letter::V, Stm67PTV(toPsia(p), toF(T)));
            const double got = (k ? StmPTK : StmPTM)(up, uT, set | 8);
            EXPECT_TRUE(withinUlps(got, toSet(out, transportAt(k, p, T, v), set), kFewUlps)) << set << k;
            EXPECT_NE(got, (k ? StmPTK : StmPTM)(up, uT, set)) << "IF97 volume differs";
            // (p, x): T from Stm67PT, v from Stm67PQV.
            for (double x : {0.0, 1.0}) {
                const double Ts = back(Letter::T, Stm67PT(toPsia(p)));
                const double vs = back(Letter::V, Stm67PQV(toPsia(p), x));
                EXPECT_TRUE(withinUlps(
                    (k ? StmPQK : StmPQM)(up, x, set | 8), toSet(out, transportAt(k, p, Ts, vs), set), kFewUlps))
                    << set << k << x;
                // (T, x): p from Stm67TP, v from Stm67TQV.
                const double ps = back(Letter::P, Stm67TP(toF(T - 100.0)));
                const double vt = back(Letter::V, Stm67TQV(toF(T - 100.0), x));
                const double uTs = toSet(Letter::T, T - 100.0, set);
                ASSERT_TRUE(withinUlps(toCore(Letter::T, uTs, set), T - 100.0, kFewUlps));
                const double Tback = toCore(Letter::T, uTs, set);
                const double psb = back(Letter::P, Stm67TP(toF(Tback)));
                const double vtb = back(Letter::V, Stm67TQV(toF(Tback), x));
                EXPECT_TRUE(withinUlps(
                    (k ? StmTQK : StmTQM)(uTs, x, set | 8), toSet(out, transportAt(k, psb, Tback, vtb), set), kFewUlps))
                    << set << k << x;
                EXPECT_TRUE(withinUlps(psb, ps, kFewUlps));
                EXPECT_TRUE(withinUlps(vtb, vt, kFewUlps));
            }
        }
    }
}

TEST(Ifc67Route, TransportCodes) {
    // IF97 fails first at 20 MPa, 1100 K; through IFC-67 the state exists and the transport
    // equations refuse it.
    EXPECT_EQ(StmPTK(20.0, 1100.0, 3), -1000.0);
    EXPECT_EQ(StmPTK(20.0, 1100.0, 11), -5100.0);
    EXPECT_EQ(StmPTM(20.0, 1100.0, 11), -5100.0);
    // Above the IFC-67 critical pressure there is no saturated vapour.
    EXPECT_EQ(StmPQK(4000.0, 1.0, 8), -1800.0);
    EXPECT_EQ(StmPQM(4000.0, 0.0, 8), -1800.0);
    // Above 705.47 F no saturation pressure. (The library's -1300 of the (T,x) calls below about
    // 31.83 F cannot be reached: the input check refuses temperatures below 32 F first.)
    EXPECT_EQ(StmTQK(705.6, 1.0, 8), -1900.0);
    EXPECT_EQ(StmTQM(31.9, 0.0, 8), -1100.0);
    EXPECT_GT(StmTQM(32.0, 0.0, 8), 0.0);
    // Outside the IFC-67 (p,T) range.
    EXPECT_EQ(StmPTK(1000.0, 1700.0, 8), -1500.0);
}

// ---- Calls without a route -----------------------------------------------------------------------

TEST(Ifc67Route, CallsWithoutARoute) {
    EXPECT_EQ(StmPTW(1000.0, 1000.0, 8), StmPTW(1000.0, 1000.0, 0));
    EXPECT_EQ(StmPTG(1000.0, 1000.0, 8), StmPTG(1000.0, 1000.0, 0));
    EXPECT_EQ(StmPTR(1000.0, 1000.0, 8), 0.0);
    EXPECT_EQ(StmPTR(1.0, 500.0, 11), 0.0);
    EXPECT_EQ(StmTempTI(1000.0, 8), StmTempTI(1000.0, 0));
}

}  // namespace
}  // namespace vaprop::test
