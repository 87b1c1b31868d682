// StmBatch and StmProp: every cell of every pair and name that has an export holds the bits of that
// export (1 and several threads, both orders of the pair), the cells without an export hold the
// state's own value, and every refusal returns its code without touching anything.
#include "export_calls.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vaprop::calls;

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Inputs {
    std::vector<double> a, b;
};

// Rows of one pair: accepted words only (a refused word refuses the whole batch).
Inputs inputsFor(std::string_view letters, std::int32_t word, int rows, std::uint64_t seed) {
    InputSource in(seed);
    Inputs r;
    for (int i = 0; i < rows; ++i) {
        r.a.push_back(in.value(letters[0], word));
        r.b.push_back(letters.size() > 1 ? in.value(letters[1], word) : 0.0);
    }
    return r;
}

constexpr std::int32_t kAcceptedWords[] = {0, 1, 2, 3, 4, 5, 6, 8, 11, 13, 16, 19, 24, 27, 32};

TEST(StmBatch, EveryCellWithAnExportHasItsBits) {
    constexpr int kRows = 250;
    const std::string pairs[] = {"PT", "PQ", "TQ", "PH", "PS"};
    for (const std::string& pair : pairs) {
        // Every export of the pair, in one list of names.
        std::vector<const ExportCall*> exports;
        std::string names;
        for (const ExportCall& e : kExportCalls) {
            if (e.two == nullptr || e.inputs != pair) continue;
            exports.push_back(&e);
            names += (names.empty() ? "" : ",") + std::string(1, e.result);
        }
        const std::size_t n = exports.size();
        for (const std::int32_t word : kAcceptedWords) {
            const Inputs in = inputsFor(pair, word, kRows, 100 + static_cast<std::uint64_t>(word));
            for (const std::int32_t threads : {1, 3, 0}) {
                std::vector<double> out(n * kRows, 0.0);
                const std::int32_t codes =
                    StmBatch(pair.c_str(), names.c_str(), word, kRows, in.a.data(), in.b.data(), out.data(), threads);
                std::int32_t expectedCodes = 0;
                for (int i = 0; i < kRows; ++i) {
                    for (std::size_t j = 0; j < n; ++j) {
                        const double expected = exports[j]->two(in.a[i], in.b[i], word);
                        expectedCodes += expected > -1000.0 ? 0 : 1;
                        ASSERT_TRUE(sameBits(out[i * n + j], expected))
                            << exports[j]->name << "(" << in.a[i] << ", " << in.b[i] << ", " << word << ") threads "
                            << threads << ": " << out[i * n + j] << " instead of " << expected;
                    }
                }
                EXPECT_EQ(codes, expectedCodes) << pair << " " << word;
            }
        }
    }
}

TEST(StmBatch, OtherOrderSwapsTheColumnsAndNamesIgnoreCase) {
    constexpr int kRows = 300;
    const Inputs in = inputsFor("PH", 1, kRows, 5);
    std::vector<double> straight(2 * kRows), swapped(2 * kRows);
    ASSERT_GE(StmBatch("PH", "T,S", 1, kRows, in.a.data(), in.b.data(), straight.data(), 1), 0);
    ASSERT_GE(StmBatch("hp", " t , s ", 1, kRows, in.b.data(), in.a.data(), swapped.data(), 2), 0);
    for (int i = 0; i < 2 * kRows; ++i) EXPECT_TRUE(sameBits(straight[i], swapped[i])) << i;
}

TEST(StmBatch, SaturationCellsAreTheSaturationCalls) {
    constexpr int kRows = 400;
    for (const std::int32_t word : {0, 1, 3, 8, 9}) {
        const Inputs t = inputsFor("T", word, kRows, 11);
        const Inputs p = inputsFor("P", word, kRows, 12);
        const std::vector<double> zero(kRows, 0.0);
        std::vector<double> out(kRows);
        StmBatch("TQ", "P", word, kRows, t.a.data(), zero.data(), out.data(), 1);
        for (int i = 0; i < kRows; ++i) EXPECT_TRUE(sameBits(out[i], StmTP(t.a[i], word))) << t.a[i];
        StmBatch("PQ", "T", word, kRows, p.a.data(), zero.data(), out.data(), 1);
        for (int i = 0; i < kRows; ++i) EXPECT_TRUE(sameBits(out[i], StmPT(p.a[i], word))) << p.a[i];
    }
}

// Cells without an export: inputs as passed, the quality of (p,T), the transport properties of
// (p,h) and (p,s) at the state's own temperature (in set SIF, whose units are the core's, exactly the
// (p,T) exports there), none for wet steam.
TEST(StmBatch, CellsWithoutAnExportHoldTheStateValues) {
    struct Row {
        double p, y;  // MPa, and kJ/kg or kJ/(kg K)
        const char* pair;
        bool wet;
    };
    const Row rows[] = {{1.0, 3000.0, "PH", false},
                        {0.1, 200.0, "PH", false},
                        {1.0, 2000.0, "PH", true},
                        {1.0, 7.0, "PS", false},
                        {10.0, 3.0, "PS", false},
                        {1.0, 4.0, "PS", true},
                        {30.0, 2000.0, "PH", false}};
    for (const Row& r : rows) {
        double out[6];
        StmBatch(r.pair, "K,M,P,Q,PR,R", 3, 1, &r.p, &r.y, out, 1);
        const double T = r.pair[1] == 'H' ? StmPHT(r.p, r.y, 3) : StmPST(r.p, r.y, 3);
        const double x = r.pair[1] == 'H' ? StmPHQ(r.p, r.y, 3) : StmPSQ(r.p, r.y, 3);
        EXPECT_EQ(out[2], r.p);
        EXPECT_EQ(out[3], x);
        if (r.wet) {
            for (int j : {0, 1, 4}) EXPECT_EQ(out[j], -2000.0) << r.pair << " " << r.y;
            EXPECT_EQ(out[5], 4.0);
            continue;
        }
        // In region 3 the (p,h)/(p,s) solve converges on v and T together, the (p,T) one on v alone:
        // both to rounding, not always to the same last bit.
        const double rel = out[5] == 3.0 ? 1e-13 : 0.0;
        EXPECT_NEAR(out[0], StmPTK(r.p, T, 3), rel * out[0]) << r.pair << " " << r.y;
        EXPECT_NEAR(out[1], StmPTM(r.p, T, 3), rel * out[1]) << r.pair << " " << r.y;
        const double cp = r.pair[1] == 'H' ? StmPHC(r.p, r.y, 3) : StmPSC(r.p, r.y, 3);
        EXPECT_EQ(out[4], out[1] * cp / out[0] * 1000.0);
        EXPECT_EQ(out[5], StmPTR(r.p, T, 3));
    }
    // (p,T): the quality of the state's side, and the input back as passed.
    const double p[] = {1.0, 1.0}, t[] = {400.0, 500.0};
    double out[4];
    StmBatch("PT", "Q,T", 3, 2, p, t, out, 1);
    EXPECT_EQ(out[0], 0.0);
    EXPECT_EQ(out[2], 1.0);
    EXPECT_EQ(out[1], 400.0);
    // A state that cannot be computed gives its code in every cell, inputs included.
    const double hot[] = {1100.0};
    const double high[] = {20.0};
    StmBatch("PT", "P,Q,K", 3, 1, high, hot, out, 1);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(out[j], -1000.0);
}

struct Refusal {
    const char* pair;
    const char* props;
    std::int32_t word;
    std::int32_t count;
    bool nullInput;
    bool nullOut;
    std::int32_t threads;
    std::int32_t code;
    const char* why;
};

const Refusal kRefusals[] = {
    {"PX", "H", 1, 2, false, false, 1, -3100, "no such pair"},
    {"PP", "H", 1, 2, false, false, 1, -3100, "one letter twice"},
    {"PTH", "H", 1, 2, false, false, 1, -3100, "three letters"},
    {"", "H", 1, 2, false, false, 1, -3100, "empty pair"},
    {"HT", "T", 1, 2, false, false, 1, -3100, "a pair without calls"},
    {"PT", "X", 1, 2, false, false, 1, -3200, "unknown name"},
    {"PT", "H,,S", 1, 2, false, false, 1, -3200, "empty name"},
    {"PT", "", 1, 2, false, false, 1, -3200, "no names"},
    {"PT", "HS", 1, 2, false, false, 1, -3200, "two letters without a comma"},
    {"PT", "H", 1, -1, false, false, 1, -3300, "negative count"},
    {"PT", "H", 1, 2, false, false, -1, -3300, "negative threads"},
    {"PT", "H", 1, 2, true, false, 1, -3400, "null input"},
    {"PT", "H", 1, 2, false, true, 1, -3400, "null output"},
    {nullptr, "H", 1, 2, false, false, 1, -3400, "null pair"},
    {"PT", nullptr, 1, 2, false, false, 1, -3400, "null names"},
    {"PT", "H", 33, 2, false, false, 1, -1099, "UnitSet above 32"},
    {"PT", "H", 7, 2, false, false, 1, -1099, "set index 7"},
    {"PT", "H", 15, 2, false, false, 1, -1099, "set index 7 with IFC-67"},
};

TEST(StmBatch, RefusalsReturnTheirCodeAndTouchNothing) {
    const double a[] = {10.0, 20.0}, b[] = {500.0, 600.0};
    for (const Refusal& r : kRefusals) {
        double out[4] = {1.5, 1.5, 1.5, 1.5};
        const std::int32_t rc = StmBatch(
            r.pair, r.props, r.word, r.count, r.nullInput ? nullptr : a, b, r.nullOut ? nullptr : out, r.threads);
        EXPECT_EQ(rc, r.code) << r.why;
        for (double v : out) EXPECT_EQ(v, 1.5) << r.why;
    }
    // No rows: nothing to do, null pointers allowed.
    EXPECT_EQ(StmBatch("PT", "H", 1, 0, nullptr, nullptr, nullptr, 0), 0);
    // Codes and texts of the one table.
    EXPECT_EQ(StmProp("PX", 1.0, 2.0, "H", 1), -3100.0);
}

TEST(StmProp, EveryExportByNames) {
    InputSource in(99);
    for (const ExportCall& e : kExportCalls) {
        if (e.two == nullptr) continue;
        const std::string pair(e.inputs);
        const std::string reversed{pair[1], pair[0]};
        const char name[2] = {e.result, '\0'};
        for (int k = 0; k < 400; ++k) {
            const std::int32_t word = in.word();
            const double a = in.value(pair[0], word);
            const double b = in.value(pair[1], word);
            const double expected = e.two(a, b, word);
            ASSERT_TRUE(sameBits(StmProp(pair.c_str(), a, b, name, word), expected)) << e.name << " " << word;
            ASSERT_TRUE(sameBits(StmProp(reversed.c_str(), b, a, name, word), expected)) << e.name << " " << word;
        }
    }
}

TEST(StmProp, Refusals) {
    EXPECT_EQ(StmProp("PT", 10.0, 500.0, "X", 1), -3200.0);
    EXPECT_EQ(StmProp("PT", 10.0, 500.0, "H,S", 1), -3200.0);
    EXPECT_EQ(StmProp("PT", 10.0, 500.0, "", 1), -3200.0);
    EXPECT_EQ(StmProp("QQ", 10.0, 500.0, "H", 1), -3100.0);
    EXPECT_EQ(StmProp(nullptr, 10.0, 500.0, "H", 1), -3400.0);
    EXPECT_EQ(StmProp("PT", 10.0, 500.0, nullptr, 1), -3400.0);
    EXPECT_EQ(StmProp("PT", 10.0, 500.0, "H", 33), -1099.0);
    EXPECT_EQ(StmProp("pt", 10.0, 500.0, "h", 1), StmPTH(10.0, 500.0, 1));
}

}  // namespace
