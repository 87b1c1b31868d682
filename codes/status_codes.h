// The status codes of the whole system and the texts it reports them under: the one table.
//
// Every failure of a property computation is one of these negative whole numbers, returned in place
// of the result. The library numbering (-1000 and below) is the one of the property libraries and
// every front end over them; the short numbering is the one of the desktop program's own build of
// the IF97 core. A code the desktop's core can never produce has no short form and keeps its
// library value in either numbering.
//
// Columns: X(name, C name, library code, short code, text)
//   name       the C++ name (if97::status::name, vaprop::code::name)
//   C name     the enumerator VAPROP_<C name> of the library's C header error_codes.h
//   text       the text under which the add-ins and the command-line calculator report the code
// Rows are in ascending order of magnitude of the library code. A new code is one row here and its
// enumerator in lib/error_codes.h (with VAPROP_ERROR_COUNT); the build fails until the two agree.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace vaprop {

// Short-code column of a code without a short form.
inline constexpr int kNoShortCode = 1;

// clang-format off
#define VAPROP_STATUS_TABLE(X)                                                                                             \
    X(TemperatureHigh,          TEMPERATURE_TOO_HIGH,      -1000, -1,           "temperature too high")                    \
    X(InvalidUnitSet,           INVALID_UNIT_SET,          -1099, kNoShortCode, "invalid unit set number")                 \
    X(TemperatureLow,           TEMPERATURE_TOO_LOW,       -1100, -2,           "temperature too low")                     \
    X(PressureHigh,             PRESSURE_TOO_HIGH,         -1200, -3,           "pressure too high")                       \
    X(PressureLow,              PRESSURE_TOO_LOW,          -1300, -4,           "pressure too low")                        \
    X(InputOutOfRange,          INPUT_OUT_OF_RANGE,        -1500, -15,          "input value out of range")                \
    X(Region3Convergence,       NO_CONVERGENCE_OR_REGION,  -1600, -16,          "internal error")                          \
    X(QualityRange,             QUALITY_OUT_OF_RANGE,      -1700, -17,          "quality out of range")                    \
    X(AboveCriticalPressure,    PRESSURE_NOT_SATURABLE,    -1800, -18,          "pressure outside of saturation range")    \
    X(AboveCriticalTemperature, TEMPERATURE_NOT_SATURABLE, -1900, -19,          "temperature outside of saturation range") \
    X(NotDefined,               PROPERTY_UNDEFINED,        -2000, -20,          "internal error")                          \
    X(EnthalpyLow,              ENTHALPY_TOO_LOW,          -2100, -21,          "enthalpy too low")                        \
    X(EnthalpyHigh,             ENTHALPY_TOO_HIGH,         -2200, -22,          "enthalpy too high")                       \
    X(EntropyLow,               ENTROPY_TOO_LOW,           -2300, -23,          "entropy too low")                         \
    X(EntropyHigh,              ENTROPY_TOO_HIGH,          -2400, -24,          "entropy too high")                        \
    X(IterationConvergence,     CONVERGENCE_ERROR,         -2500, -25,          "convergence error")                       \
    X(AmbiguousState,           AMBIGUOUS_STATE,           -2600, -26,          "ambiguous state")                         \
    X(NotInIFC67,               NOT_IN_IFC67,              -2700, kNoShortCode, "not available in the 1967 formulation")   \
    X(UnknownPair,              UNKNOWN_PAIR,              -3100, kNoShortCode, "unknown input pair")                      \
    X(UnknownProperty,          UNKNOWN_PROPERTY,          -3200, kNoShortCode, "unknown property name")                   \
    X(InvalidCount,             INVALID_COUNT,             -3300, kNoShortCode, "invalid count")                           \
    X(NullPointer,              NULL_POINTER,              -3400, kNoShortCode, "null pointer")                            \
    X(TransportRange,           TRANSPORT_UNAVAILABLE,     -5100, -51,          "transport properties not available")
// clang-format on
//
// Notes on single rows:
//   -1099  a UnitSet word the property library rejects
//   -1500  the IFC-67 library's range check (outside 0.088..15700 psia, 30..1600 F)
//   -1600  region 3 density search failed, or an IFC-67 state in no subregion
//   -2000  also a value marker: a property not defined for the state (cp of a wet state)
//   -2500  region 3 or region 5 temperature iteration failed
//   -2600  two states share the inputs (liquid water near its density maximum)
//   -2700  the pairs and names that only IF97 offers, asked under the 1967 formulation
//   -3100 .. -3400  by-name calls refused as a whole
//   -5100  outside the transport equations; warning-sized (below the warning boundary)

// Results at or below this are codes, not property values: every code of the table lies there, and
// every value a property call returns lies above (a gauge pressure goes down to about -14.7 psig).
inline constexpr double kCodeLimit = -1000.0;

// The boundary between errors and warnings: codes at or below it are warnings, and the state's
// other values stay valid. It is not itself a code.
inline constexpr int kWarningBoundaryLibrary = -5000;
inline constexpr int kWarningBoundaryShort = -50;

struct StatusRow {
    const char* name;
    int library;    // library numbering
    int shortCode;  // short numbering, or kNoShortCode
    const char* text;
};

enum class StatusId : int {
#define VAPROP_STATUS_ENUM(name, cname, lib, shortc, text) name,
    VAPROP_STATUS_TABLE(VAPROP_STATUS_ENUM)
#undef VAPROP_STATUS_ENUM
        Count
};

inline constexpr StatusRow kStatusTable[] = {
#define VAPROP_STATUS_ROW(name, cname, lib, shortc, text) {#name, lib, shortc, text},
    VAPROP_STATUS_TABLE(VAPROP_STATUS_ROW)
#undef VAPROP_STATUS_ROW
};
inline constexpr std::size_t kStatusCount = std::size(kStatusTable);
static_assert(kStatusCount == static_cast<std::size_t>(StatusId::Count));

constexpr const StatusRow& statusRow(StatusId id) noexcept { return kStatusTable[static_cast<int>(id)]; }

// The codes in the library numbering, by name.
namespace code {
#define VAPROP_STATUS_CONST(name, cname, lib, shortc, text) inline constexpr int name = lib;
VAPROP_STATUS_TABLE(VAPROP_STATUS_CONST)
#undef VAPROP_STATUS_CONST
}  // namespace code

// The text of a library code; nullptr for a number that is not a code of the table.
constexpr const char* statusText(int libraryCode) noexcept {
    for (const StatusRow& r : kStatusTable) {
        if (r.library == libraryCode) return r.text;
    }
    return nullptr;
}

namespace detail {
// Each code once, in ascending order of magnitude, at or below -1000, with a text.
constexpr bool tableOrdered() noexcept {
    for (std::size_t i = 0; i < kStatusCount; ++i) {
        if (kStatusTable[i].library > kCodeLimit || kStatusTable[i].text == nullptr) return false;
        if (i > 0 && kStatusTable[i].library >= kStatusTable[i - 1].library) return false;
    }
    return true;
}
// The short numbering is the library numbering divided by 100, except the four temperature and
// pressure codes (-1 .. -4) and the codes without a short form.
constexpr bool shortNumberingConsistent() noexcept {
    for (const StatusRow& r : kStatusTable) {
        const int lib = r.library;
        if (r.shortCode == kNoShortCode) continue;
        const bool rangeCode = lib == -1000 || lib == -1100 || lib == -1200 || lib == -1300;
        if (rangeCode) {
            if (r.shortCode != -1 - (-1000 - lib) / 100) return false;
        } else if (r.shortCode * 100 != lib) {
            return false;
        }
    }
    return kWarningBoundaryShort * 100 == kWarningBoundaryLibrary;
}
}  // namespace detail
static_assert(detail::tableOrdered(), "each code once, in order, with its text");
static_assert(detail::shortNumberingConsistent());

}  // namespace vaprop
