// The one-point report in its three formats.
#include "point_output.h"

#include "vaprop32.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vapcalc {
namespace {

Options pointOptions(Pair pair, double a, double b, std::int32_t unitSet) {
    Options o;
    o.pair = pair;
    o.first = a;
    o.second = b;
    o.unitSet = unitSet;
    o.defaultState = false;
    o.props = defaultPointProperties();
    return o;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST(PointOutput, EveryPropertyInOrderWithItsValue) {
    const PointReport r = evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1));
    ASSERT_EQ(r.rows.size(), kDefaultPropertyCount);
    const char* names[] = {"pressure",
                           "temperature",
                           "quality",
                           "enthalpy",
                           "entropy",
                           "specific volume",
                           "isobaric heat capacity",
                           "speed of sound",
                           "isentropic expansion coefficient",
                           "dynamic viscosity",
                           "thermal conductivity",
                           "Prandtl number",
                           "IF97 region"};
    for (std::size_t i = 0; i < kDefaultPropertyCount; ++i) EXPECT_EQ(r.rows[i].name, names[i]);
    EXPECT_EQ(r.rows[0].value, 10.0);
    EXPECT_EQ(r.rows[1].value, 500.0);
    EXPECT_EQ(r.rows[2].value, kNotAvailable);
    EXPECT_EQ(r.rows[3].value, StmPTH(10.0, 500.0, 1));
    EXPECT_EQ(r.rows[12].value, StmPTR(10.0, 500.0, 1));
}

TEST(PointOutput, TableShowsUnitTextsOfTheSet) {
    struct Row {
        std::int32_t set;
        std::vector<std::string> units;  // P, T, H, S, V, C, W, M, K
    };
    const Row rows[] = {
        {0, {"psia", "°F", "Btu/lb", "Btu/(lb °F)", "ft3/lb", "Btu/(lb °F)", "ft/s", "lb/(ft h)", "Btu/(h ft °F)"}},
        {1, {"bar", "°C", "kJ/kg", "kJ/(kg K)", "m3/kg", "kJ/(kg K)", "m/s", "mPa s", "W/(m K)"}},
        {2, {"psig", "°F", "Btu/lb", "Btu/(lb °F)", "ft3/lb", "Btu/(lb °F)", "ft/s", "lb/(ft h)", "Btu/(h ft °F)"}},
        {3, {"MPa", "K", "kJ/kg", "kJ/(kg K)", "m3/kg", "kJ/(kg K)", "m/s", "Pa s", "W/(m K)"}},
        {4, {"kPa", "°C", "kJ/kg", "kJ/(kg K)", "m3/kg", "kJ/(kg K)", "m/s", "mPa s", "W/(m K)"}},
        {5, {"bar", "°C", "kcal/kg", "kcal/(kg K)", "m3/kg", "kcal/(kg K)", "m/s", "mPa s", "W/(m K)"}},
        {6, {"kgf/cm2", "°C", "kcal/kg", "kcal/(kg K)", "m3/kg", "kcal/(kg K)", "m/s", "Pa s", "kcal/(h m °C)"}},
    };
    // A state that is valid in every set: 100 of the set's pressure units would not be, so take
    // 1 MPa and 500 K converted by hand (values of the unit table).
    const double p[] = {145.0377378, 10.0, 145.0377378 - 14.6959488, 1.0, 1000.0, 10.0, 10.197162};
    const double t[] = {440.33, 226.85, 440.33, 500.0, 226.85, 226.85, 226.85};
    for (const Row& row : rows) {
        const std::vector<std::string> out =
            lines(formatTable(evaluatePoint(pointOptions(Pair::PT, p[row.set], t[row.set], row.set)), 0));
        ASSERT_EQ(out.size(), kDefaultPropertyCount + 1);
        const int lineOf[] = {1, 2, 4, 5, 6, 7, 8, 10, 11};  // rows of P, T, H, S, V, C, W, M, K
        for (std::size_t i = 0; i < row.units.size(); ++i) {
            const std::string& line = out[static_cast<std::size_t>(lineOf[i])];
            ASSERT_GE(line.size(), row.units[i].size());
            EXPECT_EQ(line.substr(line.size() - row.units[i].size()), row.units[i])
                << "set " << row.set << ": " << line;
        }
        EXPECT_NE(out[3].find("not available"), std::string::npos) << out[3];  // quality of a (p,T) state
    }
}

TEST(PointOutput, TableHeaderNamesTheStateFormulationAndSet) {
    const std::string t = formatTable(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1)), 0);
    EXPECT_EQ(lines(t)[0], "State P = 10 bar, T = 500 °C (IF97, unit set SI)");
    const std::string o = formatTable(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1 | 8 | 16)), 0);
    EXPECT_EQ(lines(o)[0], "State P = 10 bar, T = 500 °C (IFC-67, unit set SI, fast)");
}

TEST(PointOutput, WetSteamHasCriticalFlowVelocityAndNotAvailableRows) {
    const std::string t = formatTable(evaluatePoint(pointOptions(Pair::TQ, 100.0, 0.5, 1)), 0);
    const std::vector<std::string> out = lines(t);
    EXPECT_EQ(out[8].rfind("critical flow velocity", 0), 0u) << out[8];
    EXPECT_NE(out[7].find("not available"), std::string::npos) << out[7];    // cp
    EXPECT_NE(out[10].find("not available"), std::string::npos) << out[10];  // viscosity
    EXPECT_NE(out[11].find("not available"), std::string::npos) << out[11];  // conductivity
    EXPECT_NE(out[12].find("not available"), std::string::npos) << out[12];  // Prandtl
    EXPECT_EQ(out[13].substr(out[13].size() - 1), "4");                      // region 4
    // A saturated vapour (Q = 1) is not wet.
    const std::vector<std::string> dry = lines(formatTable(evaluatePoint(pointOptions(Pair::TQ, 100.0, 1.0, 1)), 0));
    EXPECT_EQ(dry[8].rfind("speed of sound", 0), 0u) << dry[8];
}

TEST(PointOutput, CsvHasOneRowPerProperty) {
    const std::string csv = formatCsv(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1)), 0);
    const std::vector<std::string> out = lines(csv);
    ASSERT_EQ(out.size(), kDefaultPropertyCount + 1);
    EXPECT_EQ(out[0], "property,value,unit");
    EXPECT_EQ(out[1], "pressure,10,bar");
    EXPECT_EQ(out[2], "temperature,500,°C");
    EXPECT_EQ(out[3], "quality,not available,");
    EXPECT_EQ(out[13], "IF97 region,2,");
}

TEST(PointOutput, ValuesReadBackExactlyOrWithTheGivenDigits) {
    const double h = StmPTH(10.0, 500.0, 1);
    const std::vector<std::string> full = lines(formatCsv(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1)), 0));
    const std::string prefix = "enthalpy,";
    ASSERT_EQ(full[4].rfind(prefix, 0), 0u);
    EXPECT_EQ(std::stod(full[4].substr(prefix.size())), h);
    const std::vector<std::string> four = lines(formatCsv(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1)), 4));
    char expected[64];
    std::snprintf(expected, sizeof expected, "enthalpy,%.4g,kJ/kg", h);
    EXPECT_EQ(four[4], expected);
}

TEST(PointOutput, JsonCarriesValuesUnitsAndNotes) {
    const std::string j = formatJson(evaluatePoint(pointOptions(Pair::PT, 10.0, 500.0, 1)), 0);
    EXPECT_NE(j.find("\"formulation\": \"IF97\""), std::string::npos) << j;
    EXPECT_NE(j.find("\"unit_set\": \"SI\""), std::string::npos) << j;
    EXPECT_NE(j.find("\"fast\": false"), std::string::npos) << j;
    EXPECT_NE(j.find("\"unit_set_number\": 1"), std::string::npos) << j;
    EXPECT_NE(j.find("\"inputs\": {\"P\": 10, \"T\": 500}"), std::string::npos) << j;
    EXPECT_NE(j.find("\"pressure\": {\"name\": \"pressure\", \"value\": 10, \"unit\": \"bar\"}"), std::string::npos)
        << j;
    EXPECT_NE(
        j.find("\"quality\": {\"name\": \"quality\", \"value\": null, \"note\": \"not available\", \"unit\": \"\"}"),
        std::string::npos)
        << j;
    EXPECT_EQ(j.front(), '{');
    EXPECT_EQ(j.substr(j.size() - 2), "}\n");
    // Balanced braces and no trailing comma before a closing brace.
    int depth = 0;
    for (char c : j) {
        if (c == '{') ++depth;
        if (c == '}') --depth;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(j.find(",\n  }"), std::string::npos);
    EXPECT_EQ(j.find(",}"), std::string::npos);
}

TEST(PointOutput, OnlyTheChosenProperties) {
    Options o = pointOptions(Pair::PH, 10.0, 3000.0, 1);
    o.props = {Property::T, Property::Q};
    const std::vector<std::string> out = lines(formatCsv(evaluatePoint(o), 0));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1].rfind("temperature,", 0), 0u);
    EXPECT_EQ(out[2].rfind("quality,", 0), 0u);
}

TEST(PointOutput, DescribeUnitSet) {
    EXPECT_EQ(describeUnitSet(0), "IF97, unit set Eng");
    EXPECT_EQ(describeUnitSet(9), "IFC-67, unit set SI");
    EXPECT_EQ(describeUnitSet(19), "IF97, unit set SIF, fast");
    EXPECT_EQ(describeUnitSet(30), "IFC-67, unit set METF, fast");
}

}  // namespace
}  // namespace vapcalc
