// One worksheet function call without Calc: the results equal the library's bit for bit, and every
// failure gives the spreadsheet add-in's error in Calc's form, with its text.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "evaluate.h"
#include "library_folder.h"

namespace vapropcalc {
namespace {

using Kind = Argument::Kind;

Argument number(double x) { return {Kind::number, x, {}}; }
Argument text(std::string_view s) { return {Kind::text, 0, s}; }
const Argument kMissing{};
const Argument kOther{Kind::other, 0, {}};

class FixedDefaults final : public UnitDefaults {
  public:
    FixedDefaults(bool required, std::int32_t base) : required_(required), base_(base) {}
    bool unitsRequired() const override { return required_; }
    std::int32_t baseUnits() const override {
        ++asked;
        return base_;
    }
    mutable int asked = 0;

  private:
    bool required_;
    std::int32_t base_;
};

std::size_t indexOf(std::string_view name) { return *findFunction(name); }

// An export of the built library itself, opened on its own (the reference for every value).
void* builtExport(std::string_view name) {
    static void* const handle = dlopen(VAPROP32_FILE, RTLD_NOW | RTLD_LOCAL);
    return handle != nullptr ? dlsym(handle, std::string(name).c_str()) : nullptr;
}

double direct(std::string_view name, double a, double b, std::int32_t set) {
    void* const entry = builtExport(name);
    if (kFunctions[indexOf(name)].kind == FunctionKind::oneValue) return reinterpret_cast<OneValueCall>(entry)(a, set);
    return reinterpret_cast<TwoValueCall>(entry)(a, b, set);
}

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

class Evaluate : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new LibraryFolder(true, true);
        library_ = new PropertyLibrary(PropertyLibrary::load(folder_->path()));
        ASSERT_EQ(library_->failure(), "");
    }
    static void TearDownTestSuite() {
        delete library_;
        delete folder_;
    }
    static const PropertyLibrary& library() { return *library_; }

  private:
    static inline LibraryFolder* folder_ = nullptr;
    static inline PropertyLibrary* library_ = nullptr;
};

// Pressure, temperature and a saturation temperature in the units of sets 0, 1 and 3.
struct State {
    std::int32_t set;
    double p, t, tSat;
};
const State kStates[] = {{0, 200, 600, 300}, {1, 15, 300, 150}, {3, 1.5, 573.15, 423.15}};
// Flag bits on top of the set: none, IFC-67, fast, both.
const std::int32_t kFlags[] = {0, 8, 16, 24};

TEST_F(Evaluate, EveryFunctionEqualsTheLibraryBitForBit) {
    const FixedDefaults defaults(false, 0);
    int compared = 0;
    for (const State& s : kStates) {
        for (const std::int32_t flags : kFlags) {
            const std::int32_t word = s.set + flags;
            for (std::size_t i = 0; i < kFunctions.size(); ++i) {
                const CalcFunction& f = kFunctions[i];
                if (f.kind != FunctionKind::oneValue && f.kind != FunctionKind::twoValues) continue;
                const char group = f.name.size() >= 5 ? f.name[3] : ' ';
                const char second = f.name.size() >= 5 ? f.name[4] : ' ';
                double a = s.p, b = s.t;
                if (f.name == "StmTP") a = s.tSat;
                if (f.name == "StmTempTI" || f.name == "StmTempIT") a = s.t;
                if (group == 'T' && second == 'Q') a = s.tSat, b = 1.0;
                if (group == 'P' && second == 'Q') b = 1.0;
                if (group == 'P' && second == 'H') b = direct("StmPTH", s.p, s.t, s.set);
                if (group == 'P' && second == 'S') b = direct("StmPTS", s.p, s.t, s.set);
                const std::vector<Argument> args = f.kind == FunctionKind::oneValue
                                                       ? std::vector<Argument>{number(a), number(word)}
                                                       : std::vector<Argument>{number(a), number(b), number(word)};
                const Outcome o = evaluate(i, library(), args, defaults);
                const double want = direct(f.name, a, b, word);
                ASSERT_EQ(o.failure, want > -1000 ? Failure::none : Failure::libraryCode) << f.name << " set " << word;
                EXPECT_EQ(bits(o.value), bits(want)) << f.name << " set " << word;
                if (o.failure == Failure::none) {
                    EXPECT_EQ(bits(cellValue(o)), bits(want));
                }
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 3 * 4 * 42);
    EXPECT_EQ(defaults.asked, 0);  // a given unit set never looks at the document
    const Outcome version = evaluate(indexOf("StmVer"), library(), {}, defaults);
    EXPECT_EQ(version.failure, Failure::none);
    EXPECT_EQ(version.value, 3.2);
}

TEST_F(Evaluate, StmPropEqualsTheLibraryByNamesBitForBit) {
    using ByNames = double (*)(const char*, double, double, const char*, std::int32_t);
    const auto reference = reinterpret_cast<ByNames>(builtExport("StmProp"));
    ASSERT_NE(reference, nullptr);
    const FixedDefaults defaults(false, 0);
    const char* const names[] = {"P", "T", "Q", "H", "S", "V", "C", "W", "G", "K", "M", "R", "PR", "h"};
    int compared = 0;
    for (const State& s : kStates) {
        struct Input {
            const char* pair;
            double a, b;
        };
        const Input inputs[] = {{"PT", s.p, s.t},
                                {"TP", s.t, s.p},
                                {"pq", s.p, 0.5},
                                {"TQ", s.tSat, 1.0},
                                {"PH", s.p, direct("StmPTH", s.p, s.t, s.set)},
                                {"PS", s.p, direct("StmPQS", s.p, 0.5, s.set)}};
        for (const std::int32_t flags : kFlags) {
            for (const Input& in : inputs) {
                for (const char* name : names) {
                    const std::int32_t word = s.set + flags;
                    const std::vector<Argument> args = {
                        text(in.pair), number(in.a), number(in.b), text(name), number(word)};
                    const Outcome o = evaluate(indexOf("StmProp"), library(), args, defaults);
                    const double want = reference(in.pair, in.a, in.b, name, word);
                    EXPECT_EQ(o.failure, want > -1000 ? Failure::none : Failure::libraryCode) << in.pair << " " << name;
                    EXPECT_EQ(bits(o.value), bits(want)) << in.pair << " " << name << " set " << word;
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 3 * 4 * 6 * 14);
}

struct FailureRow {
    const char* function;
    std::vector<Argument> args;
    bool required;  // DefaultUnits set
    Failure failure;
    std::size_t argument;  // with notANumber
    std::uint32_t calcError;
    const char* text;
};

TEST_F(Evaluate, FailuresInTheSpreadsheetAddinsOrderWithCalcsErrorValuesAndTexts) {
    const std::vector<FailureRow> rows = {
        // value arguments: only numbers, checked before the unit set
        {"StmPTH",
         {text("200"), number(600), text("Eng")},
         false,
         Failure::notANumber,
         0,
         kCalcErrorValue,
         "Pressure is not a number"},
        {"StmPTH",
         {number(200), kOther, text("XYZ")},
         false,
         Failure::notANumber,
         1,
         kCalcErrorValue,
         "Temperature is not a number"},
        {"StmTQH",
         {number(212), kMissing, text("Eng")},
         false,
         Failure::notANumber,
         1,
         kCalcErrorValue,
         "Quality is not a number"},
        {"StmTP", {}, false, Failure::notANumber, 0, kCalcErrorValue, "Temperature is not a number"},
        // the unit set
        {"StmPTH",
         {number(200), number(600), text("S")},
         false,
         Failure::unitSetUnreadable,
         0,
         kCalcErrorNum,
         "unit set not recognised: Eng, SI, EngG, SIF, SIK, MET or METF, with 'o' and 'S' as needed, or a number "
         "from 0 to 127"},
        {"StmPTH",
         {number(200), number(600), number(128)},
         false,
         Failure::unitSetUnreadable,
         0,
         kCalcErrorNum,
         nullptr},
        {"StmPTH",
         {number(200), number(600), number(-1)},
         false,
         Failure::unitSetUnreadable,
         0,
         kCalcErrorNum,
         nullptr},
        {"StmPTH", {number(200), number(600), kOther}, false, Failure::unitSetUnreadable, 0, kCalcErrorNum, nullptr},
        {"StmPT",
         {number(200)},
         true,
         Failure::unitSetMissing,
         0,
         kCalcErrorNum,
         "no unit set given, and the DefaultUnits setting asks for one in every call"},
        // the library's codes
        {"StmPTH",
         {number(200), number(600), number(40)},
         false,
         Failure::libraryCode,
         0,
         kCalcErrorNum,
         "invalid unit set number (-1099)"},
        {"StmPQK",
         {number(100), number(0.5), text("Eng")},
         false,
         Failure::libraryCode,
         0,
         kCalcErrorNum,
         "internal error (-2000)"},
        {"StmPTH",
         {number(0), number(600), text("Eng")},
         false,
         Failure::libraryCode,
         0,
         kCalcErrorNum,
         "pressure too low (-1300)"},
        // StmProp: the pair and the property are texts, the inputs numbers; the library judges the names
        {"StmProp",
         {number(1), number(200), number(600), text("H"), text("Eng")},
         false,
         Failure::notAText,
         0,
         kCalcErrorValue,
         "Pair is not a text"},
        {"StmProp",
         {text("PT"), number(200), number(600), kMissing, text("Eng")},
         false,
         Failure::notAText,
         3,
         kCalcErrorValue,
         "Property is not a text"},
        {"StmProp",
         {text("PT"), number(200), text("600"), text("H"), text("Eng")},
         false,
         Failure::notANumber,
         2,
         kCalcErrorValue,
         "Input2 is not a number"},
        {"StmProp",
         {text("PT"), number(200), number(600), text("H"), text("S")},
         false,
         Failure::unitSetUnreadable,
         0,
         kCalcErrorNum,
         nullptr},
        {"StmProp",
         {text("QQ"), number(200), number(600), text("H"), text("Eng")},
         false,
         Failure::libraryCode,
         0,
         kCalcErrorNum,
         "unknown input pair (-3100)"},
        {"StmProp",
         {text("PT"), number(200), number(600), text("X"), text("Eng")},
         false,
         Failure::libraryCode,
         0,
         kCalcErrorNum,
         "unknown property name (-3200)"},
    };
    const FixedDefaults optional(false, 0);
    const FixedDefaults required(true, 0);
    for (const FailureRow& row : rows) {
        const std::size_t i = indexOf(row.function);
        const Outcome o = evaluate(i, library(), row.args, row.required ? required : optional);
        EXPECT_EQ(o.failure, row.failure) << row.function;
        if (row.failure == Failure::notANumber) {
            EXPECT_EQ(o.argument, row.argument) << row.function;
        }
        EXPECT_EQ(bits(cellValue(o)), 0x7FF8000000000000u | row.calcError) << row.function;
        EXPECT_TRUE(std::isnan(cellValue(o)));
        if (row.text != nullptr) {
            EXPECT_EQ(failureText(i, o, library()), row.text) << row.function;
        }
    }
    EXPECT_EQ(required.asked, 0);
}

struct UnitRow {
    Argument units;
    std::int32_t word;  // what the call must equal
};

TEST_F(Evaluate, UnitSetsByNameNumberAndDefault) {
    const std::vector<UnitRow> rows = {
        {text("Eng"), 0},
        {text("eng"), 0},
        {text("SI"), 1},
        {text(" si o"), 9},
        {text("EngGo"), 10},
        {text("METFS"), 22},
        {text("SIKOS"), 28},
        {text("Engineering"), 0},
        {text("SIFO"), 11},
        {text("METo"), 13},
        {text("SIS"), 17},
        {number(3.9), 3},
        {number(-0.5), 0},
        {number(127.9), 127},
        {kMissing, 5},
    };
    const FixedDefaults defaults(false, 5);
    for (const UnitRow& row : rows) {
        const Outcome o =
            evaluate(indexOf("StmPTH"), library(), std::vector<Argument>{number(10), number(300), row.units}, defaults);
        const double want = direct("StmPTH", 10, 300, row.word);
        EXPECT_EQ(bits(o.value), bits(want)) << row.units.text << " " << row.units.number;
    }
    EXPECT_EQ(defaults.asked, 1);
    // A negative result above the codes is a value (gauge pressure of 100 F steam in EngG).
    const Outcome gauge =
        evaluate(indexOf("StmTP"), library(), std::vector<Argument>{number(100), text("EngG")}, defaults);
    EXPECT_EQ(gauge.failure, Failure::none);
    EXPECT_LT(gauge.value, 0);
}

struct ErrorTextRow {
    std::vector<Argument> args;
    std::string text;
};

TEST_F(Evaluate, ErrorTextNamesTheReasonOfAnyFunctionsCall) {
    const std::vector<ErrorTextRow> rows = {
        {{text("StmPTH"), number(200), number(600), text("Eng")}, ""},
        {{text("stmpqk"), number(100), number(0.5), text("Eng")}, "internal error (-2000)"},
        {{text("StmPTH"), text("x"), number(600)}, "Pressure is not a number"},
        {{text("StmPT"), number(100), text("SI"), number(5)}, "StmPT takes 2 arguments"},
        {{text("StmPT"), number(100), text("SI"), kMissing, kMissing}, ""},
        {{text("StmVer")}, ""},
        {{text("StmFoo")}, "not a function of this add-in: StmFoo"},
        {{text("StmErrorText")}, "not a function of this add-in: StmErrorText"},
        {{number(12)}, "the first argument must be the name of a steam function, in quotes"},
        {{}, "the first argument must be the name of a steam function, in quotes"},
    };
    const FixedDefaults defaults(false, 0);
    for (const ErrorTextRow& row : rows) EXPECT_EQ(errorText(row.args, library(), defaults), row.text);
}

TEST(EvaluateWithoutLibrary, EveryFunctionNotAvailableWithTheReason) {
    const LibraryFolder empty(false, false);
    const PropertyLibrary missing = PropertyLibrary::load(empty.path());
    const FixedDefaults defaults(false, 0);
    const std::vector<Argument> args = {number(200), number(600), text("Eng")};
    for (std::size_t i = 0; i < kFunctions.size(); ++i) {
        if (kFunctions[i].kind == FunctionKind::errorText) continue;
        const Outcome o = evaluate(i, missing, args, defaults);
        EXPECT_EQ(o.failure, Failure::notAvailable) << kFunctions[i].name;
        EXPECT_EQ(bits(cellValue(o)), 0x7FF8000000000000u | kCalcErrorNotAvailable);
    }
    const std::string why =
        errorText(std::vector<Argument>{text("StmPTH"), number(200), number(600)}, missing, defaults);
    EXPECT_EQ(why.rfind("property library not available: ", 0), 0u) << why;

    // A library without one export: that function alone is not available.
    PropertyLibrary::Entries entries{};
    entries[indexOf("StmPTS")] = builtExport("StmPTS");
    const PropertyLibrary partial = PropertyLibrary::fromEntries(entries);
    EXPECT_EQ(evaluate(indexOf("StmPTS"), partial, args, defaults).failure, Failure::none);
    const Outcome o = evaluate(indexOf("StmPTH"), partial, args, defaults);
    EXPECT_EQ(o.failure, Failure::notAvailable);
    EXPECT_EQ(failureText(indexOf("StmPTH"), o, partial),
              std::string("StmPTH is not in the property library ") + VAPROP32_SONAME);
}

TEST(PlainNumber, OnlyAWholeNumberText) {
    EXPECT_EQ(plainNumber("4"), 4.0);
    EXPECT_EQ(plainNumber(" 3.9 "), 3.9);
    EXPECT_EQ(plainNumber("-1"), -1.0);
    EXPECT_EQ(plainNumber("1e1"), 10.0);
    for (const char* s : {"", " ", "\"SI\"", "1+1", "$Sheet1.$A$1", "4x", "+4", "0x10"})
        EXPECT_FALSE(plainNumber(s).has_value()) << s;
}

}  // namespace
}  // namespace vapropcalc
