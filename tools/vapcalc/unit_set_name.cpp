// Unit-set names and numbers of the command line, read the way the spreadsheet add-in reads them.
#include "unit_set_name.h"

#include "number_text.h"
#include "text.h"

#include <array>
#include <cstddef>

namespace vapcalc {
namespace {

// Upper-case names in the order of their set index.
constexpr std::array<std::string_view, 7> kNames{"ENG", "SI", "ENGG", "SIF", "SIK", "MET", "METF"};
// The same names as the help texts write them.
constexpr std::array<std::string_view, 7> kDisplayNames{"Eng", "SI", "EngG", "SIF", "SIK", "MET", "METF"};

bool startsWithName(std::string_view text, std::string_view name) {
    if (text.size() < name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (upperAscii(text[i]) != name[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<std::int32_t> parseUnitSetName(std::string_view text) noexcept {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    text.remove_prefix(first);
    for (std::size_t i = kNames.size(); i-- > 0;) {
        if (!startsWithName(text, kNames[i])) continue;
        std::int32_t flags = 0;
        for (char c : text.substr(kNames[i].size())) {
            if (upperAscii(c) == 'O') flags |= kIfc67Flag;
            if (upperAscii(c) == 'S') flags |= kFastFlag;
        }
        return static_cast<std::int32_t>(i) | flags;
    }
    return std::nullopt;
}

std::optional<std::int32_t> parseUnitSetNumber(std::string_view text) noexcept {
    const std::optional<double> x = parseFiniteNumber(text);
    // Range test on the double before truncation, so 65539 or 1e10 cannot wrap into a valid set.
    if (!x || !(*x > -1.0 && *x < 128.0)) return std::nullopt;
    return static_cast<std::int32_t>(*x);
}

std::optional<std::int32_t> parseUnitSet(std::string_view text) noexcept {
    if (parseFiniteNumber(text)) return parseUnitSetNumber(text);
    return parseUnitSetName(text);
}

std::string_view unitSetName(std::int32_t unitSet) noexcept {
    const auto index = static_cast<std::size_t>(unitSet & 7);
    return index < kDisplayNames.size() ? kDisplayNames[index] : std::string_view("?");
}

}  // namespace vapcalc
