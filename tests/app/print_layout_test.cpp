// Layout of the printed point table as arithmetic over page and text sizes: columns and blocks
// per page, margins, page count, the blocks of each page, and the measured column widths.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

#include "calvex_doc.h"
#include "print_layout.h"

namespace calvex {
namespace {

// A page of 8 by 10 inches at 600 dots per inch, printable from its corner.
constexpr PageRect kPage{0, 0, 4800, 6000};
// Label column 1500, text height 100 (line 150, block 2100), value column 700.
constexpr TableMetrics kMetrics{1500, 100, 700};

// By hand for kPage and kMetrics:
//   nc = (4800 - 1500 - 0 - 500) / 700 = 4      x0 = (4800 - 700*4 - 1500 - 0) / 2 = 250
//   nb = (6000 + 150 - 500) / 2100 = 2          y0 = (6000 + 150 - 2*2100) / 2 = 975
//   pp = 8
TEST(PrintLayout, QuantitiesOfAPage) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 5);
    EXPECT_EQ(l.lineHeight, 150);
    EXPECT_EQ(l.blockHeight, 2100);
    EXPECT_EQ(l.columns, 4);
    EXPECT_EQ(l.left, 250);
    EXPECT_EQ(l.blocks, 2);
    EXPECT_EQ(l.top, 975);
    EXPECT_EQ(l.pointsPerPage, 8);
    EXPECT_EQ(l.pageCount, 1);
    EXPECT_EQ(valueColumnLeft(l, 0), 250 + 1500);
    EXPECT_EQ(valueColumnLeft(l, 3), 250 + 1500 + 3 * 700);
}

TEST(PrintLayout, LineHeightIsTruncated) {
    // t = 33: lh = 49.5 truncated to 49.
    const TableLayout l = layoutPointTable(kPage, {1500, 33, 700}, 1);
    EXPECT_EQ(l.lineHeight, 49);
    EXPECT_EQ(l.blockHeight, 14 * 49);
}

struct PageCountRow {
    int points;
    int pages;
};

TEST(PrintLayout, PageCount) {
    const PageCountRow rows[] = {
        {0, 1},  // no points: one page with the title only
        {1, 1},
        {8, 1},  // exactly pp
        {9, 2},  // pp + 1
        {16, 2},
        {17, 3},
        {-3, 1},  // a negative count is no point at all
    };
    for (const PageCountRow& r : rows) {
        EXPECT_EQ(layoutPointTable(kPage, kMetrics, r.points).pageCount, r.pages) << r.points << " points";
    }
}

TEST(PrintLayout, NoPointsPrintsOnlyTheTitle) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 0);
    EXPECT_TRUE(blocksOfPage(l, 1, 0).empty());
}

TEST(PrintLayout, ExactlyOnePageFull) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 8);
    const auto blocks = blocksOfPage(l, 1, 8);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].top, 975);
    EXPECT_EQ(blocks[0].firstPoint, 0);
    EXPECT_EQ(blocks[0].pointCount, 4);
    EXPECT_EQ(blocks[1].top, 975 + 2100);
    EXPECT_EQ(blocks[1].firstPoint, 4);
    EXPECT_EQ(blocks[1].pointCount, 4);
    EXPECT_TRUE(blocksOfPage(l, 2, 8).empty());
}

TEST(PrintLayout, OnePointOverflowsToASecondPage) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 9);
    ASSERT_EQ(l.pageCount, 2);
    EXPECT_EQ(blocksOfPage(l, 1, 9).size(), 2u);
    const auto second = blocksOfPage(l, 2, 9);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].top, 975);
    EXPECT_EQ(second[0].firstPoint, 8);
    EXPECT_EQ(second[0].pointCount, 1);
}

TEST(PrintLayout, PartlyFilledBlock) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 6);
    const auto blocks = blocksOfPage(l, 1, 6);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1].pointCount, 2);
}

TEST(PrintLayout, PagesOutsideTheRangeAreEmpty) {
    const TableLayout l = layoutPointTable(kPage, kMetrics, 9);
    EXPECT_TRUE(blocksOfPage(l, 0, 9).empty());
    EXPECT_TRUE(blocksOfPage(l, 3, 9).empty());
    EXPECT_TRUE(blocksOfPage(l, INT_MAX, 9).empty());
}

struct TinyRow {
    const char* what;
    PageRect page;
    TableMetrics metrics;
};

TEST(PrintLayout, TinyPageKeepsOneColumnAndOneBlock) {
    // Pages and texts for which the layout arithmetic gives no column or no block (or divides
    // by zero): one column and one block per page, margins not outside the page.
    const TinyRow rows[] = {
        {"page smaller than the reserve", {0, 0, 300, 300}, {1500, 100, 700}},
        {"empty page", {0, 0, 0, 0}, {1500, 100, 700}},
        {"value wider than the page", {0, 0, 4800, 6000}, {1500, 100, 1000000}},
        {"no value width", {0, 0, 4800, 6000}, {1500, 100, 0}},
        {"no text height", {0, 0, 4800, 6000}, {1500, 0, 700}},
        {"negative sizes", {0, 0, 4800, 6000}, {-5, -5, -5}},
        {"huge sizes", {0, 0, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX}},
    };
    for (const TinyRow& r : rows) {
        const TableLayout l = layoutPointTable(r.page, r.metrics, 25);
        EXPECT_GE(l.columns, 1) << r.what;
        EXPECT_GE(l.blocks, 1) << r.what;
        EXPECT_GE(l.lineHeight, 1) << r.what;
        EXPECT_GE(l.valueWidth, 1) << r.what;
        EXPECT_GE(l.left, r.page.left) << r.what;
        EXPECT_GE(l.top, r.page.top) << r.what;
        EXPECT_GE(l.pointsPerPage, 1) << r.what;
        // Every point is on some page, each page shows at least one.
        int shown = 0;
        for (int page = 1; page <= l.pageCount; ++page) {
            const auto blocks = blocksOfPage(l, page, 25);
            ASSERT_FALSE(blocks.empty()) << r.what << " page " << page;
            for (const TableBlock& b : blocks) {
                EXPECT_EQ(b.firstPoint, shown) << r.what;
                shown += b.pointCount;
            }
        }
        EXPECT_EQ(shown, 25) << r.what;
    }
    // The smallest page: one point per page.
    const TableLayout tiny = layoutPointTable({0, 0, 300, 300}, {1500, 100, 700}, 25);
    EXPECT_EQ(tiny.pointsPerPage, 1);
    EXPECT_EQ(tiny.pageCount, 25);
}

// ---------------------------------------------------------------------------------------------
// Texts and measured widths

// Advance widths of Arial in thousandths of an em (the metrics of Liberation Sans): digits are
// narrower than "X", the point and the blank narrower still.
int arialWidth(std::string_view s) {
    int w = 0;
    for (const char c : s) {
        switch (c) {
            case 'X':
            case 'A':
            case 'S': w += 667; break;
            case 'N': w += 722; break;
            case '.':
            case ' ':
            case 't':
            case '/':
            case 'f': w += 278; break;
            case 'i':
            case 'l': w += 222; break;
            case 'v': w += 500; break;
            case '-': w += 333; break;
            case 'm': w += 833; break;
            case 'W': w += 944; break;
            default: w += 556; break;  // digits and the other lower-case letters
        }
    }
    return w;
}

PropertyFormats defaultFormats() {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
        f.formats[static_cast<std::size_t>(p)] = CCalvexDoc::DefaultFormats()[static_cast<std::size_t>(p)];
    }
    return f;
}

void storePoint(CCalvexDoc& doc, const std::string& label, double volume) {
    CStatePoint& cur = doc.CurrentPoint();
    cur.setValue(kPressure, 1.0);
    cur.setValue(kTemperature, 500.0);
    cur.setValue(kVolume, volume);
    cur.setLabel(label);
    doc.StoreCurrentPoint();
}

TEST(PrintTexts, RowLabelsCarryTheUnits) {
    PropertyFormats f = defaultFormats();
    f.formats[kSpecificHeat] = makeFormat(4, 0, 4);
    f.formats[kCriticalVelocity] = makeFormat(2, 0, 2);
    const auto labels = pointTableRowLabels(f);
    EXPECT_EQ(labels[0], "Point Number");
    EXPECT_EQ(labels[1], "Point Label");
    EXPECT_EQ(labels[2], "Pressure - MPa");
    EXPECT_EQ(labels[3], "Temperature - deg K");
    EXPECT_EQ(labels[4], "Quality");
    EXPECT_EQ(labels[5], "Enthalpy - kJ/kg");
    EXPECT_EQ(labels[6], "Entropy - kJ/kg/K");
    EXPECT_EQ(labels[7], "Volume - m3/kg");
    EXPECT_EQ(labels[8], "Specific Heat - Bar-cm3/g/K");
    EXPECT_EQ(labels[9], "Viscosity - Pa-sec");
    EXPECT_EQ(labels[10], "Conductivity - Watt/m/C");
    EXPECT_EQ(labels[11], "Prandtl No.");
    EXPECT_EQ(labels[12], "Sonic Velocity - ft/min");
}

TEST(PrintTexts, ColumnOfAPoint) {
    CCalvexDoc doc;
    doc.OnNewDocument();
    storePoint(doc, "Inlet", 0.0335);
    doc.CurrentPoint().setValue(kViscosity, -20.0);
    doc.CurrentPoint().setValue(kVolume, 0.5);
    doc.CurrentPoint().setLabel("Exhaust");
    doc.StoreCurrentPoint();
    const auto col = pointTableColumn(doc, 1, defaultFormats());
    EXPECT_EQ(col[0], "2");
    EXPECT_EQ(col[1], "Exhaust");
    EXPECT_EQ(col[2], "1.00");
    EXPECT_EQ(col[3], "500.00");
    EXPECT_EQ(col[7], "0.5000");
    // A value that cannot be computed prints as "Not Available ".
    EXPECT_EQ(col[9], "Not Available ");
}

TEST(PrintTexts, Title) {
    CCalvexDoc doc;
    doc.OnNewDocument();
    EXPECT_EQ(pointTableTitle(doc), "Caldora Output Table - " + doc.GetTitle());
}

TEST(PrintWidths, ValueColumnHoldsNotAvailable) {
    // With small values the widest text is "Not Available " (wider than "XXXXXXXX"), plus one X.
    CCalvexDoc doc;
    doc.OnNewDocument();
    storePoint(doc, "A", 0.5);
    const int w = valueColumnWidth(doc, defaultFormats(), arialWidth);
    EXPECT_EQ(w, arialWidth("Not Available ") + arialWidth("X"));
    EXPECT_GT(arialWidth("Not Available "), arialWidth("XXXXXXXX"));
}

TEST(PrintWidths, WideMaximumWidensEveryColumn) {
    const PropertyFormats f = defaultFormats();
    CCalvexDoc narrow;
    narrow.OnNewDocument();
    storePoint(narrow, "A", 0.5);
    const int base = valueColumnWidth(narrow, f, arialWidth);

    // A volume of 10000 m3/kg with 4 digits: "10000.0000", ten characters, yet narrower than
    // "XXXXXXXX" in this font; the column is measured, so it holds the text in any case.
    CCalvexDoc medium;
    medium.OnNewDocument();
    storePoint(medium, "A", 10000.0);
    const int w = valueColumnWidth(medium, f, arialWidth);
    EXPECT_LT(arialWidth("10000.0000"), arialWidth("XXXXXXXX"));
    EXPECT_GE(w, arialWidth("10000.0000") + arialWidth("X"));

    // A wider one widens every value column to its measured width.
    CCalvexDoc wide;
    wide.OnNewDocument();
    storePoint(wide, "A", 1.0e7);
    const int ww = valueColumnWidth(wide, f, arialWidth);
    EXPECT_EQ(ww, arialWidth("10000000.0000") + arialWidth("X"));
    EXPECT_GT(ww, base);

    // The maxima are not lowered by a deletion: the column stays wide.
    wide.DeleteStoredPoint(0);
    EXPECT_EQ(valueColumnWidth(wide, f, arialWidth), ww);
}

TEST(PrintWidths, LongLabelWidensTheColumns) {
    CCalvexDoc doc;
    doc.OnNewDocument();
    const std::string label = "High-pressure turbine exhaust";
    storePoint(doc, label, 0.5);
    EXPECT_EQ(valueColumnWidth(doc, defaultFormats(), arialWidth), arialWidth(label) + arialWidth("X"));
}

TEST(PrintWidths, HugeStoredValueKeepsTheLayoutDefined) {
    // A stored 1e300 in fixed style is a text of 300 digits: the column is wider than the page,
    // the page still takes one column.
    CCalvexDoc doc;
    doc.OnNewDocument();
    storePoint(doc, "A", 1e300);
    const int w =
        valueColumnWidth(doc, defaultFormats(), [](std::string_view s) { return static_cast<int>(s.size()) * 50; });
    EXPECT_GT(w, 300 * 50);
    const TableLayout l = layoutPointTable(kPage, {1500, 100, w}, 3);
    EXPECT_EQ(l.columns, 1);
    EXPECT_EQ(l.pageCount, 2);  // 3 points, 1 column of 2 blocks
}

TEST(PrintWidths, LabelColumn) {
    PropertyFormats f = defaultFormats();
    // The sample is wider than every row label in the internal units.
    EXPECT_EQ(labelColumnWidth(f, arialWidth), arialWidth(kLabelColumnSample));
    // In a font of equal character widths "Specific Heat - Ft-lbf/lbm/R" with two blanks (30
    // characters) is wider than the sample (29): the widest row label sets the width.
    const auto monospace = [](std::string_view s) { return static_cast<int>(s.size()) * 100; };
    f.formats[kSpecificHeat] = makeFormat(4, 0, 3);
    EXPECT_EQ(labelColumnWidth(f, monospace), 3000);
    f.formats[kSpecificHeat] = makeFormat(4, 0, 0);
    EXPECT_EQ(labelColumnWidth(f, monospace), 2900);
}

}  // namespace
}  // namespace calvex
