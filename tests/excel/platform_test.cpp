// The platform layer's own logic: the units-required decision, the settings file standing for the
// registry key, the main-window search and the banner wait.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform.h"

namespace vapxl {
namespace {

ConfigValue dword(std::uint32_t v, std::uint32_t size = 4) {
    ConfigValue c;
    c.kind = ConfigKind::dword;
    c.size = size;
    for (int i = 0; i < 4; ++i) c.bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
    return c;
}

TEST(UnitsRequired, OnlyAFourByteDwordWithNonZeroLowWord) {
    EXPECT_TRUE(unitsRequiredFrom(dword(1)));
    EXPECT_TRUE(unitsRequiredFrom(dword(0xFFFF)));
    EXPECT_TRUE(unitsRequiredFrom(dword(0x00010100)));
    EXPECT_FALSE(unitsRequiredFrom(dword(0)));
    EXPECT_FALSE(unitsRequiredFrom(dword(0x00010000)));
    EXPECT_FALSE(unitsRequiredFrom(dword(1, 2)));
    EXPECT_FALSE(unitsRequiredFrom(dword(1, 8)));
    ConfigValue text = dword(1);
    text.kind = ConfigKind::other;
    EXPECT_FALSE(unitsRequiredFrom(text));
    EXPECT_FALSE(unitsRequiredFrom(ConfigValue{}));
}

class ConfigFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("vapxl32-config-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void write(const std::string& contents) {
        const auto key = dir_ / "Orlesk" / "Ventora" / "3.00.000";
        std::filesystem::create_directories(key);
        std::ofstream(key / "Excel.conf") << contents;
    }
    std::filesystem::path dir_;
};

TEST_F(ConfigFile, AbsentFileOrValueIsAbsent) {
    EXPECT_EQ(readConfigValue("DefaultUnits").kind, ConfigKind::absent);
    write("Something=dword:00000001\n");
    EXPECT_EQ(readConfigValue("DefaultUnits").kind, ConfigKind::absent);
}

TEST_F(ConfigFile, ValuesAreReadInRegistryExportNotation) {
    struct Row {
        std::string line;
        ConfigKind kind;
        std::uint32_t size;
        std::uint32_t value;  // the first four bytes, little-endian
    };
    const std::vector<Row> rows = {
        {"DefaultUnits=dword:00000001", ConfigKind::dword, 4, 1},
        {"DefaultUnits=dword:a", ConfigKind::dword, 4, 10},
        {"DefaultUnits=dword:FFFF0000", ConfigKind::dword, 4, 0xFFFF0000u},
        {"DefaultUnits=dword:123456789", ConfigKind::other, 0, 0},
        {"DefaultUnits=dword:", ConfigKind::other, 0, 0},
        {"DefaultUnits=dword:-1", ConfigKind::other, 0, 0},
        {"DefaultUnits=hex(4):01,02,03,04", ConfigKind::dword, 4, 0x04030201u},
        {"DefaultUnits=hex(4):01,02", ConfigKind::dword, 2, 0x0201u},
        {"DefaultUnits=hex(4):01,02,03,04,05,06", ConfigKind::dword, 6, 0x04030201u},
        {"DefaultUnits=hex(4):zz", ConfigKind::other, 0, 0},
        {"DefaultUnits=hex:01,00,00,00", ConfigKind::other, 4, 1},
        {"DefaultUnits=\"1\"", ConfigKind::other, 3, 0},
        {"  defaultUNITS\t=  dword:00000002  \r", ConfigKind::dword, 4, 2},
        {"\"DefaultUnits\"=dword:00000005", ConfigKind::dword, 4, 5},
    };
    for (const Row& row : rows) {
        write("; settings of the spreadsheet add-in\n[Excel]\n" + row.line + "\n");
        const ConfigValue v = readConfigValue("DefaultUnits");
        EXPECT_EQ(v.kind, row.kind) << row.line;
        EXPECT_EQ(v.size, row.size) << row.line;
        const std::uint32_t got =
            v.bytes[0] | (v.bytes[1] << 8) | (v.bytes[2] << 16) | (static_cast<std::uint32_t>(v.bytes[3]) << 24);
        EXPECT_EQ(got, row.value) << row.line;
    }
}

TEST_F(ConfigFile, FirstMatchingLineCountsAndOverlongLinesAreSkipped) {
    write(std::string(2000, 'x') + "\nDefaultUnits=dword:00000007\nDefaultUnits=dword:00000000\n");
    const ConfigValue v = readConfigValue("DefaultUnits");
    EXPECT_EQ(v.kind, ConfigKind::dword);
    EXPECT_EQ(v.bytes[0], 7);
}

TEST_F(ConfigFile, HomeConfigFolderIsTheFallback) {
    ::unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string saved = home != nullptr ? home : "";
    ::setenv("HOME", dir_.c_str(), 1);
    const auto key = dir_ / ".config" / "Orlesk" / "Ventora" / "3.00.000";
    std::filesystem::create_directories(key);
    std::ofstream(key / "Excel.conf") << "DefaultUnits=dword:00000001\n";
    EXPECT_EQ(readConfigValue("DefaultUnits").kind, ConfigKind::dword);
    ::setenv("HOME", saved.c_str(), 1);
}

// A platform table over plain data.
struct Fake {
    long long ms = 5000;
    bool stuck = false;
    bool backwards = false;
    int reads = 0;
    int sleeps = 0;
    std::vector<std::pair<std::uintptr_t, std::string>> windows;
    int visited = 0;
};

long long fakeSeconds(void* c) {
    auto* f = static_cast<Fake*>(c);
    ++f->reads;
    return f->ms / 1000;
}
void fakeSleep(void* c, unsigned ms) {
    auto* f = static_cast<Fake*>(c);
    ++f->sleeps;
    if (f->backwards)
        f->ms -= ms;
    else if (!f->stuck)
        f->ms += ms;
}
void fakeWindows(void* c, VapxlWindowVisitor visit, void* vc) {
    auto* f = static_cast<Fake*>(c);
    for (const auto& [h, name] : f->windows) {
        ++f->visited;
        if (visit(vc, h, name.c_str()) == 0) return;
    }
}

class Hooked : public ::testing::Test {
  protected:
    void SetUp() override {
        const PlatformHooks h{&fake_, fakeSeconds, fakeSleep, fakeWindows, nullptr};
        replaceHooks(&h);
    }
    void TearDown() override { replaceHooks(nullptr); }
    Fake fake_;
};

TEST_F(Hooked, WindowSearchTakesTheFirstMatchAndStops) {
    fake_.windows = {{0xAAAA0042, "XLMAIN2"}, {0xBBBB0042, "XLMain"}, {0xCCCC0042, "XLMAIN"}};
    EXPECT_EQ(findHostWindow(0x0042), 0xBBBB0042u);
    EXPECT_EQ(fake_.visited, 2) << "the enumeration ends at the match";
    EXPECT_EQ(findHostWindow(0x0043), 0u);
    fake_.windows = {{0x0042, ""}, {0x10042, "XLMAI"}};
    EXPECT_EQ(findHostWindow(0x0042), 0u);
}

TEST_F(Hooked, WaitSleepsUntilTheSecondsCounterAdvanced) {
    fake_.ms = 5900;  // 0.1 s before the counter turns: three turns take 2.1 s
    waitSeconds(3);
    EXPECT_EQ(fake_.ms, 8000);
    EXPECT_EQ(fake_.sleeps, 21);
    EXPECT_EQ(fake_.reads, 23);  // the start, one look before each sleep, the last look
}

TEST_F(Hooked, WaitEndsOnAStuckOrBackwardClock) {
    fake_.stuck = true;
    waitSeconds(3);
    EXPECT_EQ(fake_.sleeps, 60);
    fake_ = Fake{};
    fake_.backwards = true;
    waitSeconds(3);
    EXPECT_EQ(fake_.sleeps, 60);
}

TEST(SystemHooks, RealClockAdvancesAcrossAShortSleep) {
    const PlatformHooks h = systemHooks();
    ASSERT_NE(h.clockSeconds, nullptr);
    const long long before = h.clockSeconds(h.context);
    h.sleepMilliseconds(h.context, 10);
    EXPECT_GE(h.clockSeconds(h.context), before);
}

}  // namespace
}  // namespace vapxl
