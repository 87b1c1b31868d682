// Test fixture: a fresh fake host and fake platform for every test, an empty configuration folder,
// and at the end the checks that hold for every test: no protocol fault, nothing left unfreed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "addin_module.h"
#include "fake_host.h"

namespace fakexl {

class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host().reset();
        fakePlatform().reset();
        const VapxlHooks h = fakePlatform().hooks();
        module().setHooks(&h);
        configHome_ =
            std::filesystem::temp_directory_path() / ("vapxl32-test-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(configHome_);
        std::filesystem::create_directories(configHome_);
        ::setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
    }

    void TearDown() override {
        EXPECT_TRUE(host().faults.empty()) << "first fault: " << (host().faults.empty() ? "" : host().faults.front());
        EXPECT_EQ(host().outstanding(), 0u) << "values handed out by the host and never freed";
        module().setHooks(nullptr);
        std::filesystem::remove_all(configHome_);
    }

    // Writes the configuration file standing for the add-in's registry key.
    void writeConfig(const std::string& contents) {
        const std::filesystem::path dir = configHome_ / "Orlesk" / "Ventora" / "3.00.000";
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "Excel.conf") << contents;
    }

    // Opens the add-in quietly as the host does and forgets what the opening recorded.
    void openAddin() {
        ASSERT_EQ(module().autoOpen(), 1);
        host().calls.clear();
        host().statusBar.clear();
    }

    static FakeHost& host() { return FakeHost::instance(); }
    static AddinModule& module() { return AddinModule::instance(); }

    std::filesystem::path configHome_;
};

}  // namespace fakexl
