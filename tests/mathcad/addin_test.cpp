// The built vapmcad plug-in, loaded through the test host as the host loads it: registration at load,
// the records, and every function called through its record and held against vaprop32.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <string_view>

#include "expected_tables.h"
#include "mcaduser_fake.h"
#include "vaprop32.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Message indexes of the add-in's table, as documented for its users.
enum : unsigned int {
    msgInterrupted = 1,
    msgMustBeReal = 3,
    msgInvalidUnitSet = 4,
    msgTemperatureTooHigh = 5,
    msgPressureTooLow = 8,
    msgInternalError = 15,
    msgQualityOutOfRange = 16,
    msgTemperatureOutsideSaturation = 18,
};

// The plug-in loaded like the host loads it; unloading lets the next test load it afresh.
class Addin {
  public:
    Addin() : handle_(dlopen(VAPMCAD_MODULE_PATH, RTLD_NOW | RTLD_LOCAL)) {}
    ~Addin() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    Addin(const Addin&) = delete;
    Addin& operator=(const Addin&) = delete;

    bool loaded() const { return handle_ != nullptr; }

    // The module's load address, the handle under which it registers.
    McadModule module() const {
        link_map* map = nullptr;
        if (handle_ == nullptr || dlinfo(handle_, RTLD_DI_LINKMAP, &map) != 0) return nullptr;
        return reinterpret_cast<McadModule>(map->l_addr);
    }

  private:
    void* handle_;
};

COMPLEXSCALAR real(double x) { return {x, 0.0}; }

// Calls the registered function `name` with these arguments; `out` starts as a marker so that a
// write is seen.
struct Call {
    McadResult error;
    COMPLEXSCALAR out;
};

Call call(const char* name, std::initializer_list<COMPLEXSCALAR> args) {
    const FUNCTIONINFO* record = fakeMcadFind(name);
    EXPECT_NE(record, nullptr) << name << " is not registered";
    Call c{-1, {-123456.0, 987.0}};
    if (record == nullptr) return c;
    EXPECT_EQ(record->nArgs, args.size()) << name;
    if (record->nArgs != args.size()) return c;
    c.error = fakeMcadCall(record, &c.out, args.begin());
    return c;
}

class AddinTest : public ::testing::Test {
  protected:
    void SetUp() override { fakeMcadReset(); }
    void TearDown() override { fakeMcadReset(); }
};

TEST_F(AddinTest, RegistersTheMessageTableInOrder) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    EXPECT_EQ(fakeMcadTableCalls(), 1u);
    EXPECT_EQ(fakeMcadTableModule(), addin.module());
    ASSERT_EQ(fakeMcadMessageCount(), std::size(vapmcad_test::expectedMessages));
    for (unsigned int i = 1; i <= fakeMcadMessageCount(); ++i) {
        EXPECT_EQ(std::string_view(fakeMcadMessage(i)), vapmcad_test::expectedMessages[i - 1]) << "message " << i;
    }
}

TEST_F(AddinTest, Registers41FunctionRecordsInOrder) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    ASSERT_EQ(fakeMcadFunctionCount(), std::size(vapmcad_test::expectedFunctions));
    for (unsigned int i = 0; i < fakeMcadFunctionCount(); ++i) {
        const vapmcad_test::ExpectedFunction& want = vapmcad_test::expectedFunctions[i];
        const FUNCTIONINFO* got = fakeMcadFunction(i);
        ASSERT_NE(got, nullptr);
        SCOPED_TRACE(std::string(want.name));
        EXPECT_EQ(std::string_view(got->lpstrName), want.name);
        EXPECT_EQ(std::string_view(got->lpstrParameters), want.parameters);
        if (want.description.empty()) {
            EXPECT_NE(std::strstr(got->lpstrDescription, "version"), nullptr);
        } else {
            EXPECT_EQ(std::string_view(got->lpstrDescription), want.description);
        }
        EXPECT_NE(got->lpfnMyCFunction, nullptr);
        EXPECT_EQ(got->returnType, COMPLEX_SCALAR);
        EXPECT_EQ(got->nArgs, want.args);
        for (unsigned int a = 0; a < MAX_ARGS; ++a) {
            EXPECT_EQ(got->argType[a], a < want.args ? COMPLEX_SCALAR : 0ul) << "argument " << a + 1;
        }
        EXPECT_EQ(fakeMcadFunctionModule(i), addin.module());
    }
}

TEST_F(AddinTest, RefusedMessageTableRegistersNoFunctionButLoads) {
    fakeMcadAcceptTables(0);
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    EXPECT_EQ(fakeMcadTableCalls(), 1u);
    EXPECT_EQ(fakeMcadMessageCount(), 0u);
    EXPECT_EQ(fakeMcadFunctionCount(), 0u);
}

TEST_F(AddinTest, EachLoadRegistersOnce) {
    {
        Addin first;
        ASSERT_TRUE(first.loaded()) << dlerror();
        EXPECT_EQ(fakeMcadFunctionCount(), 41u);
    }
    fakeMcadReset();
    Addin second;
    ASSERT_TRUE(second.loaded()) << dlerror();
    EXPECT_EQ(fakeMcadTableCalls(), 1u);
    EXPECT_EQ(fakeMcadFunctionCount(), 41u);
}

// One call of every registered function, in Eng units (psia, F, Btu/lb, Btu/(lb F)), at states where
// each property is defined.
struct FunctionCase {
    const char* name;
    double(VAPROP_CALL* one)(double, std::int32_t);
    double(VAPROP_CALL* two)(double, double, std::int32_t);
    double a;
    double b;
};

constexpr FunctionCase everyFunction[] = {
    {"StmTP", StmTP, nullptr, 300.0, 0},  // 300 F
    {"StmPT", StmPT, nullptr, 100.0, 0},  // 100 psia
    {"StmTQH", nullptr, StmTQH, 300.0, 0.5},
    {"StmTQS", nullptr, StmTQS, 300.0, 0.5},
    {"StmTQV", nullptr, StmTQV, 300.0, 0.5},
    {"StmTQC", nullptr, StmTQC, 300.0, 1.0},  // cp only for saturated liquid or vapour
    {"StmTQW", nullptr, StmTQW, 300.0, 1.0},
    {"StmTQG", nullptr, StmTQG, 300.0, 1.0},
    {"StmTQK", nullptr, StmTQK, 300.0, 0.0},  // transport only for Q = 0 or 1
    {"StmTQM", nullptr, StmTQM, 300.0, 1.0},
    {"StmPQH", nullptr, StmPQH, 100.0, 0.5},
    {"StmPQS", nullptr, StmPQS, 100.0, 0.5},
    {"StmPQV", nullptr, StmPQV, 100.0, 0.5},
    {"StmPQC", nullptr, StmPQC, 100.0, 0.0},
    {"StmPQW", nullptr, StmPQW, 100.0, 1.0},
    {"StmPQG", nullptr, StmPQG, 100.0, 1.0},
    {"StmPQK", nullptr, StmPQK, 100.0, 1.0},
    {"StmPQM", nullptr, StmPQM, 100.0, 0.0},
    {"StmPTH", nullptr, StmPTH, 100.0, 500.0},  // superheated steam
    {"StmPTS", nullptr, StmPTS, 100.0, 500.0},
    {"StmPTV", nullptr, StmPTV, 100.0, 500.0},
    {"StmPTC", nullptr, StmPTC, 100.0, 500.0},
    {"StmPTW", nullptr, StmPTW, 100.0, 500.0},
    {"StmPTG", nullptr, StmPTG, 100.0, 500.0},
    {"StmPTK", nullptr, StmPTK, 100.0, 500.0},
    {"StmPTM", nullptr, StmPTM, 1000.0, 200.0},  // compressed water
    {"StmPHT", nullptr, StmPHT, 100.0, 1300.0},  // superheated steam
    {"StmPHS", nullptr, StmPHS, 100.0, 1300.0},
    {"StmPHV", nullptr, StmPHV, 100.0, 900.0},  // wet steam
    {"StmPHQ", nullptr, StmPHQ, 100.0, 900.0},
    {"StmPHW", nullptr, StmPHW, 100.0, 1300.0},
    {"StmPHG", nullptr, StmPHG, 100.0, 1300.0},
    {"StmPST", nullptr, StmPST, 100.0, 1.8},  // superheated steam
    {"StmPSH", nullptr, StmPSH, 100.0, 1.8},
    {"StmPSV", nullptr, StmPSV, 100.0, 1.4},  // wet steam
    {"StmPSQ", nullptr, StmPSQ, 100.0, 1.4},
    {"StmPSW", nullptr, StmPSW, 100.0, 1.8},
    {"StmPSG", nullptr, StmPSG, 100.0, 1.8},
    {"StmVer", nullptr, nullptr, 0.0, 0},
    {"StmTempTI", StmTempTI, nullptr, 500.0, 0},
    {"StmTempIT", StmTempIT, nullptr, 500.0, 0},
};

double direct(const FunctionCase& c, std::int32_t unitSet) {
    if (c.one != nullptr) return c.one(c.a, unitSet);
    if (c.two != nullptr) return c.two(c.a, c.b, unitSet);
    return StmVer();
}

Call throughRecord(const FunctionCase& c, double unitSet) {
    if (c.one != nullptr) return call(c.name, {real(c.a), real(unitSet)});
    if (c.two != nullptr) return call(c.name, {real(c.a), real(c.b), real(unitSet)});
    return call(c.name, {real(unitSet)});
}

TEST_F(AddinTest, CasesCoverEveryRegisteredFunction) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    std::set<std::string> registered;
    for (unsigned int i = 0; i < fakeMcadFunctionCount(); ++i) {
        registered.insert(fakeMcadFunction(i)->lpstrName);
    }
    std::set<std::string> covered;
    for (const FunctionCase& c : everyFunction) covered.insert(c.name);
    EXPECT_EQ(covered, registered);
    EXPECT_EQ(std::size(everyFunction), 41u);
}

// Through its record every function hands back exactly vaprop32's value.
TEST_F(AddinTest, EveryFunctionGivesTheLibraryValue) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    for (const FunctionCase& c : everyFunction) {
        SCOPED_TRACE(c.name);
        const double want = direct(c, 0);
        ASSERT_GT(want, -1000.0) << "the case must be a state where the property is defined";
        const Call got = throughRecord(c, 0.0);
        EXPECT_EQ(got.error, 0);
        EXPECT_EQ(std::memcmp(&got.out.real, &want, sizeof want), 0) << "got " << got.out.real << ", vaprop32 " << want;
        EXPECT_EQ(got.out.imag, 987.0) << "the imaginary part is not written";
    }
}

// The same cases with the 1967 equations, fast mode and other sets: a value where vaprop32 gives
// one, the message of its code where it gives a code.
TEST_F(AddinTest, EveryFunctionFollowsTheLibraryInEveryMode) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    for (const std::int32_t unitSet : {1, 2, 3, 8, 16, 24, 30}) {
        for (const FunctionCase& c : everyFunction) {
            SCOPED_TRACE(std::string(c.name) + " UnitSet " + std::to_string(unitSet));
            const double want = direct(c, unitSet);
            const Call got = throughRecord(c, unitSet);
            if (want > -1000.0) {
                EXPECT_EQ(got.error, 0);
                EXPECT_EQ(std::memcmp(&got.out.real, &want, sizeof want), 0)
                    << "got " << got.out.real << ", vaprop32 " << want;
            } else {
                ASSERT_GT(want, -1e9) << "vaprop32 returns whole codes";
                EXPECT_EQ(got.error, mcadError(vapmcad_test::expectedMessageFor(want))) << want;
                EXPECT_EQ(got.out.real, -123456.0) << "a code leaves the output alone";
            }
        }
    }
}

TEST_F(AddinTest, EdgeCasesOfThePressureTemperatureCall) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    // 100 psia, 500 F in Eng: the library's own value.
    const Call ok = call("StmPTH", {real(100), real(500), real(0)});
    EXPECT_EQ(ok.error, 0);
    EXPECT_EQ(ok.out.real, StmPTH(100, 500, 0));
    // Unit sets the add-in refuses itself: no whole number, above 30.
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(1.5)}).error, msgInvalidUnitSet);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(31)}).error, msgInvalidUnitSet);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(32)}).error, msgInvalidUnitSet);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(-1)}).error, msgInvalidUnitSet);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(nan)}).error, msgInvalidUnitSet);
    // 30 is the largest set the add-in passes on (METF, IFC-67, fast); -0 is set 0.
    const Call largest = call("StmPTH", {real(10), real(500), real(30)});
    EXPECT_EQ(largest.error, 0);
    EXPECT_EQ(largest.out.real, StmPTH(10, 500, 30));
    const Call negativeZero = call("StmPTH", {real(100), real(500), real(-0.0)});
    EXPECT_EQ(negativeZero.error, 0);
    EXPECT_EQ(negativeZero.out.real, StmPTH(100, 500, 0));
    // Set index 7 passes the add-in; the library's -1099 is shown as an internal error.
    ASSERT_EQ(StmPTH(100, 500, 7), -1099.0);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(7)}).error, msgInternalError);
    // A complex argument is marked, before the unit set is looked at.
    EXPECT_EQ(call("StmPTH", {{100, 1}, real(500), real(0)}).error, 65539);
    EXPECT_EQ(call("StmPTH", {{100, 1}, real(500), real(1.5)}).error, 65539);
    EXPECT_EQ(call("StmPTH", {real(100), {500, -2}, {0, 3}}).error, mcadError(msgMustBeReal, 2));
    EXPECT_EQ(call("StmPTH", {real(100), real(500), {0, 3}}).error, mcadError(msgMustBeReal, 3));
    // 2000 F lies below the 2273.15 K limit: computed.
    const Call hot = call("StmPTH", {real(100), real(2000), real(0)});
    EXPECT_EQ(hot.error, 0);
    EXPECT_EQ(hot.out.real, StmPTH(100, 2000, 0));
    EXPECT_GT(hot.out.real, 0.0);
    // A NaN input fails the library's lower pressure check.
    EXPECT_EQ(call("StmPTH", {real(nan), real(500), real(0)}).error, msgPressureTooLow);
    // 10.01 MPa, 1073.16 K (SIF): the library's region test gives -1000.
    EXPECT_EQ(call("StmPTH", {real(10.01), real(1073.16), real(3)}).error, msgTemperatureTooHigh);
}

TEST_F(AddinTest, TransportOfWetSteamAndQualityRange) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    EXPECT_EQ(call("StmPQK", {real(100), real(0.5), real(0)}).error, msgInternalError);  // -2000
    EXPECT_EQ(call("StmPQK", {real(100), real(1.5), real(0)}).error, msgQualityOutOfRange);
}

TEST_F(AddinTest, SaturationAboveTheCriticalTemperature) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    // 1000 F is above the critical temperature of 705.1 F.
    EXPECT_EQ(call("StmTP", {real(1000), real(0)}).error, msgTemperatureOutsideSaturation);
}

// Gauge pressures of set EngG are values down to about -14.7 psig: a result below -1 is handed back
// as the value, and only results at or below -1000 are codes.
TEST_F(AddinTest, NegativeGaugePressureIsAValue) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    // Saturation pressure at 100 F is about 0.95 psia, i.e. about -13.75 psig.
    const double want = StmTP(100, 2);
    ASSERT_LT(want, -13.0);
    ASSERT_GT(want, -14.7);
    const Call got = call("StmTP", {real(100), real(2)});
    EXPECT_EQ(got.error, 0);
    EXPECT_EQ(got.out.real, want);
    // Near absolute vacuum: the saturation pressure at 32.02 F is about 0.089 psia, -14.6 psig.
    const double nearVacuum = StmTP(32.02, 2);
    ASSERT_LT(nearVacuum, -14.5);
    const Call vacuum = call("StmTP", {real(32.02), real(2)});
    EXPECT_EQ(vacuum.error, 0);
    EXPECT_EQ(vacuum.out.real, nearVacuum);
    // The code side: -20 psig lies below absolute vacuum; the library's -1300 is "pressure too low".
    ASSERT_EQ(StmPT(-20, 2), -1300.0);
    EXPECT_EQ(call("StmPT", {real(-20), real(2)}).error, msgPressureTooLow);
}

TEST_F(AddinTest, VersionIgnoresItsArgument) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    for (const COMPLEXSCALAR dummy : {real(0), real(-5000), COMPLEXSCALAR{1, 1}, real(nan)}) {
        const Call got = call("StmVer", {dummy});
        EXPECT_EQ(got.error, 0);
        EXPECT_EQ(got.out.real, 3.2);
        EXPECT_EQ(got.out.real, StmVer());
    }
}

TEST_F(AddinTest, InterruptionStopsTheCallAfterTheArgumentChecks) {
    Addin addin;
    ASSERT_TRUE(addin.loaded()) << dlerror();
    fakeMcadSetInterrupted(1);
    const unsigned int asked = fakeMcadInterruptQueries();
    // The argument checks come first and do not ask the host.
    EXPECT_EQ(call("StmPTH", {{100, 1}, real(500), real(0)}).error, 65539);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(1.5)}).error, msgInvalidUnitSet);
    EXPECT_EQ(fakeMcadInterruptQueries(), asked);
    // Valid arguments: the host is asked, and the interruption ends the call without a result.
    const Call stopped = call("StmPTH", {real(100), real(500), real(0)});
    EXPECT_EQ(stopped.error, msgInterrupted);
    EXPECT_EQ(stopped.out.real, -123456.0);
    EXPECT_EQ(fakeMcadInterruptQueries(), asked + 1);
    EXPECT_EQ(call("StmTP", {real(300), real(0)}).error, msgInterrupted);
    EXPECT_EQ(call("StmVer", {real(0)}).error, msgInterrupted);
    // Every function asks.
    for (const FunctionCase& c : everyFunction) {
        EXPECT_EQ(throughRecord(c, 0.0).error, msgInterrupted) << c.name;
    }
    // Once the user lets the host go on, the same call computes.
    fakeMcadSetInterrupted(0);
    EXPECT_EQ(call("StmPTH", {real(100), real(500), real(0)}).error, 0);
}

}  // namespace
