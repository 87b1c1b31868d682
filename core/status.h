// Status codes of the IF97 property core.
//
// The codes come from the system's one table (status_codes.h), which gives each in both
// numberings: the library numbering used by the property library, and the short numbering used by
// the desktop program's own build of the core. The build chooses the numbering with the compile
// definition IF97_SHORT_NUMBERING=1; every constant below follows it.
#pragma once

#include "status_codes.h"

namespace if97 {

#if defined(IF97_SHORT_NUMBERING) && IF97_SHORT_NUMBERING
inline constexpr bool kShortNumbering = true;
#else
inline constexpr bool kShortNumbering = false;
#endif

using vaprop::StatusId;

// The code of an entry in the numbering of this build; a code without a short form keeps its
// library value.
constexpr int statusCode(StatusId id) noexcept {
    const vaprop::StatusRow& r = vaprop::statusRow(id);
    return kShortNumbering && r.shortCode != vaprop::kNoShortCode ? r.shortCode : r.library;
}

// The codes of this build, by name.
namespace status {
inline constexpr int Good = 0;  // computation succeeded
#define IF97_STATUS_CONST(name, cname, lib, shortc, text) inline constexpr int name = statusCode(StatusId::name);
VAPROP_STATUS_TABLE(IF97_STATUS_CONST)
#undef IF97_STATUS_CONST
// Codes at or below this are warnings; it is not itself a code.
inline constexpr int WarningBoundary =
    kShortNumbering ? vaprop::kWarningBoundaryShort : vaprop::kWarningBoundaryLibrary;
}  // namespace status

// Marker stored in a field for a property that is not defined for the state
// (cp of a wet state, a negative region 3 cp, a wet state's w out of range).
inline constexpr double kNotDefined = static_cast<double>(status::NotDefined);

// True for a status that makes the getters return the code instead of the value.
constexpr bool isErrorStatus(int code) noexcept { return code != 0 && code > status::WarningBoundary; }

}  // namespace if97
