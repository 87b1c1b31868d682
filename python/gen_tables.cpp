// Writes the Python package's module _tables.py from the library's own tables: the error codes with
// their texts (lib/error_codes.cpp), and per unit set the lowest accepted temperature and the critical
// temperature in that set's units (core constants converted by lib/unit_sets.cpp), each a set value
// that the library's input conversion keeps inside the limit (see setValue). Run by the build:
//   vaprop_python_tables OUTPUT
// Numbers are written with 17 significant digits, which Python reads back to the same double.
#include <cmath>
#include <cstdio>
#include <limits>

#include "error_codes.h"
#include "properties.h"
#include "unit_sets.h"

namespace {

using ToInternal = int (*)(double, int, double&) noexcept;
using FromInternal = double (*)(double, int) noexcept;

// The set value of a core limit whose input conversion gives a core value on the inside of the limit
// (at or above a lower limit, at or below an upper one): the converted value, stepped inward by single
// doubles while it lies a rounding outside. An upper limit is then stepped outward to the last double
// inside, so that the next double up lies beyond it (the critical temperature: the highest one with a
// saturation state).
double setValue(double core, int set, FromInternal from, ToInternal to, bool lowerLimit) {
    const double inward =
        lowerLimit ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    const double outward = -inward;
    const auto inside = [&](double u) {
        double back = 0.0;
        to(u, set, back);
        return lowerLimit ? back >= core : back <= core;
    };
    double u = from(core, set);
    for (int step = 0; step < 64 && !inside(u); ++step) u = std::nextafter(u, inward);
    if (!inside(u)) return std::numeric_limits<double>::quiet_NaN();  // Python reads nan
    for (int step = 0; !lowerLimit && step < 64 && inside(std::nextafter(u, outward)); ++step) {
        u = std::nextafter(u, outward);
    }
    return u;
}

void writeRow(std::FILE* out, const char* name, double core, FromInternal from, ToInternal to, bool lowerLimit) {
    std::fprintf(out, "%s = (", name);
    for (int set = 0; set < vaprop::kSetCount; ++set) {
        std::fprintf(out, "%s%.17g", set == 0 ? "" : ", ", setValue(core, set, from, to, lowerLimit));
    }
    std::fprintf(out, ")\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vaprop_python_tables OUTPUT\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "# Generated at build time by vaprop_python_tables (python/gen_tables.cpp) from the\n"
                 "# library's error table and unit sets. Do not edit.\n\n");

    std::fprintf(out, "# Error code -> text, as the add-ins and the calculator report them.\nERROR_TEXTS = {\n");
    for (int i = 0; i < VAPROP_ERROR_COUNT; ++i) {
        const int code = vapropErrorCodeAt(i);
        std::fprintf(out, "    %d: \"%s\",\n", code, vapropErrorText(code));
    }
    std::fprintf(out, "}\n\n");

    std::fprintf(out, "# Per unit set, by index (Eng, SI, EngG, SIF, SIK, MET, METF), in that set's units.\n");
    writeRow(out, "LOWEST_T", vaprop::kTemperatureRange.low, vaprop::fromInternalT, vaprop::toInternalT, true);
    writeRow(out, "CRITICAL_T", if97::kTc, vaprop::fromInternalT, vaprop::toInternalT, false);

    const bool ok = std::ferror(out) == 0;
    return (std::fclose(out) == 0 && ok) ? 0 : 1;
}
