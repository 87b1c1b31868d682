// Property table, unit texts and the evaluation of one state through the vaprop32 exports.
#include "properties.h"

#include "text.h"
#include "unit_sets.h"
#include "vaprop32.h"

namespace vapcalc {
namespace {

constexpr std::array<PropertyInfo, kPropertyCount> kProperties{{
    {Property::P, "P", "pressure", "pressure", Quantity::Pressure},
    {Property::T, "T", "temperature", "temperature", Quantity::Temperature},
    {Property::Q, "Q", "quality", "quality", Quantity::Dimensionless},
    {Property::H, "H", "enthalpy", "enthalpy", Quantity::Enthalpy},
    {Property::S, "S", "entropy", "entropy", Quantity::Entropy},
    {Property::V, "V", "specific volume", "volume", Quantity::Volume},
    {Property::C, "C", "isobaric heat capacity", "heat_capacity", Quantity::SpecificHeat},
    {Property::W, "W", "speed of sound", "speed_of_sound", Quantity::SoundSpeed},
    {Property::G, "G", "isentropic expansion coefficient", "isentropic_expansion_coefficient",
     Quantity::Dimensionless},
    {Property::M, "M", "dynamic viscosity", "viscosity", Quantity::Viscosity},
    {Property::K, "K", "thermal conductivity", "conductivity", Quantity::Conductivity},
    {Property::Pr, "Pr", "Prandtl number", "prandtl_number", Quantity::Dimensionless},
    {Property::R, "R", "IF97 region", "region", Quantity::Dimensionless},
}};

constexpr bool propertiesInOrder() {
    for (std::size_t i = 0; i < kProperties.size(); ++i) {
        if (static_cast<std::size_t>(kProperties[i].id) != i) return false;
    }
    return true;
}
static_assert(propertiesInOrder(), "property table must follow the Property enumeration");

constexpr std::size_t kQuantityCount = 10;
constexpr std::size_t kSets = 7;

// Unit texts per quantity, indexed by set: Eng, SI, EngG, SIF, SIK, MET, METF.
constexpr std::array<std::array<std::string_view, kSets>, kQuantityCount> kUnitTexts{{
    /* pressure      */ {"psia", "bar", "psig", "MPa", "kPa", "bar", "kgf/cm2"},
    /* temperature   */ {"°F", "°C", "°F", "K", "°C", "°C", "°C"},
    /* dimensionless */ {"", "", "", "", "", "", ""},
    /* enthalpy      */ {"Btu/lb", "kJ/kg", "Btu/lb", "kJ/kg", "kJ/kg", "kcal/kg", "kcal/kg"},
    /* entropy       */ {"Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)",
                         "kcal/(kg K)"},
    /* volume        */ {"ft3/lb", "m3/kg", "ft3/lb", "m3/kg", "m3/kg", "m3/kg", "m3/kg"},
    /* specific heat */ {"Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)",
                         "kcal/(kg K)"},
    /* sound speed   */ {"ft/s", "m/s", "ft/s", "m/s", "m/s", "m/s", "m/s"},
    /* viscosity     */ {"lb/(ft h)", "mPa s", "lb/(ft h)", "Pa s", "mPa s", "mPa s", "Pa s"},
    /* conductivity  */ {"Btu/(h ft °F)", "W/(m K)", "Btu/(h ft °F)", "W/(m K)", "W/(m K)", "W/(m K)",
                         "kcal/(h m °C)"},
}};
static_assert(static_cast<std::size_t>(Quantity::Conductivity) + 1 == kQuantityCount);

constexpr std::array<PairInfo, 5> kPairs{{
    {Pair::PT, Property::P, Property::T},
    {Pair::PQ, Property::P, Property::Q},
    {Pair::TQ, Property::T, Property::Q},
    {Pair::PH, Property::P, Property::H},
    {Pair::PS, Property::P, Property::S},
}};

using Export = double(VAPROP_CALL*)(double, double, std::int32_t);

// The export that computes a property directly from each pair; nullptr where the value is an input
// or is composed below. Order of columns: P T Q H S V C W G M K Pr R.
constexpr std::array<std::array<Export, kPropertyCount>, 5> kExports{{
    /* PT */ {nullptr, nullptr, nullptr, StmPTH, StmPTS, StmPTV, StmPTC, StmPTW, StmPTG, StmPTM, StmPTK, nullptr,
              nullptr},
    /* PQ */ {nullptr, nullptr, nullptr, StmPQH, StmPQS, StmPQV, StmPQC, StmPQW, StmPQG, StmPQM, StmPQK, nullptr,
              nullptr},
    /* TQ */ {nullptr, nullptr, nullptr, StmTQH, StmTQS, StmTQV, StmTQC, StmTQW, StmTQG, StmTQM, StmTQK, nullptr,
              nullptr},
    /* PH */ {nullptr, StmPHT, StmPHQ, nullptr, StmPHS, StmPHV, StmPHC, StmPHW, StmPHG, nullptr, nullptr, nullptr,
              nullptr},
    /* PS */ {nullptr, StmPST, StmPSQ, StmPSH, nullptr, StmPSV, StmPSC, StmPSW, StmPSG, nullptr, nullptr, nullptr,
              nullptr},
}};

// The export whose success tells that the state itself can be computed.
constexpr std::array<Export, 5> kStateExports{StmPTV, StmPQV, StmTQV, StmPHT, StmPST};

constexpr std::size_t index(Pair p) { return static_cast<std::size_t>(p); }
constexpr std::size_t index(Property p) { return static_cast<std::size_t>(p); }

constexpr bool isIfc67(std::int32_t unitSet) { return (unitSet & 8) != 0; }
constexpr bool strictlyWet(double x) { return x > 0.0 && x < 1.0; }

// The IF97 region number of the saturation line and the wet region.
constexpr double kRegionTwoPhase = 4.0;

}  // namespace

const PropertyInfo& propertyInfo(Property p) noexcept { return kProperties[index(p)]; }

std::optional<Property> propertyFromLetter(std::string_view letter) noexcept {
    for (const PropertyInfo& info : kProperties) {
        if (equalsIgnoringCase(letter, info.letter)) return info.id;
    }
    return std::nullopt;
}

std::string_view unitText(Quantity q, std::int32_t unitSet) noexcept {
    const auto set = static_cast<std::size_t>(unitSet & 7);
    if (set >= kSets) return {};
    return kUnitTexts[static_cast<std::size_t>(q)][set];
}

const PairInfo& pairInfo(Pair p) noexcept { return kPairs[index(p)]; }

std::optional<Pair> pairOf(Property a, Property b) noexcept {
    for (const PairInfo& info : kPairs) {
        if ((info.first == a && info.second == b) || (info.first == b && info.second == a)) return info.id;
    }
    return std::nullopt;
}

bool unitSetAccepted(std::int32_t unitSet) noexcept {
    constexpr double kInvalidUnitSet = -1099.0;
    return StmTP(0.0, unitSet) != kInvalidUnitSet;
}

StateEvaluator::StateEvaluator(Pair pair, double first, double second, std::int32_t unitSet) noexcept
    : pair_(pair), a_(first), b_(second), unitSet_(unitSet) {}

double StateEvaluator::stateCode() noexcept {
    if (!state_) {
        const double r = (pair_ == Pair::PH || pair_ == Pair::PS) ? temperature()
                                                                  : kStateExports[index(pair_)](a_, b_, unitSet_);
        state_ = isCode(r) ? r : 0.0;
    }
    return *state_;
}

double StateEvaluator::get(Property p) noexcept {
    switch (p) {
    case Property::C:
        if (!c_) c_ = compute(p);
        return *c_;
    case Property::M:
        if (!m_) m_ = compute(p);
        return *m_;
    case Property::K:
        if (!k_) k_ = compute(p);
        return *k_;
    case Property::T:
        return temperature();
    case Property::Q:
        return quality();
    default:
        return compute(p);
    }
}

bool StateEvaluator::isWet() noexcept {
    const double x = quality();
    return !isCode(x) && strictlyWet(x);
}

double StateEvaluator::compute(Property p) noexcept {
    const PairInfo& info = kPairs[index(pair_)];
    // An input comes back as given, once the state is known to be computable.
    if (p == info.first || p == info.second) {
        const double code = stateCode();
        if (code != 0.0) return code;
        return p == info.first ? a_ : b_;
    }
    // The library refuses transport properties of wet steam before it looks at the state, so a
    // state outside the saturation range would show "not available"; its own code comes first.
    if ((p == Property::M || p == Property::K) && (pair_ == Pair::PQ || pair_ == Pair::TQ)) {
        const double code = stateCode();
        if (code != 0.0) return code;
    }
    if (const Export f = kExports[index(pair_)][index(p)]) return f(a_, b_, unitSet_);
    switch (p) {
    case Property::P: {  // only from (T, Q): the saturation pressure, once the state is computable
        const double code = stateCode();
        return code != 0.0 ? code : StmTP(a_, unitSet_);
    }
    case Property::M:
    case Property::K:
        return transport(p);
    case Property::Pr:
        return prandtl();
    case Property::R:
        return region();
    default:
        return kNotAvailable;
    }
}

double StateEvaluator::temperature() noexcept {
    if (!t_) {
        switch (pair_) {
        case Pair::PT: t_ = b_; break;
        case Pair::TQ: t_ = a_; break;
        case Pair::PQ: t_ = StmPT(a_, unitSet_); break;
        case Pair::PH: t_ = StmPHT(a_, b_, unitSet_); break;
        case Pair::PS: t_ = StmPST(a_, b_, unitSet_); break;
        }
        // An input, or the saturation temperature of (p,x), only once the state is known to be computable.
        if (pair_ == Pair::PT || pair_ == Pair::TQ || pair_ == Pair::PQ) {
            const double code = stateCode();
            if (code != 0.0) t_ = code;
        }
    }
    return *t_;
}

double StateEvaluator::quality() noexcept {
    if (!x_) {
        switch (pair_) {
        case Pair::PT: x_ = kNotAvailable; break;  // single phase: the library has no quality for (p,T)
        case Pair::PQ:
        case Pair::TQ: {
            const double code = stateCode();
            x_ = code != 0.0 ? code : b_;
            break;
        }
        case Pair::PH: x_ = StmPHQ(a_, b_, unitSet_); break;
        case Pair::PS: x_ = StmPSQ(a_, b_, unitSet_); break;
        }
    }
    return *x_;
}

// Transport properties at (p,h) and (p,s): the library computes them from (p,T) or, on the
// saturation line, from (p,x); none for a wet state. A liquid-like state (x = 0) at the saturation
// temperature is saturated liquid: (p,T) there would give the vapour, so it goes by (p, x = 0).
double StateEvaluator::transport(Property p) noexcept {
    const double t = temperature();
    if (isCode(t)) return t;
    const double x = quality();
    if (isCode(x)) return x;
    if (strictlyWet(x)) return kNotAvailable;
    if (saturatedLiquid(t, x)) return p == Property::K ? StmPQK(a_, 0.0, unitSet_) : StmPQM(a_, 0.0, unitSet_);
    return p == Property::K ? StmPTK(a_, t, unitSet_) : StmPTM(a_, t, unitSet_);
}

// A liquid-like state (x = 0) found from (p,h) or (p,s) at or above the saturation temperature.
bool StateEvaluator::saturatedLiquid(double t, double x) noexcept {
    if (x != 0.0) return false;
    const double tSat = StmPT(a_, unitSet_);
    return !isCode(tSat) && t >= tSat;
}

// Pr = cp * mu / k in the core's units (kJ/(kg K) * 1000, Pa s, W/(m K)).
double StateEvaluator::prandtl() noexcept {
    const double c = get(Property::C);
    const double m = get(Property::M);
    const double k = get(Property::K);
    for (double r : {c, m, k}) {
        if (r == kNotAvailable) return kNotAvailable;
    }
    for (double r : {c, m, k}) {
        if (isCode(r)) return r;
    }
    const auto set = static_cast<std::size_t>(unitSet_ & 7);
    const vaprop::UnitFactors& f = vaprop::kUnitFactors;
    const double cp = c / f.specificHeat[set];
    const double mu = m / f.viscosity[set];
    const double lambda = k / f.conductivity[set];
    return cp * 1000.0 * mu / lambda;
}

// The IF97 region: from the library for (p,T) and for single-phase states found from (p,h) and
// (p,s); 4 for the saturation line and the wet region. The 1967 equations have no IF97 region.
double StateEvaluator::region() noexcept {
    if (isIfc67(unitSet_)) {
        const double code = stateCode();
        return code != 0.0 ? code : kNotAvailable;
    }
    switch (pair_) {
    case Pair::PT: return StmPTR(a_, b_, unitSet_);
    case Pair::PQ:
    case Pair::TQ: {
        const double code = stateCode();
        return code != 0.0 ? code : kRegionTwoPhase;
    }
    case Pair::PH:
    case Pair::PS: break;
    }
    const double t = temperature();
    if (isCode(t)) return t;
    const double x = quality();
    if (isCode(x)) return x;
    if (strictlyWet(x) || saturatedLiquid(t, x)) return kRegionTwoPhase;
    return StmPTR(a_, t, unitSet_);
}

}  // namespace vapcalc
