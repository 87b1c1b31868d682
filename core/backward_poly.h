// Evaluation of the IF97 backward-equation sums  theta = sum n_i * X^I_i * Y^J_i.
//
// Each backward table is a constexpr array of {I, J, n} rows laid out as the release prints it.  The
// exponent range of a table is found at compile time; the powers X^Imin..X^Imax and Y^Jmin..Y^Jmax are
// built once per call by a multiplication chain outward from X^0 = 1, and each term then costs two
// look-ups and two multiplications.  No std::pow is used.
#pragma once

#include <array>
#include <cstddef>

namespace if97::backward {

// One row of a backward-equation table (whole-number exponents).
struct Term {
    int I;
    int J;
    double n;
};

// One row of a table whose X exponents are multiples of 1/4 (IF97 Table 25).
struct QuarterTerm {
    double I;
    int J;
    double n;
};

template <std::size_t N>
constexpr int minI(const std::array<Term, N>& t) {
    int m = t[0].I;
    for (const auto& r : t) m = r.I < m ? r.I : m;
    return m;
}
template <std::size_t N>
constexpr int maxI(const std::array<Term, N>& t) {
    int m = t[0].I;
    for (const auto& r : t) m = r.I > m ? r.I : m;
    return m;
}
template <std::size_t N>
constexpr int minJ(const std::array<Term, N>& t) {
    int m = t[0].J;
    for (const auto& r : t) m = r.J < m ? r.J : m;
    return m;
}
template <std::size_t N>
constexpr int maxJ(const std::array<Term, N>& t) {
    int m = t[0].J;
    for (const auto& r : t) m = r.J > m ? r.J : m;
    return m;
}

// Rewrites quarter exponents I as whole multiples of 1/4, so that X = pi^(1/4) carries them.
template <std::size_t N>
constexpr std::array<Term, N> toQuarterUnits(const std::array<QuarterTerm, N>& t) {
    std::array<Term, N> out{};
    for (std::size_t k = 0; k < N; ++k) {
        const double q = t[k].I * 4.0;
        out[k] = Term{static_cast<int>(q < 0 ? q - 0.5 : q + 0.5), t[k].J, t[k].n};
    }
    return out;
}

// x^Lo .. x^Hi (Lo <= 0 <= Hi).  Each power is the product of two lower ones, x^e = x^(e/2) * x^(e - e/2),
// so the chain is only log2(e) multiplications deep and its products can run side by side.
template <int Lo, int Hi>
struct PowerChain {
    static_assert(Lo <= 0 && Hi >= 0, "exponent range must include 0");
    std::array<double, Hi - Lo + 1> value;

    explicit PowerChain(double x) noexcept {
        value[-Lo] = 1.0;
        if constexpr (Hi >= 1) value[1 - Lo] = x;
#pragma GCC unroll 64
        for (int e = 2; e <= Hi; ++e) value[e - Lo] = value[e / 2 - Lo] * value[e - e / 2 - Lo];
        if constexpr (Lo < 0) {
            value[-1 - Lo] = 1.0 / x;
#pragma GCC unroll 64
            for (int e = 2; e <= -Lo; ++e) value[-e - Lo] = value[-(e / 2) - Lo] * value[-(e - e / 2) - Lo];
        }
    }
    double operator[](int e) const noexcept { return value[e - Lo]; }
};

// sum n_i * x^I_i * y^J_i over the rows of Table.
template <const auto& Table>
inline double sum(double x, double y) noexcept {
    constexpr int iLo = minI(Table) < 0 ? minI(Table) : 0;
    constexpr int iHi = maxI(Table) > 0 ? maxI(Table) : 0;
    constexpr int jLo = minJ(Table) < 0 ? minJ(Table) : 0;
    constexpr int jHi = maxJ(Table) > 0 ? maxJ(Table) : 0;
    const PowerChain<iLo, iHi> xp(x);
    const PowerChain<jLo, jHi> yp(y);
    // Four partial sums, so that the additions do not form one long dependent chain.
    double part[4] = {0.0, 0.0, 0.0, 0.0};
#pragma GCC unroll 64
    for (std::size_t k = 0; k < Table.size(); ++k) {
        const Term& t = Table[k];
        part[k % 4] += t.n * xp[t.I] * yp[t.J];
    }
    return (part[0] + part[1]) + (part[2] + part[3]);
}

}  // namespace if97::backward
