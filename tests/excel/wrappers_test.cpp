// The worksheet functions against the fake host: every wrapper against a direct call of the
// property library with the same arguments, the unit-set argument (names, flags, numbers, the
// default from StmBaseUnits, the DefaultUnits configuration), and bad OPERs of every type in every
// argument position.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "opers.h"
#include "vaprop32.h"

namespace fakexl {
namespace {

using OneValueCall = double (*)(double, std::int32_t);
using TwoValueCall = double (*)(double, double, std::int32_t);

// The worksheet functions with one value argument and with two.
const std::vector<std::string> kOneValue = {"StmTP", "StmPT", "StmTempTI", "StmTempIT"};
const std::vector<std::string> kTwoValues = {
    "StmPTV", "StmPTH", "StmPTS", "StmPTC", "StmPTK", "StmPTM", "StmPTW", "StmPTG", "StmPHT", "StmPHQ",
    "StmPHV", "StmPHS", "StmPHC", "StmPHW", "StmPHG", "StmPST", "StmPSQ", "StmPSV", "StmPSH", "StmPSC",
    "StmPSW", "StmPSG", "StmPQV", "StmPQH", "StmPQS", "StmPQC", "StmPQK", "StmPQM", "StmPQW", "StmPQG",
    "StmTQV", "StmTQH", "StmTQS", "StmTQC", "StmTQK", "StmTQM", "StmTQW", "StmTQG"};

// Sample input values by letter, in the units of set 3 (SIF: MPa, K, kJ/kg, kJ/(kg K)) and of set 1
// (SI: bar, degrees C); each list also holds values outside the accepted ranges.
std::vector<double> samples(char letter) {
    switch (letter) {
        case 'P': return {0.1, 1, 10, 50, 200, 1e-9, 5000};
        case 'T': return {300, 450, 700, 1500, 100, 3000};
        case 'Q': return {0, 0.25, 1, 1.5, -0.1};
        case 'H': return {100, 1500, 2800, 3500, -1, 9000};
        case 'S': return {0.5, 4, 6.5, 8, -1, 200};
        default: return {};
    }
}

// Unit-set arguments as text, with the UnitSet word each stands for.
struct UnitsCase {
    std::string text;
    std::int32_t set;
};
const std::vector<UnitsCase> kUnitTexts = {{"SIF", 3}, {"SI", 1}, {"Eng", 0}, {"SIFo", 11}, {"sifS", 19}};

class WrapperTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        openAddin();
    }

    static void expectSame(LPXLOPER r, double direct, const std::string& what) {
        ASSERT_NE(r, nullptr) << what;
        if (direct > -1000) {
            ASSERT_EQ(r->xltype, xltypeNum) << what << " direct " << direct;
            if (std::isnan(direct))
                EXPECT_TRUE(std::isnan(r->val.num)) << what;
            else
                EXPECT_EQ(r->val.num, direct) << what;
        } else {
            ASSERT_EQ(r->xltype, xltypeErr) << what << " direct " << direct;
            EXPECT_EQ(r->val.err, xlerrNum) << what;
        }
    }

    static void expectError(LPXLOPER r, XLWORD err, const std::string& what) {
        ASSERT_NE(r, nullptr) << what;
        ASSERT_EQ(r->xltype, xltypeErr) << what;
        EXPECT_EQ(r->val.err, err) << what;
    }

    static TwoValueFn wrapper2(const std::string& name) { return module().entry<TwoValueFn>("xl" + name); }
    static OneValueFn wrapper1(const std::string& name) { return module().entry<OneValueFn>("xl" + name); }
    static TwoValueCall direct2(const std::string& name) {
        return reinterpret_cast<TwoValueCall>(propertySymbol(name));
    }
    static OneValueCall direct1(const std::string& name) {
        return reinterpret_cast<OneValueCall>(propertySymbol(name));
    }
};

TEST_F(WrapperTest, EveryTwoValueWrapperMatchesTheDirectCall) {
    for (const std::string& name : kTwoValues) {
        const TwoValueFn xl = wrapper2(name);
        const TwoValueCall lib = direct2(name);
        ASSERT_NE(xl, nullptr) << name;
        ASSERT_NE(lib, nullptr) << name;
        int numbers = 0;
        int codes = 0;
        for (const double a : samples(name[3]))
            for (const double b : samples(name[4])) {
                for (const std::int32_t set : {0, 1, 3, 8, 11, 16, 19, 22}) {
                    Oper x = Oper::number(a), y = Oper::number(b), u = Oper::number(set);
                    const double d = lib(a, b, set);
                    (d > -1000 ? numbers : codes)++;
                    expectSame(
                        xl(x.get(), y.get(), u.get()),
                        d,
                        name + "(" + std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(set) + ")");
                }
                for (const UnitsCase& uc : kUnitTexts) {
                    Oper x = Oper::number(a), y = Oper::number(b), u = Oper::text(uc.text);
                    expectSame(xl(x.get(), y.get(), u.get()), lib(a, b, uc.set), name + " units " + uc.text);
                }
            }
        EXPECT_GT(numbers, 0) << name << ": no sample gave a value";
        EXPECT_GT(codes, 0) << name << ": no sample gave a code";
    }
}

TEST_F(WrapperTest, EveryOneValueWrapperMatchesTheDirectCall) {
    for (const std::string& name : kOneValue) {
        const OneValueFn xl = wrapper1(name);
        const OneValueCall lib = direct1(name);
        ASSERT_NE(xl, nullptr) << name;
        ASSERT_NE(lib, nullptr) << name;
        const char letter = name == "StmPT" ? 'P' : 'T';
        for (const double a : samples(letter)) {
            for (const std::int32_t set : {0, 1, 3, 4, 8, 11, 33}) {
                Oper x = Oper::number(a), u = Oper::number(set);
                expectSame(xl(x.get(), u.get()),
                           lib(a, set),
                           name + "(" + std::to_string(a) + ", " + std::to_string(set) + ")");
            }
            for (const UnitsCase& uc : kUnitTexts) {
                Oper x = Oper::number(a), u = Oper::text(uc.text);
                expectSame(xl(x.get(), u.get()), lib(a, uc.set), name + " units " + uc.text);
            }
        }
    }
}

// --- the unit-set argument ---

TEST_F(WrapperTest, NameNumberAndCaseGiveTheSameResult) {
    const TwoValueFn pth = wrapper2("StmPTH");
    Oper p = Oper::number(100), t = Oper::number(500);
    Oper eng = Oper::text("Eng"), zero = Oper::number(0), lower = Oper::text("eng");
    const double expected = StmPTH(100, 500, 0);
    ASSERT_GT(expected, -1000);
    expectSame(pth(p.get(), t.get(), eng.get()), expected, "Eng");
    expectSame(pth(p.get(), t.get(), zero.get()), expected, "0");
    expectSame(pth(p.get(), t.get(), lower.get()), expected, "eng");
}

// The examples of the unit-set syntax, each with the UnitSet word it stands for.
struct ParserExample {
    const char* text;
    std::int32_t set;  // -1: refused
};
const std::vector<ParserExample> kParserExamples = {
    {"SI", 1},
    {" si o", 9},
    {"EngGo", 10},
    {"METFS", 22},
    {"SIKOS", 28},
    {"S", -1},
    {"Engineering", 0},
    {"SIFO", 11},
    {"METo", 13},
    {"SIS", 17},
};

TEST_F(WrapperTest, UnitTextExamplesSelectTheirSets) {
    const TwoValueFn pth = wrapper2("StmPTH");
    for (const ParserExample& e : kParserExamples) {
        Oper p = Oper::number(100), t = Oper::number(500), u = Oper::text(e.text);
        if (e.set < 0)
            expectError(pth(p.get(), t.get(), u.get()), xlerrNum, e.text);
        else
            expectSame(pth(p.get(), t.get(), u.get()), StmPTH(100, 500, e.set), e.text);
    }
}

TEST_F(WrapperTest, FlagLettersReachTheLibrary) {
    // "SIo" asks for the 1967 equations (UnitSet 9), "EngS" for the fast (p,h) temperature (16).
    Oper p = Oper::number(100), t = Oper::number(500), sio = Oper::text("SIo");
    expectSame(wrapper2("StmPTH")(p.get(), t.get(), sio.get()), StmPTH(100, 500, 9), "SIo");
    Oper h = Oper::number(1200), engS = Oper::text("EngS");
    expectSame(wrapper2("StmPHT")(p.get(), h.get(), engS.get()), StmPHT(100, 1200, 16), "EngS");
}

TEST_F(WrapperTest, NumericUnitSetsAreTruncatedAndRangeChecked) {
    const TwoValueFn pth = wrapper2("StmPTH");
    Oper p = Oper::number(100), t = Oper::number(500);
    // 3.9 is set 3; -0.5 truncates to 0; 32 acts as set 0 in the library.
    for (const auto& [given, set] :
         std::vector<std::pair<double, std::int32_t>>{{3.9, 3}, {-0.5, 0}, {-0.999, 0}, {32, 32}, {22.7, 22}}) {
        Oper u = Oper::number(given);
        expectSame(pth(p.get(), t.get(), u.get()), StmPTH(100, 500, set), "units " + std::to_string(given));
    }
    // 40 is read but the library refuses it (-1099); 127.9 reads as 127, refused the same way.
    for (const double given : {40.0, 127.9, 33.0, 7.0}) {
        Oper u = Oper::number(given);
        expectError(pth(p.get(), t.get(), u.get()), xlerrNum, "units " + std::to_string(given));
    }
    // Numbers that would wrap through a 16-bit conversion, or cannot be converted at all.
    for (const double given : {65539.0,
                               -65535.0,
                               65536.0,
                               1e10,
                               2147483648.0,
                               -1.0,
                               -1e300,
                               128.0,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        Oper u = Oper::number(given);
        expectError(pth(p.get(), t.get(), u.get()), xlerrNum, "units " + std::to_string(given));
    }
}

TEST_F(WrapperTest, MissingUnitsUseEngWithoutAWorkbookName) {
    Oper p = Oper::number(100), t = Oper::number(500), none = Oper::missing();
    expectSame(wrapper2("StmPTH")(p.get(), t.get(), none.get()), StmPTH(100, 500, 0), "missing");
    ASSERT_EQ(host().evaluated.size(), 1u);
    EXPECT_EQ(host().evaluated[0], "StmBaseUnits");
}

TEST_F(WrapperTest, MissingUnitsFollowTheWorkbookNameStmBaseUnits) {
    const TwoValueFn pth = wrapper2("StmPTH");
    Oper p = Oper::number(100), t = Oper::number(500), none = Oper::missing();
    struct Case {
        HostValue value;
        std::int32_t set;
    };
    const std::vector<Case> cases = {
        {HostValue::number(1), 1},
        {HostValue::number(3.9), 3},
        {HostValue::number(11), 11},
        {HostValue::number(-0.5), 0},
        {HostValue::number(200), 0},
        {HostValue::number(1e10), 0},
        {HostValue::number(-65535), 0},
        {HostValue::text("SI"), 0},
        {HostValue::error(xlerrRef), 0},
        {HostValue::logical(true), 0},
    };
    for (const Case& c : cases) {
        host().workbookNames["StmBaseUnits"] = c.value;
        expectSame(pth(p.get(), t.get(), none.get()), StmPTH(100, 500, c.set), "StmBaseUnits case");
    }
    // A base set the library refuses gives #NUM! like an explicit one.
    host().workbookNames["StmBaseUnits"] = HostValue::number(40);
    expectError(pth(p.get(), t.get(), none.get()), xlerrNum, "StmBaseUnits 40");
}

TEST_F(WrapperTest, FailedEvaluationOfTheWorkbookNameGivesEng) {
    host().workbookNames["StmBaseUnits"] = HostValue::number(1);
    host().evaluateFails = true;
    Oper p = Oper::number(100), t = Oper::number(500), none = Oper::missing();
    expectSame(wrapper2("StmPTH")(p.get(), t.get(), none.get()), StmPTH(100, 500, 0), "evaluation failed");
}

TEST_F(WrapperTest, DefaultUnitsInTheConfigurationMakesTheUnitSetRequired) {
    writeConfig("DefaultUnits=dword:00000001\n");
    openAddin();
    const TwoValueFn pth = wrapper2("StmPTH");
    Oper p = Oper::number(100), t = Oper::number(500), none = Oper::missing(), si = Oper::text("SI");
    host().workbookNames["StmBaseUnits"] = HostValue::number(1);
    expectError(pth(p.get(), t.get(), none.get()), xlerrNum, "missing with DefaultUnits");
    EXPECT_TRUE(host().evaluated.empty()) << "the workbook name is not consulted";
    expectSame(pth(p.get(), t.get(), si.get()), StmPTH(100, 500, 1), "SI with DefaultUnits");
    Oper x = Oper::number(300);
    expectError(wrapper1("StmTP")(x.get(), none.get()), xlerrNum, "one-value wrapper, missing");
}

TEST_F(WrapperTest, DefaultUnitsOfAnotherKindSizeOrZeroIsIgnored) {
    const TwoValueFn pth = wrapper2("StmPTH");
    Oper p = Oper::number(100), t = Oper::number(500), none = Oper::missing();
    struct Case {
        const char* contents;
        bool required;
    };
    const std::vector<Case> cases = {
        {"", false},                                      // no value
        {"Other=dword:00000001\n", false},                // another value
        {"DefaultUnits=dword:00000000\n", false},         // zero
        {"DefaultUnits=dword:00010000\n", false},         // low 16 bits zero
        {"DefaultUnits=\"1\"\n", false},                  // a text
        {"DefaultUnits=hex:01,00,00,00\n", false},        // binary
        {"DefaultUnits=hex(4):01,00,00\n", false},        // a DWORD of three bytes
        {"DefaultUnits=hex(4):01,00,00,00,00\n", false},  // five bytes
        {"DefaultUnits=dword:1x\n", false},               // malformed
        {"DefaultUnits=hex(4):01,00,00,00\n", true},      // a DWORD by its bytes
        {"defaultunits = dword:00000003\n", true},        // names compare without case
        {"# comment\n\"DefaultUnits\"=dword:0000ff00\n", true},
    };
    for (const Case& c : cases) {
        writeConfig(c.contents);
        openAddin();
        LPXLOPER r = pth(p.get(), t.get(), none.get());
        if (c.required)
            expectError(r, xlerrNum, c.contents);
        else
            expectSame(r, StmPTH(100, 500, 0), c.contents);
    }
}

// --- results ---

TEST_F(WrapperTest, TextInAValueArgumentIsNotConverted) {
    Oper p = Oper::text("100"), t = Oper::number(500), si = Oper::text("SI");
    expectError(wrapper2("StmPTH")(p.get(), t.get(), si.get()), xlerrValue, "text pressure");
}

TEST_F(WrapperTest, TwoPhaseConductivityIsANumError) {
    Oper p = Oper::number(100), q = Oper::number(0.5), eng = Oper::text("Eng");
    ASSERT_EQ(StmPQK(100, 0.5, 0), -2000);  // the library's refusal
    expectError(wrapper2("StmPQK")(p.get(), q.get(), eng.get()), xlerrNum, "StmPQK two-phase");
}

TEST_F(WrapperTest, NegativeGaugePressureIsReturnedAsANumber) {
    // Saturation pressure at 100 F is about 0.95 psia, i.e. about -13.7 psig.
    Oper t = Oper::number(100), engG = Oper::text("EngG");
    LPXLOPER r = wrapper1("StmTP")(t.get(), engG.get());
    ASSERT_EQ(r->xltype, xltypeNum);
    EXPECT_LT(r->val.num, -13);
    EXPECT_GT(r->val.num, -14.7);
    EXPECT_EQ(r->val.num, StmTP(100, 2));
}

// --- bad OPERs in every position ---

std::vector<std::pair<std::string, Oper>> badValues() {
    return {{"text", Oper::text("1")},
            {"empty text", Oper::text("")},
            {"255-character text", Oper::text(std::string(255, '7'))},
            {"null text", Oper::nullText()},
            {"Boolean", Oper::boolean(true)},
            {"error", Oper::error(xlerrDiv0)},
            {"missing", Oper::missing()},
            {"nil", Oper::nil()},
            {"array", Oper::array(1, 300)},
            {"integer", Oper::integer(1)},
            {"reference", Oper::cellReference()}};
}

std::vector<std::pair<std::string, Oper>> badUnits() {
    return {{"unknown name", Oper::text("XYZ")},
            {"empty text", Oper::text("")},
            {"blanks", Oper::text("    ")},
            {"255-character text", Oper::text(std::string(255, 'x'))},
            {"null text", Oper::nullText()},
            {"Boolean", Oper::boolean(false)},
            {"error", Oper::error(xlerrNA)},
            {"nil", Oper::nil()},
            {"array", Oper::array(1, 1)},
            {"integer", Oper::integer(1)},
            {"reference", Oper::cellReference()}};
}

TEST_F(WrapperTest, BadValueArgumentsGiveValueErrorInEveryPosition) {
    for (const std::string& name : kTwoValues) {
        const TwoValueFn xl = wrapper2(name);
        for (auto [what, bad] : badValues()) {
            Oper good = Oper::number(1), units = Oper::number(3), badUnit = Oper::text("XYZ");
            expectError(xl(bad.get(), good.get(), units.get()), xlerrValue, name + " first " + what);
            expectError(xl(good.get(), bad.get(), units.get()), xlerrValue, name + " second " + what);
            // The value check comes before the unit set.
            expectError(xl(good.get(), bad.get(), badUnit.get()), xlerrValue, name + " second " + what + ", bad units");
            expectError(xl(nullptr, good.get(), units.get()), xlerrValue, name + " null first");
        }
    }
    for (const std::string& name : kOneValue) {
        const OneValueFn xl = wrapper1(name);
        for (auto [what, bad] : badValues()) {
            Oper units = Oper::number(3);
            expectError(xl(bad.get(), units.get()), xlerrValue, name + " " + what);
        }
    }
}

TEST_F(WrapperTest, BadUnitArgumentsGiveNumErrorInEveryWrapper) {
    for (const std::string& name : kTwoValues) {
        const TwoValueFn xl = wrapper2(name);
        for (auto [what, bad] : badUnits()) {
            Oper a = Oper::number(1), b = Oper::number(0.5);
            expectError(xl(a.get(), b.get(), bad.get()), xlerrNum, name + " units " + what);
        }
    }
    for (const std::string& name : kOneValue) {
        const OneValueFn xl = wrapper1(name);
        for (auto [what, bad] : badUnits()) {
            Oper a = Oper::number(300);
            expectError(xl(a.get(), bad.get()), xlerrNum, name + " units " + what);
        }
    }
}

TEST_F(WrapperTest, LongUnitTextsAreReadToTheirLastCharacter) {
    // A 255-character text: the name, blanks, and the 1967 flag as its very last character.
    const std::string text = "SI" + std::string(252, ' ') + "o";
    ASSERT_EQ(text.size(), 255u);
    Oper p = Oper::number(100), t = Oper::number(500), u = Oper::text(text);
    expectSame(wrapper2("StmPTH")(p.get(), t.get(), u.get()), StmPTH(100, 500, 9), "long text");
}

TEST_F(WrapperTest, NullOrMissingUnitsFallBackToTheDefault) {
    Oper p = Oper::number(100), t = Oper::number(500);
    expectSame(wrapper2("StmPTH")(p.get(), t.get(), nullptr), StmPTH(100, 500, 0), "null units");
}

}  // namespace
}  // namespace fakexl
