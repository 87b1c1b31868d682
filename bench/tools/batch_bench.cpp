// Batch throughput: an in-memory file of states through runBatch (reading, splitting, evaluating
// through the vaprop32 exports, writing CSV) into a sink that only counts bytes.
#include "batch.h"
#include "command_line.h"
#include "number_text.h"
#include "vaprop32.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

using namespace vapcalc;

constexpr int kSide = 300;  // 90 000 states per input

// (p, T) in set SI over regions 1, 2 and 3: 0.05 to 250 bar (log), 10 to 790 °C.
std::string ptStates() {
    std::string text = "P [bar],T [°C]\n";
    char buf[kNumberTextMax];
    for (int i = 0; i < kSide; ++i) {
        const double p = 0.05 * std::pow(5000.0, static_cast<double>(i) / (kSide - 1));
        for (int j = 0; j < kSide; ++j) {
            const double t = 10.0 + 780.0 * j / (kSide - 1);
            text.append(buf, formatNumber(p, 0, buf));
            text.push_back(',');
            text.append(buf, formatNumber(t, 0, buf));
            text.push_back('\n');
        }
    }
    return text;
}

// The same states as (p, h), h from the library.
std::string phStates() {
    std::string text = "P [bar],H [kJ/kg]\n";
    char buf[kNumberTextMax];
    for (int i = 0; i < kSide; ++i) {
        const double p = 0.05 * std::pow(5000.0, static_cast<double>(i) / (kSide - 1));
        for (int j = 0; j < kSide; ++j) {
            const double t = 10.0 + 780.0 * j / (kSide - 1);
            text.append(buf, formatNumber(p, 0, buf));
            text.push_back(',');
            text.append(buf, formatNumber(StmPTH(p, t, 1), 0, buf));
            text.push_back('\n');
        }
    }
    return text;
}

void runThroughput(benchmark::State& state, const std::string& input, const BatchConfig& config) {
    std::size_t bytesOut = 0;
    std::uint64_t states = 0;
    for (auto _ : state) {
        std::size_t pos = 0;
        BatchIo io;
        io.read = [&](char* buf, std::size_t n) -> std::ptrdiff_t {
            const std::size_t k = std::min(n, input.size() - pos);
            std::memcpy(buf, input.data() + pos, k);
            pos += k;
            return static_cast<std::ptrdiff_t>(k);
        };
        io.write = [&](const char*, std::size_t n) {
            bytesOut += n;
            return true;
        };
        const BatchStats stats = runBatch(config, io);
        states += stats.states;
        benchmark::DoNotOptimize(stats);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(states));
    state.counters["bytes_out_per_state"] =
        static_cast<double>(bytesOut) / static_cast<double>(std::max<std::uint64_t>(states, 1));
}

BatchConfig makeConfig(Pair pair, std::vector<Property> props) {
    BatchConfig c;
    c.pair = pair;
    c.props = std::move(props);
    c.unitSet = 1;
    return c;
}

// (P,T) with the default batch properties H, S, V: the target case.
void BM_BatchPT_DefaultProperties(benchmark::State& state) {
    static const std::string input = ptStates();
    runThroughput(state, input, makeConfig(Pair::PT, defaultBatchProperties(Pair::PT)));
}
BENCHMARK(BM_BatchPT_DefaultProperties)->Unit(benchmark::kMillisecond);

// (P,T) to every property of the one-point output.
void BM_BatchPT_AllProperties(benchmark::State& state) {
    static const std::string input = ptStates();
    runThroughput(state, input, makeConfig(Pair::PT, defaultPointProperties()));
}
BENCHMARK(BM_BatchPT_AllProperties)->Unit(benchmark::kMillisecond);

// (P,H) to T, with refinement and in fast mode.
void BM_BatchPH_Temperature(benchmark::State& state) {
    static const std::string input = phStates();
    runThroughput(state, input, makeConfig(Pair::PH, {Property::T}));
}
BENCHMARK(BM_BatchPH_Temperature)->Unit(benchmark::kMillisecond);

void BM_BatchPH_TemperatureFast(benchmark::State& state) {
    static const std::string input = phStates();
    BatchConfig c = makeConfig(Pair::PH, {Property::T});
    c.unitSet = 1 | 16;
    runThroughput(state, input, c);
}
BENCHMARK(BM_BatchPH_TemperatureFast)->Unit(benchmark::kMillisecond);

// The reading and writing alone: the inputs echoed with no property, to separate the text work
// from the property calls.
void BM_BatchPT_TextOnly(benchmark::State& state) {
    static const std::string input = ptStates();
    runThroughput(state, input, makeConfig(Pair::PT, {}));
}
BENCHMARK(BM_BatchPT_TextOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
