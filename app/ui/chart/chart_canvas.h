// The drawing surface of the steam charts: the few primitives the charts are made of (filled
// and outlined rectangles, polylines, circles, texts and a clip rectangle), so that one paint
// routine draws the charts on the screen, into a picture, a PDF, a printer (through QPainter,
// PainterCanvas) and into an SVG file (SvgCanvas). Coordinates are in the chart's own units
// (pixels of a picture at 96 dpi), y growing downwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart_axes.h"

namespace calvex {

struct ChartColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const ChartColor&) const = default;
};

struct ChartStroke {
    ChartColor color;
    double width = 1.0;
    bool dashed = false;
};

struct ChartFont {
    double size = 11.0;  // pixel height of the font
    bool bold = false;
};

// Where a text stands relative to its anchor point (on its baseline).
enum class TextAnchor { Start, Middle, End };

class ChartCanvas {
  public:
    virtual ~ChartCanvas() = default;

    virtual void fill(const CanvasRect& r, ChartColor color) = 0;
    virtual void rectangle(const CanvasRect& r, const ChartStroke& stroke) = 0;
    virtual void polyline(const std::vector<CanvasPoint>& points, const ChartStroke& stroke) = 0;
    // An outlined circle, filled with `fill` when given.
    virtual void circle(CanvasPoint centre, double radius, const ChartStroke& stroke, const ChartColor* fill) = 0;
    // A text of single-byte characters with its baseline through `at`; `vertical` turns it a
    // quarter turn anticlockwise about `at` (read from the bottom up).
    virtual void text(CanvasPoint at, const std::string& latin1, const ChartFont& font, ChartColor color,
                      TextAnchor anchor, bool vertical = false) = 0;
    // Later drawing is clipped to `r`; null ends the clipping.
    virtual void clip(const CanvasRect* r) = 0;
};

}  // namespace calvex
