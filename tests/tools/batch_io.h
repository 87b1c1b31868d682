// An in-memory input and output for batch runs in tests: the input is handed over in chunks of a
// chosen size, and each write is recorded with the number of input bytes read before it.
#ifndef VAPCALC_TEST_BATCH_IO_H
#define VAPCALC_TEST_BATCH_IO_H

#include "batch.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vapcalc::test {

struct MemoryBatch {
    std::string input;
    std::size_t chunk = 1 << 16;
    std::size_t readPos = 0;
    std::string output;
    std::vector<std::size_t> writesAfterInputBytes;
    std::vector<std::string> diagnostics;
    std::vector<std::uint64_t> progress;

    BatchIo io() {
        BatchIo io;
        io.read = [this](char* buf, std::size_t n) -> std::ptrdiff_t {
            const std::size_t k = std::min({n, chunk, input.size() - readPos});
            std::memcpy(buf, input.data() + readPos, k);
            readPos += k;
            return static_cast<std::ptrdiff_t>(k);
        };
        io.write = [this](const char* data, std::size_t n) {
            output.append(data, n);
            writesAfterInputBytes.push_back(readPos);
            return true;
        };
        io.diagnostic = [this](std::string_view m) { diagnostics.emplace_back(m); };
        io.progress = [this](std::uint64_t states) { progress.push_back(states); };
        return io;
    }

    BatchStats run(const BatchConfig& config) {
        const BatchIo b = io();
        return runBatch(config, b);
    }
};

// The cells of a CSV text, line by line (our cells hold no quotes or commas).
inline std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> cells;
        std::size_t c = start;
        while (true) {
            const std::size_t comma = text.find(',', c);
            if (comma == std::string::npos || comma > end) {
                cells.push_back(text.substr(c, end - c));
                break;
            }
            cells.push_back(text.substr(c, comma - c));
            c = comma + 1;
        }
        rows.push_back(std::move(cells));
        start = end + 1;
    }
    return rows;
}

}  // namespace vapcalc::test

#endif
