// vaprop32 as callers bind it: loaded as a shared object at run time and every export found by
// name; the export list in vaprop32.def held against the golden table of names, ordinals and
// stdcall argument sizes.
#include "export_table.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#ifndef VAPROP32_PATH
#error "VAPROP32_PATH must name the built shared library"
#endif
#ifndef VAPROP32_DEF
#error "VAPROP32_DEF must name the export definition file"
#endif

namespace vaprop::test {
namespace {

class LoadedLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { handle_ = dlopen(VAPROP32_PATH, RTLD_NOW | RTLD_LOCAL); }
    static void TearDownTestSuite() {
        if (handle_ != nullptr) dlclose(handle_);
        handle_ = nullptr;
    }
    template <typename F>
    static F find(const char* name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }
    static void* handle_;
};
void* LoadedLibrary::handle_ = nullptr;

using Fn0 = double (*)();
using Fn1 = double (*)(double, std::int32_t);
using Fn2 = double (*)(double, double, std::int32_t);

TEST_F(LoadedLibrary, LoadsWithEverySymbolResolved) { ASSERT_NE(handle_, nullptr) << dlerror(); }

TEST_F(LoadedLibrary, EveryExportIsFoundByName) {
    ASSERT_NE(handle_, nullptr);
    for (const ExportInfo& e : kExports) EXPECT_NE(dlsym(handle_, e.name), nullptr) << e.name;
    for (const ByNameExport& e : kByNameExports) EXPECT_NE(dlsym(handle_, e.name), nullptr) << e.name;
}

// True when the symbol found through the handle is defined in vaprop32 itself (a handle's lookup
// also searches the libraries it depends on, such as vaprop67).
bool definedInVaprop32(void* symbol) {
    Dl_info where{};
    if (symbol == nullptr || dladdr(symbol, &where) == 0 || where.dli_fname == nullptr) return false;
    return std::string(where.dli_fname).find("libvaprop32") != std::string::npos;
}

// Only the exports are visible: the statically linked core and the conversion routines are not.
TEST_F(LoadedLibrary, NothingElseIsVisible) {
    ASSERT_NE(handle_, nullptr);
    for (const ExportInfo& e : kExports) EXPECT_TRUE(definedInVaprop32(dlsym(handle_, e.name))) << e.name;
    for (const char* hidden : {"vapropErrorText",
                               "_ZN4if979IF97State10computePTEddi",
                               "_ZN6vaprop11toInternalPEdiRd",
                               "_ZN6vaprop13its90ToIpts68Ed",
                               "_ZN6vaprop10route67PTHEdd",
                               "DllMain",
                               "StmPHX",
                               "Stm67PTH"}) {
        EXPECT_FALSE(definedInVaprop32(dlsym(handle_, hidden))) << hidden;
    }
}

#if VAPROP32_NEEDS_IFC67
int findVaprop67(dl_phdr_info* info, std::size_t, void* found) {
    if (info->dlpi_name != nullptr && std::string(info->dlpi_name).find("libvaprop67") != std::string::npos) {
        *static_cast<bool*>(found) = true;
    }
    return 0;
}

// The IFC-67 library is bound when vaprop32 is loaded, not at the first call with bit 8.
TEST_F(LoadedLibrary, LoadsTheIfc67LibraryWithIt) {
    ASSERT_NE(handle_, nullptr);
    bool found = false;
    dl_iterate_phdr(findVaprop67, &found);
    EXPECT_TRUE(found);
    // 1000 psia, 1000 F by IFC-67 through the loaded symbols: close to IF97, but not the same.
    const double h67 = find<Fn2>("StmPTH")(1000.0, 1000.0, 8);
    const double h97 = find<Fn2>("StmPTH")(1000.0, 1000.0, 0);
    EXPECT_NEAR(h67, h97, 2.0);
    EXPECT_NE(h67, h97);
}
#endif

TEST_F(LoadedLibrary, CallsThroughTheLoadedSymbols) {
    ASSERT_NE(handle_, nullptr);
    EXPECT_EQ(find<Fn0>("StmVer")(), 3.2);
    // 200 psia, 600 F: superheated steam, h about 1322.1 Btu/lb in the ASME steam tables (IFC-67);
    // IF97 agrees within a few tenths.
    EXPECT_NEAR(find<Fn2>("StmPTH")(200.0, 600.0, 0), 1322.1, 0.5);
    // Saturation temperature at 1.01325 bar is 99.974 C on ITS-90 (IF97 saturation equation).
    EXPECT_NEAR(find<Fn1>("StmPT")(1.01325, 1), 99.974, 1e-3);
    EXPECT_EQ(find<Fn2>("StmPTH")(200.0, 600.0, 33), -1099.0);
    EXPECT_EQ(find<Fn2>("StmPTR")(1.0, 500.0, 3), 2.0);
    EXPECT_NEAR(find<Fn1>("StmTempTI")(100.0, 1), 100.0261, 5e-5);
}

// vaprop32.def: "Name = Name@bytes @ordinal", ordinal 1 the start-up entry, 2 to 45 the property
// calls, 46 and 47 the by-name calls.
TEST(ExportDefinition, MatchesTheGoldenTable) {
    std::ifstream def(VAPROP32_DEF);
    ASSERT_TRUE(def.good()) << VAPROP32_DEF;
    const std::regex line(R"(^\s+(\w+) = (\w+)@(\d+) @(\d+)\s*$)");
    std::map<int, std::string> byOrdinal;
    std::string text;
    int entries = 0;
    while (std::getline(def, text)) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        ++entries;
        const int ordinal = std::stoi(m[4]);
        EXPECT_EQ(m[1].str(), m[2].str()) << text;
        EXPECT_TRUE(byOrdinal.emplace(ordinal, m[1].str() + "@" + m[3].str()).second) << "ordinal twice: " << text;
    }
    EXPECT_EQ(entries, 47);
    EXPECT_EQ(byOrdinal[1], "DllMain@12");
    for (const ExportInfo& e : kExports) {
        EXPECT_EQ(byOrdinal[e.ordinal], std::string(e.name) + "@" + std::to_string(e.argBytes)) << e.ordinal;
    }
    for (const ByNameExport& e : kByNameExports) {
        EXPECT_EQ(byOrdinal[e.ordinal], std::string(e.name) + "@" + std::to_string(e.argBytes)) << e.ordinal;
    }
}

// The golden table itself: the 44 calls take ordinals 2 to 45, each once.
TEST(ExportDefinition, GoldenTableCoversOrdinals2To45) {
    std::map<int, int> seen;
    for (const ExportInfo& e : kExports) ++seen[e.ordinal];
    ASSERT_EQ(seen.size(), 44u);
    EXPECT_EQ(seen.begin()->first, 2);
    EXPECT_EQ(seen.rbegin()->first, 45);
}

}  // namespace
}  // namespace vaprop::test
