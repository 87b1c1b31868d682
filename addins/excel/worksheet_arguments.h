// The arguments every worksheet function reads alike: value arguments that must be numbers, and
// the unit-set argument with its default (the workbook name StmBaseUnits, or #NUM! when the
// configuration value DefaultUnits requires the argument).
#pragma once

#include <cstdint>
#include <optional>

#include "xlapi.h"

namespace vapxl {

// A value argument that is a number (anything else gives #VALUE!).
bool isNumber(const Oper* op) noexcept;

// The UnitSet word of a unit-set argument; none for one that is missing while required, or
// unreadable.
std::optional<std::int32_t> unitSetArgument(const Oper* units) noexcept;

}  // namespace vapxl
