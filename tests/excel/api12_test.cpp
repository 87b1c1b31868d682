// The current-API (XLOPER12) side of the add-in's plain logic, as the 64-bit add-in uses it: the
// registration texts as wide counted strings with that API's type texts, and unit-set texts and
// values given as XLOPER12.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "registration_table12.h"
#include "unit_set.h"

namespace vapxl {
namespace {

std::u16string wide(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// A wide counted string of `s` in `buffer`.
XCHAR* counted(std::u16string& buffer, std::string_view s) {
    buffer = u' ' + wide(s);
    buffer[0] = static_cast<XCHAR>(s.size());
    return buffer.data();
}

TEST(Registration12, TypeTextsOfTheCurrentApi) {
    for (const RegistrationRow& row : kRegistrationTable) {
        std::string want(row[kTypeText]);
        for (char& c : want) c = c == 'P' ? 'Q' : c;
        if (kThreadSafeFunctions && row[kMacroType] == "1") want += '$';
        EXPECT_EQ(typeText12(row[kTypeText], row[kMacroType]), want) << row[kProcedure];
    }
    // The help command is never thread-safe.
    EXPECT_EQ(typeText12("A", "2"), "A");
}

TEST(Registration12, WideCellsCarryTheTextsAndTheirLengths) {
    for (std::size_t r = 0; r < kRegistrationRows12; ++r) {
        const bool byName = r >= kRegistrationRows;
        const std::size_t columns = byName ? std::size_t{kByNameColumns} : std::size_t{kRegistrationColumns};
        for (std::size_t c = 0; c < columns; ++c) {
            const XCHAR* cell = registrationPool12().raw(registrationCell12(r, c));
            const std::string_view text = byName ? kByNameTable[r - kRegistrationRows][c] : kRegistrationTable[r][c];
            const std::string_view macro =
                byName ? kByNameTable[r - kRegistrationRows][kMacroType] : kRegistrationTable[r][kMacroType];
            const std::string_view want = c == kTypeText ? typeText12(text, macro) : text;
            EXPECT_EQ(std::u16string(countedView(cell)), wide(want)) << "row " << r << " column " << c;
        }
    }
    // The by-name rows: five arguments, each with its help.
    for (const ByNameRow& row : kByNameTable) {
        EXPECT_EQ(typeText12(row[kTypeText], row[kMacroType]), kThreadSafeFunctions ? "QQQQQQ$" : "QQQQQQ");
        EXPECT_EQ(std::count(row[kArgumentText].begin(), row[kArgumentText].end(), ','), 4) << row[kProcedure];
        for (std::size_t c = kArgumentHelp1; c < kByNameColumns; ++c) EXPECT_GT(row[c].size(), 10u) << row[kProcedure];
        EXPECT_EQ("xl" + std::string(row[kFunctionText]), row[kProcedure]);
    }
    for (std::size_t i = 0; i < kMenuTable.size(); ++i)
        EXPECT_EQ(std::u16string(countedView(menuPool12().raw(i))), wide(kMenuTable[i]));
    EXPECT_EQ(std::u16string(countedView(miscPool12().raw(kBaseUnitsName))), u"StmBaseUnits");
    EXPECT_EQ(std::u16string(countedView(miscPool12().raw(kAddInName))), u"Ventora For Excel");
}

TEST(Registration12, StampingAWidePoolWritesNothing) {
    const XCHAR before = miscPool12().raw(kBanner)[0];
    EXPECT_EQ(miscPool12().stamp(kBanner), miscPool12().raw(kBanner));
    EXPECT_EQ(miscPool12().raw(kBanner)[0], before);
    EXPECT_EQ(static_cast<std::size_t>(before), kMiscTable[kBanner].size());
}

TEST(UnitSet12, WideTextsReadAsNarrowOnes) {
    for (const char* text : {"SI",
                             " si o",
                             "EngGo",
                             "METFS",
                             "SIKOS",
                             "S",
                             "Engineering",
                             "SIFO",
                             "METo",
                             "SIS",
                             "",
                             "   METF",
                             "XSI",
                             "SI oo ss"}) {
        std::u16string buffer;
        XLOPER12 units{};
        units.xltype = xltypeStr;
        units.val.str = counted(buffer, text);
        EXPECT_EQ(unitSetFromOper(units), unitSetFromText(text)) << '"' << text << '"';
    }
}

TEST(UnitSet12, WideCharactersOutsideAsciiMatchNoLetter) {
    // U+0130 (capital I with dot) and U+FF33 (fullwidth S) must not read as "I" or "S".
    EXPECT_EQ(unitSetFromChars(std::u16string_view(u"S\u0130")), std::nullopt);
    EXPECT_EQ(unitSetFromChars(std::u16string_view(u"SI\uFF33")), 1);
    EXPECT_EQ(unitSetFromChars(std::u16string_view(u"SI\u014F")), 1);  // o with breve is no "O"
}

TEST(UnitSet12, NumbersAndOtherTypes) {
    XLOPER12 units{};
    units.xltype = xltypeNum;
    units.val.num = 3.9;
    EXPECT_EQ(unitSetFromOper(units), 3);
    units.val.num = 128;
    EXPECT_EQ(unitSetFromOper(units), std::nullopt);
    for (const XLDWORD type : {xltypeBool, xltypeErr, xltypeNil, xltypeMissing, xltypeMulti, xltypeInt}) {
        units.xltype = type;
        units.val.w = 1;
        EXPECT_EQ(unitSetFromOper(units), std::nullopt) << type;
    }
    units.xltype = xltypeStr;
    units.val.str = nullptr;
    EXPECT_EQ(unitSetFromOper(units), std::nullopt);
    // Ownership bits do not change the type.
    units.xltype = xltypeNum | xlbitXLFree;
    units.val.num = 1;
    EXPECT_EQ(unitSetFromOper(units), 1);
}

TEST(UnitSet12, DefaultFromTheEvaluatedName) {
    XLOPER12 value{};
    value.xltype = xltypeNum;
    value.val.num = 1.7;
    EXPECT_EQ(defaultUnitSetFrom(&value), 1);
    value.val.num = 200;
    EXPECT_EQ(defaultUnitSetFrom(&value), 0);
    value.xltype = xltypeErr;
    value.val.err = xlerrName;
    EXPECT_EQ(defaultUnitSetFrom(&value), 0);
}

}  // namespace
}  // namespace vapxl
