// Small text helpers shared by the argument and line readers.
#ifndef VAPCALC_TEXT_H
#define VAPCALC_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace vapcalc {

// ASCII upper case; other bytes unchanged (names and letters are ASCII).
constexpr char upperAscii(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    }
    return true;
}

// Text echoed in a message, in single quotes and cut after 40 characters ("..."), so a huge
// argument or field cannot flood the terminal.
std::string quotedForMessage(std::string_view text);

}  // namespace vapcalc

#endif
