// The progress line of a long batch run on a terminal: shown only after the first second, and
// rewritten at most four times a second.
#ifndef VAPCALC_PROGRESS_H
#define VAPCALC_PROGRESS_H

#include <chrono>
#include <cstdint>
#include <string>

namespace vapcalc {

class ProgressLine {
  public:
    using Clock = std::chrono::steady_clock;

    explicit ProgressLine(Clock::time_point start) noexcept : start_(start), last_(start) {}

    // The text to write for `states` done at time `now` ("\rvapcalc: 8192 states"), or an empty
    // string while no line is due.
    std::string update(std::uint64_t states, Clock::time_point now);

    // The text that erases a shown line before other output (carriage return, erase to end of
    // line); empty when no line has been shown.
    std::string clear();

  private:
    Clock::time_point start_;
    Clock::time_point last_;
    bool shown_ = false;
};

}  // namespace vapcalc

#endif
