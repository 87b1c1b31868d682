// The command-line calculator's batch reader with arbitrary input files, read in pieces of sizes
// chosen by the input (as a pipe delivers them).
//
// Invariants:
//   - a line the reader takes as data holds two finite numbers;
//   - the output is the header and one row per data or malformed line, each row ending in a line
//     end and holding the two input cells and one cell per property;
//   - the counts agree with the lines of the input (lines, states, malformed, failed <= states);
//   - the output, the diagnostics and the counts do not depend on how the input was cut into reads.
// Input: pair, column order, unit set, digits, up to three properties, read sizes, then the file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch.h"
#include "fuzz_support.h"

using namespace vapcalc;

namespace {

struct Outcome {
    std::string out;
    std::vector<std::string> diagnostics;
    BatchStats stats;
};

Outcome runWith(const BatchConfig& config, std::string_view file, const std::vector<std::size_t>& pieces) {
    Outcome o;
    std::size_t at = 0;
    std::size_t next = 0;
    BatchIo io;
    io.read = [&](char* buf, std::size_t n) -> std::ptrdiff_t {
        if (at >= file.size()) {
            return 0;
        }
        std::size_t want = pieces.empty() ? n : pieces[next++ % pieces.size()];
        want = std::min({want, n, file.size() - at});
        file.copy(buf, want, at);
        at += want;
        return static_cast<std::ptrdiff_t>(want);
    };
    io.write = [&](const char* p, std::size_t n) {
        o.out.append(p, n);
        return true;
    };
    io.diagnostic = [&](std::string_view d) { o.diagnostics.emplace_back(d); };
    o.stats = runBatch(config, io);
    return o;
}

// Cells of one CSV row, quotes respected.
std::size_t cellCount(std::string_view row) {
    std::size_t cells = 1;
    bool quoted = false;
    for (const char c : row) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            ++cells;
        }
    }
    return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    BatchConfig config;
    const std::uint8_t mode = in.u8();
    config.pair = static_cast<Pair>(mode % 5);
    config.swapped = (mode & 8) != 0;
    config.unitSet = fuzz::pickUnitSet(in);
    config.digits = in.u8() % 18;
    const std::size_t nprops = in.u8() % 4;
    for (std::size_t i = 0; i < nprops; ++i) {
        config.props.push_back(static_cast<Property>(in.u8() % kPropertyCount));
    }
    std::vector<std::size_t> pieces;
    const std::size_t npieces = in.u8() % 4;
    for (std::size_t i = 0; i < npieces; ++i) {
        pieces.push_back(1 + in.u8() % 64);
    }
    const std::string_view file = in.rest();

    // Every line as the reader sees it, parsed on its own.
    std::uint64_t lines = 0;
    for (std::size_t start = 0; start < file.size();) {
        const std::size_t nl = file.find('\n', start);
        const std::string_view line =
            file.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        ++lines;
        if (line.size() <= kMaxLineLength) {
            const ParsedLine p = parseBatchLine(line);
            if (p.kind == LineKind::Data) {
                FUZZ_CHECK(std::isfinite(p.first) && std::isfinite(p.second));
            } else if (p.kind == LineKind::Malformed) {
                FUZZ_CHECK(!p.problem.empty());
            }
        }
        if (nl == std::string_view::npos) {
            break;
        }
        start = nl + 1;
    }

    const Outcome whole = runWith(config, file, {});
    const Outcome cut = runWith(config, file, pieces);
    FUZZ_CHECK(whole.out == cut.out);
    FUZZ_CHECK(whole.diagnostics == cut.diagnostics);
    FUZZ_CHECK(whole.stats.lines == cut.stats.lines && whole.stats.states == cut.stats.states &&
               whole.stats.failed == cut.stats.failed && whole.stats.malformed == cut.stats.malformed);

    const BatchStats& s = whole.stats;
    FUZZ_CHECK(!s.readError && !s.writeError);
    FUZZ_CHECK_MSG(s.lines == lines,
                   "%llu lines read, %llu in the file",
                   static_cast<unsigned long long>(s.lines),
                   static_cast<unsigned long long>(lines));
    FUZZ_CHECK(s.failed <= s.states && s.malformed <= s.failed);
    FUZZ_CHECK(!whole.out.empty() && whole.out.back() == '\n');
    std::uint64_t rows = 0;
    const std::size_t cells = 2 + config.props.size();
    for (std::size_t start = 0; start < whole.out.size();) {
        const std::size_t nl = whole.out.find('\n', start);
        FUZZ_CHECK(nl != std::string::npos);
        const std::string_view row(whole.out.data() + start, nl - start);
        FUZZ_CHECK_MSG(
            cellCount(row) == cells, "row '%.*s' of %zu cells", static_cast<int>(row.size()), row.data(), cells);
        ++rows;
        start = nl + 1;
    }
    FUZZ_CHECK(rows == s.states + 1);
    return 0;
}
