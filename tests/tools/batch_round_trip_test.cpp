// Generated files of (p,T) states through batch mode to enthalpy (or entropy), and those answers
// back through batch mode to temperature: the round trip must return T within the core's tolerance.
#include "batch.h"

#include "batch_io.h"
#include "number_text.h"
#include "tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vapcalc {
namespace {

using test::csvRows;
using test::kRoundTripKelvin;
using test::kRoundTripKelvinFromEntropy;
using test::MemoryBatch;

// States in set SIF (MPa, K): pressures spaced evenly in log from 1e-3 to 100 MPa, temperatures from
// 275 K to 2000 K. States above 1073.15 K with p above 10 MPa are outside IF97 and must fail with
// the table's text in the first pass.
std::string generatedStates(int pressures, int temperatures) {
    std::string text = "# p [MPa], T [K]\n";
    char buf[kNumberTextMax];
    for (int i = 0; i < pressures; ++i) {
        const double p = std::pow(10.0, -3.0 + 5.0 * i / (pressures - 1));
        for (int j = 0; j < temperatures; ++j) {
            const double t = 275.0 + (2000.0 - 275.0) * j / (temperatures - 1);
            text.append(buf, formatNumber(p, 0, buf));
            text.push_back(',');
            text.append(buf, formatNumber(t, 0, buf));
            text.push_back('\n');
        }
    }
    return text;
}

struct RoundTrip {
    std::uint64_t states = 0;
    std::uint64_t outside = 0;  // states of the first pass outside IF97
    std::size_t compared = 0;
    double worstKelvin = 0.0;
};

// (p,T) -> y by batch, then (p,y) -> T by batch; y is H or S.
RoundTrip roundTrip(int pressures, int temperatures, Property y, double toleranceKelvin) {
    RoundTrip result;
    MemoryBatch forward;
    forward.input = generatedStates(pressures, temperatures);
    BatchConfig toY;
    toY.pair = Pair::PT;
    toY.props = {y};
    toY.unitSet = 3;
    const BatchStats s1 = forward.run(toY);
    result.states = s1.states;
    EXPECT_EQ(s1.malformed, 0u);

    // The forward rows (p, T, y) become the input (p, y) of the second pass.
    const auto rows = csvRows(forward.output);
    EXPECT_EQ(rows.size(), s1.states + 1);
    std::string backInput;
    std::vector<double> temperatures;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].size(), 3u);
        const double p = std::stod(rows[i][0]);
        const double t = std::stod(rows[i][1]);
        if (t > 1073.15 && p > 10.0) {
            EXPECT_EQ(rows[i][2], "temperature too high") << rows[i][0] << " " << rows[i][1];
            ++result.outside;
            continue;
        }
        backInput += rows[i][0] + "," + rows[i][2] + "\n";
        temperatures.push_back(t);
    }
    EXPECT_EQ(s1.failed, result.outside);

    MemoryBatch back;
    back.input = backInput;
    BatchConfig toT;
    toT.pair = y == Property::H ? Pair::PH : Pair::PS;
    toT.props = {Property::T};
    toT.unitSet = 3;
    const BatchStats s2 = back.run(toT);
    EXPECT_EQ(s2.failed, 0u);
    const auto backRows = csvRows(back.output);
    EXPECT_EQ(backRows.size(), temperatures.size() + 1);
    std::size_t worstRow = 0;
    std::size_t bad = 0;
    for (std::size_t i = 0; i < temperatures.size() && i + 1 < backRows.size(); ++i) {
        const std::optional<double> t = parseFiniteNumber(backRows[i + 1][2]);
        if (!t) {
            ADD_FAILURE() << "p,y " << backRows[i + 1][0] << "," << backRows[i + 1][1] << ": " << backRows[i + 1][2];
            if (++bad > 20) break;
            continue;
        }
        ++result.compared;
        const double err = std::fabs(*t - temperatures[i]);
        if (err > result.worstKelvin) {
            result.worstKelvin = err;
            worstRow = i;
        }
    }
    EXPECT_LE(result.worstKelvin, toleranceKelvin) << "worst at p,y " << backRows[worstRow + 1][0] << ","
                                                   << backRows[worstRow + 1][1] << ", T " << temperatures[worstRow];
    return result;
}

std::string formatted(double x) {
    char buf[kNumberTextMax];
    return std::string(buf, formatNumber(x, 3, buf));
}

TEST(BatchRoundTrip, HundredThousandStatesThroughEnthalpyAndBack) {
    const RoundTrip r = roundTrip(250, 400, Property::H, kRoundTripKelvin);
    EXPECT_EQ(r.states, 100000u);
    // 50 pressures above 10 MPa times 215 temperatures above 1073.15 K lie outside IF97.
    EXPECT_EQ(r.outside, 50u * 215u);
    EXPECT_EQ(r.compared, r.states - r.outside);
    RecordProperty("worst_kelvin", formatted(r.worstKelvin));
}

TEST(BatchRoundTrip, TenThousandStatesThroughEntropyAndBack) {
    const RoundTrip r = roundTrip(100, 100, Property::S, kRoundTripKelvinFromEntropy);
    EXPECT_EQ(r.states, 10000u);
    EXPECT_EQ(r.compared, r.states - r.outside);
    RecordProperty("worst_kelvin", formatted(r.worstKelvin));
}

}  // namespace
}  // namespace vapcalc
