// Batch mode: line splitting, rows, failed states, malformed lines, streaming and the summary.
#include "batch.h"

#include "batch_io.h"
#include "cell_text.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vapcalc {
namespace {

using test::csvRows;
using test::MemoryBatch;

struct LineRow {
    std::string_view line;
    LineKind kind;
    double first;
    double second;
    std::string_view problem;  // part of the message for Malformed
};

const LineRow kLineRows[] = {
    {"1,2", LineKind::Data, 1, 2, ""},
    {"1 2", LineKind::Data, 1, 2, ""},
    {"1 , 2", LineKind::Data, 1, 2, ""},
    {"\t1\t2\r", LineKind::Data, 1, 2, ""},
    {"  -5.5e1,  +3  ", LineKind::Data, -55, 3, ""},
    {"1,2 # a comment", LineKind::Data, 1, 2, ""},
    {"", LineKind::Blank, 0, 0, ""},
    {"   \t \r", LineKind::Blank, 0, 0, ""},
    {"# only a comment, 1, 2", LineKind::Blank, 0, 0, ""},
    {"1", LineKind::Malformed, 0, 0, "missing value: expected two numbers, found one field"},
    {"1,", LineKind::Malformed, 0, 0, "missing value: field 2 is empty"},
    {",2", LineKind::Malformed, 0, 0, "missing value: field 1 is empty"},
    {"1,,2", LineKind::Malformed, 0, 0, "expected two numbers, found 3 fields"},
    {"1,2,3", LineKind::Malformed, 0, 0, "expected two numbers, found 3 fields"},
    {"1 2 3 4", LineKind::Malformed, 0, 0, "expected two numbers, found 4 fields"},
    {"a,b", LineKind::Malformed, 0, 0, "field 1 'a' is not a number"},
    {"1,abc", LineKind::Malformed, 0, 0, "field 2 'abc' is not a number"},
    {"nan,1", LineKind::Malformed, 0, 0, "field 1 'nan' is not a number"},
    {"1,inf", LineKind::Malformed, 0, 0, "field 2 'inf' is not a number"},
    {"1e400,2", LineKind::Malformed, 0, 0, "field 1 '1e400' is not a number"},
    {"1;2", LineKind::Malformed, 0, 0, "missing value"},
};

TEST(BatchLine, Rows) {
    for (const LineRow& row : kLineRows) {
        const ParsedLine p = parseBatchLine(row.line);
        EXPECT_EQ(p.kind, row.kind) << "'" << row.line << "'";
        if (row.kind == LineKind::Data) {
            EXPECT_EQ(p.first, row.first) << row.line;
            EXPECT_EQ(p.second, row.second) << row.line;
        }
        if (row.kind == LineKind::Malformed) {
            EXPECT_NE(p.problem.find(row.problem), std::string::npos) << "'" << row.line << "': " << p.problem;
        }
    }
}

TEST(BatchLine, HeaderCandidates) {
    EXPECT_TRUE(parseBatchLine("P [bar], H [kJ/kg]").firstFieldIsText);
    EXPECT_TRUE(parseBatchLine("p,h").firstFieldIsText);
    EXPECT_FALSE(parseBatchLine("1,x").firstFieldIsText);
}

BatchConfig config(Pair pair, std::vector<Property> props, std::int32_t unitSet = 1) {
    BatchConfig c;
    c.pair = pair;
    c.props = std::move(props);
    c.unitSet = unitSet;
    return c;
}

std::string number(double x) {
    std::string s;
    appendResult(s, x, 0);
    return s;
}

TEST(Batch, RowsInInputOrderWithValuesOfTheLibrary) {
    MemoryBatch m;
    m.input = "P [bar],T [°C]\n1,100\n# comment\n\n10 500\n200,300\n";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H, Property::S, Property::V}));
    const auto rows = csvRows(m.output);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"P [bar]", "T [°C]", "H [kJ/kg]", "S [kJ/(kg K)]", "V [m3/kg]"}));
    const double states[][2] = {{1, 100}, {10, 500}, {200, 300}};
    for (std::size_t i = 0; i < 3; ++i) {
        const double p = states[i][0];
        const double t = states[i][1];
        EXPECT_EQ(
            rows[i + 1],
            (std::vector<std::string>{
                number(p), number(t), number(StmPTH(p, t, 1)), number(StmPTS(p, t, 1)), number(StmPTV(p, t, 1))}));
    }
    EXPECT_EQ(stats.lines, 6u);
    EXPECT_EQ(stats.states, 3u);
    EXPECT_EQ(stats.failed, 0u);
    EXPECT_EQ(stats.malformed, 0u);
    EXPECT_TRUE(m.diagnostics.empty());
    EXPECT_EQ(batchSummary(stats), "3 states, 0 failed");
}

// The states of a run are computed in blocks by the library on several threads: the output is the
// same on every number of threads, and each row is the row of its state computed on its own.
TEST(Batch, OutputIsTheSameOnEveryNumberOfThreads) {
    MemoryBatch one;
    std::vector<std::pair<double, double>> lines;  // the file's columns: H (kJ/kg), then P (bar)
    for (int i = 0; i < 20000; ++i) {
        lines.emplace_back(20 * (1 + i % 200), 1 + (i * 37) % 700);
        one.input += number(lines.back().first) + "," + number(lines.back().second) + "\n";
    }
    MemoryBatch three = one;
    BatchConfig c = config(Pair::PH, {Property::T, Property::Q, Property::K, Property::Pr, Property::R});
    c.swapped = true;
    c.threads = 1;
    const BatchStats s1 = one.run(c);
    c.threads = 3;
    const BatchStats s3 = three.run(c);
    EXPECT_EQ(one.output, three.output);
    EXPECT_EQ(s1.failed, s3.failed);
    EXPECT_EQ(s1.states, lines.size());
    std::string expected = batchHeader(c);
    for (const auto& [h, p] : lines) appendBatchRow(expected, c, h, p);
    EXPECT_EQ(one.output, expected);
}

TEST(Batch, SwappedColumnsAndChosenProperties) {
    MemoryBatch m;
    const double h = StmPTH(10.0, 300.0, 1);
    m.input = std::to_string(h) + " 10\n";
    BatchConfig c = config(Pair::PH, {Property::T, Property::Q});
    c.swapped = true;
    m.run(c);
    const auto rows = csvRows(m.output);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"H [kJ/kg]", "P [bar]", "T [°C]", "Q"}));
    const double hIn = std::stod(std::to_string(h));
    EXPECT_EQ(rows[1][2], number(StmPHT(10.0, hIn, 1)));
    EXPECT_EQ(rows[1][3], number(StmPHQ(10.0, hIn, 1)));
}

TEST(Batch, FailedStatesCarryTheErrorTextAndTheRunGoesOn) {
    MemoryBatch m;
    m.input = "200,900\n10,500\n0,100\n10,0.5\n";  // 200 bar 900 °C: above 1073.15 K with p above 10 MPa
    const BatchStats stats = m.run(config(Pair::PT, {Property::H, Property::Q, Property::R}));
    const auto rows = csvRows(m.output);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(
        rows[1],
        (std::vector<std::string>{"200", "900", "temperature too high", "not available", "temperature too high"}));
    EXPECT_EQ(rows[2][2], number(StmPTH(10, 500, 1)));
    EXPECT_EQ(rows[2][3], "not available");
    EXPECT_EQ(rows[3], (std::vector<std::string>{"0", "100", "pressure too low", "not available", "pressure too low"}));
    EXPECT_EQ(rows[4][2], number(StmPTH(10, 0.5, 1)));
    EXPECT_EQ(stats.states, 4u);
    EXPECT_EQ(stats.failed, 2u);
    EXPECT_EQ(batchSummary(stats), "4 states, 2 failed");
}

TEST(Batch, NotAvailableIsNotAFailure) {
    MemoryBatch m;
    m.input = "10,0.5\n10,0\n";
    const BatchStats stats = m.run(config(Pair::PQ, {Property::C, Property::K, Property::Pr}));
    const auto rows = csvRows(m.output);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"10", "0.5", "not available", "not available", "not available"}));
    EXPECT_EQ(rows[2][2], number(StmPQC(10, 0, 1)));
    EXPECT_EQ(stats.failed, 0u);
}

TEST(Batch, MalformedLinesAreNamedCountedAndKeepTheirRow) {
    MemoryBatch m;
    m.input = "p,t\n1,100\n1\n1,2,3\nabc,1\nnan,1\n\n2,200\n";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    const auto rows = csvRows(m.output);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[2], (std::vector<std::string>{"", "", "malformed line"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"", "", "malformed line"}));
    EXPECT_EQ(rows[6][0], "2");
    ASSERT_EQ(m.diagnostics.size(), 4u);
    EXPECT_EQ(m.diagnostics[0], "line 3: missing value: expected two numbers, found one field");
    EXPECT_EQ(m.diagnostics[1], "line 4: expected two numbers, found 3 fields");
    EXPECT_EQ(m.diagnostics[2], "line 5: field 1 'abc' is not a number");
    EXPECT_EQ(m.diagnostics[3], "line 6: field 1 'nan' is not a number");
    EXPECT_EQ(stats.states, 6u);
    EXPECT_EQ(stats.failed, 4u);
    EXPECT_EQ(stats.malformed, 4u);
    EXPECT_EQ(batchSummary(stats), "6 states, 4 failed (4 malformed lines)");
}

TEST(Batch, OnlyTheFirstLineCanBeAHeader) {
    MemoryBatch m;
    m.input = "# comment first\nP,T\nP,T\n1,100\nP,T\n";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(stats.malformed, 2u);
    ASSERT_EQ(m.diagnostics.size(), 2u);
    EXPECT_EQ(m.diagnostics[0], "line 3: field 1 'P' is not a number");
    EXPECT_EQ(m.diagnostics[1], "line 5: field 1 'P' is not a number");
}

TEST(Batch, AOneMegabyteLineIsRefusedWithoutStoringIt) {
    for (std::size_t chunk : {std::size_t{1} << 16, std::size_t{1000}, std::size_t{1}}) {
        MemoryBatch m;
        m.chunk = chunk;
        const std::string huge(1 << 20, '9');
        m.input = "1,100\n" + huge + "\n2,200\n" + huge;                             // the last one without its newline
        if (chunk == 1) m.input = "1,100\n" + std::string(5000, '1') + "\n2,200\n";  // byte by byte: a shorter one
        const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
        const auto rows = csvRows(m.output);
        const std::size_t longLines = chunk == 1 ? 1 : 2;
        ASSERT_EQ(rows.size(), 3 + longLines) << chunk;
        EXPECT_EQ(rows[1][0], "1");
        EXPECT_EQ(rows[2], (std::vector<std::string>{"", "", "malformed line"}));
        EXPECT_EQ(rows[3][0], "2");
        EXPECT_EQ(stats.malformed, longLines);
        ASSERT_EQ(m.diagnostics.size(), longLines);
        EXPECT_EQ(m.diagnostics[0], "line 2: line longer than 4096 characters");
        if (longLines == 2) {
            EXPECT_EQ(m.diagnostics[1], "line 4: line longer than 4096 characters");
        }
    }
}

TEST(Batch, ALineOfExactlyTheLimitIsRead) {
    MemoryBatch m;
    std::string line = "1,100";
    line.append(kMaxLineLength - line.size(), ' ');
    m.chunk = 1000;  // the line crosses chunk boundaries
    m.input = line + "\n" + line;
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(stats.states, 2u);
    EXPECT_EQ(stats.malformed, 0u);
}

TEST(Batch, LastLineWithoutNewlineAndWindowsLineEnds) {
    MemoryBatch m;
    m.input = "1,100\r\n2,200";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(stats.states, 2u);
    EXPECT_EQ(stats.failed, 0u);
    EXPECT_EQ(csvRows(m.output)[2][0], "2");
}

TEST(Batch, EmptyInputGivesTheHeaderOnly) {
    MemoryBatch m;
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(m.output, "P [bar],T [°C],H [kJ/kg]\n");
    EXPECT_EQ(stats.states, 0u);
    EXPECT_EQ(batchSummary(stats), "0 states, 0 failed");
}

TEST(Batch, RowsAreWrittenAsTheInputArrives) {
    // A slow input (short reads) sees each row before the next line is read.
    MemoryBatch m;
    m.chunk = 6;
    m.input = "1,100\n2,200\n3,300\n";
    m.run(config(Pair::PT, {Property::H}));
    ASSERT_GE(m.writesAfterInputBytes.size(), 3u);
    EXPECT_LT(m.writesAfterInputBytes.front(), m.input.size());
    EXPECT_EQ(csvRows(m.output).size(), 4u);
}

TEST(Batch, ProgressIsReportedForLongInputs) {
    MemoryBatch m;
    for (int i = 0; i < 10000; ++i) m.input += "10,500\n";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(stats.states, 10000u);
    EXPECT_EQ(m.progress, (std::vector<std::uint64_t>{4096, 8192}));
}

TEST(Batch, ManyMalformedLinesAreCountedButOnlyTheFirstHundredShown) {
    MemoryBatch m;
    for (int i = 0; i < 150; ++i) m.input += "x\n";
    const BatchStats stats = m.run(config(Pair::PT, {Property::H}));
    EXPECT_EQ(stats.malformed, 149u);  // the first is taken as the header
    ASSERT_EQ(m.diagnostics.size(), 101u);
    EXPECT_EQ(m.diagnostics.back(), "further malformed lines are counted but not shown");
}

TEST(Batch, ReadAndWriteErrorsStopTheRun) {
    BatchIo io;
    io.read = [](char*, std::size_t) -> std::ptrdiff_t { return -1; };
    io.write = [](const char*, std::size_t) { return true; };
    EXPECT_TRUE(runBatch(config(Pair::PT, {Property::H}), io).readError);
    int reads = 0;
    io.read = [&reads](char* buf, std::size_t) -> std::ptrdiff_t {
        ++reads;
        std::memcpy(buf, "1,100\n", 6);
        return reads < 1000 ? 6 : 0;
    };
    io.write = [](const char*, std::size_t) { return false; };
    const BatchStats stats = runBatch(config(Pair::PT, {Property::H}), io);
    EXPECT_TRUE(stats.writeError);
    EXPECT_LT(reads, 1000);
}

}  // namespace
}  // namespace vapcalc
