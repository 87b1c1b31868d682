// vapcalc with the pairs H,S  T,S  P,V  T,V and the letters U, D, CV, SIGMA, M08, K11: the command
// line, one point and batch through the library's by-name calls, the unit texts, and --help.
#include "batch.h"
#include "command_line.h"
#include "point_output.h"
#include "properties.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

namespace vapcalc {
namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

CommandLine parse(std::vector<std::string_view> args) { return parseCommandLine(args); }

struct NewPointRow {
    std::vector<std::string_view> args;
    Pair pair;
    double first;
    double second;
};

// The examples, in SI (bar, C, kJ/kg, kJ/(kg K), m3/kg), in either order.
const NewPointRow kRows[] = {
    {{"H=2800", "S=6.5"}, Pair::HS, 2800, 6.5},
    {{"S=6.5", "H=2800"}, Pair::HS, 2800, 6.5},
    {{"T=500", "S=6"}, Pair::TS, 500, 6},
    {{"P=10", "V=0.2"}, Pair::PV, 10, 0.2},
    {{"v=0.2", "t=500"}, Pair::TV, 500, 0.2},
};

TEST(NewPairs, CommandLineAndOnePoint) {
    for (const NewPointRow& row : kRows) {
        const CommandLine cl = parse(row.args);
        ASSERT_TRUE(cl.ok) << cl.error;
        EXPECT_EQ(cl.options.pair, row.pair);
        EXPECT_EQ(cl.options.first, row.first);
        EXPECT_EQ(cl.options.second, row.second);
        // Every property of the point is the library's StmProp of the pair.
        Options o = cl.options;
        o.props = allProperties();
        const PointReport r = evaluatePoint(o);
        ASSERT_EQ(r.rows.size(), kPropertyCount);
        const std::string pair = libraryPairName(row.pair);
        for (std::size_t i = 0; i < kPropertyCount; ++i) {
            const auto p = static_cast<Property>(i);
            const double expected = StmProp(pair.c_str(), row.first, row.second, libraryName(p).data(), 1);
            EXPECT_TRUE(sameBits(r.rows[i].value, expected))
                << pair << " " << propertyInfo(p).letter << ": " << r.rows[i].value << " vs " << expected;
        }
    }
}

TEST(NewPairs, PropsLettersAndUnits) {
    const CommandLine cl = parse({"P=10", "T=300", "--props", "U,d,CV,sigma,M08,k11", "--units", "Eng"});
    ASSERT_TRUE(cl.ok) << cl.error;
    using P = Property;
    EXPECT_EQ(cl.options.props, (std::vector<P>{P::U, P::D, P::CV, P::Sigma, P::M08, P::K11}));
    const PointReport r = evaluatePoint(cl.options);
    ASSERT_EQ(r.rows.size(), 6u);
    EXPECT_EQ(r.rows[0].unit, "Btu/lb");
    EXPECT_EQ(r.rows[1].unit, "lb/ft3");
    EXPECT_EQ(r.rows[2].unit, "Btu/(lb °F)");
    EXPECT_EQ(r.rows[3].unit, "lbf/ft");
    EXPECT_EQ(r.rows[4].unit, "lb/(ft h)");
    EXPECT_EQ(r.rows[5].unit, "Btu/(h ft °F)");
    EXPECT_EQ(unitText(Quantity::SurfaceTension, 1), "mN/m");
    EXPECT_EQ(unitText(Quantity::SurfaceTension, 3), "N/m");
    EXPECT_EQ(unitText(Quantity::SurfaceTension, 6), "N/m");
    EXPECT_EQ(unitText(Quantity::Density, 5), "kg/m3");
    // The default one-point report stays P to R.
    EXPECT_EQ(parse({"P=10", "T=300"}).options.props.size(), kDefaultPropertyCount);
}

// Batch over (h,s) with the columns in the other order: the same cells as one point each.
TEST(NewPairs, BatchWithSwappedColumns) {
    const CommandLine cl = parse({"--batch", "--pair", "SH", "--props", "P,T,Q,U,D"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.pair, Pair::HS);
    EXPECT_TRUE(cl.options.swapped);
    BatchConfig config;
    config.pair = cl.options.pair;
    config.swapped = cl.options.swapped;
    config.props = cl.options.props;
    config.unitSet = cl.options.unitSet;
    config.threads = 1;
    const std::string input = "S,H\n6.5,2800\n7.0,2500\n2.0,800\n";
    std::size_t at = 0;
    std::string out;
    BatchIo io;
    io.read = [&](char* buf, std::size_t n) -> std::ptrdiff_t {
        const std::size_t k = std::min(n, input.size() - at);
        std::memcpy(buf, input.data() + at, k);
        at += k;
        return static_cast<std::ptrdiff_t>(k);
    };
    io.write = [&](const char* data, std::size_t n) {
        out.append(data, n);
        return true;
    };
    io.diagnostic = [](std::string_view) {};
    const BatchStats stats = runBatch(config, io);
    EXPECT_EQ(stats.states, 3u);
    EXPECT_EQ(stats.failed, 0u);
    std::string expected = batchHeader(config);
    for (const auto& [s, h] : {std::pair{6.5, 2800.0}, std::pair{7.0, 2500.0}, std::pair{2.0, 800.0}}) {
        appendBatchRow(expected, config, s, h);
    }
    EXPECT_EQ(out, expected);
}

TEST(NewPairs, The1967FormulationRefusesThem) {
    Options o = parse({"H=2800", "S=6.5", "--ifc67"}).options;
    o.props = {Property::T};
    const PointReport r = evaluatePoint(o);
    EXPECT_EQ(r.rows[0].value, -2700.0);
}

TEST(NewPairs, HelpListsPairsLettersAndUnits) {
    const std::string_view help = helpText();
    for (std::string_view part : {"H,S  T,S",
                                  "P,V  T,V",
                                  "V specific volume",
                                  "U  internal energy",
                                  "lb/ft3",
                                  "SIGMA surface tension",
                                  "lbf/ft",
                                  "mN/m",
                                  "M08 viscosity by IAPWS 2008",
                                  "K11 thermal conductivity by IAPWS 2011",
                                  "ambiguous state",
                                  "H=2800 S=6.5"}) {
        EXPECT_NE(help.find(part), std::string_view::npos) << part;
    }
}

}  // namespace
}  // namespace vapcalc
