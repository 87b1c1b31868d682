// Straight-line evaluation of the IF97 power sums  sum n_k X^I_k Y^J_k.
//
// The exponents of a table are compile-time constants: every power is built by
// binary powering from X, Y (or their reciprocals for negative exponents), so
// equal sub-powers are computed once and shared by all terms of a table, and
// no exponent loop or std::pow runs at evaluation time. Each monomial
// m_k = X^I_k Y^J_k is formed once; a derivative of any order is then a sum of
// m_k with compile-time coefficients (for example the X-derivative times X is
// sum I_k n_k m_k), skipping the terms whose coefficient is zero. The sums run
// in four interleaved accumulators so the additions do not form one long chain.
#pragma once

#include <cstddef>
#include <utility>

// The helpers below are forced inline so that each table's monomials stay in
// registers and the monomials a derivative set does not use are dropped.
#if defined(__GNUC__) || defined(__clang__)
#define IF97_FORCE_INLINE [[gnu::always_inline]] inline
#else
#define IF97_FORCE_INLINE inline
#endif

namespace if97::detail {

// One term of a two-variable table: n X^I Y^J.
struct Term {
    int I;
    int J;
    double n;
};

// One term of a one-variable table (ideal-gas parts): n Y^J.
struct Term1 {
    int J;
    double n;
};

// x^N for a fixed N >= 0.
template <int N>
IF97_FORCE_INLINE double upow(double x) noexcept {
    static_assert(N >= 0);
    if constexpr (N == 0) {
        return 1.0;
    } else if constexpr (N == 1) {
        return x;
    } else if constexpr (N % 2 == 0) {
        const double half = upow<N / 2>(x);
        return half * half;
    } else {
        return x * upow<N - 1>(x);
    }
}

// x^N for a fixed N of either sign; inv = 1/x (used only when N < 0).
template <int N>
IF97_FORCE_INLINE double ipow(double x, double inv) noexcept {
    if constexpr (N >= 0) {
        return upow<N>(x);
    } else {
        return upow<-N>(inv);
    }
}

// Weight of a term in a derivative of the given order (0, 1, 2) with respect
// to a variable whose exponent is k, after multiplying by the variable^order:
// 1, k, k(k-1).
constexpr double orderWeight(int k, int order) noexcept {
    return order == 0 ? 1.0 : order == 1 ? static_cast<double>(k) : static_cast<double>(k) * (k - 1);
}

template <const auto& Tab, std::size_t... K>
IF97_FORCE_INLINE void termValues(double x, double ix, double y, double iy, double* m,
                                  std::index_sequence<K...>) noexcept {
    ((m[K] = ipow<Tab[K].I>(x, ix) * ipow<Tab[K].J>(y, iy)), ...);
}

template <const auto& Tab, std::size_t... K>
IF97_FORCE_INLINE void termValues1(double y, double iy, double* m, std::index_sequence<K...>) noexcept {
    ((m[K] = ipow<Tab[K].J>(y, iy)), ...);
}

template <const auto& Tab, int Dx, int Dy, std::size_t K>
IF97_FORCE_INLINE void addTerm(double* acc, const double* b) noexcept {
    constexpr double c = [] {
        if constexpr (requires { Tab[K].I; }) {
            return orderWeight(Tab[K].I, Dx) * orderWeight(Tab[K].J, Dy) * Tab[K].n;
        } else {
            return orderWeight(Tab[K].J, Dy) * Tab[K].n;
        }
    }();
    if constexpr (c != 0.0) acc[K % 4] += c * b[K];
}

template <const auto& Tab, int Dx, int Dy, std::size_t... K>
IF97_FORCE_INLINE double weightedSum(const double* b, std::index_sequence<K...>) noexcept {
    double acc[4] = {0.0, 0.0, 0.0, 0.0};
    (addTerm<Tab, Dx, Dy, K>(acc, b), ...);
    return (acc[0] + acc[1]) + (acc[2] + acc[3]);
}

// Monomials X^I Y^J of a two-variable table into b (b must hold Tab.size() doubles).
template <const auto& Tab>
IF97_FORCE_INLINE void powerTerms(double x, double ix, double y, double iy, double* b) noexcept {
    termValues<Tab>(x, ix, y, iy, b, std::make_index_sequence<Tab.size()>{});
}

// Monomials Y^J of a one-variable table into b.
template <const auto& Tab>
IF97_FORCE_INLINE void powerTerms1(double y, double iy, double* b) noexcept {
    termValues1<Tab>(y, iy, b, std::make_index_sequence<Tab.size()>{});
}

// X^Dx Y^Dy times the (Dx, Dy) partial derivative of the sum, from its monomials.
template <const auto& Tab, int Dx, int Dy>
IF97_FORCE_INLINE double scaledDerivative(const double* b) noexcept {
    return weightedSum<Tab, Dx, Dy>(b, std::make_index_sequence<Tab.size()>{});
}

}  // namespace if97::detail
