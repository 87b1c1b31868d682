// The command line of vapcalc, read into options without touching any file or stream.
#ifndef VAPCALC_COMMAND_LINE_H
#define VAPCALC_COMMAND_LINE_H

#include "properties.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vapcalc {

enum class Mode : std::uint8_t { Point, Batch, Help, Version };
enum class Format : std::uint8_t { Table, Csv, Json };

// Largest --threads (the library itself uses at most 64 threads for one call).
inline constexpr int kMaxThreads = 1024;

// Unit set when --units is not given: SI (bar, °C, kJ/kg, ...).
inline constexpr std::int32_t kDefaultUnitSet = 1;

// The built-in state point when no inputs are given: P=10 T=500 in the chosen unit set (10 bar,
// 500 °C in the default set SI).
inline constexpr double kDefaultPressure = 10.0;
inline constexpr double kDefaultTemperature = 500.0;

struct Options {
    Mode mode = Mode::Point;
    std::int32_t unitSet = kDefaultUnitSet;  // --units with the --ifc67 (+8) and --fast (+16) bits
    Format format = Format::Table;
    int digits = 0;   // 0: shortest round-trip text; 1..17 significant digits
    int threads = 0;  // batch mode: threads of the library's StmBatch, 0 one per processor
    // The input pair, with the inputs in the order the pair's exports take them. In batch mode
    // `swapped` tells that the file's columns come in the other order (--pair HP).
    Pair pair = Pair::PT;
    bool swapped = false;
    double first = kDefaultPressure;
    double second = kDefaultTemperature;
    bool defaultState = true;     // one point, no inputs given
    std::vector<Property> props;  // --props, or the mode's default list
    std::string file = "-";       // batch input; "-" is standard input
};

struct CommandLine {
    bool ok = false;
    Options options;
    std::string error;  // the message for a command line that cannot be used
};

// Reads the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string_view>& args);

// A command line handed over as one word with blanks in it ("P=10 T=500 --units SI") is split at
// the blanks; any other argument list comes back unchanged. (One word can never be a batch file:
// batch mode needs --batch beside it.)
std::vector<std::string> splitSingleWord(std::vector<std::string> args);

// Default property lists: for one point the properties P to R (U, D, CV, SIGMA, M08, K11 when
// --props names them); for batch mode the state properties P, T, Q, H, S, V that are not inputs (no Q
// for (p,T), which has none). allProperties: every property, for --props all.
std::vector<Property> defaultPointProperties();
std::vector<Property> defaultBatchProperties(Pair pair);
std::vector<Property> allProperties();

// The text of --help.
std::string_view helpText() noexcept;

}  // namespace vapcalc

#endif
