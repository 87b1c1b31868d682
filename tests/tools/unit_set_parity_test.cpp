// Our unit-set name parser against the spreadsheet add-in's, on the same texts.
#include "unit_set.h"
#include "unit_set_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vapcalc {
namespace {

// Every text made of up to four characters from an alphabet that touches every rule: name letters
// in both cases, the flag letters, a blank and a stranger.
std::vector<std::string> generatedTexts() {
    const std::string alphabet = "EeNnGgSsIiFfKkMmTtOo x";
    std::vector<std::string> texts{""};
    std::vector<std::string> layer{""};
    for (int length = 1; length <= 4; ++length) {
        std::vector<std::string> next;
        for (const std::string& t : layer) {
            for (char c : alphabet) next.push_back(t + c);
        }
        texts.insert(texts.end(), next.begin(), next.end());
        layer = std::move(next);
    }
    for (const char* t : {"Engineering", " si o", "METFoS", "SIKOS", "  EngG  so"}) texts.emplace_back(t);
    return texts;
}

TEST(UnitSetParity, NamesAgreeWithTheSpreadsheetAddIn) {
    int compared = 0;
    for (const std::string& text : generatedTexts()) {
        ASSERT_EQ(parseUnitSetName(text), vapxl::unitSetFromText(text)) << "'" << text << "'";
        ++compared;
    }
    EXPECT_GT(compared, 200000);
}

TEST(UnitSetParity, NumbersAgreeWithTheSpreadsheetAddIn) {
    for (double x : {-1.0,
                     -0.999,
                     -0.5,
                     0.0,
                     0.4,
                     3.9,
                     7.0,
                     31.5,
                     32.0,
                     33.0,
                     40.0,
                     127.0,
                     127.9,
                     128.0,
                     65539.0,
                     -65535.0,
                     1e10,
                     2147483648.0}) {
        const std::string text = std::to_string(x);
        EXPECT_EQ(parseUnitSetNumber(text), vapxl::unitSetFromNumber(x)) << text;
    }
}

}  // namespace
}  // namespace vapcalc
