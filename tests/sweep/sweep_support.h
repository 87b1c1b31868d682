// Bookkeeping of the sweeps: every failing input is counted in a bucket named after the operation,
// the region and the pressure band it lies in, so a report lists each region where the round trips
// or the iterations fail, with the first failing inputs of each.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace sweep {

// Decade of a pressure as a bucket name ("p 1e-3..1e-2"), or the band around a landmark.
inline std::string pressureBand(double p) {
    const int e = static_cast<int>(std::floor(std::log10(p)));
    char buf[40];
    std::snprintf(buf, sizeof buf, "p 1e%d..1e%d", e, e + 1);
    return buf;
}

class Tally {
  public:
    void point() { ++points_; }

    void fail(const std::string& bucket, const char* format, ...) __attribute__((format(printf, 3, 4))) {
        char buf[300];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buf, sizeof buf, format, args);
        va_end(args);
        Bucket& b = buckets_[bucket];
        ++b.count;
        if (b.examples.size() < kExamples) {
            b.examples.emplace_back(buf);
        }
        ++failures_;
    }

    // Adds a test failure per bucket with its count and first inputs.
    void report(const char* sweepName) const {
        EXPECT_GT(points_, 0) << sweepName;
        for (const auto& [name, b] : buckets_) {
            std::string lines;
            for (const std::string& e : b.examples) {
                lines += "\n    " + e;
            }
            ADD_FAILURE() << sweepName << ": " << name << ": " << b.count << " failing inputs" << lines;
        }
        std::printf("%s: %ld points, %ld failing\n", sweepName, points_, failures_);
    }

    long failures() const { return failures_; }

  private:
    static constexpr std::size_t kExamples = 4;
    struct Bucket {
        long count = 0;
        std::vector<std::string> examples;
    };
    std::map<std::string, Bucket> buckets_;
    long points_ = 0;
    long failures_ = 0;
};

// n points from lo to hi, evenly spaced in log(value).
inline std::vector<double> logGrid(double lo, double hi, int n) {
    std::vector<double> g;
    for (int i = 0; i < n; ++i) {
        g.push_back(i == n - 1 ? hi : lo * std::pow(hi / lo, static_cast<double>(i) / (n - 1)));
    }
    return g;
}

// n points from lo to hi, evenly spaced.
inline std::vector<double> linGrid(double lo, double hi, int n) {
    std::vector<double> g;
    for (int i = 0; i < n; ++i) {
        g.push_back(i == n - 1 ? hi : lo + (hi - lo) * static_cast<double>(i) / (n - 1));
    }
    return g;
}

}  // namespace sweep
