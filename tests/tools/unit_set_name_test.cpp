// Unit-set names and numbers of --units.
#include "unit_set_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace vapcalc {
namespace {

struct NameRow {
    std::string_view text;
    std::optional<std::int32_t> expected;
};

// The examples of the spreadsheet add-in's unit-set syntax, and a few more of the same rules.
const NameRow kNameRows[] = {
    {"SI", 1},
    {" si o", 9},  // leading blank skipped, "o" adds 8
    {"EngGo", 10},
    {"METFS", 22},
    {"SIKOS", 28},
    {"S", std::nullopt},  // "SI" needs two characters
    {"Engineering", 0},   // ENGG fails on its fourth letter, ENG matches; no O or S after it
    {"SIFO", 11},
    {"METo", 13},
    {"SIS", 17},
    {"eng", 0},
    {"ENG", 0},
    {"engg", 2},
    {"sif", 3},
    {"sik", 4},
    {"met", 5},
    {"metf", 6},
    {"SIoo", 9},       // repeated letters count once
    {"SI os so", 25},  // blanks and other characters after the name are ignored
    {"SIx", 1},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"XY", std::nullopt},
    {"\tSI", std::nullopt},  // only blanks are skipped, not tabs
    {"E", std::nullopt},
};

TEST(UnitSetName, RowsOfTheNameSyntax) {
    for (const NameRow& row : kNameRows) {
        EXPECT_EQ(parseUnitSetName(row.text), row.expected) << "'" << row.text << "'";
        EXPECT_EQ(parseUnitSet(row.text), row.expected) << "'" << row.text << "'";
    }
}

const NameRow kNumberRows[] = {
    {"0", 0},
    {"3", 3},
    {"3.9", 3},   // truncated toward zero
    {"-0.5", 0},  // above -1, truncates to 0
    {"-1", std::nullopt},
    {"9", 9},
    {"40", 40},  // passed on; the library answers -1099
    {"127", 127},
    {"127.99", 127},
    {"128", std::nullopt},
    {"65539", std::nullopt},  // would wrap to set 3 through a 16-bit conversion
    {"-65535", std::nullopt},
    {"1e10", std::nullopt},
    {"2147483648", std::nullopt},
    {"1e400", std::nullopt},  // not a double at all, and no name
    {"nan", std::nullopt},
    {"inf", std::nullopt},
};

TEST(UnitSetName, RowsOfTheNumberSyntax) {
    for (const NameRow& row : kNumberRows) {
        EXPECT_EQ(parseUnitSetNumber(row.text), row.expected) << "'" << row.text << "'";
        EXPECT_EQ(parseUnitSet(row.text), row.expected) << "'" << row.text << "'";
    }
}

TEST(UnitSetName, DisplayNamesFollowTheSetIndex) {
    EXPECT_EQ(unitSetName(0), "Eng");
    EXPECT_EQ(unitSetName(1), "SI");
    EXPECT_EQ(unitSetName(2), "EngG");
    EXPECT_EQ(unitSetName(3), "SIF");
    EXPECT_EQ(unitSetName(4), "SIK");
    EXPECT_EQ(unitSetName(5), "MET");
    EXPECT_EQ(unitSetName(6), "METF");
    EXPECT_EQ(unitSetName(7), "?");
    EXPECT_EQ(unitSetName(1 + 8 + 16), "SI");
}

}  // namespace
}  // namespace vapcalc
