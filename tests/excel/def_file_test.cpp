// The Windows export table of the add-in against the registration table: every registered
// procedure and every entry point exported by name, with the stdcall argument bytes that its type
// text implies (4 per OPER pointer), and nothing else.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "registration_table.h"

namespace vapxl {
namespace {

std::map<std::string, std::string> defExports() {
    std::ifstream def(VAPXL32_DEF_PATH);
    EXPECT_TRUE(def.good()) << VAPXL32_DEF_PATH;
    std::map<std::string, std::string> exports;
    const std::regex line(R"(^\s+(\w+) = (\w+@\d+)\s*$)");
    std::string text;
    bool inExports = false;
    while (std::getline(def, text)) {
        if (text.rfind("EXPORTS", 0) == 0) {
            inExports = true;
            continue;
        }
        std::smatch m;
        if (inExports && std::regex_match(text, m, line)) exports[m[1]] = m[2];
    }
    return exports;
}

TEST(DefFile, ListsEveryProcedureAndEntryPointWithItsArgumentBytes) {
    std::map<std::string, std::string> expected = {{"xlAutoOpen", "xlAutoOpen@0"},
                                                   {"xlAutoClose", "xlAutoClose@0"},
                                                   {"xlAutoAdd", "xlAutoAdd@0"},
                                                   {"xlAutoRemove", "xlAutoRemove@0"},
                                                   {"xlAddInManagerInfo", "xlAddInManagerInfo@4"}};
    for (const RegistrationRow& row : kRegistrationTable) {
        const std::string procedure(row[kProcedure]);
        const std::size_t arguments = row[kTypeText].size() - 1;
        expected[procedure] = procedure + "@" + std::to_string(4 * arguments);
    }
    EXPECT_EQ(expected.size(), 49u);
    EXPECT_EQ(defExports(), expected);
}

// The 64-bit add-in's table: the same procedures by undecorated name, the by-name procedures, the
// current API's add-in manager query and xlAutoFree12, and nothing else.
TEST(DefFile, The64BitTableListsTheSameProceduresAndTheCurrentApiEntryPoints) {
    std::ifstream def(VAPXL64_DEF_PATH);
    ASSERT_TRUE(def.good()) << VAPXL64_DEF_PATH;
    std::set<std::string> listed;
    const std::regex line(R"(^\s+(\w+)\s*$)");
    std::string text;
    bool inExports = false;
    while (std::getline(def, text)) {
        if (text.rfind("EXPORTS", 0) == 0) {
            inExports = true;
            continue;
        }
        std::smatch m;
        if (inExports && std::regex_match(text, m, line)) {
            EXPECT_TRUE(listed.insert(m[1]).second) << m[1];
        }
    }
    std::set<std::string> expected = {
        "xlAutoOpen", "xlAutoClose", "xlAutoAdd", "xlAutoRemove", "xlAddInManagerInfo12", "xlAutoFree12"};
    for (const RegistrationRow& row : kRegistrationTable) expected.insert(std::string(row[kProcedure]));
    for (const ByNameRow& row : kByNameTable) expected.insert(std::string(row[kProcedure]));
    EXPECT_EQ(listed, expected);
}

}  // namespace
}  // namespace vapxl
