// Parsing of the unit-set argument.
#include "unit_set.h"

#include <array>
#include <cmath>

#include "counted_text.h"

namespace vapxl {

namespace {

// Set names in the order of their set index; parsing tries them from the last to the first, so the
// longer of two names sharing a start (METF/MET, SIF/SIK/SI, ENGG/ENG) wins.
constexpr std::array<std::string_view, 7> kSetNames = {"ENG", "SI", "ENGG", "SIF", "SIK", "MET", "METF"};

constexpr char upper(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool startsWithName(std::string_view chars, std::string_view name) noexcept {
  if (chars.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (upper(chars[i]) != name[i]) return false;
  return true;
}

}  // namespace

std::optional<std::int32_t> unitSetFromNumber(double x) noexcept {
  if (!(x > -1.0 && x < 128.0)) return std::nullopt;
  return static_cast<std::int32_t>(std::trunc(x));
}

std::optional<std::int32_t> unitSetFromText(std::string_view chars) noexcept {
  std::size_t first = 0;
  while (first < chars.size() && chars[first] == ' ') ++first;
  const std::string_view rest = chars.substr(first);

  for (std::size_t index = kSetNames.size(); index-- > 0;) {
    const std::string_view name = kSetNames[index];
    if (!startsWithName(rest, name)) continue;
    bool ifc67 = false;
    bool fast = false;
    for (const char c : rest.substr(name.size())) {
      const char u = upper(c);
      if (u == 'O') ifc67 = true;
      if (u == 'S') fast = true;
    }
    return static_cast<std::int32_t>(index) + (ifc67 ? kUnitSetIfc67 : 0) + (fast ? kUnitSetFast : 0);
  }
  return std::nullopt;
}

std::optional<std::int32_t> unitSetFromOper(const XLOPER& units) noexcept {
  switch (baseType(units)) {
    case xltypeNum:
      return unitSetFromNumber(units.val.num);
    case xltypeStr:
      if (units.val.str == nullptr) return std::nullopt;
      return unitSetFromText(countedView(units.val.str));
    default:
      return std::nullopt;
  }
}

std::int32_t defaultUnitSetFrom(const XLOPER* evaluated) noexcept {
  if (evaluated == nullptr || baseType(*evaluated) != xltypeNum) return 0;
  return unitSetFromNumber(evaluated->val.num).value_or(0);
}

}  // namespace vapxl
