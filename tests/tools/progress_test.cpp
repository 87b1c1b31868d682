// The progress line: nothing in the first second, then at most every quarter of a second.
#include "progress.h"

#include <gtest/gtest.h>

namespace vapcalc {
namespace {

using std::chrono::milliseconds;

TEST(ProgressLine, ShownAfterTheFirstSecondAndThrottled) {
    const ProgressLine::Clock::time_point t0{};
    ProgressLine line(t0);
    EXPECT_EQ(line.update(4096, t0 + milliseconds(500)), "");
    EXPECT_EQ(line.clear(), "");  // nothing shown yet, nothing to erase
    EXPECT_EQ(line.update(8192, t0 + milliseconds(999)), "");
    EXPECT_EQ(line.update(12288, t0 + milliseconds(1000)), "\rvapcalc: 12288 states");
    EXPECT_EQ(line.update(16384, t0 + milliseconds(1100)), "");
    EXPECT_EQ(line.update(20480, t0 + milliseconds(1249)), "");
    EXPECT_EQ(line.update(24576, t0 + milliseconds(1250)), "\rvapcalc: 24576 states");
    EXPECT_EQ(line.clear(), "\r\033[K");
    EXPECT_EQ(line.clear(), "");  // erased once
    // After an erase (a diagnostic was written) the next update may redraw at once.
    EXPECT_EQ(line.update(28672, t0 + milliseconds(1300)), "\rvapcalc: 28672 states");
}

}  // namespace
}  // namespace vapcalc
