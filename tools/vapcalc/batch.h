// Batch mode: one state per input line in, one CSV row per state out, streaming and in order.
#ifndef VAPCALC_BATCH_H
#define VAPCALC_BATCH_H

#include "properties.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vapcalc {

// Lines longer than this are refused (and skipped to their end without being stored).
inline constexpr std::size_t kMaxLineLength = 4096;

enum class LineKind : std::uint8_t { Blank, Data, Malformed };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    double first = 0.0;  // the two numbers in the order of the file's columns
    double second = 0.0;
    std::string problem;            // for Malformed: what is wrong, e.g. "expected two numbers, found 3 fields"
    bool firstFieldIsText = false;  // for Malformed: the first field is not a number (a header line?)
};

// One line without its end-of-line: blank and "#" comment lines (a "#" also ends the data of a line)
// are Blank; two numbers separated by a comma (blanks around it allowed) or by blanks are Data;
// anything else is Malformed with the reason.
ParsedLine parseBatchLine(std::string_view line);

struct BatchConfig {
    Pair pair = Pair::PT;
    bool swapped = false;  // the file's columns are (second, first) of the pair
    std::vector<Property> props;
    std::int32_t unitSet = 1;
    int digits = 0;
    int threads = 0;  // StmBatch threads: 0 one per processor
};

struct BatchStats {
    std::uint64_t lines = 0;      // physical lines read
    std::uint64_t states = 0;     // data rows written (states and malformed lines)
    std::uint64_t failed = 0;     // rows with an error text in a cell (malformed lines included)
    std::uint64_t malformed = 0;  // lines that were not two numbers
    bool readError = false;
    bool writeError = false;
};

struct BatchIo {
    // Reads up to n bytes; returns the count, 0 at the end of the input, or -1 on a read error.
    std::function<std::ptrdiff_t(char*, std::size_t)> read;
    // Writes all bytes; false on failure.
    std::function<bool(const char*, std::size_t)> write;
    // One diagnostic line (without newline), e.g. "line 7: ...".
    std::function<void(std::string_view)> diagnostic;
    // Called now and then with the number of states so far; may be empty.
    std::function<void(std::uint64_t)> progress;
};

// The CSV header: the two input columns as the file has them, then the chosen properties, each with
// its unit text in brackets ("P [bar],H [kJ/kg],T [°C],Q").
std::string batchHeader(const BatchConfig& config);

// Appends the CSV row of one state (computed on its own); returns false when a cell holds an error
// text.
bool appendBatchRow(std::string& out, const BatchConfig& config, double fileFirst, double fileSecond);

// Reads the whole input, writes the header and one row per data or malformed line, reports
// malformed lines through `diagnostic`, and returns the counts. The states are computed in blocks by
// StmBatch on config.threads threads. Output is handed to `write` in blocks, and whenever the input
// pauses, so a pipeline sees rows as their lines arrive.
BatchStats runBatch(const BatchConfig& config, const BatchIo& io);

// "100000 states, 3 failed (1 malformed line)".
std::string batchSummary(const BatchStats& stats);

}  // namespace vapcalc

#endif
