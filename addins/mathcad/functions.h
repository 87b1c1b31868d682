// The user functions of vapmcad and their registration with the host.
#pragma once

#include <cstddef>

#include "mcaduser.h"

namespace vapmcad {

inline constexpr std::size_t functionCount = 41;

// The 41 function records, in registration order. They live as long as the module, since the host
// may keep the pointers it is given.
FUNCTIONINFO* functionRecords() noexcept;

// Load-time registration: the message table, and only if the host accepts it, the 41 functions in
// order. Nothing is registered twice for one load; a refused table leaves the module loaded but
// without functions.
void registerAddin(McadModule module) noexcept;

}  // namespace vapmcad
