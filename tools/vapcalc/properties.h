// The properties vapcalc reports, the input pairs it accepts, and their evaluation through the
// library's StmBatch (so every number is the library's by construction).
#ifndef VAPCALC_PROPERTIES_H
#define VAPCALC_PROPERTIES_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "error_codes.h"

namespace vapcalc {

// In the order of the one-point output. The first kDefaultPropertyCount (P to R) are the one-point
// output without --props; U, D, CV, SIGMA, M08 and K11 are reported when --props names them.
enum class Property : std::uint8_t { P, T, Q, H, S, V, C, W, G, M, K, Pr, R, U, D, CV, Sigma, M08, K11 };
inline constexpr std::size_t kPropertyCount = 19;
inline constexpr std::size_t kDefaultPropertyCount = 13;

// The unit family of a property, for its unit text in each set.
enum class Quantity : std::uint8_t {
    Pressure,
    Temperature,
    Dimensionless,
    Enthalpy,
    Entropy,
    Volume,
    SpecificHeat,
    SoundSpeed,
    Viscosity,
    Conductivity,
    Density,
    SurfaceTension
};

struct PropertyInfo {
    Property id;
    std::string_view letter;  // as written in --props and in batch headers ("P", ..., "Pr", "R")
    std::string_view name;    // as printed in the one-point table
    std::string_view key;     // as written in JSON
    Quantity quantity;
};

const PropertyInfo& propertyInfo(Property p) noexcept;

// A property letter of --props, case ignored ("t", "Pr", "PR", "r"); nullopt if unknown.
std::optional<Property> propertyFromLetter(std::string_view letter) noexcept;

// The unit text of a quantity in the set UnitSet & 7 ("bar", "°C", ...); empty for dimensionless
// quantities and for index 7.
std::string_view unitText(Quantity q, std::int32_t unitSet) noexcept;

// The pairs of independent variables the library computes from, with their inputs in the order of
// the library's pair names (P before T, Q, H, S, V; T before Q, S, V; H before S).
enum class Pair : std::uint8_t { PT, PQ, TQ, PH, PS, HS, TS, PV, TV };

struct PairInfo {
    Pair id;
    Property first;
    Property second;
};
const PairInfo& pairInfo(Pair p) noexcept;

// The pair of two input letters given in either order; nullopt when the library has no calls for it.
std::optional<Pair> pairOf(Property a, Property b) noexcept;

// Result marker for a property that is not defined for the state; the library's own value for it.
inline constexpr double kNotAvailable = VAPROP_PROPERTY_UNDEFINED;

// True for a result that is a code (at or below -1000) rather than a value.
constexpr bool isCode(double r) noexcept { return !(r > VAPROP_CODE_LIMIT); }

// False for a UnitSet word the library rejects (-1099: above 32, or set index 7), asked of the
// library itself: every export checks the word before it looks at a value.
bool unitSetAccepted(std::int32_t unitSet) noexcept;

// The library's name of a property for StmBatch and StmProp ("P", ..., "PR", "R", "U", ..., "K11"),
// and of a pair ("PT", "PQ", "TQ", "PH", "PS", "HS", "TS", "PV", "TV").
std::string_view libraryName(Property p) noexcept;
std::string libraryPairName(Pair pair);

// The letter of the cell that tells whether a state of the pair can be computed at all: V for (p,T),
// (p,x) and (T,x), T for (p,h), (p,s), (h,s) and (p,v), P for (T,s) and (T,v).
Property stateProperty(Pair pair) noexcept;

// The properties of one state as vapcalc shows them, from the library's cells of that state: the
// input cells as given once the state is known to be computable, the state's own code first for the
// saturation value and the transport properties of (p,x) and (T,x), no quality for (p,T) (a single
// phase), and no IF97 region under the 1967 equations. `cells` holds the library's cells in the
// order of Property, the state property's cell among them.
double shownValue(Property p, Pair pair, double first, double second, std::int32_t unitSet,
                  const double* cells) noexcept;

// The properties of one state point, all computed by one StmBatch call of the library with the
// state's inputs and UnitSet: every value is in the set's units or is a code (the library's error
// code, or kNotAvailable).
class StateEvaluator {
  public:
    // first and second in the order of the pair (pairInfo(pair).first, .second).
    StateEvaluator(Pair pair, double first, double second, std::int32_t unitSet) noexcept;

    // The property's value or code.
    double get(Property p) noexcept;

    // 0 when the state itself can be computed; else the code that every property of the state gets
    // from the library (input out of range, invalid unit set, outside the formulation's region).
    double stateCode() noexcept;

    // True for a state inside the two-phase region (0 < x < 1), where the speed of sound is the
    // critical flow velocity.
    bool isWet() noexcept;

  private:
    void compute() noexcept;

    Pair pair_;
    double a_;
    double b_;
    std::int32_t unitSet_;
    bool computed_ = false;
    std::array<double, kPropertyCount> cells_{};
};

// The comma-separated library names of every property, in the order of Property.
std::string_view allLibraryNames() noexcept;

}  // namespace vapcalc

#endif
