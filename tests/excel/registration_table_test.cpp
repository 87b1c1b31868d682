// The registration, menu and other texts as stored: their shape, their length bytes, and the
// counted-string pool they live in.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "registration_table.h"

namespace vapxl {
namespace {

TEST(RegistrationTable, RowsHaveTheDocumentedShape) {
    std::set<std::string_view> procedures;
    for (const RegistrationRow& row : kRegistrationTable) {
        for (const std::string_view cell : row) {
            EXPECT_FALSE(cell.empty()) << row[kProcedure] << ": blanks are one space, never empty";
            EXPECT_LE(cell.size(), kCountedMax);
        }
        EXPECT_TRUE(procedures.insert(row[kProcedure]).second) << "duplicate " << row[kProcedure];
        EXPECT_EQ(row[kCategory], "Engineering");
        EXPECT_EQ(row[kShortcut], " ");
        EXPECT_EQ(row[kHelpTopic], " ");
        const bool command = row[kProcedure] == "GetSteamHelp";
        EXPECT_EQ(row[kMacroType], command ? "2" : "1");
        if (command) continue;
        // The worksheet function is the procedure without its "xl".
        EXPECT_EQ(std::string("xl") + std::string(row[kFunctionText]), row[kProcedure]);
        // One P per argument after the result; every argument named in the argument text.
        const std::size_t arguments = row[kTypeText].size() - 1;
        const std::string_view names = row[kArgumentText];
        const std::size_t named =
            names == " " ? 0 : 1 + static_cast<std::size_t>(std::count(names.begin(), names.end(), ','));
        EXPECT_EQ(named, arguments) << row[kProcedure];
        // Argument helps beyond the arguments are blank.
        for (std::size_t i = arguments; i < 3; ++i) EXPECT_EQ(row[kArgumentHelp1 + i], " ") << row[kProcedure];
    }
    EXPECT_EQ(procedures.size(), kRegistrationRows);
}

TEST(RegistrationTable, UnitSetHelpMentionsTheFastFlagOnlyForPhAndPsFunctions) {
    for (const RegistrationRow& row : kRegistrationTable) {
        const std::string_view f = row[kFunctionText];
        const bool backward =
            f.size() == 6 && f.substr(0, 3) == "Stm" && (f.substr(3, 2) == "PH" || f.substr(3, 2) == "PS");
        const bool fastHelp = row[kArgumentHelp3] == text::kUnitsFast;
        EXPECT_EQ(fastHelp, backward) << f;
    }
}

TEST(CountedPool, StampWritesTheLengthByte) {
    static constexpr std::array<std::string_view, 3> texts = {"", "abc", "Ventora"};
    static constinit CountedPool<3, countedPoolBytes(texts)> pool{texts};
    EXPECT_EQ(pool.raw(1)[0], '\0') << "placeholder until stamped";
    char* s = pool.stamp(1);
    EXPECT_EQ(static_cast<unsigned char>(s[0]), 3u);
    EXPECT_EQ(std::string(s + 1, 3), "abc");
    EXPECT_EQ(static_cast<unsigned char>(pool.stamp(0)[0]), 0u);
    EXPECT_EQ(countedView(pool.stamp(2)), "Ventora");
    // Overwriting the byte does not survive the next stamp.
    s[0] = 99;
    pool.stampAll();
    EXPECT_EQ(static_cast<unsigned char>(pool.raw(1)[0]), 3u);
}

TEST(CountedPool, LongestTextFits) {
    static constexpr std::string_view longest =
        "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
        "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
        "0123456789012345678901234567890123456789012345678901234";
    static_assert(longest.size() == 255);
    static constexpr std::array<std::string_view, 1> texts = {longest};
    static constinit CountedPool<1, countedPoolBytes(texts)> pool{texts};
    EXPECT_EQ(static_cast<unsigned char>(pool.stamp(0)[0]), 255u);
    EXPECT_EQ(countedView(pool.raw(0)), longest);
}

TEST(StoredTexts, EveryRegistrationCellIsStampedWithItsLength) {
    registrationPool().stampAll();
    for (std::size_t r = 0; r < kRegistrationRows; ++r)
        for (std::size_t c = 0; c < kRegistrationColumns; ++c)
            EXPECT_EQ(countedView(registrationPool().raw(r * kRegistrationColumns + c)), kRegistrationTable[r][c]);
    menuPool().stampAll();
    for (std::size_t i = 0; i < kMenuTable.size(); ++i) EXPECT_EQ(countedView(menuPool().raw(i)), kMenuTable[i]);
    EXPECT_EQ(countedView(miscText(kAddInName)), "Ventora For Excel");
    EXPECT_EQ(countedView(miscText(kBaseUnitsName)), "StmBaseUnits");
}

}  // namespace
}  // namespace vapxl
