// Lookup of a worksheet function by name.
#include "calc_functions.h"

namespace vapropcalc {

namespace {

constexpr char upper(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameName(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

}  // namespace

std::optional<std::size_t> findFunction(std::string_view name) noexcept {
    for (std::size_t i = 0; i < kFunctions.size(); ++i)
        if (sameName(kFunctions[i].name, name)) return i;
    return std::nullopt;
}

}  // namespace vapropcalc
