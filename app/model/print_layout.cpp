#include "print_layout.h"

#include <algorithm>
#include <climits>

#include "calvex_doc.h"
#include "number_format.h"

namespace calvex {
namespace {

// Row captions of the printed table; the rows 2 to 12 are followed by their unit's text when
// the property has a unit list.
constexpr std::array<const char*, kPointTableRows> kRowCaptions{
    "Point Number",
    "Point Label",
    "Pressure - ",
    "Temperature - ",
    "Quality",
    "Enthalpy - ",
    "Entropy - ",
    "Volume - ",
    "Specific Heat - ",
    "Viscosity - ",
    "Conductivity - ",
    "Prandtl No.",
    "Sonic Velocity - ",
};
// The property of each row from row 2 on.
constexpr int kFirstValueRow = 2;

int clampToInt(long long v) noexcept { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

TableLayout layoutPointTable(const PageRect& page, const TableMetrics& m, int pointCount) noexcept {
    TableLayout l;
    const long long left = page.left;
    const long long right = page.right;
    const long long bottom = page.bottom;
    const long long w1 = std::max(0, m.labelWidth);
    const long long w2 = std::max(1, m.valueWidth);
    const long long lh = std::max(1LL, static_cast<long long>(static_cast<double>(std::max(0, m.textHeight)) * 1.5));
    const long long bh = kRowsPerBlock * lh;

    const long long nc = std::max(1LL, (right - w1 - left - kPageReserve) / w2);
    const long long x0 = std::max(left, (right - w2 * nc - w1 - left) / 2);
    const long long nb = std::max(1LL, (bottom + lh - kPageReserve) / bh);
    const long long y0 = std::max(static_cast<long long>(page.top), (bottom + lh - nb * bh) / 2);
    const long long pp = std::min(static_cast<long long>(INT_MAX), nc * nb);

    l.lineHeight = clampToInt(lh);
    l.blockHeight = clampToInt(bh);
    l.columns = clampToInt(nc);
    l.blocks = clampToInt(nb);
    l.left = clampToInt(x0);
    l.top = clampToInt(y0);
    l.labelWidth = clampToInt(w1);
    l.valueWidth = clampToInt(w2);
    l.pointsPerPage = clampToInt(pp);
    const long long n = std::max(0, pointCount);
    l.pageCount = n == 0 ? 1 : clampToInt((n + pp - 1) / pp);
    return l;
}

std::vector<TableBlock> blocksOfPage(const TableLayout& layout, int page, int pointCount) {
    std::vector<TableBlock> blocks;
    if (page < 1 || page > layout.pageCount) {
        return blocks;
    }
    long long k = static_cast<long long>(page - 1) * layout.pointsPerPage;
    for (int b = 0; b < layout.blocks && k < pointCount; ++b) {
        TableBlock block;
        block.top = clampToInt(static_cast<long long>(layout.top) + static_cast<long long>(b) * layout.blockHeight);
        block.firstPoint = static_cast<int>(k);
        block.pointCount = static_cast<int>(std::min<long long>(layout.columns, pointCount - k));
        k += block.pointCount;
        blocks.push_back(block);
    }
    return blocks;
}

std::array<std::string, kPointTableRows> pointTableRowLabels(const PropertyFormats& formats) {
    std::array<std::string, kPointTableRows> labels;
    for (int r = 0; r < kPointTableRows; ++r) {
        std::string text = kRowCaptions[static_cast<std::size_t>(r)];
        if (r >= kFirstValueRow) {
            const auto p = static_cast<std::size_t>(r - kFirstValueRow);
            text += unitText(formats.kinds[p], formatUnit(formats.formats[p]));
        }
        labels[static_cast<std::size_t>(r)] = std::move(text);
    }
    return labels;
}

std::array<std::string, kPointTableRows> pointTableColumn(const CCalvexDoc& doc, int i,
                                                          const PropertyFormats& formats) {
    std::array<std::string, kPointTableRows> column;
    column[0] = std::to_string(i + 1);
    column[1] = doc.GetStoredLabel(i);
    const PropertyTexts values = storedPointTexts(doc, i, formats);
    for (int p = 0; p < kPropertyCount; ++p) {
        column[static_cast<std::size_t>(p + kFirstValueRow)] = values[static_cast<std::size_t>(p)];
    }
    return column;
}

std::string pointTableTitle(const CCalvexDoc& doc) { return std::string(kTableTitle) + doc.GetTitle(); }

int labelColumnWidth(const PropertyFormats& formats, const TextWidth& width) {
    int w = width(kLabelColumnSample);
    for (const std::string& label : pointTableRowLabels(formats)) {
        w = std::max(w, width(label + "  "));
    }
    return w;
}

int valueColumnWidth(const CCalvexDoc& doc, const PropertyFormats& formats, const TextWidth& width) {
    int w = std::max(width(kValueColumnSample), width(kNotAvailableText));
    const CStatePoint& maxima = doc.MaximaPoint();
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        w = std::max(w, width(formatValue(maxima.value(p), formats.kinds[i], formats.formats[i])));
    }
    // The maxima of a file are taken as stored: the stored points themselves are measured too.
    for (int k = 0; k < doc.GetStoredCount(); ++k) {
        for (const std::string& text : pointTableColumn(doc, k, formats)) {
            w = std::max(w, width(text));
        }
    }
    const long long total = static_cast<long long>(w) + width(kValueColumnSpacing);
    return clampToInt(total);
}

}  // namespace calvex
