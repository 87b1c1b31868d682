// Opening vaprop32 from the extension's folder: every export found, and a clear reason, never a
// crash, when a library is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library_folder.h"
#include "property_library.h"

namespace vapropcalc {
namespace {

TEST(PropertyLibrary, EveryFunctionBoundFromTheFolder) {
    const LibraryFolder folder(true, true);
    const PropertyLibrary library = PropertyLibrary::load(folder.path());
    ASSERT_EQ(library.failure(), "");
    for (std::size_t i = 0; i < kFunctions.size(); ++i) {
        if (kFunctions[i].kind == FunctionKind::errorText) {
            EXPECT_EQ(library.entry(i), nullptr) << kFunctions[i].name;
        } else {
            EXPECT_NE(library.entry(i), nullptr) << kFunctions[i].name;
        }
    }
    EXPECT_EQ(library.entry(kFunctions.size()), nullptr);
    EXPECT_STREQ(vaprop32FileName(), VAPROP32_SONAME);
    EXPECT_STREQ(vaprop67FileName(), VAPROP67_SONAME);
}

struct MissingRow {
    bool vaprop32;
    bool vaprop67;
    const char* named;  // the file the reason must name
};

TEST(PropertyLibrary, MissingLibrariesGiveTheLoadersReason) {
    std::vector<MissingRow> rows = {{false, true, VAPROP32_SONAME}, {false, false, VAPROP32_SONAME}};
    if (std::string(VAPROP67_SONAME).size() > 0) {
        rows.push_back({true, false, VAPROP67_SONAME});
        rows[1].named = VAPROP67_SONAME;  // opened first
    }
    for (const MissingRow& row : rows) {
        const LibraryFolder folder(row.vaprop32, row.vaprop67);
        const PropertyLibrary library = PropertyLibrary::load(folder.path());
        EXPECT_NE(library.failure().find(row.named), std::string::npos) << library.failure();
        for (std::size_t i = 0; i < kFunctions.size(); ++i) EXPECT_EQ(library.entry(i), nullptr);
    }
}

// A copy broken off inside its loaded segments would kill Calc in the loader (dlopen of the first
// 4000 or 20000 bytes dies with SIGBUS): it is refused before. (The code segment alone is longer
// than 20000 bytes; a copy that only lacks the tail of its debug sections loads and works.)
TEST(PropertyLibrary, TruncatedOrForeignFilesRefusedBeforeTheLoader) {
    const std::vector<std::uintmax_t> lengths = {0, 10, 63, 64, 200, 4000, 20000};
    for (const std::uintmax_t length : lengths) {
        const LibraryFolder folder(true, true);
        std::filesystem::resize_file(std::filesystem::path(folder.path()) / VAPROP32_SONAME, length);
        const PropertyLibrary library = PropertyLibrary::load(folder.path());
        EXPECT_NE(library.failure().find(VAPROP32_SONAME), std::string::npos) << length << ": " << library.failure();
        EXPECT_EQ(library.entry(0), nullptr);
    }
    const LibraryFolder folder(true, true);
    {
        std::ofstream text(std::filesystem::path(folder.path()) / VAPROP32_SONAME, std::ios::trunc);
        text << "INPUT(libvaprop32.so.3.2.0)\n" << std::string(100, ' ');
    }
    EXPECT_NE(PropertyLibrary::load(folder.path()).failure().find("not a library"), std::string::npos);
}

}  // namespace
}  // namespace vapropcalc
