// Status codes of the IF97 property core.
//
// One table gives every code in both numberings: the library numbering used by
// the property library, and the short numbering used by the desktop program's
// own build of the core. The build chooses the numbering with the compile
// definition IF97_SHORT_NUMBERING=1; every constant below follows it.
#pragma once

#include <cstddef>
#include <iterator>

namespace if97 {

#if defined(IF97_SHORT_NUMBERING) && IF97_SHORT_NUMBERING
inline constexpr bool kShortNumbering = true;
#else
inline constexpr bool kShortNumbering = false;
#endif

// X(name, library code, short code)
#define IF97_STATUS_TABLE(X)                                                                                    \
    X(Good, 0, 0)                           /* computation succeeded */                                         \
    X(TemperatureHigh, -1000, -1)           /* T > 2273.15 K, or > 1073.15 K above 10 MPa */                    \
    X(TemperatureLow, -1100, -2)            /* T < 273.15 K */                                                  \
    X(PressureHigh, -1200, -3)              /* p > 110.32 MPa */                                                \
    X(PressureLow, -1300, -4)               /* p < 1e-7 MPa (state) or < 0 (transport) */                       \
    X(Region3Convergence, -1600, -16)       /* region 3 density search failed */                                \
    X(QualityRange, -1700, -17)             /* x outside 0..1 */                                                \
    X(AboveCriticalPressure, -1800, -18)    /* saturation temperature above pc */                               \
    X(AboveCriticalTemperature, -1900, -19) /* saturation pressure above Tc */                                  \
    X(NotDefined, -2000, -20)               /* value marker: property not defined */                            \
    X(EnthalpyLow, -2100, -21)              /* h below the 273.15 K isotherm */                                 \
    X(EnthalpyHigh, -2200, -22)             /* h above the 2273.15 K isotherm */                                \
    X(EntropyLow, -2300, -23)               /* s below the 273.15 K isotherm */                                 \
    X(EntropyHigh, -2400, -24)              /* s above the 2273.15 K isotherm */                                \
    X(IterationConvergence, -2500, -25)     /* region 3 / region 5 T iteration failed */                        \
    X(AmbiguousState, -2600, -26)           /* two states share the inputs (liquid near its density maximum) */ \
    X(WarningBoundary, -5000, -50)          /* codes at or below this are warnings */                           \
    X(TransportRange, -5100, -51)           /* outside the transport equations (warning-sized) */

struct StatusEntry {
    const char* name;
    int library;    // library numbering
    int shortCode;  // short numbering
};

enum class StatusId : int {
#define IF97_STATUS_ENUM(name, lib, shortc) name,
    IF97_STATUS_TABLE(IF97_STATUS_ENUM)
#undef IF97_STATUS_ENUM
        Count
};

inline constexpr StatusEntry kStatusTable[] = {
#define IF97_STATUS_ROW(name, lib, shortc) {#name, lib, shortc},
    IF97_STATUS_TABLE(IF97_STATUS_ROW)
#undef IF97_STATUS_ROW
};
static_assert(std::size(kStatusTable) == static_cast<std::size_t>(StatusId::Count));

// The code of an entry in the numbering of this build.
constexpr int statusCode(StatusId id) noexcept {
    const StatusEntry& e = kStatusTable[static_cast<int>(id)];
    return kShortNumbering ? e.shortCode : e.library;
}

namespace detail {
// The short numbering is the library numbering divided by 100, except the four
// temperature/pressure codes (-1 .. -4).
constexpr bool shortNumberingConsistent() noexcept {
    for (const StatusEntry& e : kStatusTable) {
        const int lib = e.library;
        const bool rangeCode = lib == -1000 || lib == -1100 || lib == -1200 || lib == -1300;
        if (rangeCode) {
            if (e.shortCode != -1 - (-1000 - lib) / 100) return false;
        } else if (e.shortCode * 100 != lib) {
            return false;
        }
    }
    return true;
}
}  // namespace detail
static_assert(detail::shortNumberingConsistent());

// The codes of this build, by name.
namespace status {
#define IF97_STATUS_CONST(name, lib, shortc) inline constexpr int name = statusCode(StatusId::name);
IF97_STATUS_TABLE(IF97_STATUS_CONST)
#undef IF97_STATUS_CONST
}  // namespace status

// Marker stored in a field for a property that is not defined for the state
// (cp of a wet state, a negative region 3 cp, a wet state's w out of range).
inline constexpr double kNotDefined = static_cast<double>(status::NotDefined);

// True for a status that makes the getters return the code instead of the value.
constexpr bool isErrorStatus(int code) noexcept { return code != 0 && code > status::WarningBoundary; }

}  // namespace if97
