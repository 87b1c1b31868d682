// The UnitSet word: refusal above 32 in the low 16 bits, set index, IFC-67 bit, fast bit.
#include "unit_set_word.h"

#include <gtest/gtest.h>

namespace vaprop {
namespace {

struct WordRow {
    std::int32_t word;
    bool refused;
    int set;
    bool ifc67;
    bool fast;
};

// The low 16 bits read as a signed number decide refusal; higher bits are not looked at.
const WordRow kWords[] = {
    {0, false, 0, false, false},      {1, false, 1, false, false},   {6, false, 6, false, false},
    {7, false, 7, false, false},      {8, false, 0, true, false},    {11, false, 3, true, false},
    {15, false, 7, true, false},      {16, false, 0, false, true},   {19, false, 3, false, true},
    {23, false, 7, false, true},      {27, false, 3, true, true},    {31, false, 7, true, true},
    {32, false, 0, false, false},     {33, true, 1, false, false},   {34, true, 2, false, false},
    {64, true, 0, false, false},      {0x7FFF, true, 7, true, true}, {0x10000, false, 0, false, false},
    {0x10021, true, 1, false, false}, {-1, false, 7, true, true},    {0x8000, false, 0, false, false},
};

TEST(UnitSetWord, Rows) {
    for (const WordRow& row : kWords) {
        EXPECT_EQ(unitSetRefused(row.word), row.refused) << row.word;
        const UnitSetWord w = decodeUnitSet(row.word);
        EXPECT_EQ(w.set, row.set) << row.word;
        EXPECT_EQ(w.ifc67, row.ifc67) << row.word;
        EXPECT_EQ(w.backwardOnly, row.fast) << row.word;
    }
}

}  // namespace
}  // namespace vaprop
