// Layout of the printed point table, without a printer.
//
// The table is a column of row labels followed by one column per stored point, in blocks of
// 13 rows down the page and over as many pages as needed. All sizes are in the printer's
// device units (one logical unit per device pixel): the page rectangle is the printable area,
// the text sizes are measured in the print font by the caller.
//
// Column widths are measured, not counted in characters: the value column is as wide as the
// widest of the formatted maxima, every formatted stored value, "Not Available ", the stored
// labels and "XXXXXXXX", plus one "X" of spacing; the label column as wide as its sample
// "Specific Heat - Bar-cm3/g/K  " or the widest row label with two blanks. Columns and blocks
// per page are at least 1 on any page, so the page count is always defined; what does not fit a
// tiny page is cut off at its edge.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "point_table_text.h"

namespace calvex {

class CCalvexDoc;

inline constexpr int kPointTableRows = 13;
// Rows of a block: the 13 rows of the table and one blank row between blocks.
inline constexpr int kRowsPerBlock = 14;
// Space kept free beside the columns and below the blocks, and the title's distance from the top.
inline constexpr int kPageReserve = 500;
inline constexpr int kTitleTop = 50;
inline constexpr const char* kLabelColumnSample = "Specific Heat - Bar-cm3/g/K  ";
inline constexpr const char* kValueColumnSample = "XXXXXXXX";
inline constexpr const char* kValueColumnSpacing = "X";
inline constexpr const char* kTableTitle = "Caldora Output Table - ";
// The print font: Arial at 10 points, or a font with its metrics.
inline constexpr const char* kPrintFontFamily = "Arial";
inline constexpr int kPrintFontPoints = 10;

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct TableMetrics {
    int labelWidth = 0;  // w1
    int textHeight = 0;  // t
    int valueWidth = 0;  // w2
};

struct TableLayout {
    int lineHeight = 1;     // lh = t * 1.5, at least 1
    int blockHeight = 14;   // bh = 14 lh
    int columns = 1;        // nc, at least 1
    int blocks = 1;         // nb, at least 1
    int left = 0;           // x0, not left of the page
    int top = 0;            // y0, not above the page
    int labelWidth = 0;     // w1
    int valueWidth = 1;     // w2, at least 1
    int pointsPerPage = 1;  // pp = nc nb
    int pageCount = 1;      // pages for the points, 1 when none is stored
};

// The layout of `pointCount` stored points on `page`.
TableLayout layoutPointTable(const PageRect& page, const TableMetrics& m, int pointCount) noexcept;

// One block of a page: its top and the stored points it shows.
struct TableBlock {
    int top = 0;
    int firstPoint = 0;  // index in the collection (printed as firstPoint + 1)
    int pointCount = 0;
};

// The blocks of page `page` (1-based): none past the last point, nor for a page outside
// 1..pageCount.
std::vector<TableBlock> blocksOfPage(const TableLayout& layout, int page, int pointCount);

// x of the j-th value column of a block.
constexpr int valueColumnLeft(const TableLayout& layout, int j) noexcept {
    return layout.left + layout.labelWidth + j * layout.valueWidth;
}

// The 13 row labels with the units of the form's boxes: "Point Number", "Point Label",
// "Pressure - " and the pressure unit's text, ..., "Sonic Velocity - " and the velocity unit.
std::array<std::string, kPointTableRows> pointTableRowLabels(const PropertyFormats& formats);

// The 13 texts of stored point i's column: its number i + 1, its label, its eleven values as
// the form's boxes format them.
std::array<std::string, kPointTableRows> pointTableColumn(const CCalvexDoc& doc, int i, const PropertyFormats& formats);

// "Caldora Output Table - " and the document's title.
std::string pointTableTitle(const CCalvexDoc& doc);

// Width of a text in the print font, in device units.
using TextWidth = std::function<int(std::string_view)>;

// w1: the sample or the widest row label with two blanks.
int labelColumnWidth(const PropertyFormats& formats, const TextWidth& width);

// w2: the widest of the texts a value column shows or may show, plus one "X".
int valueColumnWidth(const CCalvexDoc& doc, const PropertyFormats& formats, const TextWidth& width);

}  // namespace calvex
