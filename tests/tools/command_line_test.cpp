// The command line: accepted forms, the options they give, and the messages of unusable ones.
#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vapcalc {
namespace {

CommandLine parse(std::vector<std::string_view> args) { return parseCommandLine(args); }

TEST(CommandLine, NoArgumentsIsTheBuiltInStatePointInSI) {
    const CommandLine cl = parse({});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.mode, Mode::Point);
    EXPECT_TRUE(cl.options.defaultState);
    EXPECT_EQ(cl.options.pair, Pair::PT);
    EXPECT_EQ(cl.options.first, 10.0);
    EXPECT_EQ(cl.options.second, 500.0);
    EXPECT_EQ(cl.options.unitSet, 1);
    EXPECT_EQ(cl.options.format, Format::Table);
    EXPECT_EQ(cl.options.digits, 0);
    EXPECT_EQ(cl.options.props, defaultPointProperties());
    EXPECT_EQ(cl.options.props.size(), kDefaultPropertyCount);
}

struct PointRow {
    std::vector<std::string_view> args;
    Pair pair;
    double first;
    double second;
    std::int32_t unitSet;
};

const PointRow kPointRows[] = {
    {{"P=10", "T=500", "--units", "SI"}, Pair::PT, 10, 500, 1},
    {{"T=500", "P=10", "--units=SI"}, Pair::PT, 10, 500, 1},      // either order, inline value
    {{"p=10", "t=500", "--units", "eng"}, Pair::PT, 10, 500, 0},  // letters ignore case
    {{"P=1", "Q=0.5", "--units", "SIF"}, Pair::PQ, 1, 0.5, 3},
    {{"Q=1", "T=100"}, Pair::TQ, 100, 1, 1},
    {{"H=1400", "P=200", "--units", "Eng"}, Pair::PH, 200, 1400, 0},
    {{"P=50", "S=6.5", "--units", "METF"}, Pair::PS, 50, 6.5, 6},
    {{"P=-5", "T=300", "--units", "EngG"}, Pair::PT, -5, 300, 2},  // gauge pressure may be negative
    {{"P=10", "T=500", "--units", "SI", "--ifc67"}, Pair::PT, 10, 500, 9},
    {{"P=10", "H=500", "--fast"}, Pair::PH, 10, 500, 17},
    {{"P=10", "H=500", "--units", "SIo", "--fast"}, Pair::PH, 10, 500, 25},
    {{"--units", "3", "P=1", "T=773.15"}, Pair::PT, 1, 773.15, 3},
    {{"--units", "40", "P=1", "T=773.15"}, Pair::PT, 1, 773.15, 40},  // the library rejects it: -1099
    {{"P=1e1", "T=+5e2"}, Pair::PT, 10, 500, 1},
};

TEST(CommandLine, PointRows) {
    for (const PointRow& row : kPointRows) {
        const CommandLine cl = parse(row.args);
        ASSERT_TRUE(cl.ok) << row.args[0] << ": " << cl.error;
        EXPECT_EQ(cl.options.mode, Mode::Point);
        EXPECT_FALSE(cl.options.defaultState);
        EXPECT_EQ(cl.options.pair, row.pair) << row.args[0];
        EXPECT_EQ(cl.options.first, row.first) << row.args[0];
        EXPECT_EQ(cl.options.second, row.second) << row.args[0];
        EXPECT_EQ(cl.options.unitSet, row.unitSet) << row.args[0];
    }
}

TEST(CommandLine, FormatsDigitsAndProperties) {
    CommandLine cl = parse({"--format", "json", "--digits", "8", "--props", "T,q,Pr,r"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.format, Format::Json);
    EXPECT_EQ(cl.options.digits, 8);
    EXPECT_EQ(cl.options.props, (std::vector<Property>{Property::T, Property::Q, Property::Pr, Property::R}));
    cl = parse({"--format=csv", "--props=all"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.format, Format::Csv);
    EXPECT_EQ(cl.options.props, allProperties());  // every property, the new letters as well
    cl = parse({"--format", "table", "--digits", "17"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.format, Format::Table);
    EXPECT_EQ(cl.options.digits, 17);
}

TEST(CommandLine, BatchOptions) {
    CommandLine cl = parse({"--batch", "--pair", "PH", "--units", "SI", "--props", "T,Q,S,V", "states.csv"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.mode, Mode::Batch);
    EXPECT_EQ(cl.options.pair, Pair::PH);
    EXPECT_FALSE(cl.options.swapped);
    EXPECT_EQ(cl.options.file, "states.csv");
    EXPECT_EQ(cl.options.props, (std::vector<Property>{Property::T, Property::Q, Property::S, Property::V}));

    cl = parse({"--batch", "--pair", "hp"});  // columns H then P; standard input
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.pair, Pair::PH);
    EXPECT_TRUE(cl.options.swapped);
    EXPECT_EQ(cl.options.file, "-");
    EXPECT_EQ(cl.options.props, (std::vector<Property>{Property::T, Property::Q, Property::S, Property::V}));

    cl = parse({"--batch", "--pair=T,Q", "-", "--format", "csv"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.pair, Pair::TQ);
    EXPECT_EQ(cl.options.file, "-");

    cl = parse({"--batch", "--pair", "PT", "--", "-odd-name.csv"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.file, "-odd-name.csv");
    EXPECT_EQ(cl.options.threads, 0);  // one per processor

    cl = parse({"--batch", "--pair", "PT", "--threads", "3"});
    ASSERT_TRUE(cl.ok) << cl.error;
    EXPECT_EQ(cl.options.threads, 3);
    for (const char* bad : {"-1", "2.5", "x", "1025"}) {
        cl = parse({"--batch", "--pair", "PT", "--threads", bad});
        EXPECT_FALSE(cl.ok) << bad;
        EXPECT_NE(cl.error.find("--threads"), std::string::npos) << cl.error;
    }
}

TEST(CommandLine, DefaultBatchPropertiesAreTheStatePropertiesThatAreNotInputs) {
    using P = Property;
    EXPECT_EQ(defaultBatchProperties(Pair::PT), (std::vector<P>{P::H, P::S, P::V}));
    EXPECT_EQ(defaultBatchProperties(Pair::PQ), (std::vector<P>{P::T, P::H, P::S, P::V}));
    EXPECT_EQ(defaultBatchProperties(Pair::TQ), (std::vector<P>{P::P, P::H, P::S, P::V}));
    EXPECT_EQ(defaultBatchProperties(Pair::PH), (std::vector<P>{P::T, P::Q, P::S, P::V}));
    EXPECT_EQ(defaultBatchProperties(Pair::PS), (std::vector<P>{P::T, P::Q, P::H, P::V}));
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(parse({"--help"}).options.mode, Mode::Help);
    EXPECT_EQ(parse({"-h"}).options.mode, Mode::Help);
    EXPECT_EQ(parse({"P=1", "T=300", "--help"}).options.mode, Mode::Help);
    EXPECT_EQ(parse({"--version"}).options.mode, Mode::Version);
}

struct ErrorRow {
    std::vector<std::string_view> args;
    std::string_view message;  // a part of the message the user sees
};

const ErrorRow kErrorRows[] = {
    {{"P=10"}, "one input is not a state"},
    {{"P="}, "missing value in 'P='"},
    {{"P=abc", "T=5"}, "'abc' in 'P=abc' is not a number"},
    {{"P=nan", "T=5"}, "'nan' in 'P=nan' is not a number"},
    {{"P=inf", "T=5"}, "is not a number"},
    {{"P=1", "T=5", "H=3"}, "more than two inputs"},
    {{"P=1", "P=2"}, "P is given twice"},
    {{"T=1", "H=2"}, "no calculation from T and H"},
    {{"Q=1", "S=2"}, "no calculation from Q and S"},
    {{"X=1", "T=2"}, "unknown input 'X'"},
    {{"V=1", "H=2"}, "no calculation from V and H"},
    {{"Z=1", "T=2"}, "unknown input 'Z'"},
    {{"--units"}, "--units needs a value"},
    {{"--units", "XY"}, "unknown unit set 'XY'"},
    {{"--units", "128"}, "unknown unit set '128'"},
    {{"--units", "-1"}, "unknown unit set '-1'"},
    {{"--format", "xml"}, "unknown format 'xml'"},
    {{"--digits", "0"}, "--digits needs a whole number from 1 to 17"},
    {{"--digits", "18"}, "--digits needs a whole number from 1 to 17"},
    {{"--digits", "2.5"}, "--digits needs a whole number from 1 to 17"},
    {{"--props", "T,X"}, "unknown property 'X'"},
    {{"--props", "T,,S"}, "unknown property ''"},
    {{"--props", ""}, "unknown property ''"},
    {{"--bogus"}, "unknown option '--bogus'"},
    {{"--ifc67=1"}, "--ifc67 takes no value"},
    {{"states.csv"}, "unexpected argument 'states.csv'"},
    {{"--pair", "PH"}, "--pair is for batch mode"},
    {{"--batch"}, "batch mode needs --pair"},
    {{"--batch", "--pair", "TH"}, "unknown pair 'TH'"},
    {{"--batch", "--pair", "PPT"}, "unknown pair 'PPT'"},
    {{"--batch", "--pair", "PT", "P=1"}, "NAME=VALUE inputs are not used with --batch"},
    {{"--batch", "--pair", "PT", "--format", "json"}, "batch mode writes CSV only"},
    {{"--batch", "--pair", "PT", "a.csv", "b.csv"}, "more than one input file"},
};

TEST(CommandLine, ErrorRows) {
    for (const ErrorRow& row : kErrorRows) {
        const CommandLine cl = parse(row.args);
        EXPECT_FALSE(cl.ok) << row.message;
        EXPECT_NE(cl.error.find(row.message), std::string::npos) << "got: " << cl.error;
    }
}

TEST(CommandLine, HugeArgumentsAreEchoedShortened) {
    const std::string huge(1 << 20, '7');
    const std::string arg = "P=" + huge + "x";
    const CommandLine cl = parse({arg, "T=300"});
    ASSERT_FALSE(cl.ok);
    EXPECT_LT(cl.error.size(), 200u);
    EXPECT_NE(cl.error.find("is not a number"), std::string::npos);
}

TEST(CommandLine, OneWordWithBlanksIsSplit) {
    EXPECT_EQ(splitSingleWord({"P=10 T=500 --units SI"}), (std::vector<std::string>{"P=10", "T=500", "--units", "SI"}));
    EXPECT_EQ(splitSingleWord({"  P=10\tT=500  "}), (std::vector<std::string>{"P=10", "T=500"}));
    EXPECT_EQ(splitSingleWord({"P=10"}), (std::vector<std::string>{"P=10"}));
    EXPECT_EQ(splitSingleWord({"P=10 T=5", "--units"}), (std::vector<std::string>{"P=10 T=5", "--units"}));
    EXPECT_EQ(splitSingleWord({}), std::vector<std::string>{});
}

TEST(CommandLine, HelpDocumentsEveryOptionWithExamples) {
    const std::string_view help = helpText();
    for (std::string_view word : {"--units",
                                  "--ifc67",
                                  "--fast",
                                  "--format",
                                  "--digits",
                                  "--props",
                                  "--batch",
                                  "--pair",
                                  "Eng",
                                  "SI",
                                  "EngG",
                                  "SIF",
                                  "SIK",
                                  "MET",
                                  "METF",
                                  "not available",
                                  "Examples",
                                  "vapcalc P=10 T=500 --units SI",
                                  "Exit status"}) {
        EXPECT_NE(help.find(word), std::string_view::npos) << word;
    }
}

}  // namespace
}  // namespace vapcalc
