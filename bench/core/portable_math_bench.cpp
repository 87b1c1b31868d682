// portable_math exp, log and pow against the C library's, on arguments from the ranges the
// property code uses; each iteration evaluates one call (ns/call = time per iteration).
#include "portable_math.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <random>

namespace {

constexpr std::size_t kArguments = 1024;

struct Arguments {
    std::array<double, kArguments> x{};
    std::array<double, kArguments> y{};
};

// x uniform in log between 2^xLo and 2^xHi, y uniform in [yLo, yHi).
Arguments makeArguments(double xLo, double xHi, double yLo, double yHi) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> ux(xLo, xHi), uy(yLo, yHi);
    Arguments a;
    for (std::size_t i = 0; i < kArguments; ++i) {
        a.x[i] = std::exp2(ux(rng));
        a.y[i] = uy(rng);
    }
    return a;
}

const Arguments& logArguments() {
    static const Arguments a = makeArguments(-20.0, 15.0, 0.0, 0.0);
    return a;
}

const Arguments& expArguments() {
    static const Arguments a = [] {
        Arguments b = makeArguments(0.0, 0.0, -230.0, 50.0);
        b.x = b.y;
        return b;
    }();
    return a;
}

const Arguments& powArguments() {
    static const Arguments a = makeArguments(-12.0, 2.0, -0.5, 30.0);
    return a;
}

template <double (*F)(double)>
void unary(benchmark::State& state, const Arguments& a) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(a.x[i]));
        i = (i + 1) & (kArguments - 1);
    }
}

template <double (*F)(double, double)>
void binary(benchmark::State& state, const Arguments& a) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(a.x[i], a.y[i]));
        i = (i + 1) & (kArguments - 1);
    }
}

double stdExp(double x) { return std::exp(x); }
double stdLog(double x) { return std::log(x); }
double stdPow(double x, double y) { return std::pow(x, y); }
double pmExp(double x) { return portable_math::exp(x); }
double pmLog(double x) { return portable_math::log(x); }
double pmPow(double x, double y) { return portable_math::pow(x, y); }

void BM_PortableExp(benchmark::State& s) { unary<pmExp>(s, expArguments()); }
void BM_StdExp(benchmark::State& s) { unary<stdExp>(s, expArguments()); }
void BM_PortableLog(benchmark::State& s) { unary<pmLog>(s, logArguments()); }
void BM_StdLog(benchmark::State& s) { unary<stdLog>(s, logArguments()); }
void BM_PortablePow(benchmark::State& s) { binary<pmPow>(s, powArguments()); }
void BM_StdPow(benchmark::State& s) { binary<stdPow>(s, powArguments()); }

BENCHMARK(BM_PortableExp);
BENCHMARK(BM_StdExp);
BENCHMARK(BM_PortableLog);
BENCHMARK(BM_StdLog);
BENCHMARK(BM_PortablePow);
BENCHMARK(BM_StdPow);

}  // namespace
