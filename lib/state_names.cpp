// The property and pair names of the library, with their unit routines.
#include "state_names.h"

namespace vaprop {
namespace {

using detail::kPairNames;
using detail::kPropertyNames;

constexpr char upper(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

}  // namespace

const PropertyName* findPropertyName(std::string_view name) noexcept {
    for (const PropertyName& row : kPropertyNames) {
        if (sameIgnoringCase(name, row.name)) return &row;
    }
    return nullptr;
}

const PairName* findPairName(std::string_view name, bool& swapped) noexcept {
    if (name.size() != 2) return nullptr;
    const char reversed[2] = {name[1], name[0]};
    for (const PairName& row : kPairNames) {
        if (sameIgnoringCase(name, row.name)) {
            swapped = false;
            return &row;
        }
        if (sameIgnoringCase(std::string_view(reversed, 2), row.name)) {
            swapped = true;
            return &row;
        }
    }
    return nullptr;
}

}  // namespace vaprop
