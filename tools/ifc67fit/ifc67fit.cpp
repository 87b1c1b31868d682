// ifc67fit: least-squares fit of the start-value sets of the IFC-67 (p,h) and (p,s) searches.
//
// Each set is a polynomial sum bi u^i (i = 0..3) + sum ak w^k (k = 1..4) + sum c(j,k) u^j w^k
// (j = 1..3, k = 1..4).  An odd set gives the start temperature (F), the even set after it the start
// slope: dT/dh for the (p,h) search and d(ln T)/ds for the (p,s) search, both equal to 1/cp at the
// state.  The samples are states of the set's domain (side, pressure band, enthalpy or entropy
// split) taken uniformly in the given variable on a logarithmic pressure grid, each solved for its
// temperature by bisection on the forward equations.  The boundary entropy sB(p) between sets 11
// and 9 is the entropy where the isobar crosses h = 1280 Btu/lb, the split of sets 5 and 3, fitted
// by a polynomial of degree 6 in p (psia).
//
// Usage: ifc67fit OUTPUT.h    (writes the table; a summary of fit errors goes to stdout)
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "constants67.h"
#include "forward67.h"
#include "start_given67.h"

using namespace ifc67;

namespace {

constexpr int kTerms = 20;
using Coeffs = std::array<double, kTerms>;

// Basis of the start-value polynomial in the table's order b0..b3, a1..a4, c(1,1..4)..c(3,1..4).
std::array<double, kTerms> basis(double u, double w) {
    std::array<double, kTerms> b{};
    double up[4] = {1.0, u, u * u, u * u * u};
    double wp[5] = {1.0, w, w * w, w * w * w, w * w * w * w};
    for (int i = 0; i < 4; ++i) b[i] = up[i];
    for (int k = 1; k <= 4; ++k) b[3 + k] = wp[k];
    for (int j = 1; j <= 3; ++j)
        for (int k = 1; k <= 4; ++k) b[7 + 4 * (j - 1) + k] = up[j] * wp[k];
    return b;
}

double evalPoly(const Coeffs& c, double u, double w) {
    const auto b = basis(u, w);
    double s = 0.0;
    for (int i = 0; i < kTerms; ++i) s += c[i] * b[i];
    return s;
}

// Least squares by Householder QR on column-scaled rows.
std::vector<double> leastSquares(std::vector<std::vector<double>> a, std::vector<double> y) {
    const std::size_t m = a.size(), n = a[0].size();
    std::vector<double> scale(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < m; ++i) scale[j] = std::fmax(scale[j], std::fabs(a[i][j]));
        if (scale[j] == 0.0) scale[j] = 1.0;
        for (std::size_t i = 0; i < m; ++i) a[i][j] /= scale[j];
    }
    for (std::size_t k = 0; k < n; ++k) {
        double norm = 0.0;
        for (std::size_t i = k; i < m; ++i) norm += a[i][k] * a[i][k];
        norm = std::sqrt(norm);
        const double alpha = a[k][k] > 0 ? -norm : norm;
        std::vector<double> v(m, 0.0);
        for (std::size_t i = k; i < m; ++i) v[i] = a[i][k];
        v[k] -= alpha;
        double vv = 0.0;
        for (std::size_t i = k; i < m; ++i) vv += v[i] * v[i];
        if (vv == 0.0) continue;
        for (std::size_t j = k; j < n; ++j) {
            double d = 0.0;
            for (std::size_t i = k; i < m; ++i) d += v[i] * a[i][j];
            d = 2.0 * d / vv;
            for (std::size_t i = k; i < m; ++i) a[i][j] -= d * v[i];
        }
        double d = 0.0;
        for (std::size_t i = k; i < m; ++i) d += v[i] * y[i];
        d = 2.0 * d / vv;
        for (std::size_t i = k; i < m; ++i) y[i] -= d * v[i];
    }
    std::vector<double> x(n, 0.0);
    for (std::size_t k = n; k-- > 0;) {
        double s = y[k];
        for (std::size_t j = k + 1; j < n; ++j) s -= a[k][j] * x[j];
        x[k] = s / a[k][k];
    }
    for (std::size_t j = 0; j < n; ++j) x[j] /= scale[j];
    return x;
}

IFC67Working g_w;

// Property of a state on the given side (1 liquid-like, 2 vapour-like), in the subregion of that
// side under the state's L-line flag, as the searches evaluate it.
double sideValue(int side, double p, double tF, Property prop) {
    setState67(g_w, p, tF);
    const int k = subregionOfSide(side, g_w.lineFlag);
    prepareSubregion(g_w, p, tF, k);
    return property67(g_w, k, prop);
}

struct Sample {
    double p, t, value, cp;
};

// Temperature range of a side at p.
void sideRange(int side, double p, double& lo, double& hi) {
    const double ts = p < kPc ? satTemperature67(p) : kTcF;
    if (side == 1) {
        lo = kTMin;
        hi = p < kPc ? ts - 1e-7 : kTcF;
    } else {
        lo = p < kPc ? ts : kTcF + 1e-7;
        hi = kTMax;
    }
}

// States of one side on a pressure grid, uniform in the given property between the side's ends.
std::vector<Sample> sampleSide(int side, Property prop, double pLo, double pHi, int np, int nv) {
    std::vector<Sample> out;
    for (int i = 0; i < np; ++i) {
        const double p = std::exp(std::log(pLo) + (std::log(pHi) - std::log(pLo)) * i / (np - 1));
        double lo, hi;
        sideRange(side, p, lo, hi);
        const double vLo = sideValue(side, p, lo, prop), vHi = sideValue(side, p, hi, prop);
        for (int j = 0; j < nv; ++j) {
            const double target = vLo + (vHi - vLo) * j / (nv - 1);
            double a = lo, b = hi;
            for (int it = 0; it < 60; ++it) {
                const double m = 0.5 * (a + b);
                (sideValue(side, p, m, prop) < target ? a : b) = m;
            }
            const double t = 0.5 * (a + b);
            out.push_back({p, t, sideValue(side, p, t, prop), sideValue(side, p, t, Property::HeatCapacity)});
        }
    }
    return out;
}

struct SetDomain {
    int set;  // odd set number (temperature); set + 1 is its slope
    std::function<bool(const Sample&)> inDomain;
    std::function<void(const Sample&, double&, double&)> arguments;  // u, w
};

struct FitResult {
    Coeffs temp{}, slope{};
    double maxTempErr = 0.0, rmsTempErr = 0.0, maxSlopeRel = 0.0;
};

FitResult fitSet(const std::vector<Sample>& all, const SetDomain& d, const Coeffs* givenTemp) {
    std::vector<std::vector<double>> rows;
    std::vector<double> yt, ys;
    std::vector<std::array<double, 2>> uw;
    for (const auto& s : all) {
        if (!d.inDomain(s)) continue;
        double u, w;
        d.arguments(s, u, w);
        const auto b = basis(u, w);
        rows.emplace_back(b.begin(), b.end());
        yt.push_back(s.t);
        ys.push_back(1.0 / s.cp);
        uw.push_back({u, w});
    }
    FitResult r;
    if (givenTemp) {
        r.temp = *givenTemp;
    } else {
        const auto x = leastSquares(rows, yt);
        for (int i = 0; i < kTerms; ++i) r.temp[i] = x[i];
    }
    const auto xs = leastSquares(rows, ys);
    for (int i = 0; i < kTerms; ++i) r.slope[i] = xs[i];
    double sum = 0.0;
    for (std::size_t i = 0; i < yt.size(); ++i) {
        const double e = evalPoly(r.temp, uw[i][0], uw[i][1]) - yt[i];
        if (std::getenv("IFC67FIT_DEBUG") && std::fabs(e) > r.maxTempErr)
            std::printf("  worst so far: u %.6g w %.6g T %.4f error %.4f\n", uw[i][0], uw[i][1], yt[i], e);
        r.maxTempErr = std::fmax(r.maxTempErr, std::fabs(e));
        sum += e * e;
        const double es = (evalPoly(r.slope, uw[i][0], uw[i][1]) - ys[i]) / ys[i];
        r.maxSlopeRel = std::fmax(r.maxSlopeRel, std::fabs(es));
    }
    r.rmsTempErr = std::sqrt(sum / yt.size());
    std::printf("set %2d/%2d: %5zu states, start error max %.3f F rms %.3f F, slope error max %.1f %%\n",
                d.set,
                d.set + 1,
                yt.size(),
                r.maxTempErr,
                r.rmsTempErr,
                100.0 * r.maxSlopeRel);
    return r;
}

// Boundary entropy: s where the isobar crosses h = 1280 Btu/lb, fitted in p/10000 and returned
// as coefficients of p^0..p^6.
std::array<double, 7> fitBoundaryEntropy() {
    std::vector<std::vector<double>> rows;
    std::vector<double> y;
    for (int i = 0; i <= 200; ++i) {
        const double p = 2500.0 + (kPMax - 2500.0) * i / 200.0;
        double a = kTcF + 1e-7, b = kTMax;
        for (int it = 0; it < 60; ++it) {
            const double m = 0.5 * (a + b);
            (sideValue(2, p, m, Property::Enthalpy) < 1280.0 ? a : b) = m;
        }
        const double t = 0.5 * (a + b);
        const double x = p / 10000.0;
        std::vector<double> row(7);
        for (int k = 0; k < 7; ++k) row[k] = std::pow(x, k);
        rows.push_back(row);
        y.push_back(sideValue(2, p, t, Property::Entropy));
    }
    const auto c = leastSquares(rows, y);
    std::array<double, 7> raw{};
    double maxErr = 0.0;
    for (int k = 0; k < 7; ++k) raw[k] = c[k] / std::pow(10000.0, k);
    for (std::size_t i = 0; i < y.size(); ++i) {
        double s = 0.0;
        for (int k = 6; k >= 0; --k) s = s * (rows[i][1] * 10000.0) + raw[k];
        maxErr = std::fmax(maxErr, std::fabs(s - y[i]));
    }
    std::printf("sB(p): entropy at h = 1280 Btu/lb, 2500..15700 psia, fit error max %.2e Btu/(lb R)\n", maxErr);
    return raw;
}

double sB(const std::array<double, 7>& c, double p) {
    double s = 0.0;
    for (int k = 6; k >= 0; --k) s = s * p + c[k];
    return s;
}

void writeSet(std::FILE* f, int set, const Coeffs& c) {
    std::fprintf(f, "    // set %d\n    {", set);
    for (int i = 0; i < kTerms; ++i) {
        const bool last = i + 1 == kTerms, lineEnd = i % 4 == 3;
        std::fprintf(f, "%.17g%s", c[i], last ? "" : (lineEnd ? ",\n     " : ", "));
    }
    std::fprintf(f, "},\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ifc67fit OUTPUT.h\n");
        return 2;
    }
    startWorking67(g_w);
    const double pLow = 0.0881;
    const int np = 70, nv = 70;
    const auto liquidH = sampleSide(1, Property::Enthalpy, pLow, kPMax, np, nv);
    const auto liquidS = sampleSide(1, Property::Entropy, pLow, kPMax, np, nv);
    auto vapourH = sampleSide(2, Property::Enthalpy, pLow, kPMax, np, nv);
    auto vapourS = sampleSide(2, Property::Entropy, pLow, kPMax, np, nv);
    // Extra states over the near-critical band, where temperature changes fastest with h and s.
    for (const auto& s : sampleSide(2, Property::Enthalpy, 2500.0, 5000.0, 40, 90)) vapourH.push_back(s);
    for (const auto& s : sampleSide(2, Property::Entropy, 2500.0, 5000.0, 40, 90)) vapourS.push_back(s);

    const auto boundary = fitBoundaryEntropy();
    const auto liquidU = [](const Sample& s) { return std::fmax(std::log(s.p), kLiquidLogPMin); };
    const std::vector<SetDomain> domains = {
        {1,
         [](const Sample& s) { return s.p <= 500.0; },
         [](const Sample& s, double& u, double& w) {
             u = s.p;
             w = s.value / 100.0;
         }},
        {3,
         [](const Sample& s) { return s.p > 500.0 && (s.p <= 2500.0 || s.value >= 1280.0); },
         [](const Sample& s, double& u, double& w) {
             u = std::log(s.p);
             w = s.value / 100.0;
         }},
        {5,
         [](const Sample& s) { return s.p > 2500.0 && s.value < 1280.0; },
         [](const Sample& s, double& u, double& w) {
             u = std::log(s.p);
             w = s.value / 100.0;
         }},
        {15,
         [](const Sample&) { return true; },
         [&](const Sample& s, double& u, double& w) {
             u = liquidU(s);
             w = 5.0 + s.value / 100.0;
         }},
        {7,
         [](const Sample& s) { return s.p <= 500.0; },
         [](const Sample& s, double& u, double& w) {
             u = std::log(s.p);
             w = s.value;
         }},
        {9,
         [&](const Sample& s) { return s.p > 500.0 && (s.p <= 2500.0 || s.value >= sB(boundary, s.p)); },
         [](const Sample& s, double& u, double& w) {
             u = std::log(s.p);
             w = s.value;
         }},
        {11,
         [&](const Sample& s) { return s.p > 2500.0 && s.value < sB(boundary, s.p); },
         [](const Sample& s, double& u, double& w) {
             u = std::log(s.p);
             w = s.value;
         }},
        {13,
         [](const Sample&) { return true; },
         [&](const Sample& s, double& u, double& w) {
             u = liquidU(s);
             w = s.value + 1.0;
         }},
    };

    std::array<Coeffs, 17> sets{};
    for (const auto& d : domains) {
        const bool enthalpy = d.set <= 5 || d.set == 15;
        const bool liquid = d.set >= 13;
        const auto& samples = enthalpy ? (liquid ? liquidH : vapourH) : (liquid ? liquidS : vapourS);
        const Coeffs* given = d.set == 1 ? &kStartSet1 : (d.set == 15 ? &kStartSet15 : nullptr);
        const FitResult r = fitSet(samples, d, given);
        sets[d.set] = r.temp;
        sets[d.set + 1] = r.slope;
    }

    std::FILE* f = std::fopen(argv[1], "w");
    if (!f) {
        std::fprintf(stderr, "ifc67fit: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(f,
                 "// Fitted start-value sets 2-14 and 16 of the IFC-67 (p,h) and (p,s) searches and the\n"
                 "// boundary entropy sB(p) between sets 11 and 9.  Written by tools/ifc67fit (build target\n"
                 "// ifc67fit-update); do not edit by hand.  Layout of a set: b0..b3; a1..a4; c(1,1..4);\n"
                 "// c(2,1..4); c(3,1..4).\n"
                 "#pragma once\n\n#include <array>\n\nnamespace ifc67 {\n\n"
                 "inline constexpr std::array<std::array<double, 20>, 14> kFittedSets = {{\n");
    for (int set = 2; set <= 16; ++set) {
        if (set == 15) continue;
        writeSet(f, set, sets[set]);
    }
    std::fprintf(f,
                 "}};\n\n// sB(p) = sum c_k p^k, k = 0..6, p in psia: entropy on the isenthalp 1280 Btu/lb.\n"
                 "inline constexpr std::array<double, 7> kBoundaryEntropy = {");
    for (int k = 0; k < 7; ++k) std::fprintf(f, "%.17g%s", boundary[k], k < 6 ? ", " : "");
    std::fprintf(f, "};\n\n}  // namespace ifc67\n");
    const bool ok = std::fclose(f) == 0;
    if (!ok) std::fprintf(stderr, "ifc67fit: error writing %s\n", argv[1]);
    return ok ? 0 : 1;
}
