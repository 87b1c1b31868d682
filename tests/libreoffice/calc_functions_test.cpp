// The Calc add-in's function table against the spreadsheet add-in's registration table: every
// worksheet row once, in order, with its own texts; the Calc-only functions after them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_functions.h"
#include "registration_table.h"

namespace vapropcalc {
namespace {

TEST(CalcFunctions, EveryWorksheetRowOfTheRegistrationTableInOrderWithItsTexts) {
    std::size_t at = 0;
    for (const vapxl::RegistrationRow& row : vapxl::kRegistrationTable) {
        if (row[vapxl::kMacroType] != "1") continue;
        ASSERT_LT(at, kFunctions.size());
        const CalcFunction& f = kFunctions[at++];
        EXPECT_EQ(f.name, row[vapxl::kFunctionText]);
        EXPECT_EQ(f.argumentText, row[vapxl::kArgumentText]);
        EXPECT_EQ(f.category, row[vapxl::kCategory]);
        EXPECT_EQ(f.help, row[vapxl::kFunctionHelp]);
        for (std::size_t i = 0; i < argumentCount(f); ++i)
            EXPECT_EQ(f.argumentHelp[i], row[vapxl::kArgumentHelp1 + i]) << f.name << " argument " << i;
    }
    EXPECT_EQ(at, kRegisteredFunctionCount);
    // 43 worksheet functions (the help command is not one), then StmProp and StmErrorText.
    EXPECT_EQ(kRegisteredFunctionCount, 43u);
    EXPECT_EQ(kFunctions[kRegisteredFunctionCount].name, "StmProp");
    EXPECT_EQ(kFunctions.back().name, "StmErrorText");
    EXPECT_FALSE(findFunction("GetSteamHelp").has_value());
}

struct ArgumentRow {
    std::string_view text;
    std::vector<std::string_view> names;
};

TEST(CalcFunctions, ArgumentNamesFromTheArgumentText) {
    const std::vector<ArgumentRow> rows = {
        {"Pressure, Temperature, Units", {"Pressure", "Temperature", "Units"}},
        {"Temperature, Units", {"Temperature", "Units"}},
        {" ", {}},
        {"", {}},
        {"  A ,B,  C  ", {"A", "B", "C"}},
    };
    for (const ArgumentRow& row : rows) {
        ASSERT_EQ(argumentCount(row.text), row.names.size()) << row.text;
        for (std::size_t i = 0; i < row.names.size(); ++i)
            EXPECT_EQ(argumentName(row.text, i), row.names[i]) << row.text;
        EXPECT_EQ(argumentName(row.text, row.names.size()), "") << row.text;
    }
}

TEST(CalcFunctions, KindsAndArgumentCounts) {
    EXPECT_EQ(kFunctions[*findFunction("StmVer")].kind, FunctionKind::version);
    EXPECT_EQ(kFunctions[*findFunction("StmTempIT")].kind, FunctionKind::oneValue);
    EXPECT_EQ(kFunctions[*findFunction("StmPHG")].kind, FunctionKind::twoValues);
    EXPECT_EQ(kFunctions[*findFunction("StmProp")].kind, FunctionKind::byNames);
    EXPECT_EQ(argumentCount(kFunctions[*findFunction("StmProp")]), 5u);
    EXPECT_EQ(argumentCount(kFunctions[*findFunction("StmErrorText")]), kMaxArguments);
}

TEST(CalcFunctions, LookupIgnoresCaseAndNeedsTheWholeName) {
    ASSERT_TRUE(findFunction("stmpth").has_value());
    EXPECT_EQ(kFunctions[*findFunction("stmpth")].name, "StmPTH");
    EXPECT_EQ(kFunctions[*findFunction("STMERRORTEXT")].name, "StmErrorText");
    EXPECT_FALSE(findFunction("StmPTHX").has_value());
    EXPECT_FALSE(findFunction("StmPT ").has_value());
    EXPECT_FALSE(findFunction("").has_value());
}

}  // namespace
}  // namespace vapropcalc
