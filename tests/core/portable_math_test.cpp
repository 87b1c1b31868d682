// portable_math exp, log and pow against an 80-bit long double reference (64-bit significand,
// so the reference's own error is below 0.001 ulp of a double), the special values of C's
// exp/log/pow, exact cases, and the tables against an independent long double evaluation.
#include "portable_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

namespace {

namespace pm = portable_math;

// Tolerance tiers, in units in the last place of the correctly rounded result.
constexpr double kUlpBound = 0.52;                // every finite result, normal or subnormal
constexpr long double kTableRelative = 0x1p-62L;  // tables against the long double evaluation

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kSamples = 1000000;    // per domain of exp and log
constexpr int kPowSamples = 400000;  // per domain of pow (the long double pow is slow)

// |got - ref| in units of the last place of a double near ref.
double ulpError(double got, long double ref) {
    if (std::isinf(got) && static_cast<long double>(got) == ref) return 0.0;
    if (ref == 0.0L) return got == 0.0 ? 0.0 : kInf;
    const int e = std::ilogb(std::fabs(ref));
    const long double ulp = std::ldexp(1.0L, std::max(e - 52, -1074));
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / ulp);
}

struct Worst {
    double ulp = 0.0;
    double x = 0.0;
    double y = 0.0;
    void note(double err, double a, double b = 0.0) {
        if (err > ulp || std::isnan(err)) ulp = err, x = a, y = b;
    }
};

// Uniform in [lo, hi).
struct Uniform {
    std::mt19937_64& rng;
    double lo, hi;
    double operator()() { return std::uniform_real_distribution<double>(lo, hi)(rng); }
};

// Uniform in log: 2^u with u uniform in [lo, hi).
struct LogUniform {
    std::mt19937_64& rng;
    double lo, hi;
    double operator()() { return std::exp2(std::uniform_real_distribution<double>(lo, hi)(rng)); }
};

void report(const char* name, const Worst& w) {
    std::printf("  %-44s max %.4f ulp (x = %.17g, y = %.17g)\n", name, w.ulp, w.x, w.y);
}

// ---------------------------------------------------------------------------------------------
// log

template <class Gen>
Worst logWorst(Gen gen) {
    Worst w;
    for (int i = 0; i < kSamples; ++i) {
        const double x = gen();
        w.note(ulpError(pm::log(x), std::log(static_cast<long double>(x))), x);
    }
    return w;
}

TEST(PortableMathLog, NearOne) {
    // The table centre 1 with r = x - 1 exact, and the cancelling neighbours below 1.
    std::mt19937_64 rng(11);
    const Worst w = logWorst(Uniform{rng, 0.98, 1.02});
    report("log on [0.98, 1.02]", w);
    EXPECT_LT(w.ulp, kUlpBound);
    const Worst v = logWorst(LogUniform{rng, -60.0, -8.0});
    report("log(1 + t), t in [2^-60, 2^-8]", v);  // x = 1 + t rounds t, the reference uses x
    EXPECT_LT(v.ulp, kUlpBound);
}

TEST(PortableMathLog, PropertyArguments) {
    // Pressures 1e-8..1e3 MPa and psia, reduced densities, temperatures, beta, chi.
    std::mt19937_64 rng(12);
    const Worst w = logWorst(LogUniform{rng, -27.0, 15.0});
    report("log on [2^-27, 2^15]", w);
    EXPECT_LT(w.ulp, kUlpBound);
    const Worst v = logWorst(Uniform{rng, 0.5, 2.0});
    report("log on [0.5, 2]", v);
    EXPECT_LT(v.ulp, kUlpBound);
}

TEST(PortableMathLog, WholeRange) {
    std::mt19937_64 rng(13);
    const Worst w = logWorst(LogUniform{rng, -1022.0, 1023.99});
    report("log on the positive normal doubles", w);
    EXPECT_LT(w.ulp, kUlpBound);
    const Worst s = logWorst(LogUniform{rng, -1074.0, -1022.0});
    report("log on the subnormal doubles", s);
    EXPECT_LT(s.ulp, kUlpBound);
}

struct SpecialRow {
    double x;
    double expected;
    const char* source;
};

// C99 Annex F values of log.
constexpr SpecialRow kLogSpecial[] = {
    {1.0, 0.0, "log(1) = +0"},
    {0.0, -kInf, "log(+0) = -inf"},
    {-0.0, -kInf, "log(-0) = -inf"},
    {kInf, kInf, "log(+inf) = +inf"},
    {-1.0, kNaN, "log of a negative: NaN"},
    {-kInf, kNaN, "log(-inf): NaN"},
    {-0x1p-1074, kNaN, "log of a negative subnormal: NaN"},
    {kNaN, kNaN, "NaN propagates"},
    {0x1p-1074, -744.44007192138122, "log of the smallest subnormal (-1074 ln 2, correctly rounded)"},
    {std::numeric_limits<double>::max(), 709.78271289338397, "log(DBL_MAX), correctly rounded"},
    {2.0, 0.69314718055994531, "ln 2 correctly rounded"},
};

TEST(PortableMathLog, SpecialValues) {
    for (const SpecialRow& row : kLogSpecial) {
        const double got = pm::log(row.x);
        if (std::isnan(row.expected)) {
            EXPECT_TRUE(std::isnan(got)) << row.source;
        } else {
            EXPECT_EQ(got, row.expected) << row.source;
            EXPECT_EQ(std::signbit(got), std::signbit(row.expected)) << row.source;
        }
    }
}

TEST(PortableMathLog, PowersOfTwo) {
    // log(2^k) = k ln 2 correctly rounded from the long double reference.
    for (int k = -1074; k <= 1023; ++k) {
        const double x = std::ldexp(1.0, k);
        EXPECT_LT(ulpError(pm::log(x), k * std::log(2.0L)), kUlpBound) << "k = " << k;
    }
}

// ---------------------------------------------------------------------------------------------
// exp

template <class Gen>
Worst expWorst(Gen gen) {
    Worst w;
    for (int i = 0; i < kSamples; ++i) {
        const double x = gen();
        w.note(ulpError(pm::exp(x), std::exp(static_cast<long double>(x))), x);
    }
    return w;
}

TEST(PortableMathExp, SmallArguments) {
    std::mt19937_64 rng(21);
    const Worst w = expWorst(Uniform{rng, -1.0, 1.0});
    report("exp on [-1, 1]", w);
    EXPECT_LT(w.ulp, kUlpBound);
    const Worst t = expWorst(LogUniform{rng, -60.0, -8.0});
    report("exp on [2^-60, 2^-8]", t);
    EXPECT_LT(t.ulp, kUlpBound);
}

TEST(PortableMathExp, PropertyArguments) {
    // Transport exponents (floor -227.95), IFC-67 X = exp(b (1 - theta)), ln(p/pc).
    std::mt19937_64 rng(22);
    const Worst w = expWorst(Uniform{rng, -240.0, 60.0});
    report("exp on [-240, 60]", w);
    EXPECT_LT(w.ulp, kUlpBound);
}

TEST(PortableMathExp, WholeRange) {
    std::mt19937_64 rng(23);
    const Worst w = expWorst(Uniform{rng, -708.39, 709.78});
    report("exp with normal results", w);
    EXPECT_LT(w.ulp, kUlpBound);
    const Worst s = expWorst(Uniform{rng, -745.13, -708.40});
    report("exp with subnormal results", s);
    EXPECT_LT(s.ulp, kUlpBound);
}

// C99 Annex F values of exp, and the ends of the range.
constexpr SpecialRow kExpSpecial[] = {
    {0.0, 1.0, "exp(+0) = 1"},
    {-0.0, 1.0, "exp(-0) = 1"},
    {kInf, kInf, "exp(+inf) = +inf"},
    {-kInf, 0.0, "exp(-inf) = +0"},
    {kNaN, kNaN, "NaN propagates"},
    {710.0, kInf, "overflow"},
    {0x1.62e42fefa39efp+9, 0x1.fffffffffff2ap+1023, "largest x with a finite result, correctly rounded"},
    {0x1.62e42fefa39fp+9, kInf, "next double: overflow"},
    {-746.0, 0.0, "underflow to +0"},
    {-745.0, 0x1p-1074, "rounds to the smallest subnormal"},
    {1.0, 2.7182818284590451, "e correctly rounded"},
};

TEST(PortableMathExp, SpecialValues) {
    for (const SpecialRow& row : kExpSpecial) {
        const double got = pm::exp(row.x);
        if (std::isnan(row.expected)) {
            EXPECT_TRUE(std::isnan(got)) << row.source;
        } else {
            EXPECT_EQ(got, row.expected) << row.source;
        }
    }
}

TEST(PortableMathExp, RoundTripWithLog) {
    // exp(log x) within a few ulp of x: the two errors and the condition |log x| add up.
    std::mt19937_64 rng(24);
    LogUniform gen{rng, -30.0, 30.0};
    for (int i = 0; i < 10000; ++i) {
        const double x = gen();
        const double back = pm::exp(pm::log(x));
        EXPECT_LE(std::fabs(back - x) / x, 0x1p-52 * (1.0 + std::fabs(std::log(x)))) << x;
    }
}

// ---------------------------------------------------------------------------------------------
// pow

template <class GenX, class GenY>
Worst powWorst(GenX gx, GenY gy) {
    Worst w;
    for (int i = 0; i < kPowSamples; ++i) {
        const double x = gx();
        const double y = gy();
        const long double ref = std::pow(static_cast<long double>(x), static_cast<long double>(y));
        if (!(std::fabs(ref) < std::numeric_limits<double>::max())) continue;
        w.note(ulpError(pm::pow(x, y), ref), x, y);
    }
    return w;
}

struct Fixed {
    double v;
    double operator()() const { return v; }
};

TEST(PortableMathPow, ConductivityExponents) {
    // |Tr - 1| + 0.00308976 to the 0.6; reduced density to 1.8 and to Q = 2 + 0.0822994 / dT^0.6.
    std::mt19937_64 rng(31);
    const Worst a = powWorst(Uniform{rng, 0.00308976, 3.0}, Fixed{0.6});
    report("pow(x, 0.6), x in [0.0031, 3]", a);
    EXPECT_LT(a.ulp, kUlpBound);
    const Worst b = powWorst(LogUniform{rng, -20.0, 2.0}, Fixed{1.8});
    report("pow(x, 1.8), x in [2^-20, 4]", b);
    EXPECT_LT(b.ulp, kUlpBound);
    const Worst c = powWorst(LogUniform{rng, -20.0, 2.0}, Uniform{rng, 2.0, 30.0});
    report("pow(x, y), x in [2^-20, 4], y in [2, 30]", c);
    EXPECT_LT(c.ulp, kUlpBound);
}

TEST(PortableMathPow, IFC67Exponents) {
    // Z^(-5/17) of subregion 1 and (8.16879 - ln p)^0.4 of the saturation temperature.
    std::mt19937_64 rng(32);
    const Worst a = powWorst(Uniform{rng, 0.01, 10.0}, Fixed{-0.294117647});
    report("pow(x, -0.294117647), x in [0.01, 10]", a);
    EXPECT_LT(a.ulp, kUlpBound);
    const Worst b = powWorst(Uniform{rng, 0.05, 20.0}, Fixed{0.4});
    report("pow(x, 0.4), x in [0.05, 20]", b);
    EXPECT_LT(b.ulp, kUlpBound);
}

TEST(PortableMathPow, GeneralArguments) {
    std::mt19937_64 rng(33);
    const Worst a = powWorst(LogUniform{rng, -40.0, 40.0}, Uniform{rng, -25.0, 25.0});
    report("pow(x, y), x in [2^-40, 2^40], |y| < 25", a);
    EXPECT_LT(a.ulp, kUlpBound);
    // Results over the whole normal range: |y log2 x| up to 1074.
    const Worst b = powWorst(LogUniform{rng, -1022.0, 1023.0}, Uniform{rng, -1.0, 1.0});
    report("pow(x, y), x normal, |y| < 1", b);
    EXPECT_LT(b.ulp, kUlpBound);
    const Worst c = powWorst(Uniform{rng, 0.5, 2.0}, Uniform{rng, -1000.0, 1000.0});
    report("pow(x, y), x in [0.5, 2], |y| < 1000", c);
    EXPECT_LT(c.ulp, kUlpBound);
    // x near 1, y large: y log x needs log x to far more than double precision.
    const Worst d = powWorst(Uniform{rng, 1.0 - 0x1p-20, 1.0 + 0x1p-20}, Uniform{rng, -1e8, 1e8});
    report("pow(x, y), |x - 1| < 2^-20, |y| < 1e8", d);
    EXPECT_LT(d.ulp, kUlpBound);
}

TEST(PortableMathPow, SubnormalResults) {
    // y log x near -1060 ln 2: results on the subnormal grid, rounded once.
    std::mt19937_64 rng(35);
    Uniform gx{rng, 0.5, 2.0};
    Uniform spread{rng, 0.97, 1.03};
    Worst w;
    for (int i = 0; i < kPowSamples; ++i) {
        const double x = gx();
        const double y = -1060.0 * std::log(2.0) / std::log(x) * spread();
        const long double ref = std::pow(static_cast<long double>(x), static_cast<long double>(y));
        if (!(ref < std::numeric_limits<double>::min())) continue;
        w.note(ulpError(pm::pow(x, y), ref), x, y);
    }
    report("pow(x, y) with subnormal results", w);
    EXPECT_LT(w.ulp, kUlpBound);
}

TEST(PortableMathPow, NegativeBaseIntegerExponent) {
    std::mt19937_64 rng(34);
    Worst w;
    Uniform gx{rng, -10.0, -0.1};
    for (int i = 0; i < 100000; ++i) {
        const double x = gx();
        const double y = static_cast<double>(static_cast<int>(rng() % 61) - 30);
        w.note(ulpError(pm::pow(x, y), std::pow(static_cast<long double>(x), static_cast<long double>(y))), x, y);
    }
    report("pow(x, n), x in [-10, -0.1], |n| <= 30", w);
    EXPECT_LT(w.ulp, kUlpBound);
}

TEST(PortableMathPow, ExactResults) {
    // Exactly representable results must come out exactly.
    for (int base = 2; base <= 10; ++base) {
        double expected = 1.0;
        for (int n = 1; n <= 15; ++n) {
            expected *= base;
            EXPECT_EQ(pm::pow(base, n), expected) << base << "^" << n;
            EXPECT_EQ(pm::pow(-base, n), (n % 2 != 0) ? -expected : expected) << -base << "^" << n;
        }
    }
    EXPECT_EQ(pm::pow(2.0, -1074.0), 0x1p-1074);
    EXPECT_EQ(pm::pow(2.0, 1023.0), 0x1p1023);
    EXPECT_EQ(pm::pow(4.0, 0.5), 2.0);
    EXPECT_EQ(pm::pow(0.25, -1.5), 8.0);
    EXPECT_EQ(pm::pow(1.7, 1.0), 1.7);
}

struct PowRow {
    double x;
    double y;
    double expected;
    const char* source;
};

// C99 Annex F.9.4.4 values of pow.
constexpr PowRow kPowSpecial[] = {
    {kNaN, 0.0, 1.0, "pow(x, +-0) = 1 even for NaN"},
    {kNaN, -0.0, 1.0, "pow(x, -0) = 1"},
    {1.0, kNaN, 1.0, "pow(+1, y) = 1 even for NaN"},
    {kNaN, 2.0, kNaN, "NaN base"},
    {2.0, kNaN, kNaN, "NaN exponent"},
    {0.0, -3.0, kInf, "pow(+0, odd y < 0) = +inf"},
    {-0.0, -3.0, -kInf, "pow(-0, odd y < 0) = -inf"},
    {-0.0, -2.0, kInf, "pow(-0, even y < 0) = +inf"},
    {-0.0, -0.5, kInf, "pow(-0, non-integer y < 0) = +inf"},
    {0.0, 3.0, 0.0, "pow(+0, odd y > 0) = +0"},
    {-0.0, 3.0, -0.0, "pow(-0, odd y > 0) = -0"},
    {-0.0, 0.5, 0.0, "pow(-0, non-integer y > 0) = +0"},
    {-1.0, kInf, 1.0, "pow(-1, +inf) = 1"},
    {-1.0, -kInf, 1.0, "pow(-1, -inf) = 1"},
    {0.5, -kInf, kInf, "|x| < 1, y = -inf"},
    {-0.5, -kInf, kInf, "|x| < 1, y = -inf, negative x"},
    {2.0, -kInf, 0.0, "|x| > 1, y = -inf"},
    {0.5, kInf, 0.0, "|x| < 1, y = +inf"},
    {-2.0, kInf, kInf, "|x| > 1, y = +inf"},
    {-kInf, -3.0, -0.0, "pow(-inf, odd y < 0) = -0"},
    {-kInf, -2.0, 0.0, "pow(-inf, even y < 0) = +0"},
    {-kInf, 3.0, -kInf, "pow(-inf, odd y > 0) = -inf"},
    {-kInf, 2.5, kInf, "pow(-inf, non-integer y > 0) = +inf"},
    {kInf, -1.0, 0.0, "pow(+inf, y < 0) = +0"},
    {kInf, 0.5, kInf, "pow(+inf, y > 0) = +inf"},
    {-2.0, 0.5, kNaN, "negative finite x, non-integer y: NaN"},
    {-0.0031, 0.6, kNaN, "negative base of a conductivity power: NaN"},
    {10.0, 400.0, kInf, "overflow"},
    {-10.0, 401.0, -kInf, "overflow, odd integer exponent of a negative base"},
    {10.0, -400.0, 0.0, "underflow"},
    {-10.0, -401.0, -0.0, "underflow, odd integer exponent of a negative base"},
    {2.0, 0x1p60, kInf, "huge exponent"},
    {1.0 + 0x1p-52, 0x1p62, kInf, "base next to 1, huge exponent (y log x = 1024)"},
    {-8.0, 1.0 / 3.0, kNaN, "no real cube root of a negative base through pow"},
    {-2.0, 0x1p53, kInf, "even exponent beyond 2^53"},
    {-2.0, 0x1p53 + 2.0, kInf, "even exponent beyond 2^53"},
    {-1.0, 0x1p52 + 1.0, -1.0, "odd exponent 2^52 + 1"},
};

TEST(PortableMathPow, SpecialValues) {
    for (const PowRow& row : kPowSpecial) {
        const double got = pm::pow(row.x, row.y);
        if (std::isnan(row.expected)) {
            EXPECT_TRUE(std::isnan(got)) << row.source;
        } else {
            EXPECT_EQ(got, row.expected) << row.source;
            EXPECT_EQ(std::signbit(got), std::signbit(row.expected)) << row.source;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Tables against an independent long double evaluation.

TEST(PortableMathTables, LogTable) {
    const auto& table = pm::detail::kLogTable;
    for (std::size_t j = 0; j < table.size(); ++j) {
        const auto& e = table[j];
        const long double centre = 1.0L + static_cast<long double>(j) / 128.0L;
        // c is 1/centre rounded to a multiple of 2^-10 (exactly 1 at the centre 1).
        const double c =
            j == 0 ? 1.0 : std::ldexp(std::nearbyint(std::ldexp(1.0 / static_cast<double>(centre), 10)), -10);
        EXPECT_EQ(e.c, c) << "j = " << j;
        const long double value = j < 53 ? -std::log(static_cast<long double>(e.c)) : -std::log(2.0L * e.c);
        EXPECT_EQ(e.hi, std::ldexp(std::nearbyint(std::ldexp(e.hi, 42)), -42)) << "hi of j = " << j << " not on 2^-42";
        EXPECT_LE(std::fabs((static_cast<long double>(e.hi) + e.lo) - value),
                  kTableRelative * (std::fabs(value) + 0x1p-60L))
            << "j = " << j;
    }
    EXPECT_LE(std::fabs((static_cast<long double>(pm::detail::kLn2Hi) + pm::detail::kLn2Lo) - std::log(2.0L)),
              kTableRelative);
}

TEST(PortableMathTables, Exp2Table) {
    const auto& table = pm::detail::kExp2Table;
    for (std::size_t j = 0; j < table.size(); ++j) {
        const long double value = std::exp2(static_cast<long double>(j) / 128.0L);
        EXPECT_EQ(table[j].hi, static_cast<double>(value)) << "j = " << j;
        EXPECT_LE(std::fabs((static_cast<long double>(table[j].hi) + table[j].lo) - value), kTableRelative * value)
            << "j = " << j;
    }
    EXPECT_LE(
        std::fabs((static_cast<long double>(pm::detail::kLn2NHi) + pm::detail::kLn2NLo) - std::log(2.0L) / 128.0L),
        kTableRelative / 128.0L);
}

}  // namespace
