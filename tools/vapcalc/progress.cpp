// The progress line of a long batch run on a terminal.
#include "progress.h"

namespace vapcalc {
namespace {

constexpr std::chrono::milliseconds kFirstAfter{1000};
constexpr std::chrono::milliseconds kEvery{250};

}  // namespace

std::string ProgressLine::update(std::uint64_t states, Clock::time_point now) {
    if (now - start_ < kFirstAfter || (shown_ && now - last_ < kEvery)) return {};
    last_ = now;
    shown_ = true;
    return "\rvapcalc: " + std::to_string(states) + " states";
}

std::string ProgressLine::clear() {
    if (!shown_) return {};
    shown_ = false;
    return "\r\033[K";
}

}  // namespace vapcalc
