// Counting checks in the wine test programs: every failed check prints one line starting with FAIL,
// and the program's exit status (0 or 1; wine passes only its low byte) says whether any failed.
#pragma once

#include <cstdio>

namespace w32test {

struct Report {
    int checks = 0;
    int failures = 0;

    bool check(bool ok, const char* what) {
        ++checks;
        if (!ok) {
            ++failures;
            std::printf("FAIL %s\n", what);
        }
        return ok;
    }
    int finish(const char* program) const {
        std::printf("%s: %d checks, %d failed\n", program, checks, failures);
        std::fflush(stdout);
        return failures == 0 ? 0 : 1;
    }
};

}  // namespace w32test
