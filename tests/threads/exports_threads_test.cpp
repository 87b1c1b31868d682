// Every export of vaprop32 and vaprop67 called from 4 threads at once, each thread through the whole
// list of calls in an order of its own: every result has the bits of the same call made alone, one
// after another. Overlapping StmBatch calls, each on threads of its own, likewise.
#include "export_calls.h"
#include "vaprop67.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#ifndef VAPROP_THREADS_CASES
#define VAPROP_THREADS_CASES 6000
#endif

namespace {

using namespace vaprop::calls;

constexpr int kThreads = 4;
constexpr int kCasesPerExport = VAPROP_THREADS_CASES;

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// One call: a function of the table, or of vaprop67, with its arguments.
struct Case {
    double (*run)(const Case&);
    int index;
    double a;
    double b;
    std::int32_t word;
};

double runExport32(const Case& c) { return call(kExportCalls[c.index], c.a, c.b, c.word); }
double runVersion(const Case&) { return StmVer(); }

using Call67 = double(VAPROP67_CALL*)(double, double);
struct Export67 {
    Call67 call;
    char in1;
    char in2;
};
double VAPROP67_CALL tp67(double t, double) { return Stm67TP(t); }
double VAPROP67_CALL pt67(double p, double) { return Stm67PT(p); }
const Export67 kExports67[] = {
    {tp67, 'T', 'Q'},     {pt67, 'P', 'Q'},     {Stm67PTV, 'P', 'T'}, {Stm67PTH, 'P', 'T'}, {Stm67PTS, 'P', 'T'},
    {Stm67PTC, 'P', 'T'}, {Stm67PHT, 'P', 'H'}, {Stm67PHQ, 'P', 'H'}, {Stm67PHV, 'P', 'H'}, {Stm67PHS, 'P', 'H'},
    {Stm67PST, 'P', 'S'}, {Stm67PSQ, 'P', 'S'}, {Stm67PSV, 'P', 'S'}, {Stm67PSH, 'P', 'S'}, {Stm67PQV, 'P', 'Q'},
    {Stm67PQH, 'P', 'Q'}, {Stm67PQS, 'P', 'Q'}, {Stm67PQC, 'P', 'Q'}, {Stm67TQV, 'T', 'Q'}, {Stm67TQH, 'T', 'Q'},
    {Stm67TQS, 'T', 'Q'}, {Stm67TQC, 'T', 'Q'},
};
double runExport67(const Case& c) { return kExports67[c.index].call(c.a, c.b); }

std::vector<Case> allCases() {
    std::vector<Case> cases;
    InputSource in(20261208);
    for (int i = 0; i < static_cast<int>(std::size(kExportCalls)); ++i) {
        const ExportCall& e = kExportCalls[i];
        for (int k = 0; k < kCasesPerExport; ++k) {
            const std::int32_t word = in.word();
            const double a = in.value(e.inputs[0], word);
            const double b = e.inputs.size() > 1 ? in.value(e.inputs[1], word) : 0.0;
            cases.push_back({runExport32, i, a, b, word});
        }
    }
    for (int k = 0; k < kCasesPerExport / 10; ++k) cases.push_back({runVersion, 0, 0.0, 0.0, 0});
    // vaprop67 in its English units (set 0).
    for (int i = 0; i < static_cast<int>(std::size(kExports67)); ++i) {
        for (int k = 0; k < kCasesPerExport / 3; ++k) {
            const double a = in.value(kExports67[i].in1, 0);
            const double b = in.value(kExports67[i].in2, 0);
            cases.push_back({runExport67, i, a, b, 0});
        }
    }
    return cases;
}

TEST(Threads, EveryExportFromFourThreadsGivesTheSequentialBits) {
    const std::vector<Case> cases = allCases();
    std::vector<double> expected(cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) expected[i] = cases[i].run(cases[i]);

    std::vector<std::vector<double>> got(kThreads, std::vector<double>(cases.size()));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&cases, &got, t] {
            // Each thread walks the list from its own starting point, so different calls overlap.
            const std::size_t n = cases.size();
            const std::size_t start = n * static_cast<std::size_t>(t) / kThreads;
            for (std::size_t k = 0; k < n; ++k) {
                const std::size_t i = (start + k * 7919) % n;
                got[static_cast<std::size_t>(t)][i] = cases[i].run(cases[i]);
            }
        });
    }
    for (std::thread& t : threads) t.join();

    int mismatches = 0;
    for (int t = 0; t < kThreads; ++t) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            if (sameBits(got[static_cast<std::size_t>(t)][i], expected[i])) continue;
            if (++mismatches <= 10) {
                const Case& c = cases[i];
                const std::string name = c.run == runExport32  ? std::string(kExportCalls[c.index].name)
                                         : c.run == runVersion ? std::string("StmVer")
                                                               : "vaprop67 #" + std::to_string(c.index);
                ADD_FAILURE() << name << "(" << c.a << ", " << c.b << ", " << c.word << ") thread " << t << ": "
                              << got[static_cast<std::size_t>(t)][i] << " instead of " << expected[i];
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(cases.size(), 250000u * kCasesPerExport / 6000);
}

// Two batches at once, each spread over 3 threads of its own: every cell has the bits of its export.
TEST(Threads, OverlappingBatchesGiveTheExportBits) {
    constexpr int kRows = 20000;
    struct Batch {
        const char* pair;
        const char* props;
        std::int32_t word;
        double (*first)(double, double, std::int32_t);  // the export of the first name
    };
    const Batch batches[] = {{"PT", "H,S,K", 1, StmPTH}, {"PH", "T,V,C", 0 | 16, StmPHT}};
    InputSource in(7);
    std::vector<double> in1[2], in2[2], out[2];
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < kRows; ++i) {
            in1[k].push_back(in.value('P', batches[k].word));
            in2[k].push_back(in.value(batches[k].pair[1], batches[k].word));
        }
        out[k].assign(3 * kRows, 0.0);
    }
    std::thread runs[2];
    for (int k = 0; k < 2; ++k) {
        runs[k] = std::thread([&, k] {
            StmBatch(batches[k].pair,
                     batches[k].props,
                     batches[k].word,
                     kRows,
                     in1[k].data(),
                     in2[k].data(),
                     out[k].data(),
                     3);
        });
    }
    for (std::thread& t : runs) t.join();
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < kRows; ++i) {
            const double expected = batches[k].first(in1[k][i], in2[k][i], batches[k].word);
            ASSERT_TRUE(sameBits(out[k][3 * i], expected)) << batches[k].pair << " row " << i;
        }
    }
}

}  // namespace
