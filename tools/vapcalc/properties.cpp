// Property table, unit texts and the evaluation of one state through StmBatch of vaprop32.
#include "properties.h"

#include "text.h"
#include "error_codes.h"
#include "vaprop32.h"

#include <string>

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
    {Property::G, "G", "isentropic expansion coefficient", "isentropic_expansion_coefficient", Quantity::Dimensionless},
    {Property::M, "M", "dynamic viscosity", "viscosity", Quantity::Viscosity},
    {Property::K, "K", "thermal conductivity", "conductivity", Quantity::Conductivity},
    {Property::Pr, "Pr", "Prandtl number", "prandtl_number", Quantity::Dimensionless},
    {Property::R, "R", "IF97 region", "region", Quantity::Dimensionless},
    {Property::U, "U", "internal energy", "internal_energy", Quantity::Enthalpy},
    {Property::D, "D", "density", "density", Quantity::Density},
    {Property::CV, "CV", "isochoric heat capacity", "isochoric_heat_capacity", Quantity::SpecificHeat},
    {Property::Sigma, "SIGMA", "surface tension", "surface_tension", Quantity::SurfaceTension},
    {Property::M08, "M08", "dynamic viscosity (IAPWS 2008)", "viscosity_2008", Quantity::Viscosity},
    {Property::K11, "K11", "thermal conductivity (IAPWS 2011)", "conductivity_2011", Quantity::Conductivity},
}};

constexpr bool propertiesInOrder() {
    for (std::size_t i = 0; i < kProperties.size(); ++i) {
        if (static_cast<std::size_t>(kProperties[i].id) != i) return false;
    }
    return true;
}
static_assert(propertiesInOrder(), "property table must follow the Property enumeration");

constexpr std::size_t kQuantityCount = 12;
constexpr std::size_t kSets = 7;

// Unit texts per quantity, indexed by set: Eng, SI, EngG, SIF, SIK, MET, METF.
constexpr std::array<std::array<std::string_view, kSets>, kQuantityCount> kUnitTexts{{
    /* pressure      */ {"psia", "bar", "psig", "MPa", "kPa", "bar", "kgf/cm2"},
    /* temperature   */ {"°F", "°C", "°F", "K", "°C", "°C", "°C"},
    /* dimensionless */ {"", "", "", "", "", "", ""},
    /* enthalpy      */ {"Btu/lb", "kJ/kg", "Btu/lb", "kJ/kg", "kJ/kg", "kcal/kg", "kcal/kg"},
    /* entropy       */
    {"Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)", "kcal/(kg K)"},
    /* volume        */ {"ft3/lb", "m3/kg", "ft3/lb", "m3/kg", "m3/kg", "m3/kg", "m3/kg"},
    /* specific heat */
    {"Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)", "kcal/(kg K)"},
    /* sound speed   */ {"ft/s", "m/s", "ft/s", "m/s", "m/s", "m/s", "m/s"},
    /* viscosity     */ {"lb/(ft h)", "mPa s", "lb/(ft h)", "Pa s", "mPa s", "mPa s", "Pa s"},
    /* conductivity  */ {"Btu/(h ft °F)", "W/(m K)", "Btu/(h ft °F)", "W/(m K)", "W/(m K)", "W/(m K)", "kcal/(h m °C)"},
    /* density       */ {"lb/ft3", "kg/m3", "lb/ft3", "kg/m3", "kg/m3", "kg/m3", "kg/m3"},
    /* surface tens. */ {"lbf/ft", "mN/m", "lbf/ft", "N/m", "mN/m", "mN/m", "N/m"},
}};
static_assert(static_cast<std::size_t>(Quantity::SurfaceTension) + 1 == kQuantityCount);

constexpr std::array<PairInfo, 9> kPairs{{
    {Pair::PT, Property::P, Property::T},
    {Pair::PQ, Property::P, Property::Q},
    {Pair::TQ, Property::T, Property::Q},
    {Pair::PH, Property::P, Property::H},
    {Pair::PS, Property::P, Property::S},
    {Pair::HS, Property::H, Property::S},
    {Pair::TS, Property::T, Property::S},
    {Pair::PV, Property::P, Property::V},
    {Pair::TV, Property::T, Property::V},
}};

// The library's names, in the order of Property.
constexpr std::array<std::string_view, kPropertyCount> kLibraryNames{
    "P", "T", "Q", "H", "S", "V", "C", "W", "G", "M", "K", "PR", "R", "U", "D", "CV", "SIGMA", "M08", "K11"};
constexpr std::string_view kAllLibraryNames = "P,T,Q,H,S,V,C,W,G,M,K,PR,R,U,D,CV,SIGMA,M08,K11";

constexpr std::size_t index(Pair p) { return static_cast<std::size_t>(p); }
constexpr std::size_t index(Property p) { return static_cast<std::size_t>(p); }

constexpr bool isIfc67(std::int32_t unitSet) { return (unitSet & 8) != 0; }
constexpr bool strictlyWet(double x) { return x > 0.0 && x < 1.0; }

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
    return StmTP(0.0, unitSet) != static_cast<double>(VAPROP_INVALID_UNIT_SET);
}

std::string_view libraryName(Property p) noexcept { return kLibraryNames[index(p)]; }

std::string libraryPairName(Pair pair) {
    const PairInfo& info = kPairs[index(pair)];
    return std::string(propertyInfo(info.first).letter) + std::string(propertyInfo(info.second).letter);
}

std::string_view allLibraryNames() noexcept { return kAllLibraryNames; }

Property stateProperty(Pair pair) noexcept {
    switch (pair) {
        case Pair::PH:
        case Pair::PS:
        case Pair::HS:
        case Pair::PV: return Property::T;
        case Pair::TS:
        case Pair::TV: return Property::P;
        default: return Property::V;
    }
}

double shownValue(Property p, Pair pair, double first, double second, std::int32_t unitSet,
                  const double* cells) noexcept {
    const double stateCell = cells[index(stateProperty(pair))];
    const double code = isCode(stateCell) ? stateCell : 0.0;
    const PairInfo& info = kPairs[index(pair)];
    // An input comes back as given, once the state is known to be computable.
    if (p == info.first || p == info.second) return code != 0.0 ? code : (p == info.first ? first : second);
    if (p == Property::Q && pair == Pair::PT) return kNotAvailable;  // single phase: no quality
    // The saturation value of (p,x) and (T,x), and their transport properties and Prandtl number
    // (which the library refuses for wet steam before it looks at the state): the state's own code
    // first.
    const bool saturationPair = pair == Pair::PQ || pair == Pair::TQ;
    const bool stateFirst = p == Property::T || p == Property::P || p == Property::M || p == Property::K ||
                            p == Property::Pr || p == Property::M08 || p == Property::K11;
    if (saturationPair && stateFirst && code != 0.0) {
        return code;
    }
    // The 1967 equations have no IF97 region.
    if (p == Property::R && isIfc67(unitSet)) return code != 0.0 ? code : kNotAvailable;
    return cells[index(p)];
}

StateEvaluator::StateEvaluator(Pair pair, double first, double second, std::int32_t unitSet) noexcept
    : pair_(pair), a_(first), b_(second), unitSet_(unitSet) {}

void StateEvaluator::compute() noexcept {
    if (computed_) return;
    computed_ = true;
    const std::string name = libraryPairName(pair_);
    const std::int32_t rc = StmBatch(name.c_str(), kAllLibraryNames.data(), unitSet_, 1, &a_, &b_, cells_.data(), 1);
    if (rc < 0) cells_.fill(static_cast<double>(rc));  // a refused call: its code everywhere
}

double StateEvaluator::stateCode() noexcept {
    compute();
    const double r = cells_[index(stateProperty(pair_))];
    return isCode(r) ? r : 0.0;
}

double StateEvaluator::get(Property p) noexcept {
    compute();
    return shownValue(p, pair_, a_, b_, unitSet_, cells_.data());
}

bool StateEvaluator::isWet() noexcept {
    const double x = get(Property::Q);
    return !isCode(x) && strictlyWet(x);
}

}  // namespace vapcalc
