// The built shared library vaprop67: its export table against the ordinals callers bind to, the
// start-up at load, the edge cases of the exported calls, and NaN and infinities in every argument
// of every export.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <string>

#include "calls67.h"
#include "vaprop67.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPc = 3208.234758592228;

// The export table callers bind to: name, ordinal, bytes of arguments (stdcall decoration).
struct ExportRow {
    const char* name;
    int ordinal;
    int argBytes;
};
constexpr ExportRow kExports[] = {
    {"Stm67Ver", 1, 0},   {"Stm67TP", 2, 8},    {"Stm67PT", 3, 8},    {"Stm67PTV", 4, 16},  {"Stm67PTH", 5, 16},
    {"Stm67PTS", 6, 16},  {"Stm67PTC", 7, 16},  {"Stm67PHT", 8, 16},  {"Stm67PHQ", 9, 16},  {"Stm67PHV", 10, 16},
    {"Stm67PHS", 11, 16}, {"Stm67PST", 12, 16}, {"Stm67PSQ", 13, 16}, {"Stm67PSV", 14, 16}, {"Stm67PSH", 15, 16},
    {"Stm67PQV", 16, 16}, {"Stm67PQH", 17, 16}, {"Stm67PQS", 18, 16}, {"Stm67PQC", 19, 16}, {"Stm67TQV", 20, 16},
    {"Stm67TQH", 21, 16}, {"Stm67TQS", 22, 16}, {"Stm67TQC", 23, 16}, {"DllMain", 24, 12},
};

TEST(Exports67, DefinitionFileHoldsTheOrdinals) {
    std::ifstream in(VAPROP67_DEF_FILE);
    ASSERT_TRUE(in.is_open());
    // Export lines: "    Name = Name@bytes @ordinal".
    std::map<std::string, std::pair<int, int>> seen;
    for (std::string s; std::getline(in, s);) {
        char name[64] = {}, symbol[64] = {}, tail[8] = {};
        int bytes = -1, ordinal = -1;
        if (std::sscanf(
                s.c_str(), " %63[A-Za-z0-9_] = %63[A-Za-z0-9_]@%d @%d%7s", name, symbol, &bytes, &ordinal, tail) == 4) {
            EXPECT_STREQ(name, symbol) << s;
            EXPECT_TRUE(seen.emplace(name, std::make_pair(ordinal, bytes)).second) << "twice: " << s;
        }
    }
    ASSERT_EQ(seen.size(), std::size(kExports));
    for (const auto& e : kExports) {
        ASSERT_TRUE(seen.count(e.name)) << e.name;
        EXPECT_EQ(seen[e.name].first, e.ordinal) << e.name;
        EXPECT_EQ(seen[e.name].second, e.argBytes) << e.name;
    }
}

TEST(Exports67, SharedLibraryExportsEveryName) {
    void* lib = dlopen(VAPROP67_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    for (const auto& e : kExports) {
        if (e.ordinal == 24) continue;  // the start-up entry is the loader's, on Windows only
        EXPECT_NE(dlsym(lib, e.name), nullptr) << e.name;
    }
    // Internal routines stay hidden.
    EXPECT_EQ(dlsym(lib, "_ZN5ifc6714satPressure67Ed"), nullptr);
    using Fn = double (*)(double, double);
    const auto pth = reinterpret_cast<Fn>(dlsym(lib, "Stm67PTH"));
    ASSERT_NE(pth, nullptr);
    EXPECT_EQ(pth(1000.0, 1000.0), Stm67PTH(1000.0, 1000.0));
    dlclose(lib);
}

// The offsets are in the library's record from the moment it is loaded: the first call already
// equals the result on a started record, and differs from one without offsets.
TEST(Exports67, StartUpWritesOffsetsAtLoad) {
    ifc67::IFC67Working startedRecord, bare;
    ifc67::startWorking67(startedRecord);
    const double h = Stm67PTH(1000.0, 300.0);
    EXPECT_EQ(h, ifc67::callPTProperty(startedRecord, 1000.0, 300.0, ifc67::Property::Enthalpy));
    EXPECT_NE(h, ifc67::callPTProperty(bare, 1000.0, 300.0, ifc67::Property::Enthalpy));
    EXPECT_EQ(Stm67PTS(1000.0, 300.0), ifc67::callPTProperty(startedRecord, 1000.0, 300.0, ifc67::Property::Entropy));
}

TEST(Exports67, Version) { EXPECT_EQ(Stm67Ver(), 1.1); }

TEST(Exports67, QualityEndsAndMean) {
    for (double p : {1.0, 100.0, 2000.0, 3000.0}) {
        const double hf = Stm67PQH(p, 0.0), hg = Stm67PQH(p, 1.0);
        ifc67::IFC67Working w;
        ifc67::startWorking67(w);
        const double ts = Stm67PT(p);
        EXPECT_EQ(hf, ifc67::saturated67(w, p, ts, false, ifc67::Property::Enthalpy));
        EXPECT_EQ(hg, ifc67::saturated67(w, p, ts, true, ifc67::Property::Enthalpy));
        EXPECT_DOUBLE_EQ(Stm67PQH(p, 0.5), 0.5 * (hf + hg));
        const double cf = Stm67PQC(p, 0.0), cg = Stm67PQC(p, 1.0);
        EXPECT_DOUBLE_EQ(Stm67PQC(p, 0.5), 0.5 * (cf + cg));
        EXPECT_EQ(Stm67TQC(ts, 0.5), -1700.0);
    }
}

TEST(Exports67, SaturationPressureLimitsOfQualityCalls) {
    EXPECT_GT(Stm67PQV(kPc, 0.5), 0.0);
    EXPECT_EQ(Stm67PQV(std::nextafter(kPc, kInf), 0.5), -1800.0);
    EXPECT_EQ(Stm67PQV(0.0879, 0.5), -1300.0);
    EXPECT_GT(Stm67PQV(0.088, 0.5), 0.0);
    EXPECT_EQ(Stm67PQV(100.0, -0.001), -1700.0);
    EXPECT_EQ(Stm67PQV(100.0, 1.001), -1700.0);
    EXPECT_EQ(Stm67PT(0.0879), -1800.0);
    EXPECT_EQ(Stm67PT(std::nextafter(kPc, kInf)), -1800.0);
}

TEST(Exports67, TemperatureLimitsOfQualityCalls) {
    EXPECT_EQ(Stm67TQH(30.0, 0.0), -1300.0);  // saturation pressure at 30 F lies below 0.088 psia
    EXPECT_EQ(Stm67TQH(29.9, 0.0), -1900.0);
    EXPECT_EQ(Stm67TQH(705.48, 0.0), -1900.0);
    EXPECT_GT(Stm67TQH(705.47, 0.0), 0.0);
    EXPECT_NEAR(Stm67TQH(32.018, 0.0), 0.0003, 0.00005);  // 1967 tables: hf at the triple point
    EXPECT_EQ(Stm67TQC(30.0, 0.0), -1300.0);
    EXPECT_EQ(Stm67TQC(30.0, 0.5), -1700.0);
    EXPECT_EQ(Stm67TQC(212.0, 1.0), Stm67PQC(Stm67TP(212.0), 1.0));
    EXPECT_EQ(Stm67TP(29.9), -1900.0);
    EXPECT_EQ(Stm67TP(705.471), -1900.0);
}

TEST(Exports67, PressureTemperatureLimits) {
    EXPECT_GT(Stm67PTH(15700.0, 1600.0), 0.0);
    // Liquid at 30 F lies 2 F below the triple point, where h is 0.0003 Btu/lb: about -2 Btu/lb.
    EXPECT_NEAR(Stm67PTH(0.088, 30.0), -2.0, 0.1);
    EXPECT_EQ(Stm67PTH(15700.1, 1600.0), -1500.0);
    EXPECT_EQ(Stm67PTH(100.0, 1600.1), -1500.0);
    EXPECT_EQ(Stm67PTH(0.0879, 100.0), -1500.0);
    EXPECT_EQ(Stm67PTH(100.0, 29.9), -1500.0);
    // On the saturation line a state counts as vapour.
    const double ps = Stm67TP(400.0);
    EXPECT_NEAR(Stm67PTH(ps, 400.0), Stm67PQH(ps, 1.0), 1e-6);
    EXPECT_GT(Stm67PTV(ps, 400.0), 10.0 * Stm67PTV(ps * (1 + 1e-9), 400.0));
}

TEST(Exports67, QualityFromBackwardCalls) {
    for (double p : {3208.234758592228, 3500.0, 10000.0}) {
        for (double h : {100.0, 800.0, 1500.0}) EXPECT_EQ(Stm67PHQ(p, h), 1.0) << p << " " << h;
        for (double s : {0.2, 1.0, 1.5}) EXPECT_EQ(Stm67PSQ(p, s), 1.0) << p << " " << s;
    }
    EXPECT_EQ(Stm67PHQ(1000.0, Stm67PTH(1000.0, 300.0)), 0.0);
    EXPECT_EQ(Stm67PHQ(1000.0, Stm67PTH(1000.0, 800.0)), 1.0);
    EXPECT_EQ(Stm67PSQ(1000.0, Stm67PTS(1000.0, 300.0)), 0.0);
    EXPECT_EQ(Stm67PSQ(1000.0, Stm67PTS(1000.0, 800.0)), 1.0);
    const double hf = Stm67PQH(200.0, 0.0), hg = Stm67PQH(200.0, 1.0);
    EXPECT_NEAR(Stm67PHQ(200.0, hf + 0.4 * (hg - hf)), 0.4, 1e-12);
    EXPECT_EQ(Stm67PHT(0.088, 1100.0), -1500.0);
    EXPECT_EQ(Stm67PST(0.088, 2.0), -1500.0);
    EXPECT_EQ(Stm67PHQ(0.088, 1100.0), -1500.0);
    EXPECT_EQ(Stm67PSV(0.088, 2.0), -1500.0);
}

TEST(Exports67, RoundTripThroughExports) {
    for (double p : {0.5, 14.7, 600.0, 2700.0, 3300.0, 9000.0}) {
        for (double t : {40.0, 250.0, 650.0, 700.0, 900.0, 1500.0}) {
            if (p < kPc && std::fabs(t - Stm67PT(p)) < 1e-6) continue;
            EXPECT_NEAR(Stm67PHT(p, Stm67PTH(p, t)), t, 0.01) << p << " " << t;
            EXPECT_NEAR(Stm67PST(p, Stm67PTS(p, t)), t, 0.01) << p << " " << t;
            EXPECT_NEAR(Stm67PHV(p, Stm67PTH(p, t)) / Stm67PTV(p, t), 1.0, 1e-4) << p << " " << t;
            EXPECT_NEAR(Stm67PSH(p, Stm67PTS(p, t)), Stm67PTH(p, t), 0.01) << p << " " << t;
        }
    }
}

// A failed call leaves nothing behind that a later call relies on.
TEST(Exports67, FailedCallChangesNothingLater) {
    const double h = Stm67PHS(500.0, 1300.0);
    const double x = Stm67PHQ(500.0, 900.0);
    EXPECT_EQ(Stm67PHS(500.0, 9000.0), -1500.0);
    EXPECT_EQ(Stm67PQV(5000.0, 0.5), -1800.0);
    EXPECT_EQ(Stm67PTV(20000.0, 100.0), -1500.0);
    EXPECT_EQ(Stm67PHS(500.0, 1300.0), h);
    EXPECT_EQ(Stm67PHQ(500.0, 900.0), x);
}

// NaN and infinities in every argument of every export give the code of the first range test the
// argument meets.
using One = double(VAPROP67_CALL*)(double);
using Two = double(VAPROP67_CALL*)(double, double);

TEST(Exports67, NonFiniteArgumentsGiveTheFirstRangeCode) {
    struct OneRow {
        const char* name;
        One f;
        double nanCode, posInfCode, negInfCode;
    };
    const OneRow ones[] = {{"Stm67TP", Stm67TP, -1900, -1900, -1900}, {"Stm67PT", Stm67PT, -1800, -1800, -1800}};
    for (const auto& r : ones) {
        EXPECT_EQ(r.f(kNaN), r.nanCode) << r.name;
        EXPECT_EQ(r.f(kInf), r.posInfCode) << r.name;
        EXPECT_EQ(r.f(-kInf), r.negInfCode) << r.name;
    }
    struct TwoRow {
        const char* name;
        Two f;
        double good1, good2;       // a valid pair
        double nan1, inf1, ninf1;  // codes for the first argument
        double nan2, inf2, ninf2;  // codes for the second argument
    };
    const TwoRow twos[] = {
        {"Stm67PTV", Stm67PTV, 100, 500, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PTH", Stm67PTH, 100, 500, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PTS", Stm67PTS, 100, 500, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PTC", Stm67PTC, 100, 500, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PHT", Stm67PHT, 100, 1200, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PHQ", Stm67PHQ, 100, 1200, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PHV", Stm67PHV, 100, 1200, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PHS", Stm67PHS, 100, 1200, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PST", Stm67PST, 100, 1.7, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PSQ", Stm67PSQ, 100, 1.7, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PSV", Stm67PSV, 100, 1.7, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PSH", Stm67PSH, 100, 1.7, -1500, -1500, -1500, -1500, -1500, -1500},
        {"Stm67PQV", Stm67PQV, 100, 0.5, -1300, -1800, -1300, -1700, -1700, -1700},
        {"Stm67PQH", Stm67PQH, 100, 0.5, -1300, -1800, -1300, -1700, -1700, -1700},
        {"Stm67PQS", Stm67PQS, 100, 0.5, -1300, -1800, -1300, -1700, -1700, -1700},
        {"Stm67PQC", Stm67PQC, 100, 0.5, -1300, -1800, -1300, -1700, -1700, -1700},
        {"Stm67TQV", Stm67TQV, 212, 0.5, -1900, -1900, -1900, -1700, -1700, -1700},
        {"Stm67TQH", Stm67TQH, 212, 0.5, -1900, -1900, -1900, -1700, -1700, -1700},
        {"Stm67TQS", Stm67TQS, 212, 0.5, -1900, -1900, -1900, -1700, -1700, -1700},
        {"Stm67TQC", Stm67TQC, 212, 1.0, -1900, -1900, -1900, -1700, -1700, -1700},
    };
    for (const auto& r : twos) {
        EXPECT_GT(r.f(r.good1, r.good2), -1000.0) << r.name;
        EXPECT_EQ(r.f(kNaN, r.good2), r.nan1) << r.name;
        EXPECT_EQ(r.f(kInf, r.good2), r.inf1) << r.name;
        EXPECT_EQ(r.f(-kInf, r.good2), r.ninf1) << r.name;
        EXPECT_EQ(r.f(r.good1, kNaN), r.nan2) << r.name;
        EXPECT_EQ(r.f(r.good1, kInf), r.inf2) << r.name;
        EXPECT_EQ(r.f(r.good1, -kInf), r.ninf2) << r.name;
        // Both arguments bad: the first argument's test comes first.
        EXPECT_EQ(r.f(kNaN, kNaN), r.nan1) << r.name;
    }
}

}  // namespace
