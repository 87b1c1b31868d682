// The shape rules of StmTable's inputs: one number for every row, a column or a row of cells one
// table row each, and no number (the error value in that row only) for text, errors, empty cells,
// rows beyond the shorter input and arrays of several rows and columns.
#include <gtest/gtest.h>

#include <vector>

#include "table_shape.h"

namespace vapxl {
namespace {

XLOPER12 number(double x) {
    XLOPER12 o{};
    o.xltype = xltypeNum;
    o.val.num = x;
    return o;
}
XLOPER12 ofType(XLDWORD type) {
    XLOPER12 o{};
    o.xltype = type;
    return o;
}
XLOPER12 array(std::vector<XLOPER12>& cells, RW rows, COL columns) {
    XLOPER12 o{};
    o.xltype = xltypeMulti;
    o.val.array.lparray = cells.data();
    o.val.array.rows = rows;
    o.val.array.columns = columns;
    return o;
}

// The numbers of rows 0 .. n-1 of an input, NaN standing for "no number".
std::vector<double> read(const TableInput<XLOPER12>& in, std::size_t n) {
    std::vector<double> got;
    for (std::size_t i = 0; i < n; ++i) {
        double x = 0;
        got.push_back(in.value(i, x) ? x : -999999);
    }
    return got;
}

TEST(TableShape, ANumberServesEveryRow) {
    const XLOPER12 x = number(7);
    const TableInput<XLOPER12> in(&x);
    EXPECT_EQ(in.rows(), 1u);
    EXPECT_EQ(read(in, 3), (std::vector<double>{7, 7, 7}));
}

TEST(TableShape, AColumnOrARowGivesOneTableRowPerCell) {
    std::vector<XLOPER12> cells = {number(1), number(2), ofType(xltypeStr), number(4)};
    for (const auto& [rows, columns] : {std::pair{4, 1}, std::pair{1, 4}}) {
        const XLOPER12 a = array(cells, rows, columns);
        const TableInput<XLOPER12> in(&a);
        EXPECT_EQ(in.rows(), 4u);
        EXPECT_EQ(read(in, 5), (std::vector<double>{1, 2, -999999, 4, -999999})) << "a text cell and row 5 have none";
    }
}

TEST(TableShape, CellsWithoutNumbersGiveNoNumber) {
    std::vector<XLOPER12> cells = {
        ofType(xltypeErr), ofType(xltypeBool), ofType(xltypeNil), ofType(xltypeMissing), number(5)};
    const XLOPER12 a = array(cells, 5, 1);
    EXPECT_EQ(read(TableInput<XLOPER12>(&a), 5), (std::vector<double>{-999999, -999999, -999999, -999999, 5}));
}

TEST(TableShape, ABlockOfSeveralRowsAndColumnsHasItsRowsButNoNumbers) {
    std::vector<XLOPER12> cells(6, number(1));
    const XLOPER12 a = array(cells, 3, 2);
    const TableInput<XLOPER12> in(&a);
    EXPECT_EQ(in.rows(), 3u);
    EXPECT_EQ(read(in, 3), (std::vector<double>{-999999, -999999, -999999}));
}

TEST(TableShape, OneCellRangeServesEveryRow) {
    std::vector<XLOPER12> cells = {number(3)};
    const XLOPER12 a = array(cells, 1, 1);
    EXPECT_EQ(read(TableInput<XLOPER12>(&a), 2), (std::vector<double>{3, 3}));
}

TEST(TableShape, NonNumbersAndBrokenArraysGiveNoNumber) {
    for (const XLDWORD type : {xltypeStr, xltypeBool, xltypeErr, xltypeMissing, xltypeNil, xltypeInt}) {
        const XLOPER12 x = ofType(type);
        const TableInput<XLOPER12> in(&x);
        EXPECT_EQ(in.rows(), 1u);
        EXPECT_EQ(read(in, 2), (std::vector<double>{-999999, -999999})) << type;
    }
    XLOPER12 broken = ofType(xltypeMulti);
    broken.val.array.rows = 3;
    broken.val.array.columns = 1;  // and no cells
    EXPECT_EQ(read(TableInput<XLOPER12>(&broken), 1), (std::vector<double>{-999999}));
    broken.val.array.rows = -1;
    EXPECT_EQ(TableInput<XLOPER12>(&broken).rows(), 1u);
    EXPECT_EQ(read(TableInput<XLOPER12>(nullptr), 1), (std::vector<double>{-999999}));
}

TEST(TableShape, TheTableHasTheRowsOfTheLongerInput) {
    std::vector<XLOPER12> three(3, number(1)), five(5, number(2));
    const XLOPER12 a = array(three, 3, 1), b = array(five, 1, 5), x = number(4);
    const TableInput<XLOPER12> in3(&a), in5(&b), one(&x);
    EXPECT_EQ(tableRows(in3, in5), 5u);
    EXPECT_EQ(tableRows(one, in3), 3u);
    EXPECT_EQ(tableRows(one, one), 1u);
}

}  // namespace
}  // namespace vapxl
