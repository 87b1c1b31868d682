// Input ranges, transport step and Prandtl number of the state layer.
#include "composition.h"

#include "pairs.h"

#include "if97_transport.h"
#include "status.h"

#include <iterator>
#include <limits>

namespace steam::detail {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Accepted input ranges (core units) and the codes of their two sides, indexed by the input
// property (P, T, X, H, S, V are the first six properties).
struct InputRange {
    Property property;
    double low;
    double high;
    int below;
    int above;
};

constexpr InputRange kInputRanges[] = {
    {Property::P, 1e-7, 110.32, if97::status::PressureLow, if97::status::PressureHigh},           // MPa
    {Property::T, 273.15, 2273.15, if97::status::TemperatureLow, if97::status::TemperatureHigh},  // K
    {Property::X, 0.0, 1.0, if97::status::QualityRange, if97::status::QualityRange},
    {Property::H, -0.05, 7377.0, if97::status::EnthalpyLow, if97::status::EnthalpyHigh},  // kJ/kg
    {Property::S, -0.011, 111.45, if97::status::EntropyLow, if97::status::EntropyHigh},   // kJ/(kg K)
    // The specific volume has no range of its own: the (p,v) and (T,v) operations give the code of the
    // limit a volume crosses (a volume that is not positive, or a NaN, as the lowest volumes).
    {Property::V, -kInfinity, kInfinity, 0, 0},  // m3/kg
};

constexpr bool rangesInOrder() noexcept {
    for (std::size_t i = 0; i < std::size(kInputRanges); ++i) {
        if (indexOf(kInputRanges[i].property) != i) return false;
    }
    return true;
}
static_assert(rangesInOrder(), "input ranges are indexed by the input property");

// 0 for an input without a range of its own.
int rangeCode(Property p, double value) noexcept {
    if (indexOf(p) >= std::size(kInputRanges)) return 0;
    const InputRange& r = kInputRanges[indexOf(p)];
    if (!(value >= r.low)) return r.below;  // NaN fails here
    if (value > r.high) return r.above;
    return 0;
}

}  // namespace

int inputCode(Pair pair, double first, double second) noexcept {
    const PairInfo& info = pairInfo(pair);
    if (const int code = rangeCode(info.first, first); code != 0) return code;
    return rangeCode(info.second, second);
}

void fill(State& st, PropertyMask mask, double value) noexcept {
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        if (mask & (PropertyMask{1} << i)) st.values[i] = value;
    }
}

void fail(State& st, PropertyMask mask, int code) noexcept {
    st.status = code;
    fill(st, mask, code);
}

bool isCode(double value) noexcept {
    // Error codes lie above the warning boundary and at or below the smallest range code.
    return !(value > static_cast<double>(if97::status::TemperatureHigh));
}

bool refusesTransportBeforeState(Pair pair, double second) noexcept {
    return pairInfo(pair).second == Property::X && strictlyWet(second);
}

void transportAt(double p, double T, double v, PropertyMask mask, State& st) noexcept {
    if (!(mask & (maskOf(Property::Mu) | maskOf(Property::Lambda)))) return;
    for (const double r : {p, T, v}) {
        if (!isCode(r)) continue;
        if (mask & maskOf(Property::Lambda)) st.values[indexOf(Property::Lambda)] = r;
        if (mask & maskOf(Property::Mu)) st.values[indexOf(Property::Mu)] = r;
        return;
    }
    if97::IF97Transport transport;
    if (mask & maskOf(Property::Lambda)) {
        transport.computeConductivity(p, T, v);
        st.values[indexOf(Property::Lambda)] = transport.conductivity();
    }
    if (mask & maskOf(Property::Mu)) {
        transport.computeViscosity(p, T, v);
        st.values[indexOf(Property::Mu)] = transport.viscosity();
    }
}

double prandtlOf(const State& st) noexcept {
    const double cp = st[Property::Cp];
    const double mu = st[Property::Mu];
    const double lambda = st[Property::Lambda];
    for (const double r : {cp, mu, lambda}) {
        if (r == if97::kNotDefined) return if97::kNotDefined;
    }
    for (const double r : {cp, mu, lambda}) {
        if (isCode(r)) return r;
    }
    return mu * cp / lambda * 1000.0;
}

}  // namespace steam::detail

namespace steam {

Transport transportOf(double p, double T, double v, double cp) noexcept {
    State st = detail::blankState(Formulation::IF97, Pair::PT);
    st.values[indexOf(Property::Cp)] = cp;
    detail::transportAt(p, T, v, maskOf(Property::Mu) | maskOf(Property::Lambda), st);
    return {st[Property::Mu], st[Property::Lambda], detail::prandtlOf(st)};
}

}  // namespace steam
