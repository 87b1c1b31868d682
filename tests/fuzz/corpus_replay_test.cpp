// Runs a fuzz target over every input of its corpus folder as an ordinary test, so the seeds and
// the regression inputs of past findings are checked by every build, with any compiler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> corpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_CORPUS_DIR)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FuzzCorpus, EveryInputKeepsTheInvariants) {
    const std::vector<std::filesystem::path> files = corpusFiles();
    ASSERT_FALSE(files.empty()) << "no inputs in " << FUZZ_CORPUS_DIR;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // A broken invariant aborts with its message; reaching the next line means the input passed.
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

}  // namespace
