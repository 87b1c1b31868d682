// Small text helpers shared by the argument and line readers.
#include "text.h"

namespace vapcalc {

std::string quotedForMessage(std::string_view text) {
    constexpr std::size_t kEchoMax = 40;
    std::string q = "'";
    q.append(text.substr(0, kEchoMax));
    if (text.size() > kEchoMax) q.append("...");
    q.push_back('\'');
    return q;
}

}  // namespace vapcalc
