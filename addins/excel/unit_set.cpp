// Parsing of the unit-set argument.
#include "unit_set.h"

#include <cmath>

#include "counted_text.h"

namespace vapxl {

namespace {

template <typename Oper>
std::optional<std::int32_t> fromOper(const Oper& units) noexcept {
    switch (baseType(units)) {
        case xltypeNum: return unitSetFromNumber(units.val.num);
        case xltypeStr:
            if (units.val.str == nullptr) return std::nullopt;
            return unitSetFromChars(countedView(units.val.str));
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<std::int32_t> unitSetFromNumber(double x) noexcept {
    if (!(x > -1.0 && x < 128.0)) return std::nullopt;
    return static_cast<std::int32_t>(std::trunc(x));
}

std::optional<std::int32_t> unitSetFromText(std::string_view chars) noexcept { return unitSetFromChars(chars); }

std::optional<std::int32_t> unitSetFromOper(const XLOPER& units) noexcept { return fromOper(units); }
std::optional<std::int32_t> unitSetFromOper(const XLOPER12& units) noexcept { return fromOper(units); }

std::int32_t defaultUnitSetFrom(const XLOPER* evaluated) noexcept {
    if (evaluated == nullptr || baseType(*evaluated) != xltypeNum) return 0;
    return unitSetFromNumber(evaluated->val.num).value_or(0);
}

}  // namespace vapxl
