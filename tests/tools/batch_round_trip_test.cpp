// A generated file of 100 000 (p,T) states through batch mode to enthalpy, and the (p,h) answers
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
using test::MemoryBatch;

constexpr int kPressures = 250;
constexpr int kTemperatures = 400;

// States in set SIF (MPa, K): pressures spaced evenly in log from 1e-3 to 100 MPa, temperatures from
// 275 K to 2000 K. States above 1073.15 K with p above 10 MPa are outside IF97 and must fail with
// the table's text in both passes.
std::string generatedStates() {
    std::string text = "# p [MPa], T [K]\n";
    char buf[kNumberTextMax];
    for (int i = 0; i < kPressures; ++i) {
        const double p = std::pow(10.0, -3.0 + 5.0 * i / (kPressures - 1));
        for (int j = 0; j < kTemperatures; ++j) {
            const double t = 275.0 + (2000.0 - 275.0) * j / (kTemperatures - 1);
            text.append(buf, formatNumber(p, 0, buf));
            text.push_back(',');
            text.append(buf, formatNumber(t, 0, buf));
            text.push_back('\n');
        }
    }
    return text;
}

TEST(BatchRoundTrip, HundredThousandStatesThroughEnthalpyAndBack) {
    MemoryBatch forward;
    forward.input = generatedStates();
    BatchConfig toH;
    toH.pair = Pair::PT;
    toH.props = {Property::H};
    toH.unitSet = 3;
    const BatchStats s1 = forward.run(toH);
    ASSERT_EQ(s1.states, static_cast<std::uint64_t>(kPressures * kTemperatures));
    ASSERT_EQ(s1.malformed, 0u);

    // The forward rows (p, T, h) become the input (p, h) of the second pass.
    const auto rows = csvRows(forward.output);
    ASSERT_EQ(rows.size(), s1.states + 1);
    std::string backInput;
    std::vector<double> temperatures;
    std::uint64_t outside = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 3u);
        const double p = std::stod(rows[i][0]);
        const double t = std::stod(rows[i][1]);
        if (t > 1073.15 && p > 10.0) {
            EXPECT_EQ(rows[i][2], "temperature too high") << rows[i][0] << " " << rows[i][1];
            ++outside;
            continue;
        }
        backInput += rows[i][0] + "," + rows[i][2] + "\n";
        temperatures.push_back(t);
    }
    EXPECT_EQ(s1.failed, outside);
    ASSERT_GT(temperatures.size(), 85000u);

    MemoryBatch back;
    back.input = backInput;
    BatchConfig toT;
    toT.pair = Pair::PH;
    toT.props = {Property::T};
    toT.unitSet = 3;
    const BatchStats s2 = back.run(toT);
    EXPECT_EQ(s2.failed, 0u);
    const auto backRows = csvRows(back.output);
    ASSERT_EQ(backRows.size(), temperatures.size() + 1);
    double worst = 0.0;
    std::size_t worstRow = 0;
    std::size_t bad = 0;
    for (std::size_t i = 0; i < temperatures.size(); ++i) {
        const std::optional<double> t = parseFiniteNumber(backRows[i + 1][2]);
        if (!t) {
            ADD_FAILURE() << "p,h " << backRows[i + 1][0] << "," << backRows[i + 1][1] << ": " << backRows[i + 1][2];
            if (++bad > 20) break;
            continue;
        }
        const double err = std::fabs(*t - temperatures[i]);
        if (err > worst) {
            worst = err;
            worstRow = i;
        }
    }
    EXPECT_LE(worst, kRoundTripKelvin) << "worst at p,h " << backRows[worstRow + 1][0] << ","
                                       << backRows[worstRow + 1][1] << ", T " << temperatures[worstRow];
    RecordProperty("worst_kelvin", std::to_string(worst));
}

}  // namespace
}  // namespace vapcalc
