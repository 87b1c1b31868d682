// The built program run as a user runs it: arguments in, standard output, standard error and exit
// status out.
#include "cell_text.h"
#include "vaprop32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[] = "/tmp/vapcalc_test_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
    }
    void TearDown() override {
        for (const char* f : {"/in", "/out", "/err", "/states.csv"}) std::remove((dir_ + f).c_str());
        rmdir(dir_.c_str());
    }

    std::string path(const char* name) const { return dir_ + "/" + name; }

    void writeFile(const char* name, const std::string& text) const {
        std::ofstream f(path(name), std::ios::binary);
        f << text;
    }

    // Runs the program with `args` and `input` on its standard input.
    Outcome run(const std::vector<std::string>& args, const std::string& input = "") const {
        writeFile("in", input);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, path("in").c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, path("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, path("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<char*> argv;
        std::string program = VAPCALC_PROGRAM;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        Outcome r;
        pid_t pid = 0;
        const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) return r;
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = slurp(path("out"));
        r.err = slurp(path("err"));
        return r;
    }

    std::string dir_;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The value cell of a "property,value,unit" line.
double csvValue(const std::string& line) {
    const std::size_t a = line.find(',');
    const std::size_t b = line.find(',', a + 1);
    return std::stod(line.substr(a + 1, b - a - 1));
}

TEST_F(Program, MainJobPrintsEveryPropertyOfTheState) {
    const Outcome r = run({"P=10", "T=500", "--units", "SI"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 14u) << r.out;
    EXPECT_EQ(out[0], "State P = 10 bar, T = 500 °C (IF97, unit set SI)");
    EXPECT_EQ(out[1].rfind("pressure", 0), 0u);
    EXPECT_EQ(out[13].rfind("IF97 region", 0), 0u);
}

TEST_F(Program, OneQuotedWordAndNoArgumentsGiveTheSameState) {
    const Outcome words = run({"P=10", "T=500", "--units", "SI"});
    const Outcome one = run({"P=10 T=500 --units SI"});
    const Outcome none = run({});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(one.out, words.out);
    EXPECT_EQ(none.out, words.out);
}

TEST_F(Program, CsvValuesAreTheExportsBitForBit) {
    // Each pair once per set: the program's text reads back as the export's double.
    struct Case {
        std::vector<std::string> args;
        double expected;
        std::size_t row;  // line of the CSV output
    };
    const Case cases[] = {
        {{"P=200", "T=600", "--units", "Eng", "--format", "csv"}, StmPTH(200, 600, 0), 4},
        {{"P=200", "T=600", "--units", "0", "--format", "csv"}, StmPTK(200, 600, 0), 11},
        {{"P=10", "Q=0.3", "--units", "SIK", "--format", "csv"}, StmPQV(10, 0.3, 4), 6},
        {{"Q=0", "T=150", "--units", "MET", "--format", "csv"}, StmTQS(150, 0, 5), 5},
        {{"P=20", "H=700", "--units", "METF", "--format", "csv"}, StmPHT(20, 700, 6), 2},
        {{"S=6", "P=3", "--units", "SIF", "--format", "csv"}, StmPSV(3, 6, 3), 6},
        {{"P=100", "T=400", "--units", "EngG", "--format", "csv"}, StmPTC(100, 400, 2), 7},
        {{"P=100", "T=400", "--units", "EngGo", "--format", "csv"}, StmPTC(100, 400, 10), 7},
        {{"P=5", "H=2500", "--units", "SI", "--fast", "--format", "csv"}, StmPHT(5, 2500, 17), 2},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        ASSERT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        const auto out = lines(r.out);
        ASSERT_GT(out.size(), c.row) << r.out;
        EXPECT_EQ(csvValue(out[c.row]), c.expected) << c.args[0] << " " << c.args[1] << ": " << out[c.row];
    }
}

TEST_F(Program, ErrorsGiveTheTableTextOnStandardErrorAndStatusOne) {
    struct Case {
        std::vector<std::string> args;
        std::string text;
    };
    const Case cases[] = {
        {{"P=200", "T=900", "--units", "SI"}, "temperature too high"},
        {{"P=10", "T=-5", "--units", "SI"}, "temperature too low"},
        {{"P=2000", "T=300", "--units", "SI"}, "pressure too high"},
        {{"P=0", "T=300", "--units", "SI"}, "pressure too low"},
        {{"P=10", "Q=2", "--units", "SI"}, "quality out of range"},
        {{"P=300", "Q=0.5", "--units", "SI"}, "pressure outside of saturation range"},
        {{"T=380", "Q=0.5", "--units", "SI"}, "temperature outside of saturation range"},
        {{"P=10", "H=-10", "--units", "SI"}, "enthalpy too low"},
        {{"P=10", "S=200", "--units", "SI"}, "entropy too high"},
        {{"P=10", "T=500", "--units", "40"}, "invalid unit set number"},
        {{"P=10", "T=500", "--units", "7"}, "invalid unit set number"},
        {{"P=1000", "T=1700", "--units", "Eng", "--ifc67"}, "input value out of range"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.text;
        EXPECT_EQ(r.out, "") << c.text;
        EXPECT_EQ(r.err, "vapcalc: " + c.text + "\n");
    }
}

TEST_F(Program, MalformedCommandLinesGiveAMessageAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"P=10"},
        {"P=abc", "T=1"},
        {"P=nan", "T=1"},
        {"P=", "T=1"},
        {"T=1", "H=1"},
        {"--units", "XYZ"},
        {"--format", "xml"},
        {"--digits", "99"},
        {"--bogus"},
        {"--units"},
        {"P=1", "T=2", "S=3"},
        {"junk"},
        {"--batch"},
        {"--props", "Z"},
        {"P=" + std::string(100000, '1') + "x", "T=1"},
    };
    for (const auto& args : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args[0].substr(0, 20);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("vapcalc: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("try 'vapcalc --help'"), std::string::npos) << r.err;
        EXPECT_LT(r.err.size(), 400u);
    }
}

TEST_F(Program, FormatsAndDigits) {
    Outcome r = run({"T=100", "Q=1", "--units", "SI", "--format", "json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"formulation\": \"IF97\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"region\": {\"name\": \"IF97 region\", \"value\": 4, \"unit\": \"\"}"), std::string::npos)
        << r.out;
    r = run({"P=1", "T=773.15", "--units", "SIF", "--digits", "5", "--format", "csv", "--props", "H"});
    EXPECT_EQ(r.status, 0);
    char expected[64];
    std::snprintf(expected, sizeof expected, "property,value,unit\nenthalpy,%.5g,kJ/kg\n", StmPTH(1, 773.15, 3));
    EXPECT_EQ(r.out, expected);
}

TEST_F(Program, WetSteamShowsNotAvailable) {
    const Outcome r = run({"P=1", "Q=0.5", "--units", "SI"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("critical flow velocity"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("not available"), std::string::npos) << r.out;
}

TEST_F(Program, HelpAndVersion) {
    Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Examples"), std::string::npos);
    EXPECT_NE(r.out.find("--batch --pair PH"), std::string::npos);
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "vapcalc, property library vaprop32 3.2\n");
}

TEST_F(Program, BatchFromAFileAndFromStandardInput) {
    writeFile("states.csv", "P,T\n1,100\n10,500\nbad line\n200,900\n");
    Outcome r = run({"--batch", "--pair", "PT", "--units", "SI", path("states.csv")});
    EXPECT_EQ(r.status, 1);  // one malformed line, one failed state
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 5u) << r.out;
    EXPECT_EQ(out[0], "P [bar],T [°C],H [kJ/kg],S [kJ/(kg K)],V [m3/kg]");
    EXPECT_EQ(out[3], ",,malformed line,malformed line,malformed line");
    EXPECT_EQ(out[4], "200,900,temperature too high,temperature too high,temperature too high");
    EXPECT_EQ(r.err,
              "vapcalc: line 4: field 1 'bad' is not a number\n"
              "vapcalc: 4 states, 2 failed (1 malformed line)\n")
        << r.err;

    const Outcome s = run({"--batch", "--pair", "PT", "--units", "SI", "-"}, "1,100\n10,500\n");
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(lines(s.out).size(), 3u);
    EXPECT_EQ(s.err, "vapcalc: 2 states, 0 failed\n");  // no progress line: standard error is a file
    const Outcome t = run({"--batch", "--pair", "PT", "--units", "SI"}, "1,100\n10,500\n");
    EXPECT_EQ(t.out, s.out);
}

TEST_F(Program, BatchWithAOneMegabyteLine) {
    writeFile("states.csv", "1,100\n" + std::string(1 << 20, 'x') + "\n2,200\n");
    const Outcome r = run({"--batch", "--pair", "PT", "--props", "H", path("states.csv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out).size(), 4u);
    EXPECT_EQ(r.err,
              "vapcalc: line 2: line longer than 4096 characters\n"
              "vapcalc: 3 states, 1 failed (1 malformed line)\n");
}

TEST_F(Program, BatchWithAUnitSetTheLibraryRejects) {
    const Outcome r = run({"--batch", "--pair", "PT", "--units", "40"}, "1,100\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "vapcalc: invalid unit set number\n");
}

TEST_F(Program, BatchInputThatCannotBeOpened) {
    const Outcome r = run({"--batch", "--pair", "PT", path("missing.csv")});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;
}

}  // namespace
